#pragma once
#include <array>
#include <atomic>
#include <cstddef>
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

/// The forms whose difficulty is calibrated apart: the five kinds, with the substitution with word divisions
/// (Aristocrat) apart from the one without (Patristocrat).
enum class RatingForm
{
    Aristocrat,
    Patristocrat,
    Railfence,
    Playfair,
    Quagmire,
    Vigenere
};
constexpr std::size_t RatingFormCount = 6;

/// "Aristocrat", "Patristocrat", "rail fence", "Playfair", "Quagmire", "Vigenere".
std::string_view RatingFormName(RatingForm form);

/// A form's calibration: the sums of points at which its difficulty number reaches 0, 20, 40, 60, 80 and 100,
/// rising; between them the number rises in a straight line.
using RatingCalibration = std::array<double, 6>;

/// The calibration built into the program for a form.
const RatingCalibration& CalibrationOf(RatingForm form);

/// The difficulty number (0 to 100) of a sum of points under a calibration: never falls as the points rise, 0 at or
/// below the first breakpoint, 100 at or above the last, and a step boundary (20, 40, 60, 80) exactly at each
/// breakpoint in between.
int CalibratedNumber(const RatingCalibration& calibration, int points);

/// The least difficulty number of a cryptogram the solver tried and did not break: the start of "Very hard".
constexpr int UnbrokenLeastNumber = 60;

/// One rated cryptogram as a calibration is fitted on: its sum of points, and whether the solver tried it and did
/// not break it (its number is then raised to UnbrokenLeastNumber whatever the calibration says).
struct CalibrationSample
{
    int points = 0;
    bool unbroken = false;
};

/// The calibration under which these cryptograms spread most evenly over the five steps, the raise of the unbroken
/// ones included: the inner breakpoints are chosen among the places between neighbouring sums so that the squared
/// differences of the steps' counts from a fifth of the samples add up to the least. When the unbroken ones are no
/// more than two fifths and have the highest sums, these are the sums' quintiles; when they are more, the broken
/// ones share the three easier steps. The outer breakpoints lie just outside the least and the greatest sum.
/// Throws std::invalid_argument when the samples hold fewer than three different sums.
RatingCalibration FitCalibration(const std::vector<CalibrationSample>& samples);

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
    int number = 0; ///< 0 (easiest) to 100: the points calibrated for the form, bounded by the solver's outcome
    DifficultyStep step = DifficultyStep::Easy;
    RatingForm form = RatingForm::Aristocrat;
    int points = 0; ///< the sum of the measurements' points, before the calibration
    std::vector<RatingReason> reasons;
    std::vector<RatingWarning> warnings;
    int letters = 0; ///< working letters (fillers included)
    bool solved = false;
    double seconds = 0;          ///< the solver's time
    double processorSeconds = 0; ///< the solver's processor time, all threads together
    double confidence = 0;       ///< the solver's
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
    double seconds = 0;                            ///< bound on the solver's search; 0 takes the kind's default
    std::uint64_t seed = 1;                        ///< the solver's seed
    unsigned threads = 0;                          ///< 0 uses every core
    const std::atomic<bool>* cancel = nullptr;     ///< stops the rating; the result is then marked cancelled
    std::function<void(double fraction)> progress; ///< the solver's share of its time bound; from any thread
};

/// Rates one cryptogram: runs the solver within the options' bound, measures the text, and lists the warnings and
/// the reasons of the difficulty. Safe to run on any thread; returns early, marked cancelled, once cancel is set.
PuzzleRating RateCryptogram(const RatedCryptogram& cryptogram, const RatingEngine& engine,
                            const RatingOptions& options);

/// The form a cryptogram is calibrated as.
RatingForm RatingFormOf(const RatedCryptogram& cryptogram);

/// The working letters the author's keys give for the cryptogram (substitution: the ciphertext's layout with the
/// letters taken back), or nothing when the keys are missing or do not fit.
std::optional<std::string> AuthorsWorkingText(const RatedCryptogram& cryptogram);
