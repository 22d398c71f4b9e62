#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Acn5MainForm.h"
#include "AcnProcsUnit.h"
#include "DeployUnit.h"
#include "PressDeploySave.h"
#include "Random.h"
#include "ScriptedUi.h"
#include "SettingsStore.h"

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class DistributeInMainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void packageOfTheCurrentPuzzleEndsWithTheProgressAnimation_data()
    {
        QTest::addColumn<bool>("gamePresent");
        QTest::newRow("game beside the maker") << true;
        QTest::newRow("game missing") << false;
    }

    void packageOfTheCurrentPuzzleEndsWithTheProgressAnimation()
    {
        QFETCH(bool, gamePresent);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir().mkpath(dir.filePath(QStringLiteral("maker")));
        if (gamePresent) {
            writeFile(dir.filePath(QStringLiteral("maker/tessarin5game")), "game");
        }
        writeFile(dir.filePath(QStringLiteral("quote.acnx")), "puzzle");
        const QString pack = dir.filePath(QStringLiteral("TessarinPack"));

        const SettingsStore settings(dir.filePath(QStringLiteral("settings.conf")));
        ScriptedUi ui;
        ui.dialogs.fileAnswers.push_back(pack);
        AcnProcs holder;
        holder.Puzzle.FileName = dir.filePath(QStringLiteral("quote.acnx")).toStdString();
        Random rng(3);
        TAcn5MainForm window(holder, settings, ui.services(), rng);
        window.setProgramFolder(dir.filePath(QStringLiteral("maker")));
        int pauses = 0;
        window.setPauseFunction([&pauses](int) { ++pauses; });
        window.show();

        pressSaveWhenShown();
        window.findChild<QAction*>(QStringLiteral("DistributeAct"))->trigger();

        QStringList expected{QStringLiteral("quote.acnx")};
        if (gamePresent) {
            expected.append(QStringLiteral("tessarin5game"));
        }
        QCOMPARE(QDir(pack).entryList(QDir::Files, QDir::Name), expected);
        QCOMPARE(ui.dialogs.texts(QStringLiteral("error")).size(), gamePresent ? 0 : 1);
        QCOMPARE(pauses > 0, gamePresent); // the animation runs only after a complete save
        window.hide();
    }
};

QTEST_MAIN(DistributeInMainWindowTest)
#include "DistributeInMainWindowTest.moc"
