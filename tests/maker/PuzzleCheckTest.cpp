#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <thread>

#include "PuzzleCheck.h"

namespace {

// A solver that works until it is cancelled on the text "SLOW", and answers at once otherwise.
RatingEngine slowOrFastEngine(std::atomic<int>& cancelledRuns)
{
    return {[&cancelledRuns](SolveKind, std::string_view ciphertext, const SolveOptions& options) {
                SolveResult result;
                result.best.plaintext = std::string(ciphertext);
                result.confidence = 0.9;
                if (ciphertext.starts_with("SLOW")) {
                    while (!options.cancel->load()) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(2));
                    }
                    ++cancelledRuns;
                    result.cancelled = true;
                }
                return result;
            },
            [](std::string_view) { return 0.0; }};
}

RatedCryptogram cryptogram(const char* ciphertext)
{
    RatedCryptogram c;
    c.ciphertext = ciphertext;
    return c;
}

} // namespace

class PuzzleCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aNewEncryptionCancelsTheRunningCheckAndOnlyTheNewestReports()
    {
        std::atomic<int> cancelledRuns = 0;
        const RatingEngine engine = slowOrFastEngine(cancelledRuns);
        PuzzleCheck check(engine);
        QSignalSpy finished(&check, &PuzzleCheck::finished);
        check.Start(cryptogram("SLOW ONE HERE TO BE CANCELLED"), {});
        QVERIFY(check.IsRunning());
        // The window's events keep turning while the solver works.
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, &check, [&] { ++ticks; });
        timer.start(5);
        QTRY_VERIFY(ticks >= 5);
        QVERIFY(check.IsRunning());
        QCOMPARE(finished.count(), 0);

        check.Start(cryptogram("FAST TEXT THAT THE SOLVER READS AT ONCE"), {});
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(cancelledRuns.load(), 1);
        QCOMPARE(check.Result()->solverPlaintext, std::string("FAST TEXT THAT THE SOLVER READS AT ONCE"));
        QVERIFY(!check.IsRunning());

        // A check cancelled while it runs never reports, and a later one does.
        check.Start(cryptogram("SLOW AGAIN"), {});
        check.Cancel();
        QVERIFY(!check.IsRunning());
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);
        check.Start(cryptogram("SLOW AT THE END"), {}); // the destructor cancels and joins it
    }
};

QTEST_GUILESS_MAIN(PuzzleCheckTest)
#include "PuzzleCheckTest.moc"
