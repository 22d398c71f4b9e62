#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "ABCPaint.h"
#include "Acn5GameMainUnit.h"
#include "PuzzleFile.h"
#include "PuzzlePaint.h"
#include "RailUnit.h"
#include "ScriptedUi.h"
#include "ToolUnit.h"

// Run on a real display with a window manager and the system's fonts: what the offscreen tests cannot see.
class GameDisplayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The tool window opens with its whole frame beside the board: never over the main window's menu bar.
    void toolWindowOpensBesideTheBoard()
    {
        ScriptedUi ui;
        TAcn5GameMainForm window(ui.services());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* tool = new TToolForm({CipherKind::Playfair, {}, "ZEBRA", {}, {}, {}, {}}, &ui.dialogs, &window);
        tool->setPlacement([&window](QWidget* w) {
            PlaceBesideBoard(w, &window, window.findChild<QWidget*>(QStringLiteral("BoardScroller")));
        });
        tool->show();
        QVERIFY(QTest::qWaitForWindowExposed(tool));
        const QRect menuBar(window.menuBar()->mapToGlobal(QPoint(0, 0)), window.menuBar()->size());
        const QRect available = tool->screen()->availableGeometry();
        QTRY_VERIFY(!tool->frameGeometry().intersects(menuBar));
        QVERIFY(available.contains(tool->frameGeometry()));
        QVERIFY(tool->frameGeometry().top() >= window.board()->mapToGlobal(QPoint(0, 0)).y() ||
                !tool->frameGeometry().intersects(window.frameGeometry()));
        delete tool;
    }

    // A tool window opened from the menu takes the keyboard: the solver can work the rails without the mouse.
    void toolWindowsTakeTheKeyboard()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tools.acnx"));
        PuzzleLines lines = PuzzleTemplate();
        lines[9] = lines[45] = lines[18] = lines[48] = "HLO EL ";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(JoinPuzzleLines(lines).c_str()) > 0);
        file.close();
        ScriptedUi ui;
        TAcn5GameMainForm window(ui.services());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.openPuzzleFile(path);
        window.findChild<QAction*>(QStringLiteral("CipherAlphabet1"))->trigger();
        QTRY_VERIFY(window.toolWindow() && window.toolWindow()->isActiveWindow());
        window.findChild<QAction*>(QStringLiteral("RailBtn"))->trigger();
        window.findChild<QAction*>(QStringLiteral("RailFenceRails1"))->trigger();
        QTRY_VERIFY(window.railWindow() && window.railWindow()->isActiveWindow());
    }

    // The design layout survives the real window frame and fonts: tool bar buttons whole, the strip full height.
    void mainWindowPartsAreWhole()
    {
        ScriptedUi ui;
        TAcn5GameMainForm window(ui.services());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.strip()->height(), 37);
        auto* bar = window.findChild<QWidget*>(QStringLiteral("ToolBar1"));
        const QList<QToolButton*> buttons = bar->findChildren<QToolButton*>();
        QVERIFY(buttons.size() >= 8);
        for (const QToolButton* button : buttons) {
            if (button->isVisible()) {
                QVERIFY2(bar->rect().contains(button->geometry()), qPrintable(button->objectName()));
            }
        }
    }
};

QTEST_MAIN(GameDisplayTest)
#include "GameDisplayTest.moc"
