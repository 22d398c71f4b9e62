#pragma once

#include <optional>
#include <vector>

#include "GamePuzzle.h"

// What the board, the alphabet strip, the tool bar buttons and the keyboard do to the puzzle state. Each function
// stays inside BoardText, PLAIN and the stored solution values, whatever lengths a file gave them.

/// A board click on a cell (row from 0, column from 1; the caller computes them from the pixel position). On a
/// rail fence board nothing happens and false is returned. Otherwise the cell becomes the selection when it holds
/// a letter (A-Z or a-z) inside the text and the selection is cleared when not; the picked letter is cleared and
/// GameChanged is set when a cell is now selected. Returns true when the state was looked at (repaint both areas).
bool ClickCell(GamePuzzle& puzzle, int row, int column);

/// Picking strip slot 1..26 while a cell is selected: writes the letter into the cell, or for the substitution kind
/// into every cell of the same plaintext character. Returns false (no repaint) when no cell is selected or the
/// slot is outside 1..26.
bool PickLetter(GamePuzzle& puzzle, int slot);

/// The positions (from 1) of PLAIN whose character equals the one at p, byte for byte; empty when p lies outside.
std::vector<std::size_t> LetterGroup(std::string_view plain, std::size_t p);

/// Undo: the selected cell (substitution: its letter group) goes back to the checkpoint's character; the picked
/// letter is cleared. Returns false when nothing was looked at (no puzzle or no selection).
bool UndoCell(GamePuzzle& puzzle);

/// Reveal letter: the plaintext letter goes into the selected cell (substitution: into every cell that showed the
/// same character at the checkpoint). Returns false when nothing was looked at.
bool RevealLetter(GamePuzzle& puzzle);

/// Restart: the board goes back to the checkpoint of its kind; selection and picked letter are cleared.
void RestartBoard(GamePuzzle& puzzle);

/// The keyboard's moves of the selection over the letter cells.
enum class SelectionMove
{
    Next,
    Previous,
    RowDown,
    RowUp,
    First,
    Last
};

/// Moves the selection to the next or previous letter cell (RowDown/RowUp: the first letter cell at or after the
/// cell below, at or before the cell above). Without a selection Next and RowDown go to the first letter cell,
/// Previous and RowUp to the last. Selecting a cell acts as a click on it. Returns false when nothing changed
/// (rail fence, no letter cell in that direction).
bool MoveSelection(GamePuzzle& puzzle, SelectionMove move);
