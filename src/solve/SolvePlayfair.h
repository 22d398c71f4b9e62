#pragma once
#include <string_view>

#include "Solver.h"

/// Breaks a Playfair ciphertext as the maker stores it (called by Solve() after the common checks).
SolveResult SolvePlayfair(std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options);
