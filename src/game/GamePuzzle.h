#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "Alphabet.h"
#include "BoardModel.h"
#include "PuzzleDocument.h"
#include "PuzzleFile.h"
#include "SolveHints.h"

/// The board has 23 cells to a row.
inline constexpr int BoardColumns = 23;
/// The blank board: 10 rows of 23 blanks.
inline constexpr std::size_t BlankBoardLength = 230;

/// 230 blanks: what the board shows when its kind has no cryptogram.
std::string BlankBoard();

/// True when text holds nothing but blanks (an empty text too).
bool OnlyBlanks(std::string_view text);

/// The ciphertext lines of a puzzle file (9, 18, 21, 27, 39), which the maker writes with the solution lines and
/// the game never changes: they tell which cipher letter each cell holds, whatever the solver wrote over it.
struct CipherLines
{
    std::string CIPHER;
    std::string RAILFENCE;
    std::string PLAYFAIR;
    std::string QUAGMIRE;
    std::string VIGENERE;

    bool operator==(const CipherLines&) const = default;
};

/// The solver's steps on one kind's board, for Undo and Redo: the board texts before the steps taken (undo) and
/// after the steps undone (redo), the latest last.
struct BoardHistory
{
    std::vector<std::string> undo;
    std::vector<std::string> redo;
};

/// A hint as it was given: for the board of a kind as it stood then (GameHints.h).
struct GivenHint
{
    CipherKind kind = CipherKind::None;
    std::string board;
    SolveHint hint;
};

/// The game's one puzzle: the values it reads from the puzzle file, the kind on the board, the board's working
/// text and its model. Texts are Windows-1252 bytes; FileName is a UTF-8 path.
/// The values come from the file module's GameFileValues (CRADIOS among them is read but never used).
struct GamePuzzle : GameFileValues
{
    CipherLines Ciphertexts;
    std::string FileName;

    CipherKind GameKind = CipherKind::None;
    std::string BoardText = BlankBoard();
    /// What each cell of BoardText is (cipher letter, answer, puzzle cell or given); made by ChooseKind.
    BoardModel Model;
    /// Where each cell of BoardText stands on the board; made with Model.
    BoardLayout Layout;
    std::optional<std::size_t> SelectedCell; ///< position (from 1) in BoardText of the selected cell
    int SelectedLetter = 0;                  ///< 1 = A ... 26 = Z; 0 for none
    /// Set by selecting a cell and by every change of a board; cleared by loading and by a successful save.
    bool GameChanged = false;
    /// One history per kind, in kind order; loading clears them.
    std::array<BoardHistory, CipherKindCount> Histories;
    /// The latest hint asked for; it is on show while its kind and board stand unchanged.
    std::optional<GivenHint> Hint;
    /// The hints shown on each kind, in kind order, since the puzzle was opened. The puzzle file has no place for
    /// them: loading (a reopen too) starts them at 0, and saving keeps them for the rest of the session.
    std::array<int, CipherKindCount> HintsUsed{};

    /// A puzzle is open once a file was loaded and FileName set.
    bool IsOpen() const { return !FileName.empty(); }

    /// The stored solution value (the board's checkpoint) of kind; nullptr for None.
    std::string* SolutionValue(CipherKind kind);
    const std::string* SolutionValue(CipherKind kind) const;

    /// Replaces every value with those read from a file, clears GameChanged, the histories, the hint and the hints
    /// used. Kind, board, selection and FileName stay: the caller sets them.
    void TakeValues(const GameFileValues& values, const CipherLines& ciphertexts = {});

    /// The ciphertext the cells of kind were made from: the kind's ciphertext line, or its solution value where
    /// that line does not match it in length (a file whose ciphertext lines were lost or edited).
    std::string_view CiphertextOf(CipherKind kind) const;

    /// The model of kind's board as it is now stored (Model for the kind on the board).
    BoardModel ModelOf(CipherKind kind) const;

    /// True when kind's board (the one on the screen for GameKind, the stored one otherwise) is solved.
    bool KindSolved(CipherKind kind) const;

    /// The history of the kind on the board; nullptr without a kind.
    BoardHistory* History();

    /// The five solution values, as the file's solution lines take them.
    GameSolutions Solutions() const;

    /// Copies BoardText into the solution value of GameKind; nothing without a kind.
    void StoreBoard();

    /// The state part of pressing a kind button: stores the board being left when GameChanged is set, puts
    /// the kind's solution value on the board (BlankBoard when it is empty after trimming), builds its model and
    /// layout and clears the selection and the picked letter. Returns true when the board holds a cryptogram.
    bool ChooseKind(CipherKind kind);

    /// No kind on the board: BlankBoard, no selection, no picked letter.
    void ClearKind();

    /// Builds Model and Layout for the board text and kind on the board.
    void RebuildModel();

    /// The first kind whose solution value is not empty (blanks count as present), in kind order, or None.
    CipherKind FirstPresentKind() const;

    /// True when the board holds anything but blanks.
    bool BoardHasCryptogram() const { return !OnlyBlanks(BoardText); }
};
