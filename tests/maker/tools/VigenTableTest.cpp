#include <algorithm>

#include <QPushButton>
#include <QTest>

#include "AcnProcsUnit.h"
#include "EncodeVigenere.h"
#include "KeyBoxImages.h"
#include "KeyPaintBox.h"
#include "VigenTableUnit.h"

class VigenTableTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxesHoldTheTableauInItsColours_data();
    void boxesHoldTheTableauInItsColours();
    void windowHasRoomFor28BoxHeightsAboveTheButton();
};

void VigenTableTest::boxesHoldTheTableauInItsColours_data()
{
    QTest::addColumn<QString>("paintBox");
    QTest::addColumn<int>("row"); // 0 is the header, -1 the gap below it
    QTest::addColumn<int>("top"); // of the row's boxes of 18 pixels (472 div 26)
    QTest::addColumn<int>("box"); // 1 to 26
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("ink");
    QTest::newRow("header A") << "VPaint" << 0 << 0 << 1 << "A"
                              << "blue";
    QTest::newRow("header Z") << "VPaint" << 0 << 0 << 26 << "Z"
                              << "blue";
    QTest::newRow("row 1 reads A to Z") << "VPaint" << 1 << 36 << 26 << "Z"
                                        << "black";
    QTest::newRow("row 2 ends with A") << "VPaint" << 2 << 54 << 26 << "A"
                                       << "black";
    QTest::newRow("row 26 starts with Z") << "VPaint" << 26 << 486 << 1 << "Z"
                                          << "black";
    QTest::newRow("key K on plaintext E is O") << "VPaint" << 11 << 216 << 5 << "O"
                                               << "black";
    QTest::newRow("side letter A by row 1") << "SidePaint" << 1 << 36 << 1 << "A"
                                            << "blue";
    QTest::newRow("side letter Z by row 26") << "SidePaint" << 26 << 486 << 1 << "Z"
                                             << "blue";
    QTest::newRow("nothing beside the header") << "SidePaint" << 0 << 0 << 1 << ""
                                               << "none";
    QTest::newRow("the gap stays empty") << "VPaint" << -1 << 18 << 3 << ""
                                         << "none";
}

void VigenTableTest::boxesHoldTheTableauInItsColours()
{
    QFETCH(QString, paintBox);
    QFETCH(int, row);
    QFETCH(int, top);
    QFETCH(int, box);
    QFETCH(QString, letter);
    QFETCH(QString, ink);
    const AcnProcs holder;
    TVigenTableForm form(holder);
    auto* paint = form.findChild<KeyPaintBox*>(paintBox);
    const KeyBoxScene scene = paint->scene();
    const int s = 18;
    QCOMPARE(scene.boxSize, s);
    const int x = (box - 1) * s;
    const QImage image = renderPaintBox(*paint);
    QCOMPARE(inkIn(image, x, top, s), ink);
    if (ink != u"none"_qs) {
        const QColor colour = ink == u"blue"_qs ? Qt::blue : Qt::black;
        QCOMPARE(boxInside(image, x, top, s), referenceBox(scene, letter, colour));
        QCOMPARE(image.pixelColor(x, top + s / 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor(x + 1, top + s / 2), keyBoxGrey());
    }
    if (row >= 1 && paintBox == u"VPaint"_qs) { // the window's box holds the encoder's letter for header and row
        const auto drawn = std::find_if(scene.boxes.begin(), scene.boxes.end(),
                                        [&](const KeyBox& b) { return b.x == x && b.y == top; });
        QVERIFY(drawn != scene.boxes.end());
        QCOMPARE(drawn->letter, letter);
        const std::string header(1, char('A' + box - 1));
        const std::string key(1, char('A' + row - 1));
        QCOMPARE(drawn->letter.toStdString(), EncryptVigenere(header, key).substr(0, 1));
    }
}

void VigenTableTest::windowHasRoomFor28BoxHeightsAboveTheButton()
{
    const AcnProcs holder;
    TVigenTableForm form(holder);
    auto* table = form.findChild<QWidget*>(QStringLiteral("VPaint"));
    auto* side = form.findChild<QWidget*>(QStringLiteral("SidePaint"));
    auto* ok = form.findChild<QPushButton*>(QStringLiteral("Button1"));
    QCOMPARE(table->size(), QSize(472, 513));
    QCOMPARE(side->geometry().right() + 1, table->x());
    const int s = 18;
    QCOMPARE(ok->y() - table->y(), 28 * s + ok->height());
    QVERIFY(form.rect().contains(ok->geometry()));
    QVERIFY(table->y() + 28 * s + 2 <= ok->y()); // the last row's outlines lie above the button
}

QTEST_MAIN(VigenTableTest)
#include "VigenTableTest.moc"
