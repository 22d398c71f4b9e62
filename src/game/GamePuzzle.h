#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "PuzzleDocument.h"
#include "PuzzleFile.h"

/// The board has 23 cells to a row.
inline constexpr int BoardColumns = 23;
/// The blank board: 10 rows of 23 blanks.
inline constexpr std::size_t BlankBoardLength = 230;

/// 230 blanks: what the board shows when its kind has no cryptogram.
std::string BlankBoard();

/// A board cell: row from 0, column from 1 to 23.
struct BoardCell
{
    int row = 0;
    int column = 1;
    bool operator==(const BoardCell&) const = default;
};

/// The position (from 1) of a cell in the board text: column + 23 * row.
constexpr std::size_t CellPosition(BoardCell cell)
{
    return static_cast<std::size_t>(cell.column + BoardColumns * cell.row);
}

/// The cell of position p (from 1).
constexpr BoardCell CellOfPosition(std::size_t p)
{
    return {static_cast<int>((p - 1) / BoardColumns), static_cast<int>((p - 1) % BoardColumns) + 1};
}

/// A to Z or a to z: the characters a solver can select on the board.
constexpr bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

/// True when text holds nothing but blanks (an empty text too).
bool OnlyBlanks(std::string_view text);

/// The game's one puzzle: the values it reads from the puzzle file, the kind on the board and the board's working
/// text. Texts are Windows-1252 bytes; FileName is a UTF-8 path.
/// The values come from the file module's GameFileValues (CRADIOS among them is read but never used).
struct GamePuzzle : GameFileValues
{
    std::string FileName;

    CipherKind GameKind = CipherKind::None;
    std::string BoardText = BlankBoard();
    std::optional<BoardCell> SelectedCell;
    int SelectedLetter = 0; ///< 1 = A ... 26 = Z; 0 for none
    bool GameChanged = false;

    /// A puzzle is open once a file was loaded and FileName set.
    bool IsOpen() const { return !FileName.empty(); }

    /// The stored solution value (the board's checkpoint) of kind; nullptr for None.
    std::string* SolutionValue(CipherKind kind);
    const std::string* SolutionValue(CipherKind kind) const;

    /// Replaces every value with those read from a file and clears GameChanged. Kind, board, selection and
    /// FileName stay: the caller sets them.
    void TakeValues(const GameFileValues& values);

    /// The five solution values, as the file's solution lines take them.
    GameSolutions Solutions() const;

    /// Copies BoardText into the solution value of GameKind; nothing without a kind.
    void StoreBoard();

    /// The state part of pressing a kind button: stores the board being left when GameChanged is set, puts
    /// the kind's solution value on the board (BlankBoard when it is empty after trimming) and clears the
    /// selection and the picked letter. Returns true when the board holds a cryptogram (anything but blanks).
    bool ChooseKind(CipherKind kind);

    /// No kind on the board: BlankBoard, no selection, no picked letter.
    void ClearKind();

    /// The first kind whose solution value is not empty (blanks count as present), in kind order, or None.
    CipherKind FirstPresentKind() const;

    /// True when the board holds anything but blanks.
    bool BoardHasCryptogram() const { return !OnlyBlanks(BoardText); }
};
