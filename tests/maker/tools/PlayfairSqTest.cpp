#include <memory>

#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "AcnProcsUnit.h"
#include "Alphabet.h"
#include "KeyBoxImages.h"
#include "KeyPaintBox.h"
#include "PlayfairSqUnit.h"

namespace {

struct Opened
{
    AcnProcs holder;
    std::unique_ptr<TPlayfairSqForm> form;

    explicit Opened(std::string PLAYKEY)
    {
        holder.Puzzle.PLAYKEY = std::move(PLAYKEY);
        form = std::make_unique<TPlayfairSqForm>(holder);
    }
    template <typename T> T* child(const QString& name) { return form->findChild<T*>(name); }
};

// The square's rows, separated by "/".
QString rowsOf(const std::string& square)
{
    QStringList rows;
    for (std::size_t r = 0; r < square.size(); r += 5) {
        rows << QString::fromStdString(square.substr(r, 5));
    }
    return rows.join(QLatin1Char('/'));
}

} // namespace

class PlayfairSqTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void squareAfterArrowsAndKeys_data();
    void squareAfterArrowsAndKeys();
    void enterAcceptsEscapeCancels_data();
    void enterAcceptsEscapeCancels();
    void drawsTheSquareRowByRowInAreaAsHighAsWide();
};

void PlayfairSqTest::squareAfterArrowsAndKeys_data()
{
    QTest::addColumn<QString>("playkey");
    QTest::addColumn<QString>("moves"); // L and R: the arrow buttons; l and r: the arrow keys
    QTest::addColumn<QString>("rows");
    QTest::newRow("empty keyword") << ""
                                   << ""
                                   << "ABCDE/FGHIJ/KLMNO/PRSTU/VWXYZ";
    QTest::newRow("keyword, Q dropped") << "QUEEN"
                                        << ""
                                        << "UENAB/CDFGH/IJKLM/OPRST/VWXYZ";
    QTest::newRow("accepted square kept") << "ZYXWVUTSRPONMLKJIHGFEDCBA"
                                          << ""
                                          << "ZYXWV/UTSRP/ONMLK/JIHGF/EDCBA";
    QTest::newRow("left arrow") << ""
                                << "L"
                                << "BCDEF/GHIJK/LMNOP/RSTUV/WXYZA";
    QTest::newRow("right arrow") << ""
                                 << "R"
                                 << "ZABCD/EFGHI/JKLMN/OPRST/UVWXY";
    QTest::newRow("left key, right key") << ""
                                         << "lrl"
                                         << "BCDEF/GHIJK/LMNOP/RSTUV/WXYZA";
    QTest::newRow("25 turns come round") << "" << QString(25, QLatin1Char('R')) << "ABCDE/FGHIJ/KLMNO/PRSTU/VWXYZ";
}

void PlayfairSqTest::squareAfterArrowsAndKeys()
{
    QFETCH(QString, playkey);
    QFETCH(QString, moves);
    QFETCH(QString, rows);
    Opened w(playkey.toStdString());
    w.form->show();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    for (QChar move : moves) {
        if (move == QLatin1Char('L') || move == QLatin1Char('R')) {
            w.child<QToolButton>(move == QLatin1Char('L') ? u"ToolButton1"_qs : u"ToolButton2"_qs)->click();
        } else {
            QTest::keyClick(w.form.get(), move == QLatin1Char('l') ? Qt::Key_Left : Qt::Key_Right);
        }
    }
    QCOMPARE(rowsOf(w.form->square()), rows);
    QVERIFY(IsPermutationOf(w.form->square(), PlayfairAlphabet));
}

void PlayfairSqTest::enterAcceptsEscapeCancels_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("OK button") << "AcceptBtn" << 0 << int(QDialog::Accepted);
    QTest::newRow("Cancel button") << "CancelBtn" << 0 << int(QDialog::Rejected);
    QTest::newRow("enter with focus on Cancel") << "CancelBtn" << int(Qt::Key_Enter) << int(QDialog::Accepted);
    QTest::newRow("escape") << "AcceptBtn" << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void PlayfairSqTest::enterAcceptsEscapeCancels()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, result);
    Opened w("MONARCHY");
    w.form->show();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    auto* target = w.child<QPushButton>(button);
    if (key == 0) {
        target->click();
    } else {
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
    }
    QVERIFY(!w.form->isVisible());
    QCOMPARE(w.form->result(), result);
}

void PlayfairSqTest::drawsTheSquareRowByRowInAreaAsHighAsWide()
{
    Opened w("MONARCHY");
    auto* paint = w.child<KeyPaintBox>(u"ABCPaint"_qs);
    QCOMPARE(paint->height(), paint->width());
    QVERIFY(w.form->rect().contains(paint->geometry()));
    const KeyBoxScene scene = paint->scene();
    QCOMPARE(paint->width(), 150);
    const int s = 29; // five boxes and their outlines fit the 150 pixels
    QCOMPARE(scene.boxSize, s);
    QVERIFY(4 * s + s + 2 < paint->width()); // the last box's grey outline is not clipped
    const QImage image = renderPaintBox(*paint);
    const std::string square = w.form->square();
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            const QString letter = QString::fromStdString(square.substr(std::size_t(r * 5 + c), 1));
            QCOMPARE(boxInside(image, c * s, r * s, s), referenceBox(scene, letter, Qt::black));
            QCOMPARE(image.pixelColor(c * s, r * s + s / 2), QColor(Qt::white));
            QCOMPARE(image.pixelColor(c * s + s / 2, r * s + 1), keyBoxGrey());
        }
    }
    QVERIFY(boxInside(image, 0, 0, s) != referenceBox(scene, QStringLiteral("N"), Qt::black));
}

QTEST_MAIN(PlayfairSqTest)
#include "PlayfairSqTest.moc"
