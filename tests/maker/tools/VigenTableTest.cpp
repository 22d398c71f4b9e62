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
    QTest::addColumn<int>("row"); // 0 is the header
    QTest::addColumn<int>("box"); // 1 to 26
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("ink");
    QTest::newRow("header A") << "VPaint" << 0 << 1 << "A"
                              << "blue";
    QTest::newRow("header Z") << "VPaint" << 0 << 26 << "Z"
                              << "blue";
    QTest::newRow("row 1 reads A to Z") << "VPaint" << 1 << 26 << "Z"
                                        << "black";
    QTest::newRow("row 2 ends with A") << "VPaint" << 2 << 26 << "A"
                                       << "black";
    QTest::newRow("row 26 starts with Z") << "VPaint" << 26 << 1 << "Z"
                                          << "black";
    QTest::newRow("key K on plaintext E is O") << "VPaint" << 11 << 5 << "O"
                                               << "black";
    QTest::newRow("side letter A by row 1") << "SidePaint" << 1 << 1 << "A"
                                            << "blue";
    QTest::newRow("side letter Z by row 26") << "SidePaint" << 26 << 1 << "Z"
                                             << "blue";
    QTest::newRow("nothing beside the header") << "SidePaint" << 0 << 1 << ""
                                               << "none";
    QTest::newRow("the gap stays empty") << "VPaint" << -1 << 3 << ""
                                         << "none";
}

void VigenTableTest::boxesHoldTheTableauInItsColours()
{
    QFETCH(QString, paintBox);
    QFETCH(int, row);
    QFETCH(int, box);
    QFETCH(QString, letter);
    QFETCH(QString, ink);
    const AcnProcs holder;
    TVigenTableForm form(holder);
    auto* paint = form.findChild<KeyPaintBox*>(paintBox);
    const KeyBoxScene scene = paint->scene();
    const int s = form.findChild<QWidget*>(QStringLiteral("VPaint"))->width() / 26;
    QCOMPARE(scene.boxSize, s);
    const int y = row == 0 ? 0 : row == -1 ? s : (row + 1) * s;
    const QImage image = renderPaintBox(*paint);
    QCOMPARE(inkIn(image, (box - 1) * s, y, s), ink);
    if (ink != u"none"_qs) {
        const QColor colour = ink == u"blue"_qs ? Qt::blue : Qt::black;
        QCOMPARE(boxInside(image, (box - 1) * s, y, s), referenceBox(scene, letter, colour));
        QCOMPARE(image.pixelColor((box - 1) * s, y + s / 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor((box - 1) * s + 1, y + s / 2), keyBoxGrey());
    }
    if (row >= 1 && paintBox == u"VPaint"_qs) { // the box holds the encryption of the header letter
        QCOMPARE(
            letter.toStdString(),
            EncryptVigenere(std::string(1, char('A' + box - 1)), std::string(1, char('A' + row - 1))).substr(0, 1));
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
    const int s = 472 / 26;
    QCOMPARE(ok->y() - table->y(), 28 * s + ok->height());
    QVERIFY(form.rect().contains(ok->geometry()));
    QVERIFY(table->y() + 28 * s + 2 <= ok->y()); // the last row's outlines lie above the button
}

QTEST_MAIN(VigenTableTest)
#include "VigenTableTest.moc"
