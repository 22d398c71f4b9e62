#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "Alphabet.h"
#include "CryptogramMeasures.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "PuzzleRating.h"
#include "Random.h"
#include "SolveText.h"

namespace {

const std::string Quote =
    "WHEN I WAS A BOY OF FOURTEEN, MY FATHER WAS SO IGNORANT I COULD HARDLY STAND TO HAVE THE OLD "
    "MAN AROUND. IT'S ASTONISHING HOW MUCH HE HAD LEARNED IN SEVEN YEARS.";
const std::string UniqueAlphabet = "QWERTYUIOPASDFGHJKLZXCVBNM";

// A solver that answers what the test says, and a score table for the readings the test compares.
struct FakeSolver
{
    std::optional<SolveResult> answer;
    std::map<std::string, double> scores;
    int calls = 0;

    RatingEngine Engine()
    {
        return {[this](SolveKind, std::string_view, const SolveOptions&) {
                    ++calls;
                    if (!answer) {
                        throw SolveRefused("There is nothing to solve.");
                    }
                    return *answer;
                },
                [this](std::string_view letters) {
                    const auto found = scores.find(std::string(letters));
                    return found == scores.end() ? -1000.0 : found->second;
                }};
    }
    void Finds(const std::string& plaintext, double confidence, std::optional<std::string> alternative = {})
    {
        answer = SolveResult{};
        answer->best.plaintext = plaintext;
        answer->confidence = confidence;
        answer->seconds = 0.4;
        answer->processorSeconds = 0.7;
        if (alternative) {
            answer->alternative = SolveCandidate{*alternative, {}, 0};
        }
    }
};

RatedCryptogram substitution(const std::string& plain, const std::string& alphabet)
{
    return {SolveKind::Cipher, SubstituteLetters(plain, alphabet), plain, alphabet, {}, {}, {}, {}, {}};
}

RatedCryptogram withoutKeys(SolveKind kind, const std::string& ciphertext)
{
    return {kind, ciphertext, {}, {}, {}, {}, {}, {}, {}};
}

std::vector<std::string> codes(const PuzzleRating& rating)
{
    std::vector<std::string> out;
    for (const RatingWarning& warning : rating.warnings) {
        out.push_back(warning.code);
    }
    return out;
}

TEST(RateCryptogram, aCleanPuzzleTheSolverBreaksHasNoWarningAndListsItsReasons)
{
    FakeSolver solver;
    solver.Finds(Quote, 0.95, "WHEN I WAS A BOY OF FOURTEEN, MY FATHER WAS SO IGNORANT I COULD HARDLY STAND");
    solver.scores[CapitalsOf(Quote)] = -400;
    const PuzzleRating rating = RateCryptogram(substitution(Quote, UniqueAlphabet), solver.Engine(), {});
    EXPECT_TRUE(rating.warnings.empty()) << rating.warnings.front().text;
    EXPECT_TRUE(rating.solved);
    EXPECT_EQ(rating.letters, static_cast<int>(CapitalsOf(Quote).size()));
    EXPECT_EQ(rating.step, DifficultyStepOf(rating.number));
    int sum = 0;
    bool oneLetterWords = false;
    for (const RatingReason& reason : rating.reasons) {
        sum += reason.points;
        oneLetterWords = oneLetterWords || reason.text == "3 one-letter words";
    }
    EXPECT_TRUE(oneLetterWords);
    EXPECT_EQ(std::clamp(sum, 0, 100), rating.number);
}

TEST(RateCryptogram, aRepeatingKeyCountsTheShortestPeriodItMakes)
{
    // The maker's indicator without letters is AAAAAAA: one alphabet, not seven; ABAB makes two.
    FakeSolver solver;
    solver.Finds(AsciiLettersUpper(Quote), 0.9);
    const auto periodReason = [&](const RatedCryptogram& c) {
        for (const RatingReason& reason : RateCryptogram(c, solver.Engine(), {}).reasons) {
            if (reason.text.starts_with("period of ")) {
                return reason.text;
            }
        }
        return std::string();
    };
    const RatedCryptogram quagmire{
        SolveKind::Quagmire, EncryptQuagmire(Quote, "SPRING", "", "@1"), Quote, {}, {}, "SPRING", {}, "@1", {}};
    EXPECT_EQ(periodReason(quagmire), "period of 1 letter");
    const RatedCryptogram vigenere{
        SolveKind::Vigenere, EncryptVigenere(Quote, "ABAB"), Quote, {}, {}, {}, {}, {}, "ABAB"};
    EXPECT_EQ(periodReason(vigenere), "period of 2 letters");
    // A rail fence out of its groups shows no rail count, and counts no easier than two rails.
    const PuzzleRating rails = RateCryptogram(withoutKeys(SolveKind::Railfence, "ABCDE FGHIJ"), solver.Engine(), {});
    EXPECT_EQ(rails.reasons.front().text, "rail fence not written in groups of 2, 3 or 4 letters");
    EXPECT_EQ(rails.reasons.front().points, 0);
}

TEST(RateCryptogram, eachWarningIsRaisedByTheTextMadeToProvokeIt)
{
    FakeSolver solver;
    // E and T stand for themselves; Z does too but the text has no Z.
    std::string similar = UniqueAlphabet;
    std::swap(similar[similar.find('E')], similar[4]);
    std::swap(similar[similar.find('T')], similar[19]);
    std::swap(similar[similar.find('Z')], similar[25]);
    solver.Finds(Quote, 0.95);
    PuzzleRating rating = RateCryptogram(substitution(Quote, similar), solver.Engine(), {});
    EXPECT_EQ(codes(rating), std::vector<std::string>{"self-letters"});
    EXPECT_EQ(rating.warnings[0].text, "The letters E, T stand for themselves.");

    // The identity alphabet leaves the text readable; that says more than listing 26 letters in place.
    rating = RateCryptogram(substitution(Quote, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"), solver.Engine(), {});
    EXPECT_EQ(codes(rating), std::vector<std::string>{"readable"});
    RatedCryptogram vigenere{SolveKind::Vigenere, EncryptVigenere(Quote, "AAAB"), Quote, {}, {}, {}, {}, {}, "AAAB"};
    solver.Finds(AsciiLettersUpper(Quote), 0.9);
    EXPECT_EQ(codes(RateCryptogram(vigenere, solver.Engine(), {})), std::vector<std::string>{"readable"});

    const std::string shortQuote = "TO BE OR NOT TO BE.";
    solver.Finds(shortQuote, 0.3);
    rating = RateCryptogram(substitution(shortQuote, UniqueAlphabet), solver.Engine(), {});
    EXPECT_EQ(codes(rating), std::vector<std::string>{"too-short"});
    EXPECT_EQ(rating.warnings[0].advice, "Use a longer quotation.");

    // The solver's different reading scores as well as the author's: ambiguous, and the reading is shown.
    const std::string rival = "TO BE OR NOT TO BO.";
    solver.Finds(rival, 0.5);
    solver.scores = {{CapitalsOf(shortQuote), -50}, {CapitalsOf(rival), -50.5}};
    rating = RateCryptogram(substitution(shortQuote, UniqueAlphabet), solver.Engine(), {});
    EXPECT_EQ(codes(rating), (std::vector<std::string>{"too-short", "ambiguous"}));
    EXPECT_NE(rating.warnings[1].text.find(rival), std::string::npos);
    EXPECT_FALSE(rating.solved);

    // A worse reading than the author's is the solver's failure, not a second solution.
    solver.scores[CapitalsOf(rival)] = -70;
    rating = RateCryptogram(substitution(shortQuote, UniqueAlphabet), solver.Engine(), {});
    EXPECT_EQ(codes(rating), (std::vector<std::string>{"too-short", "unsolved"}));
    // Nothing found in the time given: no rival to show, though an empty text scores above any English.
    solver.Finds("", 0);
    solver.scores[""] = 0;
    EXPECT_EQ(codes(RateCryptogram(substitution(shortQuote, UniqueAlphabet), solver.Engine(), {})),
              (std::vector<std::string>{"too-short", "unsolved"}));

    solver.answer.reset();
    rating = RateCryptogram(substitution(Quote, UniqueAlphabet), solver.Engine(), {});
    EXPECT_EQ(codes(rating), std::vector<std::string>{"refused"});
    EXPECT_EQ(rating.warnings[0].text, "The solver did not try it. There is nothing to solve.");
    EXPECT_FALSE(rating.reasons.empty());
}

TEST(RateCryptogram, oneLetterIsCountedInTheSingular)
{
    FakeSolver solver;
    const PuzzleRating rating = RateCryptogram(withoutKeys(SolveKind::Vigenere, "K"), solver.Engine(), {});
    ASSERT_TRUE(rating.HasWarning("too-short"));
    EXPECT_TRUE(rating.warnings[0].text.starts_with("Only 1 letter: too short")) << rating.warnings[0].text;
    EXPECT_TRUE(std::any_of(rating.reasons.begin(), rating.reasons.end(),
                            [](const RatingReason& reason) { return reason.text == "1 letter for each alphabet"; }));
}

TEST(RateCryptogram, withoutTheAuthorsSideTheSolversConfidenceDecides)
{
    FakeSolver solver;
    const RatedCryptogram bare = withoutKeys(SolveKind::Cipher, SubstituteLetters(Quote, UniqueAlphabet));
    solver.Finds(Quote, 0.9);
    EXPECT_TRUE(RateCryptogram(bare, solver.Engine(), {}).solved);
    solver.Finds(Quote, 0.2);
    const PuzzleRating rating = RateCryptogram(bare, solver.Engine(), {});
    EXPECT_FALSE(rating.solved);
    EXPECT_EQ(codes(rating), std::vector<std::string>{"unsolved"});
}

TEST(RateCryptogram, aSetCancelFlagStopsBeforeTheSolver)
{
    FakeSolver solver;
    solver.Finds(Quote, 0.9);
    std::atomic<bool> cancel = true;
    RatingOptions options;
    options.cancel = &cancel;
    const PuzzleRating rating = RateCryptogram(substitution(Quote, UniqueAlphabet), solver.Engine(), options);
    EXPECT_TRUE(rating.cancelled);
    EXPECT_EQ(solver.calls, 0);
    EXPECT_TRUE(rating.warnings.empty());
}

TEST(RateCryptogram, aSolverThatFailsIsReportedNotThrown)
{
    const RatingEngine failing{[](SolveKind, std::string_view, const SolveOptions&) -> SolveResult {
                                   throw std::length_error("no memory left for the search");
                               },
                               [](std::string_view) { return 0.0; }};
    const PuzzleRating rating = RateCryptogram(substitution(Quote, UniqueAlphabet), failing, RatingOptions{});
    ASSERT_TRUE(rating.HasWarning("refused"));
    EXPECT_NE(rating.warnings.back().text.find("no memory left for the search"), std::string::npos);
    EXPECT_FALSE(rating.solved);
}

// A substitution may hold no letter at all ("1969, 2001."): there is nothing to solve, so it is the easiest, not
// the hardest that the measurements of a short text would make it.
TEST(RateCryptogram, aCryptogramWithoutLettersIsTheEasiest)
{
    FakeSolver solver;
    const PuzzleRating rating = RateCryptogram(substitution("1969, 2001.", UniqueAlphabet), solver.Engine(), {});
    EXPECT_EQ(rating.number, 0);
    EXPECT_EQ(rating.step, DifficultyStep::Easy);
    EXPECT_TRUE(rating.HasWarning("refused"));
}

// A text too short for the solver to try is no easier than one it did not break: on the measurements alone a
// 58-letter Quagmire was Easy.
TEST(RateCryptogram, aTextTooShortForTheSolverToTryIsNoEasierThanOneNotBroken)
{
    FakeSolver solver;
    const std::string text = "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG AND THEN RUNS INTO THE WOODS.";
    const RatedCryptogram quagmire = withoutKeys(SolveKind::Quagmire, EncryptQuagmire(text, "SPRING", "", "CAT@4"));
    const PuzzleRating refused = RateCryptogram(quagmire, solver.Engine(), {});
    EXPECT_TRUE(refused.HasWarning("refused"));
    solver.Finds(text, 0.2);
    EXPECT_GE(refused.number, std::max(UnbrokenLeastNumber, RateCryptogram(quagmire, solver.Engine(), {}).number));
}

TEST(RatingCalibration, eachFormsNumberRisesWithThePointsAndItsStepsBeginAtTheBreakpoints)
{
    for (std::size_t f = 0; f < RatingFormCount; ++f) {
        SCOPED_TRACE(RatingFormName(static_cast<RatingForm>(f)));
        const RatingCalibration& calibration = CalibrationOf(static_cast<RatingForm>(f));
        int previous = CalibratedNumber(calibration, -100);
        EXPECT_EQ(previous, 0);
        for (int points = -99; points <= 200; ++points) {
            const int number = CalibratedNumber(calibration, points);
            EXPECT_GE(number, previous) << points;
            previous = number;
        }
        EXPECT_EQ(previous, 100);
        for (std::size_t k = 1; k < 5; ++k) {
            const int first = static_cast<int>(std::ceil(calibration[k]));
            EXPECT_EQ(DifficultyStepOf(CalibratedNumber(calibration, first)), DifficultyStep(k));
            EXPECT_EQ(DifficultyStepOf(CalibratedNumber(calibration, first - 1)), DifficultyStep(k - 1));
        }
    }
}

// The steps' counts of samples under a calibration, the unbroken ones raised as a rating raises them.
std::array<int, 5> stepCounts(const std::vector<CalibrationSample>& samples, const RatingCalibration& calibration)
{
    std::array<int, 5> counts{};
    for (const CalibrationSample& sample : samples) {
        const int number = CalibratedNumber(calibration, sample.points);
        ++counts[static_cast<std::size_t>(
            DifficultyStepOf(sample.unbroken ? std::max(number, UnbrokenLeastNumber) : number))];
    }
    return counts;
}

TEST(RatingCalibration, aFitSpreadsTheSamplesEvenlyAndLeavesTheUnbrokenOnesTheHardSteps)
{
    std::vector<CalibrationSample> samples;
    for (int points = 0; points < 100; ++points) {
        samples.push_back({points, false});
    }
    EXPECT_EQ(FitCalibration(samples), (RatingCalibration{-0.5, 19.5, 39.5, 59.5, 79.5, 99.5}));
    // Three fifths unbroken: the broken fifths share the three easier steps.
    for (int points = 40; points < 100; ++points) {
        samples[static_cast<std::size_t>(points)].unbroken = true;
    }
    const std::array<int, 5> counts = stepCounts(samples, FitCalibration(samples));
    for (std::size_t step = 0; step < 3; ++step) {
        EXPECT_GE(counts[step], 13);
        EXPECT_LE(counts[step], 14);
    }
    EXPECT_EQ(counts[3], 30);
    EXPECT_EQ(counts[4], 30);
    EXPECT_THROW(FitCalibration({{1, false}, {2, false}, {2, true}}), std::invalid_argument);
}

// The help's table of where each step begins must be the built-in calibration's.
TEST(RatingCalibration, theHelpShowsWhereEachStepBegins)
{
    std::ifstream file(TESSARIN_TEST_DATA "/../../resources/maker/help/checking.html");
    const std::string help{std::istreambuf_iterator<char>(file), {}};
    std::size_t at = help.find("Medium from");
    ASSERT_NE(at, std::string::npos);
    for (std::size_t f = 0; f < RatingFormCount; ++f) {
        SCOPED_TRACE(RatingFormName(static_cast<RatingForm>(f)));
        at = help.find("<tr>", at + 1);
        const std::string row = help.substr(at, help.find("</tr>", at) - at);
        std::string expected;
        for (std::size_t k = 1; k < 5; ++k) {
            expected += "<td>" + std::to_string(static_cast<int>(std::ceil(CalibrationOf(RatingForm(f))[k]))) + "</td>";
        }
        EXPECT_TRUE(row.ends_with(expected)) << row;
    }
}

TEST(RateCryptogram, eachFormHasItsCalibrationAndTheSolversOutcomeBoundsTheStep)
{
    Random rng(7);
    bool edited = false;
    const std::string aristocrat = SubstituteLetters(Quote, UniqueAlphabet);
    const std::vector<std::pair<RatingForm, RatedCryptogram>> forms = {
        {RatingForm::Aristocrat, withoutKeys(SolveKind::Cipher, aristocrat)},
        {RatingForm::Patristocrat, withoutKeys(SolveKind::Cipher, GroupLetters(AsciiLettersUpper(aristocrat), 5))},
        {RatingForm::Railfence, withoutKeys(SolveKind::Railfence, EncryptRailfence(Quote, 3, rng))},
        {RatingForm::Playfair, withoutKeys(SolveKind::Playfair, EncryptPlayfair(Quote, "KEYWORD", edited))},
        {RatingForm::Quagmire, withoutKeys(SolveKind::Quagmire, EncryptQuagmire(Quote, "SPRING", "", "CAT@1"))},
        {RatingForm::Vigenere, withoutKeys(SolveKind::Vigenere, EncryptVigenere(Quote, "CAT"))}};
    FakeSolver solver;
    for (const auto& [form, cryptogram] : forms) {
        SCOPED_TRACE(RatingFormName(form));
        // Restarts that disagree: not broken, so at least Very hard whatever the measurements say.
        solver.Finds(Quote, 0.2);
        const PuzzleRating rating = RateCryptogram(cryptogram, solver.Engine(), {});
        EXPECT_EQ(rating.form, form);
        EXPECT_GE(rating.step, DifficultyStep::VeryHard);
        int sum = 0;
        for (const RatingReason& reason : rating.reasons) {
            sum += reason.points;
        }
        EXPECT_EQ(sum, rating.number);
    }
    // Broken at once, with many telling words: easy.
    solver.Finds(Quote, 0.95);
    EXPECT_EQ(RateCryptogram(forms[0].second, solver.Engine(), {}).step, DifficultyStep::Easy);
}

TEST(CryptogramMeasures, wordsPatternsRepeatsAndPeriods)
{
    const std::vector<CipherWord> words = CipherWords("IT'S A DOG.");
    ASSERT_EQ(words.size(), 4u);
    EXPECT_TRUE(words[0].beforeApostrophe);
    EXPECT_TRUE(words[1].afterApostrophe);
    EXPECT_EQ(words[3].start, 7u);
    EXPECT_EQ(WordPattern("THAT"), "ABCA");
    const auto repeats = RepeatedSequences("THEXTHEYTHEZHEX", 3);
    ASSERT_FALSE(repeats.empty());
    EXPECT_EQ(repeats[0].letters, "THE");
    EXPECT_EQ(repeats[0].positions, (std::vector<std::size_t>{0, 4, 8}));
    const std::string letters = AsciiLettersUpper(
        Quote + "A LANGUAGE IS A DIALECT WITH AN ARMY AND A NAVY, AND A CRITIC IS A LEGLESS MAN WHO TEACHES RUNNING.");
    EXPECT_EQ(EstimatedPeriod(EncryptVigenere(letters, "LEMON"), 20), 5);
    EXPECT_EQ(EstimatedPeriod(EncryptVigenere(letters, "SECRETS"), 20), 7);
    // Without a keyword the maker's key is the whole alphabet.
    const std::string more =
        AsciiLettersUpper("ON A COLD WINTER MORNING THE BAKER ON THE CORNER GAVE WARM ROLLS TO THE "
                          "CHILDREN WHO WENT BY THE ORCHARD BEHIND THE MILL ON THEIR WAY TO SCHOOL.");
    EXPECT_EQ(EstimatedPeriod(EncryptVigenere(letters + more, ""), LongestVigenerePeriod), 26);
    EXPECT_EQ(EstimatedPeriod(EncryptVigenere(letters, "LEMON"), LongestVigenerePeriod), 5);
}

} // namespace
