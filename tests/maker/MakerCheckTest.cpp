// The maker's background check of its cryptograms: the status bar, Check Puzzle, and the check being cancelled and
// restarted while the window keeps turning its events.
#include <QPointer>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include <chrono>
#include <thread>

#include "CheckPuzzleForm.h"
#include "CodePage.h"
#include "MainFormFixture.h"
#include "RadioGroup.h"

namespace {

const QString LongText = QStringLiteral("Everything should be made as simple as possible, but not simpler. Imagination "
                                        "is more important than knowledge.");

// A solver that reads every cryptogram at once as its author wrote it, except while the test holds it: it then
// works until it is cancelled or let go.
struct HeldSolver
{
    std::atomic<bool> hold = false;
    std::atomic<int> started = 0;
    std::atomic<int> cancelled = 0;
    std::string reading;
    RatingEngine engine{[this](SolveKind, std::string_view, const SolveOptions& options) {
                            ++started;
                            if (options.progress) {
                                options.progress(0.4);
                            }
                            SolveResult result;
                            while (hold.load() && !options.cancel->load()) {
                                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                            }
                            result.cancelled = options.cancel->load();
                            cancelled += result.cancelled ? 1 : 0;
                            result.best.plaintext = reading;
                            result.confidence = 0.95;
                            return result;
                        },
                        [](std::string_view) { return 0.0; }};
};

struct CheckFixture : MainFormFixture
{
    explicit CheckFixture(HeldSolver* solver)
    {
        if (solver != nullptr) {
            window->setRatingEngine(&solver->engine);
        }
        start();
    }
    QToolButton* difficulty() const { return find<QToolButton>(QStringLiteral("CheckBtn")); }
    QToolButton* warningSign() const { return find<QToolButton>(QStringLiteral("CheckWarnBtn")); }
    bool busy() const { return find<QWidget>(QStringLiteral("CheckBusy"))->isVisible(); }
    void encrypt(const QString& text, HeldSolver& solver) const
    {
        solver.reading = UpperCaseText(text.toStdString());
        source()->setPlainText(text);
        find<RadioGroup>(QStringLiteral("CipherGroup1"))->setItemIndex(1); // Unique: no letter stands for itself
        trigger(QStringLiteral("EncryptAct"));
    }
    QString report() const { return find<QTextBrowser>(QStringLiteral("CheckReport"))->toPlainText(); }
};

} // namespace

class MakerCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aNewEncryptionCancelsTheRunningCheckWhileTheWindowTurns()
    {
        HeldSolver solver;
        CheckFixture f(&solver);
        solver.hold = true;
        f.encrypt(LongText, solver);
        QVERIFY(f.busy());
        QCOMPARE(f.difficulty()->text(), QStringLiteral("Checking\u2026"));
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(5);
        QTRY_VERIFY(ticks >= 5 && solver.started == 1); // the solver works and the window's events go on
        QVERIFY(f.busy());

        f.trigger(QStringLiteral("EncryptAct")); // a new alphabet, a new cryptogram
        QTRY_COMPARE(solver.cancelled.load(), 1);
        QTRY_COMPARE(solver.started.load(), 2);
        QVERIFY(f.busy());
        solver.hold = false;
        QTRY_VERIFY(f.difficulty()->text().startsWith(QStringLiteral("Difficulty: ")));
        QVERIFY(!f.busy());
        QVERIFY(!f.warningSign()->isVisible());
        QCOMPARE(solver.cancelled.load(), 1);

        // Each kind keeps its own result: back on the substitution tab its rating shows without a new check.
        const QString rated = f.difficulty()->text();
        f.window->selectKind(CipherKind::Railfence);
        f.trigger(QStringLiteral("EncryptAct"));
        QTRY_COMPARE(solver.started.load(), 3);
        f.window->selectKind(CipherKind::Cipher);
        QCOMPARE(f.difficulty()->text(), rated);
        QCOMPARE(solver.started.load(), 3);

        // A new puzzle drops every check.
        f.ui.dialogs.askAnswers.push_back(Answer::No);
        f.trigger(QStringLiteral("NewAct"));
        QVERIFY(!f.difficulty()->isVisible());
        f.window->selectKind(CipherKind::Railfence);
        QVERIFY(!f.difficulty()->isVisible());
    }

    void aWarningShowsItsSignAndCheckPuzzleItsAdvice()
    {
        HeldSolver solver;
        CheckFixture f(&solver);
        solver.hold = true;
        f.encrypt(QStringLiteral("The cat sat on the mat."), solver);
        f.trigger(QStringLiteral("CheckPuzzleAct"));
        QPointer<TCheckPuzzleForm> form = f.find<TCheckPuzzleForm>(QStringLiteral("CheckPuzzleForm"));
        QVERIFY(form->isVisible());
        QVERIFY2(f.report().contains(QStringLiteral("still running")), qPrintable(f.report()));
        // The solver's share of its time shows in the report and fills the status bar's bar.
        QTRY_VERIFY2(f.report().contains(QStringLiteral("s so far; the solver has used 40 % of its time")),
                     qPrintable(f.report()));
        QCOMPARE(f.find<QProgressBar>(QStringLiteral("CheckBusy"))->value(), 40);
        solver.hold = false;
        QTRY_VERIFY(f.warningSign()->isVisible());
        QVERIFY(f.difficulty()->text().startsWith(QStringLiteral("Difficulty: ")));
        QVERIFY2(f.warningSign()->toolTip().startsWith(QStringLiteral("Only 17 letters: too short")),
                 qPrintable(f.warningSign()->toolTip()));
        // The open window has filled in.
        QVERIFY(f.report().contains(QStringLiteral("Only 17 letters: too short")));
        QVERIFY(f.report().contains(QStringLiteral("What to do: Use a longer quotation.")));
        QTest::keyClick(form, Qt::Key_Escape);
        QTRY_VERIFY(form.isNull());

        // A click on the sign opens the report again; a kind without a cryptogram says so.
        f.warningSign()->click();
        form = f.find<TCheckPuzzleForm>(QStringLiteral("CheckPuzzleForm"));
        QVERIFY(form->isVisible());
        f.window->selectKind(CipherKind::Playfair);
        QVERIFY(f.report().contains(QStringLiteral("no cryptogram")));
        QVERIFY(!f.warningSign()->isVisible());
    }

    void aMissingLanguageModelIsNamedAndNothingIsChecked()
    {
        HeldSolver solver;
        CheckFixture f(nullptr); // the program folder of the fixture holds no model
        f.encrypt(LongText, solver);
        QVERIFY(f.difficulty()->text().contains(QStringLiteral("tessarin5-english.model")));
        QVERIFY(f.difficulty()->toolTip().startsWith(QStringLiteral("Cannot read the language model ")));
        QVERIFY(!f.busy());
        QCOMPARE(solver.started.load(), 0);
    }

    void theReportListsEachReasonAndEachWarningWithItsAdvice()
    {
        PuzzleRating rating;
        rating.number = 64;
        rating.step = DifficultyStep::VeryHard;
        rating.reasons = {{"substitution with word divisions", 25}, {"3 one-letter words", -9}};
        rating.warnings = {{"self-letters", "The letters E, T stand for themselves.", "Encrypt again with Unique."},
                           {"ambiguous", "Another plaintext fits as well: WHO WAS IT", "Use a longer quotation."}};
        QTextDocument html;
        html.setHtml(CheckReportHtml({CipherKind::Cipher, PuzzleChecks::Status::Rated, &rating, {}}));
        const QString text = html.toPlainText();
        for (const char* line :
             {"Difficulty: Very hard (64 of 100", "substitution with word divisions\n+25", "3 one-letter words\n-9",
              "The letters E, T stand for themselves.", "What to do: Encrypt again with Unique.",
              "Another plaintext fits as well: WHO WAS IT", "What to do: Use a longer quotation."}) {
            QVERIFY2(text.contains(QString::fromLatin1(line)), qPrintable(text));
        }
    }

    void aReportShownAgainKeepsTheReadersPlaceUnlessItIsOfAnotherKind()
    {
        PuzzleRating rating;
        for (int i = 0; i < 80; ++i) {
            rating.reasons.push_back({"reason " + std::to_string(i), i});
        }
        TCheckPuzzleForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.showReport({CipherKind::Cipher, PuzzleChecks::Status::Rated, &rating, {}});
        auto* scroll = form.findChild<QTextBrowser*>(QStringLiteral("CheckReport"))->verticalScrollBar();
        QVERIFY(scroll->maximum() > 100);
        scroll->setValue(100);
        rating.number = 70; // the check ran again after an edit
        form.showReport({CipherKind::Cipher, PuzzleChecks::Status::Rated, &rating, {}});
        QCOMPARE(scroll->value(), 100);
        form.showReport({CipherKind::Vigenere, PuzzleChecks::Status::Rated, &rating, {}});
        QCOMPARE(scroll->value(), 0);
    }
};

QTEST_MAIN(MakerCheckTest)
#include "MakerCheckTest.moc"
