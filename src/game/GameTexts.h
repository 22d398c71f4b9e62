#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "GamePuzzle.h"

// The texts the solving commands compare with, draw or show: the answer for scoring, the text that Reveal puzzle
// shows, the keys for the status bar.

/// The text a solved board of kind equals; nothing for rail fence (not scored) and for no kind.
/// Substitution: PLAIN with a-z upper-cased, everything else in place. Playfair: the letters of PLAIN. Quagmire and
/// Vigenere: the letters of PLAIN with a blank after every fifth letter.
std::optional<std::string> AnswerText(const GamePuzzle& puzzle, CipherKind kind);

/// The rail fence's group size: the position of the first blank in text minus 1, or 0 when text starts with a
/// blank or holds none.
std::size_t RailGroupSize(std::string_view text);

/// What Reveal puzzle draws for kind: the answer, and for rail fence the letters of PLAIN grouped by the number of
/// rails found in RAILSOL (without blanks when RAILSOL gives no group size). Nothing for no kind.
std::optional<std::string> RevealText(const GamePuzzle& puzzle, CipherKind kind);

/// The positions (from 1) of the board cells that differ from the answer, blanks and punctuation included; every
/// cell past the end of the answer is wrong.
std::vector<std::size_t> WrongCells(std::string_view board, std::string_view answer);

/// The key text of the kind on the board that Show Keys puts into the status bar (Windows-1252 bytes).
std::string KeyText(const GamePuzzle& puzzle);
