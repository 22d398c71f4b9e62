#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "CodePage.h"
#include "EncodeCipher.h"
#include "ExportCommands.h"
#include "ScriptedUi.h"
#include "SettingsStore.h"

// Exports substitution cryptograms as web pages and solves them in headless Chromium, driven by playwright-core
// (installed by npm into the build folder on the first run).
class WebPageBrowserTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_modules = QStringLiteral(TESSARIN_BIN_DIR "/../print-web-node");

    static bool runToEnd(QProcess& process, int timeoutMs)
    {
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished();
            return false;
        }
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QString exportPage(const std::string& plain, const QString& name)
    {
        AcnProcs holder;
        holder.Puzzle.FileName = m_dir.filePath(name + QStringLiteral(".acnx")).toStdString();
        holder.Puzzle.PLAIN = plain;
        holder.Puzzle.CIPHKEY = "QWERTYUIOPASDFGHJKLZXCVBNM";
        holder.Puzzle.CIPHER = SubstituteLetters(plain, holder.Puzzle.CIPHKEY);
        ScriptedUi ui;
        const QString page = m_dir.filePath(name + QStringLiteral(".html"));
        ui.dialogs.fileAnswers.push_back(page);
        const SettingsStore settings(m_dir.filePath(QStringLiteral("settings.conf")));
        ExportCipherToWeb(nullptr, holder, CipherKind::Cipher, settings, ui.services());
        if (!ui.dialogs.texts(QStringLiteral("error")).isEmpty()) {
            qWarning() << ui.dialogs.texts(QStringLiteral("error"));
            return {};
        }
        return page;
    }

    // The cipher letters of plain with the plain letter each stands for: "QA ZT ...".
    static QString keyOf(const std::string& plain)
    {
        const std::string key = "QWERTYUIOPASDFGHJKLZXCVBNM";
        QString pairs;
        for (char c : UpperCaseText(plain)) {
            if (c >= 'A' && c <= 'Z') {
                const QString pair = QString(QLatin1Char(key[static_cast<std::size_t>(c - 'A')])) + QLatin1Char(c);
                if (!pairs.contains(pair)) {
                    pairs += pair + QLatin1Char(' ');
                }
            }
        }
        return pairs.trimmed();
    }

    QJsonObject solveInBrowser(const QString& page, const QString& key)
    {
        QProcess node;
        node.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        node.start(QStringLiteral("node"),
                   {QStringLiteral(TESSARIN_PRINT_WEB_DIR "/solve-web-page.mjs"), m_modules, page, key});
        if (!runToEnd(node, 120000)) {
            return {};
        }
        const QList<QByteArray> lines = node.readAllStandardOutput().trimmed().split('\n');
        return QJsonDocument::fromJson(lines.last()).object();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(m_modules));
        QFile::remove(m_modules + QStringLiteral("/package.json"));
        QVERIFY(QFile::copy(QStringLiteral(TESSARIN_PRINT_WEB_DIR "/package.json"),
                            m_modules + QStringLiteral("/package.json")));
        if (!QFile::exists(m_modules + QStringLiteral("/node_modules/playwright-core/package.json"))) {
            QProcess npm;
            npm.setProcessChannelMode(QProcess::ForwardedChannels);
            npm.start(QStringLiteral("npm"), {QStringLiteral("install"), QStringLiteral("--no-audit"),
                                              QStringLiteral("--no-fund"), QStringLiteral("--prefix"), m_modules});
            QVERIFY2(runToEnd(npm, 300000), "npm could not install playwright-core");
        }
    }

    void aSolverTypesTheAnswerAndThePageReportsItSolved()
    {
        const std::string plain = "Attack at dawn, said the general. \x93Then rest.\x94";
        const QString page = exportPage(plain, QStringLiteral("Dawn"));
        QVERIFY(!page.isEmpty());
        const QJsonObject result = solveInBrowser(page, keyOf(plain));
        QVERIFY2(!result.isEmpty(), "the browser run failed");
        QVERIFY(result[QStringLiteral("wrongStatus")].toString().contains(QStringLiteral("not right yet")));
        QCOMPARE(result[QStringLiteral("status")].toString(), QStringLiteral("Solved! Well done."));
        QCOMPARE(result[QStringLiteral("plaintext")].toString(), QString::fromStdString(CodePageToUtf8(plain)));
        QVERIFY(result[QStringLiteral("plaintextVisible")].toBool());
        QCOMPARE(result[QStringLiteral("filledCells")].toInt(), result[QStringLiteral("cells")].toInt());
        QVERIFY(result[QStringLiteral("dialogs")].toArray().isEmpty());
    }

    void aScriptInThePlaintextShowsAsInertText()
    {
        const std::string plain = "<script>alert(1)</script>";
        const QString page = exportPage(plain, QStringLiteral("<img src=x onerror=alert(2)>"));
        QVERIFY(!page.isEmpty());
        const QJsonObject result = solveInBrowser(page, keyOf(plain));
        QVERIFY2(!result.isEmpty(), "the browser run failed");
        QCOMPARE(result[QStringLiteral("status")].toString(), QStringLiteral("Solved! Well done."));
        QCOMPARE(result[QStringLiteral("plaintext")].toString(), QString::fromStdString(plain));
        QVERIFY(result[QStringLiteral("dialogs")].toArray().isEmpty());
        QCOMPARE(result[QStringLiteral("scripts")].toInt(), 2); // the page's data and its program, nothing more
    }

    void aLongUnbrokenWordWrapsWithinThePage()
    {
        const std::string plain = "Pneumonoultramicroscopicsilicovolcanoconiosis" + std::string(60, 'x') + " ends here";
        const QString page = exportPage(plain, QStringLiteral("Long Word"));
        const QJsonObject result = solveInBrowser(page, keyOf(plain));
        QVERIFY2(!result.isEmpty(), "the browser run failed");
        QCOMPARE(result[QStringLiteral("status")].toString(), QStringLiteral("Solved! Well done."));
        QVERIFY(!result[QStringLiteral("overflows")].toBool());
    }
};

QTEST_GUILESS_MAIN(WebPageBrowserTest)
#include "WebPageBrowserTest.moc"
