#include "SettingsStore.h"

#include <QIODevice>
#include <QSettings>
#include <QTextStream>

#include "TessarinError.h"

namespace {

#ifndef Q_OS_WIN
// A store file of "Name=123" (an integer) and "Name="text"" (a text, with \" \\ \n \r escaped) lines, so that
// every value keeps its type as the registry does.
QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'"' || c == u'\\') {
            out += u'\\';
            out += c;
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    return out + u'"';
}

bool unquoted(QStringView text, QString& out)
{
    if (text.size() < 2 || !text.startsWith(u'"') || !text.endsWith(u'"')) {
        return false;
    }
    out.clear();
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\\' && i + 2 < text.size()) {
            c = text[++i];
            c = c == u'n' ? QChar(u'\n') : c == u'r' ? QChar(u'\r') : c;
        }
        out += c;
    }
    return true;
}

// Lines that are not values (comments, section headers, anything else a hand edit left) are kept in the map under
// names no setting has, in file order, and written back as they stood: a later save never drops them.
const QString KeptLinePrefix = QStringLiteral("%kept-line-");

// Every line counts as read: QSettings drops every value of a file that reads as malformed, and its next write would
// then replace the file with the new value alone. A value in the usual INI form (Name=text, unquoted) is text.
bool readTypedStore(QIODevice& device, QSettings::SettingsMap& map)
{
    QTextStream in(&device);
    in.setEncoding(QStringConverter::Utf8);
    int kept = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const qsizetype eq = line.indexOf(u'=');
        const QString name = eq > 0 ? line.left(eq).trimmed() : QString();
        if (name.isEmpty() || name.startsWith(u'#') || name.startsWith(u';') || name.startsWith(u'%')) {
            if (!line.trimmed().isEmpty()) {
                map.insert(KeptLinePrefix + QStringLiteral("%1").arg(++kept, 6, 10, QChar(u'0')), line);
            }
            continue;
        }
        const QStringView value = QStringView(line).mid(eq + 1).trimmed();
        bool isInt = false;
        const int number = value.toInt(&isInt);
        QString text;
        if (isInt) {
            map.insert(name, number);
        } else if (unquoted(value, text)) {
            map.insert(name, text);
        } else {
            map.insert(name, value.toString());
        }
    }
    return true;
}

bool writeTypedStore(QIODevice& device, const QSettings::SettingsMap& map)
{
    QTextStream out(&device);
    out.setEncoding(QStringConverter::Utf8);
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QVariant& value = it.value();
        if (it.key().startsWith(KeptLinePrefix)) {
            out << value.toString() << u'\n';
            continue;
        }
        out << it.key() << u'=';
        if (value.typeId() == QMetaType::Int) {
            out << value.toInt();
        } else {
            out << quoted(value.toString());
        }
        out << u'\n';
    }
    out.flush();
    return out.status() == QTextStream::Ok;
}

QSettings::Format typedFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readTypedStore, writeTypedStore, Qt::CaseSensitive);
    return format;
}
#endif

bool isIntegerType(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void throwInvalidType(const QString& name)
{
    throw TessarinError("Invalid data type for '" + name.toStdString() + "'");
}

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(QString filePath) : m_filePath(std::move(filePath)) {}

std::unique_ptr<QSettings> SettingsStore::open() const
{
#ifdef Q_OS_WIN
    const QSettings::Format format = QSettings::NativeFormat;
    if (m_filePath.isEmpty()) {
        return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Dunmarrow32\\Tessarin"),
                                           format);
    }
#else
    const QSettings::Format format = typedFormat();
    if (m_filePath.isEmpty()) {
        return std::make_unique<QSettings>(format, QSettings::UserScope, QStringLiteral("Dunmarrow32"),
                                           QStringLiteral("Tessarin"));
    }
#endif
    return std::make_unique<QSettings>(m_filePath, format);
}

QString SettingsStore::ReadSetting(const QString& name, const QString& defaultValue) const
{
    const QVariant value = open()->value(name);
    if (!value.isValid()) {
        return defaultValue;
    }
    if (value.typeId() != QMetaType::QString) {
        throwInvalidType(name);
    }
    return value.toString();
}

int SettingsStore::ReadSetting(const QString& name, int defaultValue) const
{
    const QVariant value = open()->value(name);
    if (!value.isValid()) {
        return defaultValue;
    }
    if (!isIntegerType(value)) {
        throwInvalidType(name);
    }
    return value.toInt();
}

namespace {
void writeValue(QSettings& settings, const QString& name, const QVariant& value)
{
    const QVariant previous = settings.value(name);
    settings.setValue(name, value);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        // QSettings keeps the value for every later reader of the file in this process: put back what the file holds,
        // so that nothing shows a value as stored that never reached it.
        if (previous.isValid()) {
            settings.setValue(name, previous);
        } else {
            settings.remove(name);
        }
        throw TessarinError("Failed to set data for '" + name.toStdString() + "'");
    }
}
} // namespace

void SettingsStore::WriteSetting(const QString& name, const QString& value) const
{
    writeValue(*open(), name, value);
}

void SettingsStore::WriteSetting(const QString& name, int value) const
{
    writeValue(*open(), name, value);
}
