#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ABCPaint.h"
#include "Acn5GameMainUnit.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "HelpUnit.h"
#include "LetterCounts.h"
#include "Normalize.h"
#include "PuzzleFile.h"
#include "PuzzlePaint.h"
#include "RailUnit.h"
#include "Random.h"
#include "ScriptedUi.h"
#include "SolvingCommands.h"
#include "ToolUnit.h"

namespace {

// "Hello, World!" enciphered letter by letter with QWERTY... keeps every character in place.
const std::string Plain = "Hello, World!";
const std::string CipherSol = "ITSSG, VGKSR!";

PuzzleLines PuzzleWith(const std::string& ciphersol, const std::string& railsol)
{
    PuzzleLines lines = PuzzleTemplate();
    lines[6] = Plain;
    lines[12] = "QWERTYUIOPASDFGHJKLZXCVBNM";
    lines[24] = "ZEBRA";
    lines[30] = "KEY";
    lines[36] = "AB@3";
    lines[42] = "LEMON";
    lines[45] = ciphersol;
    lines[48] = railsol;
    lines[51] = "";
    lines[54] = "VKSTU EJYZF ";
    lines[57] = "SIPZB KSDZR ";
    return lines;
}

void WriteLines(const QString& path, const PuzzleLines& lines)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const std::string bytes = JoinPuzzleLines(lines);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A file as the maker writes it for every kind of plain: each ciphertext line and its solution line alike.
PuzzleLines AllKinds(const std::string& plain, bool patristocrat)
{
    PuzzleLines lines = PuzzleTemplate();
    const std::string key = "QWERTYUIOPASDFGHJKLZXCVBNM";
    const std::string cipher = SubstituteLetters(plain, key);
    bool edited = false;
    Random rng(5);
    lines[6] = plain;
    lines[12] = key;
    lines[9] = patristocrat ? PatristocratText(cipher) : cipher;
    lines[18] = EncryptRailfence(plain, 3, rng);
    lines[24] = "ZEBRA";
    lines[21] = EncryptPlayfair(plain, "ZEBRA", edited);
    lines[27] = EncryptQuagmire(plain, "SPRING", "FLOWER", "EXTRA@3");
    lines[30] = "SPRING";
    lines[33] = "FLOWER";
    lines[36] = "EXTRA@3";
    lines[39] = EncryptVigenere(plain, "LEMON");
    lines[42] = "LEMON";
    lines[45] = lines[9];
    lines[48] = lines[18];
    lines[51] = lines[21];
    lines[54] = lines[27];
    lines[57] = lines[39];
    return lines;
}

// Pictures for looking at by hand: only the target game_window_shots (built from this file, not a test) saves them,
// as /tmp/tessarin-game-NAME.png. The test asserts what it sees in the widgets and leaves no files behind.
void keepShot([[maybe_unused]] const QImage& picture, [[maybe_unused]] const QString& name)
{
#ifdef TESSARIN_GAME_SHOTS
    picture.save(QStringLiteral("/tmp/tessarin-game-%1.png").arg(name));
#endif
}

void keepShot(QWidget* widget, const QString& name)
{
#ifdef TESSARIN_GAME_SHOTS
    keepShot(widget->grab().toImage(), name);
#else
    Q_UNUSED(widget);
    Q_UNUSED(name);
#endif
}

} // namespace

class GameWindowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ScriptedUi m_ui;
    std::unique_ptr<TAcn5GameMainForm> m_window;
    QString m_path;

    QAction* action(const char* name) { return m_window->findChild<QAction*>(QString::fromLatin1(name)); }
    QString panel(int i) { return m_window->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i))->text(); }
    // A click in the middle of board cell (row, column).
    void clickCell(int row, int column)
    {
        const int size = m_window->board()->cellSize();
        QTest::mouseClick(m_window->board(), Qt::LeftButton, {},
                          QPoint((column - 1) * size + size / 2, row * size + size / 2));
    }
    void clickSlot(int slot)
    {
        const int width = m_window->strip()->width() / 26;
        QTest::mouseClick(m_window->strip(), Qt::LeftButton, {}, QPoint(2 + (slot - 1) * width + width / 2, 10));
    }
    void openFile(const QString& path)
    {
        m_ui.dialogs.fileAnswers.push_back(path);
        action("OpenPuzzle1")->trigger();
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_ui = {};
        m_path = m_dir.filePath(QStringLiteral("Week 12.acnx"));
        QFile::remove(m_path); // a test may have left it read-only
        WriteLines(m_path, PuzzleWith(CipherSol, "HLO EL "));
        m_window = std::make_unique<TAcn5GameMainForm>(m_ui.services());
        m_window->setSaveAnimationTimes(1, 1);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window->puzzle().GameChanged = false;
        m_window.reset();
    }

    void startsWithABlankBoardThatIgnoresTheMouse()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tessarin 5 Game"));
        QCOMPARE(m_window->puzzle().BoardText, BlankBoard());
        QVERIFY(!action("Save1")->isEnabled());
        QVERIFY(!action("ScorePuzzle1")->isEnabled());
        QVERIFY(action("UndoBtn")->isEnabled());
        QCOMPARE(m_window->minimumSize(), m_window->size());
        for (const char* name : {"CipherBtn", "RailBtn", "PlayfairBtn", "QuagmireBtn", "VigenereBtn", "UndoBtn",
                                 "LetterBtn", "RevealBtn", "OpenPuzzle1", "Save1", "Exit1", "TessHelp"}) {
            QVERIFY2(!action(name)->icon().pixmap(32, 32).isNull(), name);
        }
        keepShot(m_window.get(), QStringLiteral("start"));
        clickCell(0, 1);
        QVERIFY(!m_window->puzzle().SelectedCell);
        m_window->close();
        QVERIFY(m_ui.dialogs.texts(QStringLiteral("ask")).isEmpty());
    }

    void designLayoutKeepsEveryPartWhole()
    {
        // At the design size the strip fills its bevelled panel: 37 pixels high (18-point letters), slots of 29.
        QCOMPARE(m_window->strip()->size(), QSize(756, 37));
        auto* bar = m_window->findChild<QWidget*>(QStringLiteral("ToolBar1"));
        QCOMPARE(bar->height(), 38);
        int left = 0;
        for (const char* name : {"CipherBtn", "RailBtn", "PlayfairBtn", "QuagmireBtn", "VigenereBtn", "UndoBtn",
                                 "LetterBtn", "RevealBtn"}) {
            auto* button = bar->findChild<QToolButton*>(QLatin1String(name) + QStringLiteral("Button"));
            QVERIFY2(bar->rect().contains(button->geometry()), name); // no picture cut off at the bar's edge
            QVERIFY2(button->x() >= left, name);
            left = button->geometry().right() + 1;
        }
    }

    void openChoosesTheFirstKindAndSetsTheCaption()
    {
        openFile(m_path);
        const ScriptedDialogs::Shown& asked = m_ui.dialogs.shown.first();
        QCOMPARE(asked.text, QStringLiteral("Open a Tessarin cryptogram to solve"));
        QCOMPARE(asked.request.defaultSuffix, QStringLiteral("acnx"));
        QVERIFY(asked.request.folder.endsWith(QLatin1Char('/')));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tessarin 5 Game - Week 12"));
        QCOMPARE(m_window->puzzle().GameKind, CipherKind::Cipher);
        QCOMPARE(m_window->puzzle().BoardText, CipherSol);
        QCOMPARE(panel(0), QStringLiteral("SUBSTITUTION"));
        QVERIFY(action("CipherAlphabet1")->isEnabled());
        QVERIFY(!action("PlayfairSquare1")->isEnabled());
        QVERIFY(action("Save1")->isEnabled());
        QCOMPARE(action("ShowKeys1")->text(), QStringLiteral("S&how Keys..."));
    }

    void aKindWithoutCryptogramSaysSo()
    {
        openFile(m_path);
        action("PlayfairBtn")->trigger();
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("information")),
                 QStringList{QStringLiteral("Puzzle contains no Playfair encryption.")});
        QCOMPARE(m_window->puzzle().BoardText, BlankBoard());
        QCOMPARE(panel(0), QString());
        for (const char* tool : {"CipherAlphabet1", "PlayfairSquare1", "QuagmireTable1", "VigenereTable1"}) {
            QVERIFY(!action(tool)->isEnabled());
        }
        keepShot(m_window.get(), QStringLiteral("blank-playfair"));
    }

    void aFileWithoutAnySolutionOpensWithNoKind()
    {
        const QString empty = m_dir.filePath(QStringLiteral("empty.acnx"));
        PuzzleLines lines = PuzzleWith("", "");
        lines[54] = lines[57] = "";
        WriteLines(empty, lines);
        openFile(m_path);
        action("ShowKeys1")->trigger();
        openFile(empty);
        QCOMPARE(m_window->puzzle().GameKind, CipherKind::None);
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("information")),
                 QStringList{QStringLiteral("The puzzle \"empty.acnx\" has no cryptograms.")});
        QCOMPARE(m_window->puzzle().BoardText, BlankBoard());
        QCOMPARE(panel(0), QString());
        QCOMPARE(panel(1), QString());
        QVERIFY(!action("CipherAlphabet1")->isEnabled());
        action("ScorePuzzle1")->trigger();
        QVERIFY(m_window->board()->scoreMarks().empty());
    }

    void aFailedOpenKeepsEverything()
    {
        openFile(m_path);
        const QString bad = m_dir.filePath(QStringLiteral("short.acnx"));
        PuzzleLines lines = PuzzleWith("X", "");
        lines.resize(40);
        WriteLines(bad, lines);
        openFile(bad);
        QCOMPARE(
            m_ui.dialogs.texts(QStringLiteral("error")),
            QStringList{QStringLiteral("The file \"%1\" is not a Tessarin puzzle: it has 40 lines, a puzzle has at "
                                       "least 58.")
                            .arg(QDir::toNativeSeparators(bad))});
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tessarin 5 Game - Week 12"));
        QCOMPARE(m_window->puzzle().BoardText, CipherSol);
    }

    void clicksMapToCells_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("selected");
        // Cells of 33 pixels: "ITSSG, VGKSR!" has letters at 1-5 and 8-12, ',' at 6, blank at 7, '!' at 13.
        QTest::newRow("first cell") << 1 << 1 << true;
        QTest::newRow("last pixel of cell 5") << 164 << 32 << true;
        QTest::newRow("comma") << 170 << 10 << false;
        QTest::newRow("blank") << 200 << 10 << false;
        QTest::newRow("exclamation mark") << 400 << 10 << false;
        QTest::newRow("past the text") << 450 << 10 << false;
        QTest::newRow("below the text") << 10 << 40 << false;
    }

    void clicksMapToCells()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, selected);
        openFile(m_path);
        QCOMPARE(m_window->board()->cellSize(), 33);
        QTest::mouseClick(m_window->board(), Qt::LeftButton, {}, QPoint(x, y));
        QCOMPARE(m_window->puzzle().SelectedCell.has_value(), selected);
        QCOMPARE(m_window->puzzle().GameChanged, selected);
    }

    void clicksRightOfTheGridClearTheSelection()
    {
        openFile(m_path);
        PuzzlePaint* board = m_window->board();
        board->resize(23 * 33 + 20, board->height());
        clickCell(0, 12);
        QVERIFY(m_window->puzzle().SelectedCell);
        QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(23 * 33 + 5, 5));
        QVERIFY(!m_window->puzzle().SelectedCell);
    }

    void stripPicksLettersIncludingItsFirstTwoPixels()
    {
        openFile(m_path);
        ABCPaint* strip = m_window->strip();
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(0, 10));
        QCOMPARE(m_window->puzzle().SelectedLetter, 0);
        clickCell(0, 1); // I, plaintext H
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(1, 10));
        QCOMPARE(m_window->puzzle().SelectedLetter, 1);
        QCOMPARE(m_window->puzzle().BoardText, std::string("ATSSG, VGKSR!"));
        clickSlot(8);
        QCOMPARE(m_window->puzzle().BoardText, std::string("HTSSG, VGKSR!"));
        // At the design size the 26 slots fill the strip to its last pixel; a wider strip leaves pixels right of
        // slot 26, where a click picks nothing.
        QCOMPARE(2 + 26 * (strip->width() / 26), strip->width());
        strip->resize(strip->width() + 14, strip->height());
        QCOMPARE(strip->width() / 26, 29);
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(strip->width() - 1, 10));
        QCOMPARE(m_window->puzzle().SelectedLetter, 8);
        QCOMPARE(m_window->puzzle().BoardText, std::string("HTSSG, VGKSR!"));
        clickCell(0, 3); // S, plaintext l: both l cells change
        clickSlot(12);
        QCOMPARE(m_window->puzzle().BoardText, std::string("HTLLG, VGKLR!"));
        keepShot(m_window.get(), QStringLiteral("substitution"));
    }

    void keyboardActsAsTheStripAndUndo()
    {
        openFile(m_path);
        PuzzlePaint* board = m_window->board();
        board->setFocus();
        QTest::keyClick(board, Qt::Key_Home);
        QCOMPARE(*m_window->puzzle().SelectedCell, std::size_t(1));
        QVERIFY(m_window->puzzle().GameChanged);
        QTest::keyClick(board, Qt::Key_H);
        QCOMPARE(m_window->puzzle().BoardText, std::string("HTSSG, VGKSR!"));
        QCOMPARE(m_window->puzzle().SelectedLetter, 8);
        QTest::keyClick(board, Qt::Key_Backspace);
        QCOMPARE(m_window->puzzle().BoardText, CipherSol);
        QTest::keyClick(board, Qt::Key_End);
        QCOMPARE(*m_window->puzzle().SelectedCell, std::size_t(12));
        QTest::keyClick(board, Qt::Key_Tab);
        QCOMPARE(*m_window->puzzle().SelectedCell, std::size_t(12));
        QTest::keyClick(board, Qt::Key_Backtab);
        QCOMPARE(*m_window->puzzle().SelectedCell, std::size_t(11));
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(board, Qt::Key_Left);
        }
        QCOMPARE(*m_window->puzzle().SelectedCell, std::size_t(5));
        QTest::keyClick(board, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(m_window->puzzle().BoardText, CipherSol);
        action("RailBtn")->trigger();
        QTest::keyClick(board, Qt::Key_Home);
        QCOMPARE(m_window->puzzle().SelectedCell, std::optional<std::size_t>(1)); // rail fence cells are worked too
    }

    void scoreMarksWrongCellsUntilTheNextRepaint()
    {
        openFile(m_path);
        action("ScorePuzzle1")->trigger();
        QCOMPARE(m_window->board()->scoreMarks().size(), std::size_t(10));
        const QImage image = m_window->board()->grab().toImage();
        keepShot(image, QStringLiteral("score"));
        const int q = 33 / 4;
        QCOMPARE(image.pixelColor(q + 1, q + 1), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(5 * 33 + q + 1, q + 1), QColor(255, 255, 255));
        clickCell(0, 1);
        QVERIFY(m_window->board()->scoreMarks().empty());
        QVERIFY(m_ui.dialogs.texts(QStringLiteral("information")).isEmpty());

        m_window->puzzle().BoardText = "HELLO, WORLD!";
        action("ScorePuzzle1")->trigger();
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("information")),
                 QStringList{QStringLiteral("Congratulations! Cryptogram has been correctly deciphered.")});
        action("RailBtn")->trigger();
        action("ScorePuzzle1")->trigger();
        QCOMPARE(m_window->board()->scoreMarks().size(), std::size_t(4)); // HLOEL against HELLO
    }

    void revealPuzzleShowsTheAnswerWhileHeld()
    {
        openFile(m_path);
        auto* button = m_window->findChild<QToolButton*>(QStringLiteral("RevealBtnButton"));
        QVERIFY(button);
        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(m_window->board()->revealing());
        keepShot(m_window.get(), QStringLiteral("reveal"));
        QTest::mouseRelease(button, Qt::LeftButton);
        QVERIFY(!m_window->board()->revealing());
        QCOMPARE(m_window->puzzle().BoardText, CipherSol);
        // F8 let go in a dialog opened meanwhile never reaches the board.
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTRY_VERIFY(m_window->board()->hasFocus());
        QTest::keyPress(m_window->board(), Qt::Key_F8);
        QVERIFY(m_window->board()->revealing());
        m_window->board()->clearFocus();
        QVERIFY(!m_window->board()->revealing());
    }

    void eachMenuGivesEveryItemItsOwnAltLetter()
    {
        // Two items with one letter: the letter only moves between them, and runs neither.
        openFile(m_path);
        for (const QMenu* menu : m_window->findChildren<QMenu*>()) {
            QSet<QKeySequence> letters;
            for (const QAction* item : menu->actions()) {
                const QKeySequence letter = QKeySequence::mnemonic(item->text());
                QVERIFY2(letter.isEmpty() || !letters.contains(letter), qPrintable(item->text()));
                letters.insert(letter);
            }
        }
    }

    void showKeysTogglesAndChoosingAKindHidesThem()
    {
        openFile(m_path);
        QAction* keys = action("ShowKeys1");
        keys->trigger();
        QCOMPARE(panel(1), QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM"));
        QCOMPARE(keys->text(), QStringLiteral("&Hide Keys..."));
        keys->trigger();
        QCOMPARE(panel(1), QString());
        action("QuagmireBtn")->trigger();
        keys->trigger();
        QCOMPARE(panel(1), QStringLiteral("Key: KEY   C Key:    Ind: AB /3"));
        action("RailBtn")->trigger();
        QCOMPARE(panel(1), QString());
        QCOMPARE(keys->text(), QStringLiteral("S&how Keys..."));
        keys->trigger();
        QCOMPARE(panel(1), QStringLiteral("3 rail cipher"));
        keepShot(m_window.get(), QStringLiteral("railfence"));
    }

    void timerCountsInTheStatusBar()
    {
        QAction* clock = action("Clock1");
        clock->trigger();
        QCOMPARE(panel(2), QStringLiteral("0:00:00"));
        QCOMPARE(clock->text(), QStringLiteral("&Timer Off"));
        QTRY_COMPARE_WITH_TIMEOUT(panel(2), QStringLiteral("0:00:01"), 3000);
        openFile(m_path); // a running clock goes on over another file
        QVERIFY(!panel(2).isEmpty());
        clock->trigger();
        QCOMPARE(panel(2), QString());
        QCOMPARE(clock->text(), QStringLiteral("&Timer On"));
    }

    void saveQuestionOnClose_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("goesOn"); // the window closed, or the open dialog shown
        QTest::addColumn<bool>("saved");
        QTest::newRow("close, yes") << "Exit1" << int(Answer::Yes) << true << true << true;
        QTest::newRow("close, no") << "Exit1" << int(Answer::No) << true << true << false;
        QTest::newRow("close, cancel") << "Exit1" << int(Answer::Cancel) << true << false << false;
        QTest::newRow("close, yes, the save fails") << "Exit1" << int(Answer::Yes) << false << false << false;
        QTest::newRow("open, yes") << "OpenPuzzle1" << int(Answer::Yes) << true << true << true;
        QTest::newRow("open, no") << "OpenPuzzle1" << int(Answer::No) << true << true << false;
        QTest::newRow("open, cancel") << "OpenPuzzle1" << int(Answer::Cancel) << true << false << false;
    }

    void saveQuestionOnClose()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(bool, writable);
        QFETCH(bool, goesOn);
        QFETCH(bool, saved);
        openFile(m_path);
        clickCell(0, 1);
        clickSlot(8);
        if (!writable) {
            QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner));
        }
        m_ui.dialogs.shown.clear();
        m_ui.dialogs.askAnswers.push_back(static_cast<Answer>(answer));
        action(command.toLatin1().constData())->trigger();
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("ask")),
                 QStringList{QStringLiteral("Do you want to save your cryptogram solutions?")});
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("error")).size(), int(!writable));
        if (command == u"Exit1"_qs) {
            QCOMPARE(m_window->isVisible(), !goesOn);
        } else { // the open dialog is answered with Cancel: the puzzle stays
            QCOMPARE(m_ui.dialogs.texts(QStringLiteral("open")).size(), int(goesOn));
            QCOMPARE(m_window->windowTitle(), QStringLiteral("Tessarin 5 Game - Week 12"));
        }
        QCOMPARE(m_window->puzzle().BoardText, std::string("HTSSG, VGKSR!")); // the work stays on the board
        QCOMPARE(m_window->puzzle().GameChanged, !saved);
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const PuzzleLines lines = SplitPuzzleLines(file.readAll().toStdString());
        QCOMPARE(lines[45], saved ? std::string("HTSSG, VGKSR!") : CipherSol);
    }

    void saveShortcutWritesTheSolutionLines()
    {
        openFile(m_path);
        clickCell(0, 1);
        clickSlot(8);
        QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        PuzzleLines expected = PuzzleWith(CipherSol, "HLO EL ");
        expected[45] = "HTSSG, VGKSR!";
        QCOMPARE(file.readAll().toStdString(), JoinPuzzleLines(expected));
        QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("ProgBar"))->isHidden());
    }

    void theSaveProgressLeavesTheClockInSight()
    {
        openFile(m_path);
        action("Clock1")->trigger();
        m_window->setSaveAnimationTimes(1, 300);
        auto* progress = m_window->findChild<QWidget*>(QStringLiteral("ProgBar"));
        auto* clock = m_window->findChild<QWidget*>(QStringLiteral("StatusPanel2"));
        QRect progressAt;
        QRect clockAt;
        QTimer::singleShot(150, m_window.get(), [&] {
            progressAt = progress->isVisible() ? progress->geometry() : QRect();
            clockAt = clock->geometry();
        });
        action("Save1")->trigger();
        QVERIFY(progressAt.isValid());
        QVERIFY2(!progressAt.intersects(clockAt), "the progress bar covers the clock");
        QVERIFY(progressAt.left() > clockAt.right()); // at the right end of the status bar
    }

    void aSaveIntoAVanishedFileIsReported()
    {
        openFile(m_path);
        QFile::remove(m_path);
        action("Save1")->trigger();
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("error")).size(), 1);
        QVERIFY(m_ui.dialogs.texts(QStringLiteral("error")).first().startsWith(QStringLiteral("Cannot open file")));
        QVERIFY(!QFile::exists(m_path));
    }

    void toolWindowShowsTheKindOnTheBoardOnce()
    {
        openFile(m_path);
        action("CipherAlphabet1")->trigger();
        TToolForm* first = m_window->toolWindow();
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), QStringLiteral("Substitution Alphabet"));
        QCOMPARE(first->memo()->toPlainText().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Q W E R T Y U I O P A S D F G H J K L Z X C V B N M"));
        keepShot(first, QStringLiteral("tool-substitution"));
        const struct
        {
            const char* button;
            const char* item;
            const char* name;
            QString caption;
        } kinds[] = {{"QuagmireBtn", "QuagmireTable1", "quagmire", QStringLiteral("Quagmire Table")},
                     {"VigenereBtn", "VigenereTable1", "vigenere", QStringLiteral("Vigenere Table")}};
        for (const auto& k : kinds) {
            action(k.button)->trigger();
            QTRY_VERIFY(!m_window->toolWindow()); // it showed the keys of the kind left
            keepShot(m_window.get(), QLatin1String(k.name));
            action(k.item)->trigger();
            QCOMPARE(m_window->findChildren<TToolForm*>().size(), 1);
            QCOMPARE(m_window->toolWindow()->windowTitle(), k.caption);
            keepShot(m_window->toolWindow(), QStringLiteral("tool-%1").arg(QLatin1String(k.name)));
        }
        QCOMPARE(m_window->toolWindow()->memo()->toPlainText().count(QLatin1Char('\n')), 27);
        m_window->findChild<TToolForm*>()->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        QTRY_VERIFY(!m_window->toolWindow());
        action("VigenereTable1")->trigger();
        WriteLines(m_dir.filePath(QStringLiteral("next.acnx")), AllKinds("Another week.", false));
        openFile(m_dir.filePath(QStringLiteral("next.acnx")));
        QTRY_VERIFY(!m_window->toolWindow()); // not the keys of the puzzle left
    }

    void toolWindowShowsEveryLineWithoutScrolling_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("indicator");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("key"); // the Quagmire and Vigenere keyword
        const QString key = QStringLiteral("LEMON");
        const QString longKey = QStringLiteral("UNCOPYRIGHTABLEDERMATOGLYPHICSUNCOPYRIGHTABLE");
        QTest::newRow("substitution") << int(CipherKind::Cipher) << QString() << 2 << key;
        QTest::newRow("playfair") << int(CipherKind::Playfair) << QString() << 5 << key;
        QTest::newRow("quagmire, seven indicator letters")
            << int(CipherKind::Quagmire) << QStringLiteral("ABCDEFG@26") << 10 << key;
        QTest::newRow("quagmire, a long key")
            << int(CipherKind::Quagmire) << QStringLiteral("ABCDEFG@26") << 10 << longKey;
        QTest::newRow("vigenere") << int(CipherKind::Vigenere) << QString() << 28 << key;
        QTest::newRow("vigenere, a long key") << int(CipherKind::Vigenere) << QString() << 28 << longKey;
    }

    void toolWindowShowsEveryLineWithoutScrolling()
    {
        QFETCH(int, kind);
        QFETCH(QString, indicator);
        QFETCH(int, lines);
        QFETCH(QString, key);
        TToolForm tool({static_cast<CipherKind>(kind), "QWERTYUIOPASDFGHJKLZXCVBNM", "ZEBRA", key.toStdString(), "WORD",
                        indicator.toStdString(), key.toStdString()},
                       &m_ui.dialogs, m_window.get());
        tool.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tool));
        QCOMPARE(tool.memo()->document()->blockCount(), lines);
        // Neither the first nor the last line is cut off: nothing to scroll in either direction.
        QCOMPARE(tool.memo()->verticalScrollBar()->maximum(), 0);
        QCOMPARE(tool.memo()->horizontalScrollBar()->maximum(), 0);
        auto* ok = tool.findChild<QPushButton*>(QStringLiteral("OkBtn"));
        QVERIFY(ok->y() >= tool.memo()->geometry().bottom());
        QCOMPARE(tool.height() - ok->geometry().bottom() - 1, 5);
        for (const QLabel* label : tool.findChildren<QLabel*>()) {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        }
        const QString shown = tool.memo()->toPlainText(); // keys typed at the window leave the keys shown alone
        QTest::keyClicks(tool.memo(), QStringLiteral("ZZZ"));
        QCOMPARE(tool.memo()->toPlainText(), shown);
    }

    void toolWindowReportsABadQuagmireColumn()
    {
        PuzzleLines lines = PuzzleWith(CipherSol, "");
        lines[36] = "AB@x";
        WriteLines(m_path, lines);
        openFile(m_path);
        action("QuagmireBtn")->trigger();
        action("QuagmireTable1")->trigger();
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("'x' is not a valid integer value")});
        QVERIFY(m_window->toolWindow()->memo()->toPlainText().isEmpty());
    }

    void playfairToolWindowShowsTheSquare()
    {
        PuzzleLines lines = PuzzleWith(CipherSol, "");
        lines[51] = "GDDOGFYEKC";
        WriteLines(m_path, lines);
        openFile(m_path);
        action("PlayfairBtn")->trigger();
        keepShot(m_window.get(), QStringLiteral("playfair"));
        action("PlayfairSquare1")->trigger();
        QCOMPARE(m_window->toolWindow()->memo()->toPlainText(),
                 QStringLiteral("Z E B R A\nC D F G H\nI J K L M\nN O P S T\nU V W X Y"));
        keepShot(m_window->toolWindow(), QStringLiteral("tool-playfair"));
    }

    void helpWindowOpensOnTheOverviewAndFollowsTheTabs()
    {
        THelpForm help(m_window.get());
        help.show();
        QCOMPARE(help.windowTitle(), QStringLiteral("Help for Tessarin"));
        QVERIFY(help.memo()->toPlainText().startsWith(QStringLiteral("TESSARIN 5 GAME EDITION")));
        QVERIFY(help.memo()->font().fixedPitch());
        keepShot(&help, QStringLiteral("help"));
        help.tabs()->setCurrentIndex(4);
        QCOMPARE(help.windowTitle(), QStringLiteral("Quagmire Help for Tessarin"));
        QVERIFY(help.memo()->toPlainText().startsWith(QStringLiteral("THE QUAGMIRE CIPHER")));
        QCOMPARE(help.memo()->textCursor().position(), 0);
        help.tabs()->setCurrentIndex(5);
        QVERIFY(help.memo()->toPlainText().contains(QStringLiteral("Vigen\u00e8re")));
        keepShot(&help, QStringLiteral("help-vigenere"));
        help.close();
        help.show();
        QCOMPARE(help.windowTitle(), QStringLiteral("Help for Tessarin"));
        for (const char* name : {"HELPTEXT", "CIPHERTEXT", "RAILTEXT", "PLAYTEXT", "QUAGTEXT", "VIGENTEXT"}) {
            QVERIFY2(!THelpForm::HelpResourceText(QString::fromLatin1(name).toLower()).isEmpty(), name);
        }
    }

    void helpWindowTabsAndCloseButtonKeepTheirPlaces()
    {
        THelpForm help(m_window.get());
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QCOMPARE(help.size(), QSize(678, 458));
        QTabBar* tabs = help.tabs();
        QCOMPARE(tabs->count(), 6);
        // Tabs of one width, 75 pixels unless a caption in the system's font needs more, all left of Close.
        const int tabWidth = tabs->tabRect(0).width();
        QVERIFY(tabWidth >= 75);
        for (int i = 0; i < tabs->count(); ++i) {
            QCOMPARE(tabs->tabRect(i).width(), tabWidth);
        }
        QVERIFY(tabs->tabRect(5).right() < 525);
        QCOMPARE(tabs->geometry().bottom(), help.height() - 1);
        auto* close = help.findChild<QPushButton*>(QStringLiteral("CloseBtn"));
        QCOMPARE(close->geometry(), QRect(525, help.height() - 25, 75, 25));
        for (int i = 0; i < tabs->count(); ++i) { // every line of every text fits the window's width
            tabs->setCurrentIndex(i);
            const QFontMetrics metrics(help.memo()->font());
            for (const QString& line : help.memo()->toPlainText().split(QLatin1Char('\n'))) {
                QVERIFY2(metrics.horizontalAdvance(line) < help.memo()->viewport()->width() - 8, qPrintable(line));
            }
        }
    }

    void websiteAndAbout()
    {
        action("WebsiteItem")->trigger();
        QCOMPARE(m_ui.shell.opened.size(), 1);
        QCOMPARE(m_ui.shell.opened.first().host(), QStringLiteral("tessarin.example.org"));
        action("About1")->trigger();
        QVERIFY(m_ui.dialogs.texts(QStringLiteral("information"))
                    .first()
                    .startsWith(QStringLiteral("About Tessarin Game Edition")));
    }

    void finishingIsNoticedAtOnceAndUndoRedoReachEveryStep()
    {
        openFile(m_path);
        QAction* clock = action("Clock1");
        clock->trigger();
        const QImage unsolved = action("CipherBtn")->icon().pixmap(32, 32).toImage();
        PuzzlePaint* board = m_window->board();
        board->setFocus();
        // "ITSSG, VGKSR!": one typed letter per cipher letter, Right between them.
        QTest::keyClick(board, Qt::Key_Home);
        for (const char* keys : {"h", "e", "l", "l", "o", "w", "o", "r", "l"}) {
            QTest::keyClicks(board, QString::fromLatin1(keys));
            QTest::keyClick(board, Qt::Key_Right);
        }
        QVERIFY(m_ui.dialogs.texts(QStringLiteral("information")).isEmpty());
        QTest::keyClicks(board, QStringLiteral("d"));
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("information")),
                 QStringList{QStringLiteral("Congratulations! Cryptogram has been correctly deciphered.")});
        QCOMPARE(clock->text(), QStringLiteral("&Timer On"));
        QCOMPARE(panel(2), QStringLiteral("0:00:00")); // stopped, still showing the time taken
        QVERIFY(action("CipherBtn")->icon().pixmap(32, 32).toImage() != unsolved);
        keepShot(m_window.get(), QStringLiteral("solved"));
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(m_window->puzzle().BoardText, CipherSol);
        QCOMPARE(action("CipherBtn")->icon().pixmap(32, 32).toImage(), unsolved);
        QTest::keyClick(m_window.get(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_window->puzzle().BoardText, std::string("HESSG, VGKSR!"));
        // A save clears the unsaved flag: closing right after it asks nothing.
        QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
        // The time taken belongs to the solved board: another file, the clock being off, shows none.
        QCOMPARE(panel(2), QStringLiteral("0:00:00"));
        openFile(m_path);
        QCOMPARE(panel(2), QString());
        m_window->close();
        QVERIFY(m_ui.dialogs.texts(QStringLiteral("ask")).isEmpty());
    }

    void theLetterCountsGrowWithTheWindow()
    {
        WriteLines(m_path, AllKinds("Pack my box with five dozen liquor jugs. Pack my box with five dozen liquor jugs. "
                                    "Pack my box with five dozen liquor jugs. Pack my box.",
                                    false));
        openFile(m_path);
        LetterCountPaint* counts = m_window->letterCounts();
        QCOMPARE(counts->width(), 96); // the design width beside the board
        m_window->resize(1400, 1100);
        QTRY_VERIFY(counts->height() > 900);
        // The widest row ("W", a two-digit count, "= W") and the heading fit in the font the column now draws in.
        const QFont font = counts->rowFont();
        QFont bold = font;
        bold.setBold(true);
        const QFontMetrics plain(font);
        const QFontMetrics strong(bold);
        QVERIFY(plain.height() > 20);
        QVERIFY(counts->width() >= plain.horizontalAdvance(QStringLiteral("Counts")));
        QVERIFY(counts->width() >= strong.horizontalAdvance(QStringLiteral("W")) +
                                       plain.horizontalAdvance(QStringLiteral(" 13 ")) +
                                       strong.horizontalAdvance(QStringLiteral("= W")));
    }

    void aLongPuzzleScrollsWithTheSelection()
    {
        std::string plain;
        while (plain.size() < 2000) {
            plain += "Pack my box with five dozen liquor jugs. ";
        }
        WriteLines(m_path, AllKinds(plain, false));
        openFile(m_path);
        QCOMPARE(m_window->board()->cellSize(), 32); // the scroll bar takes its width
        auto* scroller = m_window->findChild<QScrollArea*>(QStringLiteral("BoardScroller"));
        QCOMPARE(scroller->verticalScrollBar()->value(), 0);
        m_window->board()->setFocus();
        QTest::keyClick(m_window->board(), Qt::Key_End);
        QVERIFY(scroller->verticalScrollBar()->value() > 0);
        QVERIFY(scroller->verticalScrollBar()->isVisible());
        const QRect shown(QPoint(0, scroller->verticalScrollBar()->value()), scroller->viewport()->size());
        QVERIFY(shown.contains(m_window->board()->selectionRect()));
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(m_window->board(), Qt::Key_Up);
        }
        QTest::keyClicks(m_window->board(), QStringLiteral("o"));
        keepShot(m_window.get(), QStringLiteral("mid-long"));
    }

    void eachKindMidSolve()
    {
        const std::string plain = "The quick brown fox jumps over the lazy dog; then the dog sleeps.";
        for (bool patristocrat : {false, true}) {
            WriteLines(m_path, AllKinds(plain, patristocrat));
            m_window->puzzle().GameChanged = false;
            openFile(m_path);
            PuzzlePaint* board = m_window->board();
            board->setFocus();
            // "the quic" right, then the cipher letter of k given T too: a conflict with the T before.
            QTest::keyClick(board, Qt::Key_Home);
            for (const char* keys : {"t", "h", "e", "q", "u", "i", "c", "t"}) {
                QTest::keyClicks(board, QString::fromLatin1(keys));
                QTest::keyClick(board, Qt::Key_Right);
            }
            QTest::keyClick(board, Qt::Key_Right);
            QVERIFY(MarkLetters(m_window->puzzle()).conflict['T' - 'A']);
            keepShot(m_window.get(),
                     patristocrat ? QStringLiteral("mid-patristocrat") : QStringLiteral("mid-substitution"));
        }
        const char* kinds[] = {"PlayfairBtn", "QuagmireBtn", "VigenereBtn"};
        for (const char* kind : kinds) {
            action(kind)->trigger();
            QTest::keyClick(m_window->board(), Qt::Key_Home);
            QTest::keyClicks(m_window->board(), QStringLiteral("thequ"));
            QTest::keyClick(m_window->board(), Qt::Key_Right);
            keepShot(m_window.get(), QStringLiteral("mid-%1").arg(QString::fromLatin1(kind).chopped(3).toLower()));
        }
        action("RailBtn")->trigger();
        action("RailFenceRails1")->trigger();
        TRailForm* rails = m_window->railWindow();
        QVERIFY(rails);
        rails->setRails(3);
        rails->findChild<QPushButton*>(QStringLiteral("ReadBtn"))->click();
        QCOMPARE(m_window->puzzle().BoardText.substr(0, 11), std::string("THE QUI CKB"));
        QCOMPARE(m_ui.dialogs.texts(QStringLiteral("information")).last(),
                 QStringLiteral("Congratulations! Cryptogram has been correctly deciphered."));
        keepShot(rails, QStringLiteral("tool-rails"));
        keepShot(m_window.get(), QStringLiteral("mid-railfence"));
    }

    void widerWindowsHaveLargerCells()
    {
        const int before = m_window->board()->cellSize();
        m_window->resize(m_window->width() + 230, m_window->height());
        QTRY_VERIFY(m_window->board()->cellSize() > before);
    }
};

QTEST_MAIN(GameWindowTest)
#include "GameWindowTest.moc"
