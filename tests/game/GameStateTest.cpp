#include <gtest/gtest.h>

#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeRailfence.h"
#include "GamePuzzle.h"
#include "Normalize.h"
#include "Random.h"
#include "SolvingCommands.h"

namespace {

const std::string Key = "QWERTYUIOPASDFGHJKLZXCVBNM"; // cipher letter of plain A, B, ...

// A puzzle as a file made by the maker gives it: kind's ciphertext line and solution line both hold cipher.
GamePuzzle Opened(CipherKind kind, const std::string& plain, const std::string& cipher)
{
    GamePuzzle p;
    GameFileValues values;
    values.PLAIN = plain;
    CipherLines lines;
    std::string* line[] = {&lines.CIPHER, &lines.RAILFENCE, &lines.PLAYFAIR, &lines.QUAGMIRE, &lines.VIGENERE};
    *line[static_cast<int>(kind)] = cipher;
    p.TakeValues(values, lines);
    *p.SolutionValue(kind) = cipher;
    p.FileName = "/tmp/x.acnx";
    p.ChooseKind(kind);
    return p;
}

// Solves a substitution board as a solver with the key would: one pick per cipher letter not yet right.
void SolveByPicks(GamePuzzle& p)
{
    for (std::size_t i = 1; i <= p.BoardText.size(); ++i) {
        const char c = p.Model.cells[i - 1].cipher;
        const std::size_t plain = Key.find(c);
        if (plain == std::string::npos || p.BoardText[i - 1] == 'A' + static_cast<char>(plain)) {
            continue;
        }
        ASSERT_TRUE(ClickCell(p, i));
        ASSERT_TRUE(PickLetter(p, static_cast<int>(plain) + 1));
    }
}

} // namespace

TEST(GamePuzzle, ChoosingAKindPutsItsSolutionOnTheBoardOrABlankBoard)
{
    for (const std::string stored : {"ABC DE", "", "     ", "\t \r", "  X  "}) {
        GamePuzzle p;
        p.RAILSOL = stored;
        p.SelectedCell = 1;
        p.SelectedLetter = 3;
        const bool cryptogram = stored.find_first_not_of(" \t\r") != std::string::npos;
        EXPECT_EQ(p.ChooseKind(CipherKind::Railfence), cryptogram) << stored;
        EXPECT_EQ(p.BoardText, cryptogram ? stored : BlankBoard());
        EXPECT_EQ(p.Layout.rows, cryptogram ? 1 : 10);
        EXPECT_FALSE(p.SelectedCell);
        EXPECT_EQ(p.SelectedLetter, 0);
    }
}

TEST(GamePuzzle, LeavingAKindStoresItsBoardOnlyOnceTheSolverChangedSomething)
{
    GamePuzzle p = Opened(CipherKind::Cipher, "Hi", "XY");
    p.BoardText = "HY";
    p.ChooseKind(CipherKind::Playfair);
    EXPECT_EQ(p.CIPHERSOL, "XY") << "nothing stored without GameChanged";
    p.ChooseKind(CipherKind::Cipher);
    ClickCell(p, 1);
    PickLetter(p, 8);
    p.ChooseKind(CipherKind::Playfair);
    EXPECT_EQ(p.CIPHERSOL, "HY");
}

TEST(Solving, SubstitutionWithAccentsAndMixedCaseIsSolvedByPicks)
{
    // Windows-1252: É and é are no puzzle letters; "The", "the" and "THE" are one cipher word.
    const std::string plain = "\xC9lan: The th\xE9, THE end 1999 - caf\xE9!";
    GamePuzzle p = Opened(CipherKind::Cipher, plain, SubstituteLetters(plain, Key));
    EXPECT_FALSE(ClickCell(p, 1) && p.SelectedCell) << "an accented letter is a given";
    ASSERT_TRUE(ClickCell(p, 11)); // the small t of "th\xE9"
    PickLetter(p, 20);
    for (std::size_t i : {7u, 11u, 16u}) {
        EXPECT_EQ(p.BoardText[i - 1], 'T') << i;
    }
    SolveByPicks(p);
    EXPECT_TRUE(p.KindSolved(CipherKind::Cipher)) << p.BoardText;
    EXPECT_TRUE(WrongCells(p).empty());
    EXPECT_EQ(p.BoardText.substr(0, 2), "\xC9L");
}

TEST(Solving, PatristocratGroupsByCipherLetterAndIsSolvedByPicks)
{
    const std::string plain = "Attack at dawn, then retreat!";
    const std::string cipher = PatristocratText(SubstituteLetters(plain, Key));
    GamePuzzle p = Opened(CipherKind::Cipher, plain, cipher);
    ASSERT_TRUE(ClickCell(p, 2)); // T
    PickLetter(p, 20);
    for (std::size_t i = 1; i <= cipher.size(); ++i) {
        EXPECT_EQ(p.BoardText[i - 1], cipher[i - 1] == Key['T' - 'A'] ? 'T' : cipher[i - 1]) << i;
    }
    ASSERT_TRUE(ClickCell(p, 1));
    RevealLetter(p);
    for (std::size_t i = 1; i <= cipher.size(); ++i) {
        EXPECT_EQ(p.BoardText[i - 1] == ' ', cipher[i - 1] == ' ') << "reveal writes letters, never blanks";
    }
    SolveByPicks(p);
    EXPECT_TRUE(p.KindSolved(CipherKind::Cipher)) << p.BoardText;
}

TEST(Solving, PlayfairIsTypedCellByCellAgainstItsWorkingText)
{
    const std::string plain = "Quick, the balloon is full";
    bool edited = false;
    const std::string cipher = EncryptPlayfair(plain, "KEYWORD", edited);
    const std::string answer = DecryptPlayfair(cipher, PlayfairSquareOf("KEYWORD"));
    GamePuzzle p = Opened(CipherKind::Playfair, plain, cipher);
    ASSERT_TRUE(ClickCell(p, 1));
    for (char c : answer) {
        ASSERT_TRUE(TypeLetter(p, c - 'A' + 1)); // the selection moves on by itself
    }
    EXPECT_EQ(p.BoardText, answer);
    EXPECT_TRUE(p.KindSolved(CipherKind::Playfair));
    EXPECT_NE(answer.find("KU"), std::string::npos) << "Q is written as K";
}

TEST(Solving, RailFenceIsReadOffItsRailsAndScoredWithoutTheFillers)
{
    const std::string plain = "We are discovered, flee";
    Random rng(7);
    const std::string cipher = EncryptRailfence(plain, 4, rng);
    GamePuzzle p = Opened(CipherKind::Railfence, plain, cipher);
    EXPECT_TRUE(ClickCell(p, 1) && p.SelectedCell) << "rail fence cells can be selected";
    EXPECT_EQ(LayOutRails(p, 4).lines.size(), 4u);
    EXPECT_TRUE(ReadRailsIntoBoard(p, 3));
    EXPECT_FALSE(p.KindSolved(CipherKind::Railfence));
    EXPECT_TRUE(ReadRailsIntoBoard(p, 4));
    EXPECT_TRUE(p.KindSolved(CipherKind::Railfence)) << p.BoardText;
    EXPECT_EQ(p.BoardText.substr(0, 9), "WEAR EDIS");
    // The filler is not scored: any letter there leaves the board solved.
    ClickCell(p, p.BoardText.size() - 1);
    PickLetter(p, 26);
    EXPECT_TRUE(p.KindSolved(CipherKind::Railfence));
}

TEST(History, UndoAndRedoTwentyStepsBackToTheOpenedBoard)
{
    const std::string opened = "ABCDE FGHIJ KLMNO PQRST UVWXY ";
    GamePuzzle p = Opened(CipherKind::Vigenere, "x", opened);
    std::vector<std::string> boards{opened};
    ClickCell(p, 1);
    for (int step = 0; step < 20; ++step) {
        TypeLetter(p, 25 + step % 2); // Y, Z, Y, ... into the letters A to T
        ASSERT_NE(p.BoardText, boards.back());
        boards.push_back(p.BoardText);
    }
    RestartBoard(p);
    boards.push_back(opened);
    for (std::size_t i = boards.size() - 1; i-- > 0;) {
        ASSERT_TRUE(UndoStep(p));
        EXPECT_EQ(p.BoardText, boards[i]);
    }
    EXPECT_FALSE(UndoStep(p));
    for (std::size_t i = 1; i < boards.size(); ++i) {
        ASSERT_TRUE(RedoStep(p));
        EXPECT_EQ(p.BoardText, boards[i]);
    }
    EXPECT_FALSE(RedoStep(p));
    UndoStep(p);
    ClickCell(p, 2);
    PickLetter(p, 1);
    EXPECT_FALSE(CanRedo(p)) << "a new step drops what was undone";
}

TEST(Board, GivensAreNeitherSelectedNorScoredAndConflictsAreFound)
{
    const std::string plain = "Abc 9, abc";
    GamePuzzle p = Opened(CipherKind::Cipher, plain, SubstituteLetters(plain, Key));
    for (std::size_t i : {4u, 5u, 6u, 7u, 99u}) {
        ClickCell(p, i);
        EXPECT_FALSE(p.SelectedCell) << i;
    }
    ClickCell(p, 1);
    PickLetter(p, 5); // E for cipher Q (plain a)
    ClickCell(p, 2);
    PickLetter(p, 5); // E for cipher W too: a conflict on both
    const LetterMarks marks = MarkLetters(p);
    EXPECT_TRUE(marks.used[4] && marks.conflict[4]);
    EXPECT_EQ(marks.counts['Q' - 'A'], 2);
    EXPECT_TRUE(InConflict(p, marks, 1) && InConflict(p, marks, 9) && !InConflict(p, marks, 3));
    EXPECT_EQ(WrongCells(p), (std::vector<std::size_t>{1, 2, 3, 8, 9, 10}));
    EraseSelection(p);
    EXPECT_FALSE(MarkLetters(p).conflict[4]);
}

TEST(Board, WordsThatFitARowAreNotSplit)
{
    const BoardLayout l = LayOutBoard(std::string(20, 'A') + " BCDE " + std::string(18, 'F') + " G");
    EXPECT_EQ(l.places[20]->column, 21) << "the blank after the first word";
    EXPECT_EQ(*l.places[21], (BoardCell{1, 1})) << "BCDE starts the second row";
    EXPECT_EQ(*l.places[43], (BoardCell{1, 23}));
    EXPECT_FALSE(l.places[44]) << "the blank after a full row has no cell";
    EXPECT_EQ(*l.places[45], (BoardCell{2, 1}));
    EXPECT_EQ(l.positionAt(1, 1), 22u);
    const BoardLayout longWord = LayOutBoard("AB " + std::string(30, 'C'));
    EXPECT_EQ(*longWord.places[3], (BoardCell{0, 4})) << "a word longer than a row fills on";
    EXPECT_EQ(*longWord.places[23], (BoardCell{1, 1}));
    EXPECT_EQ(LayOutBoard(BlankBoard()).rows, 10);
}

TEST(Keyboard, MovesOverPuzzleCellsOnly)
{
    struct Case
    {
        std::optional<std::size_t> from;
        SelectionMove move;
        std::optional<std::size_t> to; // nothing: the move changes nothing
    };
    // Letters at 2, 3, 5 and 25 (second row, column 1: the blank after the full first row has no cell).
    const std::string board = " AB-C" + std::string(17, ' ') + ". D";
    const std::vector<Case> cases = {
        {std::nullopt, SelectionMove::Next, 2},
        {std::nullopt, SelectionMove::Previous, 25},
        {2, SelectionMove::Next, 3},
        {5, SelectionMove::Previous, 3},
        {2, SelectionMove::Previous, {}},
        {25, SelectionMove::Next, {}},
        {5, SelectionMove::RowDown, 25},
        {25, SelectionMove::RowUp, 2},
        {2, SelectionMove::RowUp, {}},
        {25, SelectionMove::First, 2},
    };
    for (const Case& c : cases) {
        GamePuzzle p = Opened(CipherKind::Quagmire, "x", board);
        p.SelectedCell = c.from;
        EXPECT_EQ(MoveSelection(p, c.move), c.to.has_value()) << static_cast<int>(c.move);
        if (c.to) {
            EXPECT_EQ(p.SelectedCell, c.to);
            EXPECT_TRUE(p.GameChanged);
        }
    }
}
