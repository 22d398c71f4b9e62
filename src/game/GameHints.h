#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "GamePuzzle.h"
#include "PuzzleRating.h"
#include "SolveHints.h"

// Hints on the game's board: the next step a skilled solver would take, in words, with the cells it is about; asked
// for again on the same board, the hint fills those cells in. The hint on show and the count of hints live in the
// GamePuzzle (GamePuzzle::Hint, GamePuzzle::HintsUsed), so opening a puzzle starts them afresh.

/// The board on the screen as the hints read it: the cells' cipher letters (upper case), the solver's letters from
/// BoardText and the answers of the board model. Empty without a kind.
std::vector<HintCell> GameHintBoard(const GamePuzzle& puzzle);

/// What a press of Hint did.
enum class HintPress
{
    Nothing, ///< no puzzle or no cryptogram on the board
    Shown,   ///< a hint is on show
    Filled   ///< the hint on show was filled in as one step of the kind's history
};

/// Hint pressed. While the hint on show still stands (same kind, board unchanged) and has cells to fill, it fills
/// them with their answers as one undoable step and the hint is gone; a correct cell is never changed. Otherwise the
/// next hint for the board is shown; it counts as used unless the board is solved already.
HintPress PressHint(GamePuzzle& puzzle);

/// The hint on show for the board as it is now, or nullptr: none was asked for, or the kind or board changed since.
const SolveHint* ShownHint(const GamePuzzle& puzzle);

/// The positions (from 1) of the cells the hint on show is about; empty without one.
std::vector<std::size_t> HintPositions(const GamePuzzle& puzzle);

/// The line under the board for a hint: its words, and what pressing Hint again does.
std::string HintLineText(const SolveHint& hint);

/// The hints used on the kind on the board, for the status bar ("Hints used: 2"); empty without a cryptogram.
std::string HintCountText(const GamePuzzle& puzzle);

/// The congratulation on a solved cryptogram, naming the hints used on it when there were any.
std::string CongratulationText(int hintsUsed);

/// The kind's cryptogram as the rating reads it (ciphertext, plaintext and keys of the file), or nothing when the
/// puzzle holds no cryptogram of that kind.
std::optional<RatedCryptogram> RatedKind(const GamePuzzle& puzzle, CipherKind kind);
