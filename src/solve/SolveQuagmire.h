#pragma once
#include <string_view>

#include "Solver.h"

/// Breaks a Quagmire ciphertext as the maker stores it (called by Solve() after the common checks).
SolveResult SolveQuagmire(std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options);
