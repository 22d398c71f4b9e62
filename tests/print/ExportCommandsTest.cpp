#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "ExportCommands.h"
#include "ScriptedUi.h"
#include "SettingsStore.h"

class ExportCommandsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    AcnProcs m_holder;

    SettingsStore settings() const { return SettingsStore(m_dir.filePath(QStringLiteral("settings.conf"))); }

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    using Export = void (*)(QWidget*, const AcnProcs&, CipherKind, const SettingsStore&, UiServices);
    static constexpr Export Commands[] = {&ExportTextFile, &ExportRtfFile, &ExportCipherToWeb};

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        m_holder.Puzzle.FileName = m_dir.filePath(QStringLiteral("Short One.acnx")).toStdString();
        m_holder.Puzzle.PLAIN = "Attack at dawn!";
        m_holder.Puzzle.CIPHKEY = "QWERTYUIOPASDFGHJKLZXCVBNM";
        m_holder.Puzzle.CIPHER = "QZZQEA QZ RQVF!";
    }

    void eachExportSuggestsThePuzzlesNameAndWritesTheFile_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("text") << 0 << QStringLiteral("txt") << QStringLiteral("Export Text File")
                              << QByteArray("Short One\n---------\n\nQZZQEA");
        QTest::newRow("rtf") << 1 << QStringLiteral("rtf") << QStringLiteral("Export RTF File")
                             << QByteArray("{\\rtf1\\ansi");
        QTest::newRow("web") << 2 << QStringLiteral("html") << QStringLiteral("Export Cipher to Web")
                             << QByteArray("<!DOCTYPE html>");
    }

    void eachExportSuggestsThePuzzlesNameAndWritesTheFile()
    {
        QFETCH(int, command);
        QFETCH(QString, suffix);
        QFETCH(QString, title);
        QFETCH(QByteArray, start);
        ScriptedUi ui;
        ui.dialogs.askAnswers = {Answer::Yes, Answer::No}; // with the solution; for RTF, on the same page
        const QString path = m_dir.filePath(QStringLiteral("export.") + suffix);
        ui.dialogs.fileAnswers.push_back(path);
        const SettingsStore store = settings();
        Commands[command](nullptr, m_holder, CipherKind::Cipher, store, ui.services());
        QVERIFY2(ui.dialogs.texts(QStringLiteral("error")).isEmpty(),
                 qPrintable(ui.dialogs.texts(QStringLiteral("error")).join(QLatin1Char('\n'))));
        const QStringList saves = ui.dialogs.texts(QStringLiteral("save"));
        QCOMPARE(saves, QStringList{title});
        for (const ScriptedDialogs::Shown& shown : ui.dialogs.shown) {
            if (shown.kind == QStringLiteral("save")) {
                QCOMPARE(shown.request.fileName, QStringLiteral("Short One.") + suffix);
                QCOMPARE(shown.request.defaultSuffix, suffix);
                QVERIFY(shown.request.confirmOverwrite);
            }
        }
        QVERIFY(contents(path).startsWith(start));
    }

    void theSolutionGoesIntoTheTextFileOnlyOnYes()
    {
        ScriptedUi ui;
        ui.dialogs.askAnswers = {Answer::No, Answer::Cancel};
        const QString path = m_dir.filePath(QStringLiteral("plain.txt"));
        ui.dialogs.fileAnswers.push_back(path);
        const SettingsStore store = settings();
        ExportTextFile(nullptr, m_holder, CipherKind::Cipher, store, ui.services());
        QVERIFY(!contents(path).contains("Solution"));
        QVERIFY(!contents(path).contains("Attack"));

        QFile::remove(path);
        ExportTextFile(nullptr, m_holder, CipherKind::Cipher, store, ui.services()); // Cancel: no file dialog
        QCOMPARE(ui.dialogs.texts(QStringLiteral("save")).size(), 1);
        QVERIFY(!QFile::exists(path));
    }

    void refusalsAndWriteFailuresAreReported()
    {
        ScriptedUi ui;
        const SettingsStore store = settings();
        ExportCipherToWeb(nullptr, m_holder, CipherKind::Playfair, store, ui.services());
        ExportTextFile(nullptr, m_holder, CipherKind::Vigenere, store, ui.services());
        ui.dialogs.askAnswers.push_back(Answer::No);
        const QString path = m_dir.filePath(QStringLiteral("no folder/out.rtf"));
        ui.dialogs.fileAnswers.push_back(path);
        ExportRtfFile(nullptr, m_holder, CipherKind::Cipher, store, ui.services());
        const QStringList errors = ui.dialogs.texts(QStringLiteral("error"));
        QCOMPARE(errors.size(), 3);
        QVERIFY(errors[0].startsWith(QStringLiteral("Export Cipher to Web works on the substitution cryptogram")));
        QVERIFY(errors[1].startsWith(QStringLiteral("Nothing to export!")));
        QVERIFY(errors[2].startsWith(QStringLiteral("Cannot create file \"") + path + QStringLiteral("\".")));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(ExportCommandsTest)
#include "ExportCommandsTest.moc"
