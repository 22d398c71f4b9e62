#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "GamePuzzle.h"

// What the board, the alphabet strip, the tool bar buttons and the keyboard do to the puzzle state. The rules read
// the board model (GamePuzzle::Model): only puzzle cells are selected and written, a substitution group is every
// cell of the same cipher letter, and answers come from the model. Every change of the board is one step of the
// kind's history (Undo, Redo) and sets GameChanged. Each function stays inside BoardText, whatever lengths a file
// gave its values.

/// One step: the board becomes board (of the same length); the board before it goes onto the kind's history, what
/// was undone is dropped and GameChanged is set. Returns false, and changes nothing, when board is the board already.
bool ApplyStep(GamePuzzle& puzzle, std::string board);

/// A board click on position p (nothing: a click beside the text). The cell becomes the selection when it is a
/// puzzle cell; otherwise the selection is cleared. The picked letter is cleared; GameChanged is set when a cell
/// is now selected. Returns false when there is no kind on the board.
bool ClickCell(GamePuzzle& puzzle, std::optional<std::size_t> p);

/// The cells a pick on position p writes: for the substitution kind every puzzle cell showing p's cipher letter
/// (whatever the case of the plaintext letter), for the other kinds p alone; empty when p is no puzzle cell.
std::vector<std::size_t> CipherGroup(const GamePuzzle& puzzle, std::size_t p);

/// Picking strip slot 1..26 while a cell is selected: writes the letter into the selection's group. Returns false
/// (no repaint) when no cell is selected or the slot is outside 1..26.
bool PickLetter(GamePuzzle& puzzle, int slot);

/// Typing a letter: as a pick; on the kinds solved cell by cell the selection then moves to the next puzzle cell.
bool TypeLetter(GamePuzzle& puzzle, int slot);

/// Backspace or Delete: the selection's group shows its cipher letter again.
bool EraseSelection(GamePuzzle& puzzle);

/// Reveal letter: the answer goes into the selection's group (only cells of the selected cell's cipher letter).
/// Returns false when nothing was looked at (no puzzle or no selection).
bool RevealLetter(GamePuzzle& puzzle);

/// Restart: the board goes back to the checkpoint of its kind (one step, which Undo takes back); the selection and
/// the picked letter are cleared.
void RestartBoard(GamePuzzle& puzzle);

/// Undo and Redo of the kind's steps, any number back to the board as opened. The selection stays; the picked
/// letter is cleared. Return false when there is no step to take back or to do again.
bool UndoStep(GamePuzzle& puzzle);
bool RedoStep(GamePuzzle& puzzle);
bool CanUndo(const GamePuzzle& puzzle);
bool CanRedo(const GamePuzzle& puzzle);

/// The positions (from 1) of scored cells that differ from their answer; givens and fillers are never wrong.
std::vector<std::size_t> WrongCells(const GamePuzzle& puzzle);

/// The keyboard's moves of the selection over the puzzle cells.
enum class SelectionMove
{
    Next,
    Previous,
    RowDown,
    RowUp,
    First,
    Last
};

/// Moves the selection to the next or previous puzzle cell (RowDown/RowUp: the puzzle cell nearest in column in
/// the next row below or above that has one). Without a selection Next and RowDown go to the first puzzle cell,
/// Previous and RowUp to the last. Selecting a cell acts as a click on it. Returns false when nothing changed.
bool MoveSelection(GamePuzzle& puzzle, SelectionMove move);

/// What the display marks, per letter A to Z (index 0 = A).
struct LetterMarks
{
    std::array<bool, 26> used{};     ///< the solver's letter in at least one filled cell
    std::array<bool, 26> conflict{}; ///< substitution: a plaintext letter given to two different cipher letters
    std::array<int, 26> counts{};    ///< how often each cipher letter occurs in the puzzle cells
    std::array<char, 26> given{};    ///< substitution: the letter the solver gave each cipher letter, or 0
};
LetterMarks MarkLetters(const GamePuzzle& puzzle);

/// True when the filled cell p shows a letter in conflict (substitution only).
bool InConflict(const GamePuzzle& puzzle, const LetterMarks& marks, std::size_t p);

/// The rail fence worked on rails: the letters of the ciphertext laid out in zigzag over rails rails, one text line
/// per rail (a letter in column i of the answer, blanks elsewhere), and the answer read along the zigzag.
struct RailLayout
{
    std::vector<std::string> lines;
    std::string reading;
};
RailLayout LayOutRails(const GamePuzzle& puzzle, int rails);

/// Writes the reading of LayOutRails into the rail fence board's puzzle cells, in order (one step).
bool ReadRailsIntoBoard(GamePuzzle& puzzle, int rails);
