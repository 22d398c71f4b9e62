#pragma once
#include <string_view>

#include "Solver.h"

/// Breaks a Vigenere ciphertext with a key of 1 to 20 letters, its length unknown.
SolveResult SolveVigenere(std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options);
