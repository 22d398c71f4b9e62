#pragma once
#include <string_view>

#include "Solver.h"

/// True when a substitution ciphertext is in the Patristocrat form: letters only, in groups of five.
bool IsPatristocrat(std::string_view ciphertext);

/// Breaks a simple substitution: an Aristocrat (word divisions kept) or a Patristocrat (letters in fives).
SolveResult SolveSubstitution(std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options);
