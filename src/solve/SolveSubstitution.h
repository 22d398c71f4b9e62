#pragma once
#include <optional>
#include <string_view>

#include "Solver.h"

/// True when a substitution ciphertext is in the Patristocrat form: letters only, in groups of five.
bool IsPatristocrat(std::string_view ciphertext);

/// Breaks a simple substitution: an Aristocrat (word divisions kept) or a Patristocrat (letters in fives).
SolveResult SolveSubstitution(std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options);

/// The score the solver ranks an Aristocrat's readings by (higher is better), for a reading of ciphertext given as
/// its plaintext: the benchmark weighs the reading found against the right one, to tell a miss of the search from a
/// miss of the score. Nothing when plaintext is no reading of ciphertext under one key (another layout, or two
/// cipher letters read alike).
std::optional<double> ScoreAristocratReading(std::string_view ciphertext, std::string_view plaintext,
                                             const LanguageModel& model);
