#pragma once
#include <string_view>

#include "Solver.h"

/// Breaks a Quagmire I to IV ciphertext of this suite's table, type, keywords and period unknown: the period
/// from the columns' coincidence, cipher alphabets from keywords ranked by how well they align the columns and
/// climbed from keyword edits for keywords outside the word list, the aligned text broken as one simple
/// substitution, and the best cipher alphabet polished by keyword edits scored by quadgrams. The key comes in the
/// maker's terms: key row, cipher table, indicator and column (an indicator that is a word where a column gives one),
/// and the keywords when found. Throws SolveRefused for a text of fewer than 20 letters.
SolveResult SolveQuagmire(std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options);
