#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include "AcnProcsUnit.h"
#include "KeyBoxImages.h"
#include "KeyPaintBox.h"
#include "KeyTableUnit.h"
#include "TessarinError.h"

namespace {

AcnProcs holderWith(const QString& quagkey, const QString& quagckey, const QString& quagindi)
{
    AcnProcs holder;
    holder.Puzzle.QUAGKEY = quagkey.toStdString();
    holder.Puzzle.QUAGCKEY = quagckey.toStdString();
    holder.Puzzle.QUAGINDI = quagindi.toStdString();
    return holder;
}

} // namespace

class KeyTableTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsIndicatorAndTwoDigitColumn_data();
    void readsIndicatorAndTwoDigitColumn();
    void columnThatIsNoNumberIsRefused_data();
    void columnThatIsNoNumberIsRefused();
    void lettersAreRedBlackAndTheCaretBlue_data();
    void lettersAreRedBlackAndTheCaretBlue();
    void longIndicatorGetsAllItsRows_data();
    void longIndicatorGetsAllItsRows();
};

void KeyTableTest::readsIndicatorAndTwoDigitColumn_data()
{
    // The first and last cipher rows, worked by hand: the cipher table key's alphabet turned so that each indicator
    // letter stands in the column (a column outside 1 to 26 draws as column 1).
    QTest::addColumn<QString>("quagckey");
    QTest::addColumn<QString>("quagindi");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("firstRow");
    QTest::addColumn<QString>("lastRow");
    const QString straight = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QTest::newRow("no quagmire made yet") << ""
                                          << ""
                                          << "AAAAAAA" << 1 << straight << straight;
    QTest::newRow("column without letters") << ""
                                            << "@5"
                                            << "AAAAAAA" << 5 << "WXYZABCDEFGHIJKLMNOPQRSTUV"
                                            << "WXYZABCDEFGHIJKLMNOPQRSTUV";
    QTest::newRow("defaults to the cipher key's first letter") << "FLOWER"
                                                               << "@26"
                                                               << "FFFFFFF" << 26 << "LOWERABCDGHIJKMNPQSTUVXYZF"
                                                               << "LOWERABCDGHIJKMNPQSTUVXYZF";
    QTest::newRow("letters and column") << ""
                                        << "BLOOM@3"
                                        << "BLOOM" << 3 << "ZABCDEFGHIJKLMNOPQRSTUVWXY"
                                        << "KLMNOPQRSTUVWXYZABCDEFGHIJ";
    QTest::newRow("three digits read as two") << ""
                                              << "AB@123"
                                              << "AB" << 12 << "PQRSTUVWXYZABCDEFGHIJKLMNO"
                                              << "QRSTUVWXYZABCDEFGHIJKLMNOP";
    QTest::newRow("no @ means column 1") << ""
                                         << "AB"
                                         << "AB" << 1 << straight << "BCDEFGHIJKLMNOPQRSTUVWXYZA";
    QTest::newRow("negative column") << ""
                                     << "AB@-3"
                                     << "AB" << -3 << straight << "BCDEFGHIJKLMNOPQRSTUVWXYZA";
}

void KeyTableTest::readsIndicatorAndTwoDigitColumn()
{
    QFETCH(QString, quagckey);
    QFETCH(QString, quagindi);
    QFETCH(QString, indicator);
    QFETCH(int, column);
    QFETCH(QString, firstRow);
    QFETCH(QString, lastRow);
    const AcnProcs holder = holderWith(QString(), quagckey, quagindi);
    const KeyTableKeys keys = ReadKeyTableKeys(holder.Puzzle);
    QCOMPARE(QString::fromStdString(keys.IndicatorKey), indicator);
    QCOMPARE(keys.Column, column);
    const std::vector<std::string> rows = BuildKeyTableRows(keys);
    QCOMPARE(rows.size(), std::size_t(indicator.size() + 1));
    QCOMPARE(QString::fromStdString(rows.front()), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")); // no keyword
    QCOMPARE(QString::fromStdString(rows[1]), firstRow);
    QCOMPARE(QString::fromStdString(rows.back()), lastRow);
}

void KeyTableTest::columnThatIsNoNumberIsRefused_data()
{
    QTest::addColumn<QString>("quagindi");
    QTest::addColumn<QString>("message");
    QTest::newRow("letters") << "AB@x"
                             << "'x' is not a valid integer value";
    QTest::newRow("nothing after @") << "AB@"
                                     << "'' is not a valid integer value";
    QTest::newRow("digit then letter") << "AB@1xy"
                                       << "'1x' is not a valid integer value";
}

void KeyTableTest::columnThatIsNoNumberIsRefused()
{
    QFETCH(QString, quagindi);
    QFETCH(QString, message);
    const AcnProcs holder = holderWith(QString(), QString(), quagindi);
    TKeyTableForm form(holder);
    QVERIFY(form.columnError());
    QCOMPARE(QString::fromStdString(*form.columnError()), message);
    const KeyTableKeys keys = ReadKeyTableKeys(holder.Puzzle);
    QCOMPARE(keys.Column, 0);
    const std::string straight = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QCOMPARE(BuildKeyTableRows(keys), (std::vector<std::string>{straight, straight, "BCDEFGHIJKLMNOPQRSTUVWXYZA"}));
}

void KeyTableTest::lettersAreRedBlackAndTheCaretBlue_data()
{
    QTest::addColumn<QString>("quagkey");
    QTest::addColumn<QString>("quagckey");
    QTest::addColumn<QString>("quagindi");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("top"); // of the row's boxes of 22 pixels: the key row, a gap of one box, the cipher rows
    QTest::addColumn<int>("box"); // 1 to 26
    QTest::addColumn<QString>("ink");
    QTest::newRow("key row, keyword letter") << "SPRING"
                                             << "FLOWER"
                                             << "BLOOM@3" << 0 << 0 << 1 << "red";
    QTest::newRow("key row, other letter") << "SPRING"
                                           << "FLOWER"
                                           << "BLOOM@3" << 0 << 0 << 7 << "black";
    QTest::newRow("cipher row, column") << "SPRING"
                                        << "FLOWER"
                                        << "BLOOM@3" << 1 << 44 << 3 << "red";
    QTest::newRow("cipher row, key letter") << "SPRING"
                                            << "FLOWER"
                                            << "BLOOM@3" << 1 << 44 << 22 << "red";
    QTest::newRow("cipher row, other letter") << "SPRING"
                                              << "FLOWER"
                                              << "BLOOM@3" << 5 << 132 << 1 << "black";
    QTest::newRow("empty keywords: nothing red in key row") << ""
                                                            << ""
                                                            << "" << 0 << 0 << 1 << "black";
    QTest::newRow("empty keywords: column 1 red") << ""
                                                  << ""
                                                  << "" << 7 << 176 << 1 << "red";
    QTest::newRow("empty keywords: rest black") << ""
                                                << ""
                                                << "" << 7 << 176 << 2 << "black";
}

void KeyTableTest::lettersAreRedBlackAndTheCaretBlue()
{
    QFETCH(QString, quagkey);
    QFETCH(QString, quagckey);
    QFETCH(QString, quagindi);
    QFETCH(int, row);
    QFETCH(int, top);
    QFETCH(int, box);
    QFETCH(QString, ink);
    const AcnProcs holder = holderWith(quagkey, quagckey, quagindi);
    TKeyTableForm form(holder);
    auto* paint = form.findChild<KeyPaintBox*>(QStringLiteral("KeyPaint"));
    const KeyBoxScene scene = paint->scene();
    const int s = 22;
    QCOMPARE(scene.boxSize, s);
    const QImage image = renderPaintBox(*paint);
    const int y = top;
    QCOMPARE(inkIn(image, (box - 1) * s, y, s), ink);
    QCOMPARE(image.pixelColor((box - 1) * s, y + s / 2), QColor(Qt::white));
    const QString letter =
        QString::fromStdString(BuildKeyTableRows(ReadKeyTableKeys(holder.Puzzle))[row]).mid(box - 1, 1);
    const QColor colour = ink == u"red"_qs ? Qt::red : Qt::black;
    QCOMPARE(boxInside(image, (box - 1) * s, y, s), referenceBox(scene, letter, colour));
    // The caret: blue below the last row, under the column's box and nowhere else.
    const int column = ReadKeyTableKeys(holder.Puzzle).Column;
    const int below = scene.marks.front().y;
    QCOMPARE(below, scene.boxes.back().y + s + 2); // two pixels below the last row
    const auto blueIn = [&](int left, int right) {
        return countPixels(image, QRect(left, below, right - left, paint->height() - below), isBlueInk);
    };
    QVERIFY(blueIn((column - 1) * s + s / 2, column * s) > 0);
    QCOMPARE(blueIn(0, (column - 1) * s), 0);
    QCOMPARE(blueIn(column * s, paint->width()), 0);
}

void KeyTableTest::longIndicatorGetsAllItsRows_data()
{
    QTest::addColumn<QString>("quagindi");
    QTest::newRow("12 letters") << "ABCDEFGHIJKL@2";
    QTest::newRow("72 letters, more than a screen") << QString(60, QLatin1Char('X')) + QStringLiteral("ABCDEFGHIJKL@2");
}

void KeyTableTest::longIndicatorGetsAllItsRows()
{
    QFETCH(QString, quagindi);
    const AcnProcs holder = holderWith(QString(), QString(), quagindi);
    TKeyTableForm form(holder);
    auto* paint = form.findChild<KeyPaintBox*>(QStringLiteral("KeyPaint"));
    const KeyBoxScene scene = paint->scene();
    const int rows = int(quagindi.indexOf(QLatin1Char('@'))) + 1;
    QCOMPARE(scene.boxes.size(), std::size_t(rows * 26));
    const int s = scene.boxSize;
    QVERIFY(paint->height() >= scene.marks.back().y + 1);
    const QImage image = renderPaintBox(*paint);
    QCOMPARE(boxInside(image, s, rows * s, s), referenceBox(scene, QStringLiteral("L"), Qt::red)); // last row, box 2
    auto* ok = form.findChild<QPushButton*>(QStringLiteral("Button1"));
    QVERIFY(ok->y() > form.findChild<QScrollArea*>()->geometry().bottom());
    QVERIFY(form.rect().contains(ok->geometry()));
    QVERIFY(form.height() <= form.screen()->availableGeometry().height());
}

QTEST_MAIN(KeyTableTest)
#include "KeyTableTest.moc"
