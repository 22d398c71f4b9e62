#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PuzzleDocument.h"

// The board model: what each cell of a kind's board is, read from the puzzle's ciphertext and plaintext. The rules
// (SolvingCommands), the display and anything that advises the solver read it; it never changes while solving.

/// A place on the board: row from 0, column from 1 to 23.
struct BoardCell
{
    int row = 0;
    int column = 1;
    bool operator==(const BoardCell&) const = default;
};

/// One cell of the board, at the same position as its character in BoardText.
struct CellModel
{
    /// The character the cell showed when the puzzle was made (the kind's ciphertext, upper case for letters).
    char cipher = ' ';
    /// The letter A to Z that solves the cell; 0 for a cell that is not scored (a given, or a rail fence filler).
    char answer = 0;
    /// A cell the solver fills: it holds a letter A-Z or a-z in the ciphertext. Blanks, punctuation, digits and
    /// accented letters are givens: never selectable, never written, never marked wrong.
    bool puzzle = false;
};

/// The cells of one kind's board. The solver's letter of cell p is BoardText[p - 1]; a puzzle cell counts as
/// filled while it shows something other than its cipher letter (so filled cells are told apart also after a save
/// and a reopen, with nothing added to the file).
struct BoardModel
{
    CipherKind kind = CipherKind::None;
    std::vector<CellModel> cells;

    /// Substitution boards are solved by groups: a pick fills every cell of the same cipher letter.
    bool grouped() const { return kind == CipherKind::Cipher; }
    std::size_t size() const { return cells.size(); }
    /// The cell at position p (from 1); nullptr outside the board.
    const CellModel* at(std::size_t p) const { return p >= 1 && p <= cells.size() ? &cells[p - 1] : nullptr; }
    bool isPuzzle(std::size_t p) const { return at(p) != nullptr && at(p)->puzzle; }
};

/// The letters a solved board of kind holds, in order. Playfair: the working text that was encrypted (Q written as
/// K, X or J between doubled letters and at an odd end). Every other kind: the A-Z and a-z of plain, upper-cased.
std::string ExpectedLetters(CipherKind kind, std::string_view plain);

/// The model of a board whose ciphertext is cipher: each A-Z or a-z of cipher is a puzzle cell solved by the next
/// of the expected letters (none left: not scored); every other character is a given. Since the k-th letter of
/// every kind's ciphertext stands for the k-th expected letter (a substitution keeps every character in place, a
/// Patristocrat keeps the letters in order, the other kinds write letters in groups), one rule serves all kinds.
BoardModel BuildBoardModel(CipherKind kind, std::string_view cipher, std::string_view plain);

/// True when the puzzle cell p of board is filled by the solver.
bool IsFilled(const BoardModel& model, std::string_view board, std::size_t p);

/// True when the board has at least one scored cell and every scored cell holds its answer.
bool BoardSolved(const BoardModel& model, std::string_view board);

/// Where each character of a board text stands: 23 cells to a row, a word that fits on one row is not split
/// (it starts a new row instead), and a blank that would begin a row right after a word ending at the row's end
/// has no cell. Rows from 0, columns 1 to 23.
struct BoardLayout
{
    std::vector<std::optional<BoardCell>> places; ///< per position (index p - 1)
    int rows = 0;

    /// The position shown at (row, column), or nothing.
    std::optional<std::size_t> positionAt(int row, int column) const;

private:
    friend BoardLayout LayOutBoard(std::string_view text);
    std::vector<std::size_t> m_grid; ///< 23 entries per row: the position, 0 for an empty cell
};

BoardLayout LayOutBoard(std::string_view text);
