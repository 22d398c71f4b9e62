#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "TessarinError.h"

class LanguageModel;

/// The five kinds of cryptogram, in the maker's order.
enum class SolveKind
{
    Cipher,
    Railfence,
    Playfair,
    Quagmire,
    Vigenere
};

/// A ciphertext the solver will not try: no letters, rail fence groups not of 2 to 4 letters, too short.
class SolveRefused : public TessarinError
{
public:
    using TessarinError::TessarinError;
};

struct SolveOptions
{
    double seconds = 0;                            ///< bound on the search; 0 takes the kind's default
    std::uint64_t seed = 1;                        ///< the same seed gives the same result
    unsigned threads = 0;                          ///< 0 uses every core
    const std::atomic<bool>* cancel = nullptr;     ///< when it becomes true the search stops with the best so far
    std::function<void(double fraction)> progress; ///< share of the time bound used; may be called from any thread
};

/// A key in the maker's own terms. Only the fields of the solved kind are filled.
struct SolveKey
{
    /// "aristocrat", "patristocrat", "railfence", "playfair", "quagmire1" .. "quagmire4", "vigenere"
    std::string form;
    std::string alphabet;      ///< substitution: CIPHKEY, the cipher letter of A..Z ('?' for a letter not in the text)
    int rails = 0;             ///< rail fence
    std::string square;        ///< Playfair: the 25 letters row by row
    std::string keyword;       ///< Playfair keyword, Quagmire plaintext keyword, Vigenere keyword, when one is found
    std::string cipherKeyword; ///< Quagmire cipher table keyword, when one is found
    std::string keyRow;        ///< Quagmire key row (row 0 of the table)
    std::string cipherTable;   ///< Quagmire keyed cipher alphabet
    std::string indicator;     ///< Quagmire indicator letters
    int column = 0;            ///< Quagmire column (1..26)
};

struct SolveCandidate
{
    std::string plaintext; ///< substitution: in the ciphertext's layout; other kinds: the working letters
    SolveKey key;
    double score = 0; ///< language-model score per letter (higher is better)
};

struct SolveResult
{
    SolveCandidate best;
    std::optional<SolveCandidate> alternative; ///< a different plaintext that scores close to the best
    double confidence = 0;                     ///< 0..1
    double seconds = 0;
    /// Processor time of the search, all its threads together. Unlike seconds it hardly grows when other programs
    /// share the cores, so it measures how much search the text needed.
    double processorSeconds = 0;
    bool cancelled = false;
};

/// The fewest letters a ciphertext of kind needs before Solve() tries it: a substitution 20 letters (40 in the
/// Patristocrat form), a rail fence 8, Playfair and Vigenere 30, Quagmire 60. Below these a text has many
/// readings that fit English equally well.
std::size_t MinimumSolveLetters(SolveKind kind, std::string_view ciphertext);

/// Breaks a ciphertext of kind as the maker stores it. Throws SolveRefused for input it will not try.
SolveResult Solve(SolveKind kind, std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options);
