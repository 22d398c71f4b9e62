#include <QFontMetrics>
#include <QTest>

#include "KeyBoxImages.h"

// The painting rules shared by the four key windows: font fitting and the etched box frame.
class KeyBoxSceneTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fittedFontIsTheLargestBelowTheLimit_data();
    void fittedFontIsTheLargestBelowTheLimit();
    void boxFrameIsWhiteThenGreyAtEveryEdge_data();
    void boxFrameIsWhiteThenGreyAtEveryEdge();
};

void KeyBoxSceneTest::fittedFontIsTheLargestBelowTheLimit_data()
{
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("limit");
    QTest::newRow("vigenere 18") << 18 << 18 / 2 + 3;
    QTest::newRow("keyword table 22") << 22 << 22 / 2 + 3;
    QTest::newRow("alphabet 30") << 30 << 30 / 2 + 3;
    QTest::newRow("playfair 29") << 29 << 29 / 2;
    QTest::newRow("limit never reached: stops at 1 point") << 3 << 0;
    QTest::newRow("tiny box") << 1 << 1;
}

void KeyBoxSceneTest::fittedFontIsTheLargestBelowTheLimit()
{
    QFETCH(int, s);
    QFETCH(int, limit);
    QImage device(10, 10, QImage::Format_RGB32);
    const QFont font = FitKeyBoxFont(QFont(QStringLiteral("Tahoma"), 8), s, limit, &device);
    const int size = font.pointSize();
    QVERIFY(size >= 1);
    QVERIFY(size <= qMax(s - 1, 1)); // lowered at least once
    const auto widthOfM = [&](int points) {
        QFont f = font;
        f.setPointSize(points);
        return QFontMetrics(f, &device).horizontalAdvance(QLatin1Char('M'));
    };
    if (size > 1) {
        QVERIFY(widthOfM(size) < limit);
    }
    if (size < s - 1) {
        QVERIFY(widthOfM(size + 1) >= limit);
    }
}

void KeyBoxSceneTest::boxFrameIsWhiteThenGreyAtEveryEdge_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2, same logical size") << 2.0;
}

void KeyBoxSceneTest::boxFrameIsWhiteThenGreyAtEveryEdge()
{
    QFETCH(qreal, dpr);
    const int s = 20;
    KeyBoxScene scene;
    scene.boxSize = s;
    scene.boxes = {{5, 5, QString(), Qt::black}};
    QImage image(QSize(40, 40) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(TestBackground);
    QPainter painter(&image);
    PaintKeyBoxScene(painter, scene);
    painter.end();
    // Logical pixel (x, y) covers dpr x dpr device pixels, all of the same colour: the lines are sharp.
    const auto at = [&](int x, int y) {
        const QColor first = image.pixelColor(int(x * dpr), int(y * dpr));
        const QColor last = image.pixelColor(int((x + 1) * dpr) - 1, int((y + 1) * dpr) - 1);
        return first == last ? first : QColor();
    };
    const QColor white(Qt::white);
    for (int along : {8, 15, 24}) {
        QCOMPARE(at(5, along), white);         // left
        QCOMPARE(at(6, along), keyBoxGrey());  // left, inner
        QCOMPARE(at(25, along), white);        // right
        QCOMPARE(at(26, along), keyBoxGrey()); // right, one further
        QCOMPARE(at(along, 5), white);         // top
        QCOMPARE(at(along, 26), keyBoxGrey()); // bottom, one further
        QCOMPARE(at(27, along), TestBackground);
    }
    QCOMPARE(at(15, 15), TestBackground); // not filled
}

QTEST_MAIN(KeyBoxSceneTest)
#include "KeyBoxSceneTest.moc"
