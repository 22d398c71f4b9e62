#include "QtCodePage.h"

#include "TessarinError.h"

QString FromCodePage(std::string_view text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        out += QChar(static_cast<char16_t>(CodePageToUnicode(c)));
    }
    return out;
}

CodePageConversion ToCodePage(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCodePage(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::string ToCodePageOrThrow(const QString& text)
{
    CodePageConversion converted = ToCodePage(text);
    if (!converted.ok()) {
        throw TessarinError(UnrepresentableMessage(*converted.unrepresentable));
    }
    return std::move(converted.text);
}
