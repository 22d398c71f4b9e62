#include <memory>

#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "AcnProcsUnit.h"
#include "Alphabet.h"
#include "CipherAlphaUnit.h"
#include "EncodeCipher.h"
#include "HorizontalUpDown.h"
#include "KeyBoxImages.h"
#include "KeyPaintBox.h"
#include "Random.h"

namespace {

constexpr std::string_view Qwerty = "QWERTYUIOPASDFGHJKLZXCVBNM";

struct Opened
{
    AcnProcs holder;
    Random rng{11};
    std::unique_ptr<TCipherAlphaForm> form;

    Opened(std::string CIPHKEY, std::string CRADIOS, bool offset = false)
    {
        holder.Puzzle.CIPHKEY = std::move(CIPHKEY);
        holder.Puzzle.CRADIOS = std::move(CRADIOS);
        form = std::make_unique<TCipherAlphaForm>(holder, rng);
        form->setOffsetMode(offset);
    }
    template <typename T> T* child(const char* name) { return form->findChild<T*>(QLatin1String(name)); }
    void turn(bool next, int times)
    {
        for (int i = 0; i < times; ++i) {
            child<QToolButton>(next ? "nextButton" : "previousButton")->click();
        }
    }
};

} // namespace

class CipherAlphaTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resetDrawsAFreshAlphabetUniqueAsCradiosSays_data();
    void resetDrawsAFreshAlphabetUniqueAsCradiosSays();
    void arrowsTurnOnePlaceWithin104NetTurns();
    void offsetModeShowsTheArrowsInPlaceOfReset();
    void keyboardTurnsAcceptsAndCancels_data();
    void keyboardTurnsAcceptsAndCancels();
    void drawsPlainRowAboveCipherRow_data();
    void drawsPlainRowAboveCipherRow();
};

void CipherAlphaTest::resetDrawsAFreshAlphabetUniqueAsCradiosSays_data()
{
    QTest::addColumn<QString>("cradios");
    QTest::addColumn<bool>("unique");
    QTest::newRow("similar") << "00" << false;
    QTest::newRow("unique") << "10" << true;
    QTest::newRow("empty counts as similar") << "" << false;
}

void CipherAlphaTest::resetDrawsAFreshAlphabetUniqueAsCradiosSays()
{
    QFETCH(QString, cradios);
    QFETCH(bool, unique);
    Opened w("", cradios.toStdString());
    QCOMPARE(w.form->alphabet(), std::string(StandardAlphabet)); // an empty CIPHKEY shows A to Z
    w.child<QToolButton>("SpeedButton1")->click();
    Random same(11);
    const std::string drawn = ShuffledAlphabet(same);
    QCOMPARE(w.form->alphabet(), unique ? MakeAlphabetUnique(drawn) : drawn);
}

void CipherAlphaTest::arrowsTurnOnePlaceWithin104NetTurns()
{
    const std::string start = RotateLeft(StandardAlphabet, 5);
    Opened w(start, "11", true);
    w.turn(true, 3);
    QCOMPARE(w.form->alphabet(), RotateLeft(StandardAlphabet, 2)); // box 1 shows the letter of box 24
    w.turn(false, 1);
    QCOMPARE(w.form->alphabet(), RotateLeft(StandardAlphabet, 3));
    w.turn(true, 104 - 2); // net +104: four whole turns from the start
    QCOMPARE(w.form->alphabet(), start);
    QVERIFY(!w.child<HorizontalUpDown>("UpDown1")->step(true));
    QCOMPARE(w.form->alphabet(), start);
    w.turn(false, 208);
    QCOMPARE(w.child<HorizontalUpDown>("UpDown1")->position(), -104);
    QVERIFY(!w.child<QToolButton>("previousButton")->isEnabled());
    w.turn(false, 1);
    QCOMPARE(w.form->alphabet(), start);
}

void CipherAlphaTest::offsetModeShowsTheArrowsInPlaceOfReset()
{
    Opened w(std::string(Qwerty), "11", true);
    w.form->show();
    QVERIFY(!w.child<QToolButton>("SpeedButton1")->isVisible());
    QVERIFY(w.child<HorizontalUpDown>("UpDown1")->isVisible());
    QCOMPARE(w.child<HorizontalUpDown>("UpDown1")->pos(), w.child<QToolButton>("SpeedButton1")->pos());
}

void CipherAlphaTest::keyboardTurnsAcceptsAndCancels_data()
{
    QTest::addColumn<bool>("offset");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<int>("result");
    const QString qwerty = QString::fromLatin1(Qwerty);
    QTest::newRow("right turns right") << true << "AcceptBtn" << int(Qt::Key_Right)
                                       << QStringLiteral("M") + qwerty.left(25) << -1;
    QTest::newRow("left turns left") << true << "CancelBtn" << int(Qt::Key_Left) << qwerty.mid(1) + QStringLiteral("Q")
                                     << -1;
    QTest::newRow("no turning without arrows") << false << "AcceptBtn" << int(Qt::Key_Left) << qwerty << -1;
    QTest::newRow("enter on Cancel is OK") << false << "CancelBtn" << int(Qt::Key_Return) << qwerty << 1;
    QTest::newRow("escape is Cancel") << true << "AcceptBtn" << int(Qt::Key_Escape) << qwerty << 0;
}

void CipherAlphaTest::keyboardTurnsAcceptsAndCancels()
{
    QFETCH(bool, offset);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, alphabet);
    QFETCH(int, result);
    Opened w(std::string(Qwerty), "11", offset);
    w.form->show();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    w.form->findChild<QPushButton*>(focus)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(QString::fromStdString(w.form->alphabet()), alphabet);
    QCOMPARE(w.form->isVisible(), result == -1);
    if (result != -1) {
        QCOMPARE(w.form->result(), result);
    }
}

void CipherAlphaTest::drawsPlainRowAboveCipherRow_data()
{
    QTest::addColumn<QString>("ciphkey");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("letter");
    QTest::newRow("plain A") << QString::fromLatin1(Qwerty) << 0 << 0 << "A";
    QTest::newRow("plain Z") << QString::fromLatin1(Qwerty) << 0 << 25 << "Z";
    QTest::newRow("cipher first") << QString::fromLatin1(Qwerty) << 1 << 0 << "Q";
    QTest::newRow("cipher last") << QString::fromLatin1(Qwerty) << 1 << 25 << "M";
    QTest::newRow("short hand-edited key leaves boxes empty") << "QWE" << 1 << 3 << "";
    QTest::newRow("long hand-edited key stops at box 26")
        << QString::fromLatin1(Qwerty) + QStringLiteral("XYZ") << 1 << 25 << "M";
}

void CipherAlphaTest::drawsPlainRowAboveCipherRow()
{
    QFETCH(QString, ciphkey);
    QFETCH(int, row);
    QFETCH(int, box);
    QFETCH(QString, letter);
    Opened w(ciphkey.toStdString(), "00");
    auto* paint = w.child<KeyPaintBox>("XYZPaint");
    const KeyBoxScene scene = paint->scene();
    const int s = scene.boxSize;
    QCOMPARE(s, paint->width() / 26);
    const QImage image = renderPaintBox(*paint);
    QCOMPARE(boxInside(image, box * s, row * s, s), referenceBox(scene, letter, Qt::black));
    QVERIFY(boxInside(image, box * s, row * s, s) != referenceBox(scene, QStringLiteral("O"), Qt::black));
    for (int j = 0; j <= 26; ++j) { // the etched grid: white on every box edge, grey one pixel further
        QCOMPARE(image.pixelColor(j * s, row * s + s / 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor(j * s + 1, row * s + s / 2), keyBoxGrey());
    }
}

QTEST_MAIN(CipherAlphaTest)
#include "CipherAlphaTest.moc"
