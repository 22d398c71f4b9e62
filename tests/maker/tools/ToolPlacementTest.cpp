#include <memory>

#include <QScreen>
#include <QTest>

#include "AcnProcsUnit.h"
#include "CipherAlphaUnit.h"
#include "KeyTableUnit.h"
#include "PlayfairSqUnit.h"
#include "Random.h"
#include "VigenTableUnit.h"

// Run on a real display with a window manager: each key window opens with its whole frame, title bar included,
// at the top left corner of the screen.
class ToolPlacementTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frameOpensAtTheScreenCorner_data();
    void frameOpensAtTheScreenCorner();
};

void ToolPlacementTest::frameOpensAtTheScreenCorner_data()
{
    QTest::addColumn<int>("window");
    QTest::newRow("Cipher Alphabet") << 0;
    QTest::newRow("Playfair Square") << 1;
    QTest::newRow("Quagmire Keyword Table") << 2;
    QTest::newRow("Vigenere Table") << 3;
}

void ToolPlacementTest::frameOpensAtTheScreenCorner()
{
    QFETCH(int, window);
    const AcnProcs holder;
    Random rng(3);
    std::unique_ptr<QDialog> form;
    switch (window) {
    case 0:
        form = std::make_unique<TCipherAlphaForm>(holder, rng);
        break;
    case 1:
        form = std::make_unique<TPlayfairSqForm>(holder);
        break;
    case 2:
        form = std::make_unique<TKeyTableForm>(holder);
        break;
    default:
        form = std::make_unique<TVigenTableForm>(holder);
        break;
    }
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QPoint corner = form->screen()->availableGeometry().topLeft();
    QTRY_COMPARE(form->frameGeometry().topLeft(), corner);
    if (QGuiApplication::platformName() == u"xcb"_qs) {
        QTRY_VERIFY(form->geometry().top() > corner.y()); // the title bar lies above the client area, on screen
    }
}

QTEST_MAIN(ToolPlacementTest)
#include "ToolPlacementTest.moc"
