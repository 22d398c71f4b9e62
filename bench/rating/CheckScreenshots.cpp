// Saves a picture of Check Puzzle for an Aristocrat (made with "Similar", so that letters may stand for themselves)
// and for a Playfair made from two fixed quotations, rated with the real solver, into the folder given as the only
// argument: check-aristocrat.png, check-playfair.png. Run by hand (on a display of its own: tests/support/with-xvfb.sh)
// to look at how the report reads.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include "CheckPuzzleForm.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "LanguageModel.h"
#include "PuzzleRating.h"
#include "Random.h"

namespace {

void save(const RatedCryptogram& cryptogram, CipherKind kind, const RatingEngine& engine, const QString& file)
{
    const PuzzleRating rating = RateCryptogram(cryptogram, engine, {});
    TCheckPuzzleForm form;
    form.showReport({kind, PuzzleChecks::Status::Rated, &rating, {}});
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        return;
    }
    QTest::qWait(800); // until the window manager has framed it
    const QRect frame = form.frameGeometry();
    const QPixmap picture = QGuiApplication::platformName() == u"xcb"_qs
                                ? form.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                                : form.grab();
    picture.save(file);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const LanguageModel model = LanguageModel::Load(TESSARIN_LANGUAGE_MODEL_FILE);
    const RatingEngine engine = SolverEngine(model);
    Random rng(3);

    RatedCryptogram aristocrat;
    aristocrat.PLAIN = "THE BEST WAY TO PREDICT THE FUTURE IS TO INVENT IT; THE NEXT BEST IS TO WAIT AND SEE WHAT "
                       "OTHERS INVENT.";
    bool edited = false;
    aristocrat.ciphertext = EncryptCipherRandom(aristocrat.PLAIN, false, aristocrat.CIPHKEY, edited, rng);
    save(aristocrat, CipherKind::Cipher, engine, folder.filePath(QStringLiteral("check-aristocrat.png")));

    RatedCryptogram playfair;
    playfair.kind = SolveKind::Playfair;
    playfair.PLAIN = "A WELL-WRITTEN QUOTATION IS A SMALL PUZZLE OF ITS OWN: EVERY WORD MUST EARN ITS PLACE, AND THE "
                     "READER SHOULD FEEL THE SNAP OF THE LAST ONE.";
    playfair.PLAYKEY = "HARBOUR";
    playfair.ciphertext = EncryptPlayfair(playfair.PLAIN, playfair.PLAYKEY, edited);
    save(playfair, CipherKind::Playfair, engine, folder.filePath(QStringLiteral("check-playfair.png")));
    return 0;
}
