#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Solver.h"

/// One cryptogram of a puzzle as the maker stores it. The plaintext and key fields are the author's side; they are
/// empty when unknown, and the rating then rests on the ciphertext and the solver alone.
struct RatedCryptogram
{
    SolveKind kind = SolveKind::Cipher;
    std::string ciphertext; ///< the kind's ciphertext field as stored
    std::string PLAIN;
    std::string CIPHKEY;
    std::string PLAYKEY;
    std::string QUAGKEY;
    std::string QUAGCKEY;
    std::string QUAGINDI;
    std::string VIGENKEY;

    bool operator==(const RatedCryptogram&) const = default;
};

/// The five steps of difficulty, easiest first.
enum class DifficultyStep
{
    Easy,
    Medium,
    Hard,
    VeryHard,
    Extreme
};

/// "Easy", "Medium", "Hard", "Very hard", "Extreme".
std::string_view DifficultyStepName(DifficultyStep step);

/// The step of a difficulty number from 0 to 100: a step for every 20 points.
DifficultyStep DifficultyStepOf(int number);

/// A warning for the author: a short code, what is wrong, and what to do about it.
struct RatingWarning
{
    std::string code; ///< "self-letters", "too-short", "ambiguous", "unsolved", "readable", "refused"
    std::string text;
    std::string advice;
};

/// One measurement the difficulty rests on and the points it added (or took away).
struct RatingReason
{
    std::string text; ///< as a report shows it, e.g. "3 one-letter words"
    int points = 0;
};

struct PuzzleRating
{
    int number = 0; ///< 0 (easiest) to 100
    DifficultyStep step = DifficultyStep::Easy;
    std::vector<RatingReason> reasons;
    std::vector<RatingWarning> warnings;
    int letters = 0; ///< working letters (fillers included)
    bool solved = false;
    double seconds = 0;    ///< the solver's time
    double confidence = 0; ///< the solver's
    bool cancelled = false;
    std::string solverPlaintext; ///< the solver's best reading (empty when it refused)

    bool HasWarning(std::string_view code) const;
};

/// What the rating needs of the solver and the language model, so that tests can hand in their own.
struct RatingEngine
{
    /// Breaks a ciphertext; may throw SolveRefused.
    std::function<SolveResult(SolveKind, std::string_view, const SolveOptions&)> solve;
    /// The language model's score of a text's letters (log10, summed over the text): higher fits English better.
    std::function<double(std::string_view letters)> score;
};

/// The engine of the real solver and language model (model must outlive it).
RatingEngine SolverEngine(const LanguageModel& model);

struct RatingOptions
{
    double seconds = 0;                        ///< bound on the solver's search; 0 takes the kind's default
    std::uint64_t seed = 1;                    ///< the solver's seed
    unsigned threads = 0;                      ///< 0 uses every core
    const std::atomic<bool>* cancel = nullptr; ///< stops the rating; the result is then marked cancelled
};

/// Rates one cryptogram: runs the solver within the options' bound, measures the text, and lists the warnings and
/// the reasons of the difficulty. Safe to run on any thread; returns early, marked cancelled, once cancel is set.
PuzzleRating RateCryptogram(const RatedCryptogram& cryptogram, const RatingEngine& engine,
                            const RatingOptions& options);

/// The working letters the author's keys give for the cryptogram (substitution: the ciphertext's layout with the
/// letters taken back), or nothing when the keys are missing or do not fit.
std::optional<std::string> AuthorsWorkingText(const RatedCryptogram& cryptogram);
