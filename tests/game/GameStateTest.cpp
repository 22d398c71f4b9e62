#include <gtest/gtest.h>

#include "GamePuzzle.h"
#include "SolvingCommands.h"

namespace {

// A puzzle open on kind with the given plaintext and solution value.
GamePuzzle OpenOn(CipherKind kind, const std::string& plain, const std::string& solution)
{
    GamePuzzle p;
    p.FileName = "/tmp/x.acnx";
    p.PLAIN = plain;
    *p.SolutionValue(kind) = solution;
    p.ChooseKind(kind);
    return p;
}

std::size_t At(int row, int column)
{
    return CellPosition({row, column});
}

} // namespace

TEST(GamePuzzle, ChoosingAKindPutsItsSolutionOnTheBoardOrABlankBoard)
{
    struct Case
    {
        std::string stored;
        bool cryptogram;
        std::string board;
    };
    const std::vector<Case> cases = {
        {"ABC DE", true, "ABC DE"},     {"", false, BlankBoard()}, {"     ", false, BlankBoard()},
        {"\t \r", false, BlankBoard()}, {"  X  ", true, "  X  "},
    };
    for (const Case& c : cases) {
        GamePuzzle p;
        p.RAILSOL = c.stored;
        p.SelectedCell = BoardCell{0, 1};
        p.SelectedLetter = 3;
        EXPECT_EQ(p.ChooseKind(CipherKind::Railfence), c.cryptogram) << c.stored;
        EXPECT_EQ(p.BoardText, c.board);
        EXPECT_EQ(p.GameKind, CipherKind::Railfence);
        EXPECT_FALSE(p.SelectedCell);
        EXPECT_EQ(p.SelectedLetter, 0);
    }
}

TEST(GamePuzzle, LeavingAKindStoresItsBoardOnlyOnceTheSolverSelectedACell)
{
    GamePuzzle p = OpenOn(CipherKind::Cipher, "Hi", "XY");
    p.BoardText = "HY";
    p.ChooseKind(CipherKind::Playfair);
    EXPECT_EQ(p.CIPHERSOL, "XY") << "nothing stored without GameChanged";

    p.ChooseKind(CipherKind::Cipher);
    p.BoardText = "HY";
    p.GameChanged = true;
    p.ChooseKind(CipherKind::Playfair);
    EXPECT_EQ(p.CIPHERSOL, "HY");
    // The blank board of a kind without cryptogram is stored too once GameChanged is set.
    p.ChooseKind(CipherKind::Vigenere);
    EXPECT_EQ(p.PLAYSOL, BlankBoard());
}

TEST(GamePuzzle, FirstPresentKindCountsBlanksAsPresent)
{
    GamePuzzle p;
    EXPECT_EQ(p.FirstPresentKind(), CipherKind::None);
    p.VIGENSOL = "ABCDE ";
    EXPECT_EQ(p.FirstPresentKind(), CipherKind::Vigenere);
    p.PLAYSOL = "  ";
    EXPECT_EQ(p.FirstPresentKind(), CipherKind::Playfair);
}

TEST(BoardClicks, SelectOnlyLetterCellsInsideTheText)
{
    struct Case
    {
        int row, column;
        bool selected;
    };
    // "Ab, c" then more: 'A' (1), 'b' (2), ',' (3), ' ' (4), 'c' (5); a second row from position 24.
    const std::string board = "Ab, c" + std::string(18, 'Z') + "Q";
    const std::vector<Case> cases = {
        {0, 1, true},   {0, 2, true}, {0, 3, false}, {0, 4, false}, {0, 5, true},
        {0, 24, false}, {1, 1, true}, {1, 2, false}, {5, 1, false},
    };
    for (const Case& c : cases) {
        GamePuzzle p = OpenOn(CipherKind::Quagmire, "x", board);
        p.SelectedLetter = 4;
        EXPECT_TRUE(ClickCell(p, c.row, c.column));
        EXPECT_EQ(p.SelectedCell.has_value(), c.selected) << c.row << "," << c.column;
        EXPECT_EQ(p.GameChanged, c.selected);
        EXPECT_EQ(p.SelectedLetter, 0);
    }
}

TEST(BoardClicks, RailFenceBoardsIgnoreClicksAndKeys)
{
    GamePuzzle p = OpenOn(CipherKind::Railfence, "Hello", "HLOEL ");
    EXPECT_FALSE(ClickCell(p, 0, 1));
    EXPECT_FALSE(MoveSelection(p, SelectionMove::First));
    EXPECT_FALSE(p.SelectedCell);
    EXPECT_FALSE(p.GameChanged);
}

TEST(PickLetter, SubstitutionFillsTheExactPlaintextGroup)
{
    // T at 1 and 11 (capital), t at 7 (small): picking for the capital T leaves the small t alone.
    const std::string plain = "The cat To.";
    GamePuzzle p = OpenOn(CipherKind::Cipher, plain, "XYZ QRX XM.");
    ASSERT_TRUE(ClickCell(p, 0, 1));
    EXPECT_TRUE(PickLetter(p, 20)); // T
    EXPECT_EQ(p.BoardText, "TYZ QRX TM.");
    EXPECT_EQ(p.SelectedLetter, 20);
    EXPECT_TRUE(p.SelectedCell);
}

TEST(PickLetter, OtherKindsFillOnlyTheSelectedCell)
{
    for (CipherKind kind : {CipherKind::Playfair, CipherKind::Quagmire, CipherKind::Vigenere}) {
        GamePuzzle p = OpenOn(kind, "abcabc", "QQQQQ Q");
        ClickCell(p, 0, 2);
        PickLetter(p, 5);
        EXPECT_EQ(p.BoardText, "QEQQQ Q");
    }
}

TEST(PickLetter, DoesNothingWithoutASelectionOrOutsideTheSlots)
{
    GamePuzzle p = OpenOn(CipherKind::Vigenere, "abc", "XYZ ");
    p.SelectedLetter = 7;
    EXPECT_FALSE(PickLetter(p, 3));
    EXPECT_EQ(p.SelectedLetter, 7);
    ClickCell(p, 0, 1);
    EXPECT_FALSE(PickLetter(p, 27));
    EXPECT_FALSE(PickLetter(p, 0));
    EXPECT_EQ(p.BoardText, "XYZ ");
}

TEST(PickLetter, StaysInsideTheBoardWhenThePlaintextIsLonger)
{
    GamePuzzle p = OpenOn(CipherKind::Cipher, "aaaaaaaaaa", "XX");
    ClickCell(p, 0, 2);
    PickLetter(p, 1);
    EXPECT_EQ(p.BoardText, "AA");
}

TEST(Undo, RestoresTheCheckpointNotThePreviousPick)
{
    GamePuzzle p = OpenOn(CipherKind::Cipher, "Tot T", "XMX X");
    ClickCell(p, 0, 1);
    PickLetter(p, 1);
    PickLetter(p, 2);
    PickLetter(p, 3);
    EXPECT_EQ(p.BoardText, "CMX C");
    EXPECT_TRUE(UndoCell(p));
    EXPECT_EQ(p.BoardText, "XMX X");
    EXPECT_EQ(p.SelectedLetter, 0);
    EXPECT_TRUE(p.SelectedCell);
    // Undo of one cell on a cell-by-cell kind.
    GamePuzzle q = OpenOn(CipherKind::Playfair, "ab", "QRST");
    ClickCell(q, 0, 2);
    PickLetter(q, 1);
    ClickCell(q, 0, 3);
    PickLetter(q, 2);
    UndoCell(q);
    EXPECT_EQ(q.BoardText, "QAST");
}

TEST(Undo, AndRevealLetterChangeNothingWithoutASelectionOrPuzzle)
{
    GamePuzzle p = OpenOn(CipherKind::Cipher, "ab", "XY");
    EXPECT_FALSE(UndoCell(p));
    EXPECT_FALSE(RevealLetter(p));
    p.FileName.clear();
    p.SelectedCell = BoardCell{0, 1};
    EXPECT_FALSE(UndoCell(p));
    EXPECT_FALSE(RevealLetter(p));
    EXPECT_EQ(p.BoardText, "XY");
}

TEST(RevealLetter, SubstitutionRevealsEveryCellThatShowedTheSameCheckpointCharacter)
{
    GamePuzzle p = OpenOn(CipherKind::Cipher, "Eve e!", "XZX X!");
    p.BoardText = "QZX X!"; // the solver changed the first cell already
    ClickCell(p, 0, 3);
    EXPECT_TRUE(RevealLetter(p));
    EXPECT_EQ(p.BoardText, "EZE E!");
}

TEST(RevealLetter, OtherKindsCountLettersSkippingBlanks)
{
    struct Case
    {
        CipherKind kind;
        std::string board;
        int column;
        std::string expected;
    };
    const std::string plain = "Hello, world";
    const std::vector<Case> cases = {
        {CipherKind::Vigenere, "HFNOS BUYTM ", 7, "HFNOS WUYTM "},
        {CipherKind::Quagmire, "ABCDE FGHIJ ", 11, "ABCDE FGHID "},
        {CipherKind::Playfair, "ABCDEFGHIJ", 1, "HBCDEFGHIJ"},
        // Beyond the plaintext's letters nothing changes.
        {CipherKind::Playfair, "ABCDEFGHIJKL", 12, "ABCDEFGHIJKL"},
    };
    for (const Case& c : cases) {
        GamePuzzle p = OpenOn(c.kind, plain, c.board);
        ClickCell(p, 0, c.column);
        RevealLetter(p);
        EXPECT_EQ(p.BoardText, c.expected) << c.board;
    }
}

TEST(Restart, ReturnsToTheCheckpointAndClearsTheSelection)
{
    GamePuzzle p = OpenOn(CipherKind::Vigenere, "abc", "XYZ ");
    ClickCell(p, 0, 1);
    PickLetter(p, 1);
    RestartBoard(p);
    EXPECT_EQ(p.BoardText, "XYZ ");
    EXPECT_FALSE(p.SelectedCell);
    EXPECT_EQ(p.SelectedLetter, 0);
    EXPECT_TRUE(p.GameChanged) << "restart keeps GameChanged";
}

TEST(Keyboard, MovesOverLetterCellsOnly)
{
    struct Case
    {
        std::optional<std::size_t> from;
        SelectionMove move;
        std::optional<std::size_t> to; // nothing: the move changes nothing
    };
    // Letters at 2, 3, 5 and 27 (second row, column 4); punctuation and blanks between.
    std::string board = " AB-C" + std::string(21, ' ') + "D";
    board[25] = '.';
    const std::vector<Case> cases = {
        {std::nullopt, SelectionMove::Next, 2},
        {std::nullopt, SelectionMove::Previous, 27},
        {std::nullopt, SelectionMove::First, 2},
        {std::nullopt, SelectionMove::Last, 27},
        {2, SelectionMove::Next, 3},
        {3, SelectionMove::Next, 5},
        {5, SelectionMove::Previous, 3},
        {2, SelectionMove::Previous, std::nullopt},
        {27, SelectionMove::Next, std::nullopt},
        {3, SelectionMove::RowDown, 27},
        {27, SelectionMove::RowUp, 3},
        {2, SelectionMove::RowUp, std::nullopt},
        {5, SelectionMove::Last, 27},
        {27, SelectionMove::First, 2},
    };
    for (const Case& c : cases) {
        GamePuzzle p = OpenOn(CipherKind::Quagmire, "x", board);
        if (c.from) {
            p.SelectedCell = CellOfPosition(*c.from);
        }
        p.SelectedLetter = 5;
        const bool moved = MoveSelection(p, c.move);
        EXPECT_EQ(moved, c.to.has_value()) << static_cast<int>(c.move);
        if (c.to) {
            EXPECT_EQ(CellPosition(*p.SelectedCell), *c.to);
            EXPECT_TRUE(p.GameChanged);
            EXPECT_EQ(p.SelectedLetter, 0);
        }
    }
    EXPECT_EQ(At(1, 4), 27u);
}
