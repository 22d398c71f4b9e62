// The maker as installed into a prefix: it finds the installed game beside itself, starts it, copies it into a
// distribution folder, and opens the installed help.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Acn5MainForm.h"
#include "AcnProcsUnit.h"
#include "DeployUnit.h"
#include "MakerHelpWindow.h"
#include "PressDeploySave.h"
#include "Random.h"
#include "ScriptedUi.h"
#include "SettingsStore.h"

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class InstalledMakerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_prefix.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(TESSARIN_BUILD_DIR),
                                                QStringLiteral("--prefix"), m_prefix.path()});
        QVERIFY(install.waitForFinished(300000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        m_bin = m_prefix.filePath(QStringLiteral("bin"));
    }

    void gameEditionStartsTheInstalledGame()
    {
        Fixture f(m_bin);
        f.window.findChild<QAction*>(QStringLiteral("LaunchGameAct"))->trigger();
        QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")), QStringList());
        QCOMPARE(f.ui.shell.started, QStringList{m_bin + QStringLiteral("/tessarin5game")});
    }

    void distributionCopiesTheInstalledGame()
    {
        Fixture f(m_bin);
        const QString puzzle = f.dir.filePath(QStringLiteral("quote.acnx"));
        QFile file(puzzle);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("puzzle");
        file.close();
        f.holder.Puzzle.FileName = puzzle.toStdString();
        const QString pack = f.dir.filePath(QStringLiteral("TessarinPack"));
        f.ui.dialogs.fileAnswers.push_back(pack);
        pressSaveWhenShown();
        f.window.findChild<QAction*>(QStringLiteral("DistributeAct"))->trigger();
        QCOMPARE(f.ui.dialogs.texts(QStringLiteral("error")), QStringList());
        const QString copy = pack + QStringLiteral("/tessarin5game");
        QCOMPARE(readFile(copy), readFile(m_bin + QStringLiteral("/tessarin5game")));
        QVERIFY(QFileInfo(copy).isExecutable());
    }

    void helpOpensFromTheInstalledCollection()
    {
        TMakerHelpForm help(m_bin + QStringLiteral("/tessarin5.qhc"));
        help.showKeyword(QStringLiteral("Introduction"));
        QVERIFY2(help.currentPage().isValid(), "the Introduction page was not found");
        QCOMPARE(help.currentPage().scheme(), QStringLiteral("qthelp"));
    }

private:
    // A main window whose program folder is the installed one, with scripted services.
    struct Fixture
    {
        explicit Fixture(const QString& bin)
            : settings(dir.filePath(QStringLiteral("settings.conf"))), window(holder, settings, ui.services(), rng)
        {
            window.setProgramFolder(bin);
            window.setPauseFunction([](int) {});
            window.show();
        }
        QTemporaryDir dir;
        SettingsStore settings;
        ScriptedUi ui;
        AcnProcs holder;
        Random rng{7};
        TAcn5MainForm window;
    };

    QTemporaryDir m_prefix;
    QString m_bin;
};

QTEST_MAIN(InstalledMakerTest)
#include "InstalledMakerTest.moc"
