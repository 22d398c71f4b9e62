#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "Solver.h"

/// One cell of the solver's board.
struct HintCell
{
    char cipher = ' ';   ///< the ciphertext character the cell shows
    char letter = 0;     ///< the solver's letter, 0 when the cell is empty
    char answer = 0;     ///< the right letter of a puzzle cell
    bool puzzle = false; ///< a cell that takes a letter (blanks and punctuation do not)
};

/// A letter the hint fills in when it is asked for again.
struct HintFill
{
    std::size_t cell = 0;
    char letter = 0;
};

/// The next step a skilled solver would take, in words, with the cells it is about.
struct SolveHint
{
    std::string code; ///< "wrong-letter", "one-letter-word", "repeated-word", ... "reveal", "solved"
    std::string text;
    std::vector<std::size_t> cells;
    std::vector<HintFill> fill; ///< only empty or wrong cells; a correct cell is never changed
};

/// The board of a cryptogram: for each character of the ciphertext a cell, whose answer is answerText's character
/// at the same place (the game's answer, or for a rail fence its reveal text) and whose letter is the board's
/// character where it differs from the ciphertext's or equals the answer (as the game scores it).
std::vector<HintCell> HintBoard(std::string_view ciphertext, std::string_view boardText, std::string_view answerText);

/// The next step on the board: a wrong letter first, then the kind's telling words, patterns and repeats in the
/// order a person takes them, and at last one letter revealed. "solved" when every puzzle cell is right.
SolveHint NextHint(SolveKind kind, const std::vector<HintCell>& board);
