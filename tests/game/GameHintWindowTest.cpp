#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>

#include "Acn5GameMainUnit.h"
#include "EncodeCipher.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "GameHints.h"
#include "KindRatings.h"
#include "PuzzleFile.h"
#include "PuzzlePaint.h"
#include "Random.h"
#include "ScriptedUi.h"
#include "SolvingCommands.h"

namespace {

const std::string Quote = "I AM NOT YOUNG ENOUGH TO KNOW EVERYTHING, SO I ASK THE OLD WHO KNOW A LOT OF IT.";

} // namespace

class GameHintWindowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ScriptedUi m_ui;
    std::unique_ptr<TAcn5GameMainForm> m_window;
    QString m_path;

    QAction* action(const char* name) { return m_window->findChild<QAction*>(QString::fromLatin1(name)); }
    QLabel* label(const char* name) { return m_window->findChild<QLabel*>(QString::fromLatin1(name)); }
    void writePuzzle(const PuzzleLines& lines)
    {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(JoinPuzzleLines(lines)));
    }
    void open()
    {
        m_ui.dialogs.fileAnswers.push_back(m_path);
        action("OpenPuzzle1")->trigger();
    }

private Q_SLOTS:
    void init()
    {
        // A substitution, a rail fence and a Vigenere; no Playfair, no Quagmire.
        PuzzleLines lines = PuzzleTemplate();
        Random rng(2);
        lines[6] = Quote;
        lines[12] = "QWERTYUIOPASDFGHJKLZXCVBNM";
        lines[9] = lines[45] = SubstituteLetters(Quote, lines[12]);
        lines[18] = lines[48] = EncryptRailfence(Quote, 3, rng);
        lines[42] = "LEMON";
        lines[39] = lines[57] = EncryptVigenere(Quote, "LEMON");
        m_path = m_dir.filePath(QStringLiteral("hints.acnx"));
        writePuzzle(lines);
        m_ui = {};
        m_window = std::make_unique<TAcn5GameMainForm>(m_ui.services());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window->puzzle().GameChanged = false;
        m_window.reset();
    }

    void hintShowsUnderTheBoardMarksItsCellsFillsThemWhenPressedAgainAndIsCounted()
    {
        open();
        QTest::keyClick(m_window->board(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(label("HintLine")->isVisible());
        QVERIFY(label("HintLine")->text().startsWith(QStringLiteral("Hint: The one-letter word ")));
        QCOMPARE(label("HintsPanel")->text(), QStringLiteral("Hints used: 1"));
        const std::vector<std::size_t> marked = HintPositions(m_window->puzzle());
        QVERIFY(!marked.empty());
        const QRect cell = m_window->board()->cellRect(marked.front());
        QCOMPARE(m_window->board()->grab().toImage().pixelColor(cell.left() + 5, cell.bottom() - 5),
                 QColor(255, 226, 170));
        const std::string before = m_window->puzzle().BoardText;
        action("HintBtn")->trigger();
        QVERIFY(m_window->puzzle().BoardText != before);
        QVERIFY(!label("HintLine")->isVisible());
        action("UndoBtn")->trigger();
        QCOMPARE(m_window->puzzle().BoardText, before);
        m_window->puzzle().BoardText = Quote; // solved
        action("ScorePuzzle1")->trigger();
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("information")),
                 QStringList{QString::fromStdString(CongratulationText(1))});
    }

    void theMarkedCellsOfAHintFarApartAreShownInTurn()
    {
        // A Vigenere whose one long repeat stands 600 letters apart, far more rows than the view holds.
        std::string plain;
        for (std::uint32_t i = 0, seed = 7; i < 600; ++i) {
            seed = seed * 1103515245u + 12345u;
            plain += static_cast<char>('A' + (seed >> 16) % 26);
        }
        plain += plain.substr(0, 5);
        PuzzleLines lines = PuzzleTemplate();
        lines[6] = plain;
        lines[42] = "LEMON";
        lines[39] = lines[57] = EncryptVigenere(plain, "LEMON");
        writePuzzle(lines);
        open();
        action("VigenereBtn")->trigger();
        QTest::keyClick(m_window->board(), Qt::Key_End);
        action("HintBtn")->trigger();
        QVERIFY(label("HintLine")->text().contains(QStringLiteral("600 letters apart")));
        QVERIFY(label("HintLine")->text().endsWith(QStringLiteral("Click here to see the other marked cells.")));
        const std::vector<std::size_t> marked = HintPositions(m_window->puzzle());
        const auto seen = [this](std::size_t p) {
            return m_window->board()->visibleRegion().boundingRect().contains(m_window->board()->cellRect(p));
        };
        QVERIFY(seen(marked.front()) && !seen(marked.back()));
        QTest::mouseClick(label("HintLine"), Qt::LeftButton);
        QVERIFY(!seen(marked.front()) && seen(marked.back()));
        QTest::mouseClick(label("HintLine"), Qt::LeftButton);
        QVERIFY(seen(marked.front()));
        m_window->resize(m_window->width(), 1600); // every row in view: the line no longer asks for a click
        QTRY_VERIFY(!label("HintLine")->text().contains(QStringLiteral("Click here")));
    }

    void kindButtonsShowTheDifficultyOrWhyThereIsNoneAndTheRatingsStopWithThePuzzle()
    {
        m_window->ratings()->useModelFile(m_dir.filePath(QStringLiteral("tessarin5-english.model")).toStdString());
        open();
        QCOMPARE(action("CipherBtn")->toolTip(), QStringLiteral("Substitution\nDifficulty unknown: the solver's "
                                                                "language model tessarin5-english.model is missing"));
        // A solver that reads every text at once as itself, but stops only when cancelled on "slow" ones.
        static std::atomic<bool> slow = false; // outlive a failed check, whose window still rates until cleanup
        static std::atomic<int> started = 0;
        static std::atomic<int> stopped = 0;
        const RatingEngine engine{[](SolveKind, std::string_view ciphertext, const SolveOptions& options) {
                                      started += slow ? 1 : 0;
                                      while (slow && !options.cancel->load()) {
                                          QThread::msleep(2);
                                      }
                                      stopped += slow ? 1 : 0;
                                      SolveResult result;
                                      result.best.plaintext = std::string(ciphertext);
                                      return result;
                                  },
                                  [](std::string_view) { return 0.0; }};
        m_window->ratings()->useEngine(engine);
        open();
        QCOMPARE(action("CipherBtn")->toolTip(), QStringLiteral("Substitution\nDifficulty: being rated..."));
        QTRY_VERIFY(!m_window->ratings()->isRating());
        const PuzzleRating vigenere = RateCryptogram(*RatedKind(m_window->puzzle(), CipherKind::Vigenere), engine, {});
        QCOMPARE(action("VigenereBtn")->toolTip(),
                 QStringLiteral("Vigenere\nDifficulty: %1 (%2 of 100)")
                     .arg(QString::fromStdString(std::string(DifficultyStepName(vigenere.step))))
                     .arg(vigenere.number));
        QCOMPARE(action("PlayfairBtn")->toolTip(), QStringLiteral("Playfair"));

        slow = true;
        open();
        QTRY_COMPARE(started.load(), 1);
        open();
        QTRY_COMPARE(stopped.load(), 1);
        QTRY_COMPARE(started.load(), 2);
        QVERIFY(m_window->close());
        QTRY_COMPARE(stopped.load(), 2);
        QCOMPARE(action("CipherBtn")->toolTip(), QStringLiteral("Substitution"));
    }
};

QTEST_MAIN(GameHintWindowTest)
#include "GameHintWindowTest.moc"
