#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include "ABCPaint.h"
#include "Acn5GameMainUnit.h"
#include "ScriptedUi.h"
#include "ToolUnit.h"

// Run on a real display with a window manager and the system's fonts: what the offscreen tests cannot see.
class GameDisplayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The tool window opens with its whole frame, title bar included, at the top left corner of the screen.
    void toolWindowFrameOpensAtTheScreenCorner()
    {
        ScriptedUi ui;
        TAcn5GameMainForm window(ui.services());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* tool = new TToolForm({CipherKind::Playfair, {}, "ZEBRA", {}, {}, {}, {}}, &ui.dialogs, &window);
        tool->show();
        QVERIFY(QTest::qWaitForWindowExposed(tool));
        const QPoint corner = tool->screen()->availableGeometry().topLeft();
        QTRY_COMPARE(tool->frameGeometry().topLeft(), corner);
        if (QGuiApplication::platformName() == u"xcb"_qs) {
            QTRY_VERIFY(tool->geometry().top() > corner.y()); // the title bar lies above the client area
        }
        delete tool;
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
