#pragma once
#include <string_view>

#include "Solver.h"

/// Breaks a Playfair ciphertext of this suite's square (25 letters without Q): a dictionary attack on keyword
/// squares, then simulated annealing over squares with quadgram scores, restarts on every core. The key is a
/// square that encrypts the plaintext back to the ciphertext, in the arrangement built by a keyword when one
/// does (with that keyword). Throws SolveRefused for a text of fewer than eight letters.
SolveResult SolvePlayfair(std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options);
