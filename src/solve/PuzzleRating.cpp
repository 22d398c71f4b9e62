#include "PuzzleRating.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>

#include "Alphabet.h"
#include "CodePage.h"
#include "CryptogramMeasures.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "SolveSubstitution.h"
#include "SolveText.h"

namespace {

// A different reading fits "as well" when its score (log10, whole text) is at most this far below the author's:
// a factor of ten in likelihood is well inside what a single unusual word changes.
constexpr double AmbiguityMargin = 1.0;
// The points of a cryptogram the solver did not break, or could not try for its shortness.
constexpr double UnbrokenPoints = 35;
// Without the author's keys the solver's reading counts as the solution from this confidence on.
constexpr double TrustedConfidence = 0.6;

// Each form's calibration: the sums of points at which its difficulty number reaches 0, 20, 40, 60, 80 and 100.
// The four inner breakpoints spread cryptograms made from held-out quotations of the form's usual lengths as evenly
// as they can over the five steps, counting that one the solver does not break is raised to Very hard; the outer
// two lie just outside that draw's least and greatest sums. They come from the calibration tool (bench/rating): after a
// change to the points or to a solver, run `tessarin_rating_calibration --draw fit`, paste the breakpoints it prints
// here and where each step begins into the table of the maker's help (checking.html), rebuild, and check the
// spread with `--draw report`, which rates other quotations with other keys.
constexpr RatingCalibration AristocratCalibration = {-9.5, 12.5, 21.5, 31.5, 41.5, 79.5};
constexpr RatingCalibration PatristocratCalibration = {28.5, 40.5, 47.5, 53.5, 70.5, 88.5};
constexpr RatingCalibration RailfenceCalibration = {-12.5, 0.5, 10.5, 17.5, 25.5, 46.5};
constexpr RatingCalibration PlayfairCalibration = {31.5, 44.5, 53.5, 59.5, 64.5, 85.5};
constexpr RatingCalibration QuagmireCalibration = {46.5, 62.5, 70.5, 85.5, 98.5, 109.5};
constexpr RatingCalibration VigenereCalibration = {13.5, 30.5, 39.5, 46.5, 55.5, 95.5};

std::string format(const char* pattern, double value)
{
    char text[160];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string plural(int n, const std::string& one, const std::string& many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

bool isPatristocrat(const RatedCryptogram& c)
{
    return c.kind == SolveKind::Cipher && IsPatristocrat(c.ciphertext);
}

// Letters a kind's working text is compared on: a rail fence leaves out the fillers at its end.
std::size_t comparedLetters(const RatedCryptogram& c, std::size_t workingLetters)
{
    if (c.kind != SolveKind::Railfence) {
        return workingLetters;
    }
    if (!c.PLAIN.empty()) {
        return std::min(workingLetters, CapitalsOf(UpperCaseText(c.PLAIN)).size());
    }
    const int rails = RailCountOf(c.ciphertext);
    return workingLetters - std::min(workingLetters, static_cast<std::size_t>(std::max(rails - 1, 0)));
}

bool sameReading(const RatedCryptogram& c, std::string_view a, std::string_view b)
{
    const std::string x = CapitalsOf(a);
    const std::string y = CapitalsOf(b);
    if (x.size() != y.size()) {
        return false;
    }
    const std::size_t n = comparedLetters(c, x.size());
    return x.compare(0, n, y, 0, n) == 0;
}

// The period of a periodic kind: from the author's keys, else the solver's key, else the letters themselves.
int periodOf(const RatedCryptogram& c, const std::optional<SolveResult>& solved, const std::string& letters)
{
    if (c.kind == SolveKind::Vigenere) {
        if (!c.VIGENKEY.empty() || !c.PLAIN.empty()) {
            return static_cast<int>(RepeatLength(VigenereKeyLetters(c.VIGENKEY)));
        }
        if (solved && !solved->best.key.keyword.empty()) {
            return static_cast<int>(solved->best.key.keyword.size());
        }
    }
    if (c.kind == SolveKind::Quagmire) {
        if (!c.QUAGINDI.empty()) {
            try {
                return static_cast<int>(RepeatLength(BuildQuagmireTable(c.QUAGKEY, c.QUAGCKEY, c.QUAGINDI).indicator));
            } catch (const TessarinError&) {
            }
        }
        if (solved && !solved->best.key.indicator.empty()) {
            return static_cast<int>(solved->best.key.indicator.size());
        }
    }
    if (c.kind == SolveKind::Vigenere || c.kind == SolveKind::Quagmire) {
        const int longest = c.kind == SolveKind::Quagmire ? LongestQuagmirePeriod : LongestVigenerePeriod;
        return std::max(EstimatedPeriod(letters, longest), 1);
    }
    return 1;
}

// The fewest working letters that leave a single reading, with a margin over the theoretical least: a
// substitution key carries about 88 bits and English about 3.2 bits of redundancy a letter.
std::size_t shortestSingleSolution(const RatedCryptogram& c, int period)
{
    switch (c.kind) {
    case SolveKind::Cipher:
        return isPatristocrat(c) ? 60 : 40;
    case SolveKind::Railfence:
        return 12;
    case SolveKind::Playfair:
        return 50;
    case SolveKind::Quagmire:
        return static_cast<std::size_t>(40 + 6 * period);
    case SolveKind::Vigenere:
        return static_cast<std::size_t>(std::max(30, 6 * period));
    }
    return 0;
}

// The kind as the too-short warning names it.
std::string_view kindName(const RatedCryptogram& c)
{
    const RatingForm form = RatingFormOf(c);
    return form == RatingForm::Aristocrat ? "substitution" : RatingFormName(form);
}

// Collects the points of the difficulty with their reasons.
class Points
{
public:
    void Add(std::string text, double points)
    {
        const int rounded = static_cast<int>(std::lround(points));
        m_total += rounded;
        m_reasons.push_back({std::move(text), rounded});
    }
    int Sum() const { return m_total; }
    std::vector<RatingReason> Take() { return std::move(m_reasons); }

private:
    int m_total = 0;
    std::vector<RatingReason> m_reasons;
};

// Length against the length at which the kind is comfortable: each halving of the text adds perHalving points.
void addLength(Points& points, std::size_t letters, double comfortable, double perHalving)
{
    const double ratio = comfortable / std::max<double>(static_cast<double>(letters), 1);
    points.Add(plural(static_cast<int>(letters), "letter", "letters"),
               std::clamp(perHalving * std::log2(ratio), -perHalving, 2 * perHalving));
}

// What a person solving a substitution with word divisions leans on.
void addWordClues(Points& points, const std::string& ciphertext)
{
    const std::vector<CipherWord> words = CipherWords(ciphertext);
    int oneLetter = 0;
    int short23 = 0;
    int patterned = 0;
    int apostrophes = 0;
    std::map<std::string, int> seen;
    for (const CipherWord& word : words) {
        if (word.afterApostrophe) {
            ++apostrophes;
            continue;
        }
        oneLetter += word.letters.size() == 1 ? 1 : 0;
        short23 += word.letters.size() == 2 || word.letters.size() == 3 ? 1 : 0;
        patterned += word.letters.size() >= 3 && HasRepeatedLetter(word.letters) ? 1 : 0;
        ++seen[word.letters];
    }
    const int repeated = static_cast<int>(std::count_if(
        seen.begin(), seen.end(), [](const auto& entry) { return entry.first.size() > 1 && entry.second > 1; }));
    const double perWord = 1.0 / std::max<std::size_t>(words.size(), 1);
    points.Add(plural(oneLetter, "one-letter word", "one-letter words"),
               oneLetter == 0 ? 6 : -3 * std::min(oneLetter, 3));
    points.Add(plural(short23, "word of two or three letters", "words of two or three letters"),
               12 - 40 * std::min(short23 * perWord, 0.5));
    points.Add(plural(patterned, "word with a repeated letter", "words with a repeated letter"),
               -2 * std::min(patterned, 5));
    points.Add(plural(repeated, "word that occurs more than once", "words that occur more than once"),
               -2 * std::min(repeated, 4));
    if (apostrophes > 0) {
        points.Add(plural(apostrophes, "apostrophe", "apostrophes"), -2 * std::min(apostrophes, 2));
    }
}

void addKindMeasures(Points& points, const RatedCryptogram& c, const std::string& letters, int period)
{
    switch (c.kind) {
    case SolveKind::Cipher:
        if (isPatristocrat(c)) {
            points.Add("Patristocrat: no word divisions", 35);
            addLength(points, letters.size(), 120, 16);
        } else {
            points.Add("substitution with word divisions", 25);
            addLength(points, letters.size(), 90, 16);
            addWordClues(points, c.ciphertext);
        }
        points.Add(plural(DistinctLetters(letters), "distinct letter", "distinct letters"),
                   DistinctLetters(letters) - 18);
        break;
    case SolveKind::Railfence: {
        // A text not in groups (a hand-edited file) shows no rail count: it is no easier than two rails.
        const int rails = RegularRailCount(c.ciphertext);
        points.Add(rails == 0 ? std::string("rail fence not written in groups of 2, 3 or 4 letters")
                              : "rail fence on " + std::to_string(rails) + " rails",
                   std::max(rails - 2, 0) * 12.0);
        addLength(points, letters.size(), 60, 12);
        break;
    }
    case SolveKind::Playfair:
        points.Add("Playfair: letters in pairs, no word divisions", 35);
        addLength(points, letters.size(), 200, 16);
        break;
    case SolveKind::Quagmire:
    case SolveKind::Vigenere: {
        const bool quagmire = c.kind == SolveKind::Quagmire;
        points.Add(quagmire ? "Quagmire: mixed alphabets in turn" : "Vigenere: shifted alphabets in turn",
                   quagmire ? 40 : 20);
        points.Add(period == 1 ? std::string("period of 1 letter") : "period of " + std::to_string(period) + " letters",
                   std::min(period, 12) * 2.0);
        const double perAlphabet = static_cast<double>(letters.size()) / period;
        points.Add(plural(static_cast<int>(std::lround(perAlphabet)), "letter", "letters") + " for each alphabet",
                   std::clamp(12 * std::log2((quagmire ? 45.0 : 30.0) / std::max(perAlphabet, 1.0)), -12.0, 25.0));
        break;
    }
    }
    // Frequencies show through a substitution and a transposition, not through the periodic kinds or pairs.
    if (c.kind == SolveKind::Cipher || c.kind == SolveKind::Railfence) {
        const double distance = DistanceFromEnglishLetters(letters, true);
        if (distance > 0.12) {
            points.Add("letter frequencies unlike English", std::min((distance - 0.12) * 60, 8.0));
        }
    }
}

void addSolverMeasures(Points& points, const PuzzleRating& rating)
{
    if (!rating.solved) {
        points.Add("the solver did not break it", UnbrokenPoints);
        return;
    }
    // The solver stops once independent restarts agree, so its work tells how much search the text needed. Its
    // processor time measures that work; the time on the clock would grow with whatever else runs on the machine.
    points.Add(format("the solver needed %.1f s of processor time", rating.processorSeconds),
               std::min(12.0, 6 * std::log2(1 + rating.processorSeconds)));
    points.Add(rating.confidence >= 0.8 ? format("independent restarts agreed (confidence %.2f)", rating.confidence)
                                        : format("independent restarts disagreed (confidence %.2f)", rating.confidence),
               (1 - rating.confidence) * 20);
}

// The letters that stand for themselves in a substitution alphabet, among those the plaintext uses.
std::string selfLetters(const std::string& alphabet, const std::string& plainLetters)
{
    std::string self;
    for (char p = 'A'; p <= 'Z'; ++p) {
        if (alphabet.size() == 26 && alphabet[static_cast<std::size_t>(p - 'A')] == p &&
            plainLetters.find(p) != std::string::npos) {
            self += p;
        }
    }
    return self;
}

std::string listed(const std::string& letters)
{
    std::string text;
    for (char c : letters) {
        text += text.empty() ? "" : ", ";
        text += c;
    }
    return text;
}

// The share of positions where the reading shows the ciphertext's own letter.
double readableShare(const std::string& cipherLetters, const std::string& reading)
{
    const std::string plain = CapitalsOf(reading);
    if (plain.size() != cipherLetters.size() || plain.empty()) {
        return 0;
    }
    std::size_t same = 0;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        same += plain[i] == cipherLetters[i] ? 1 : 0;
    }
    return static_cast<double>(same) / static_cast<double>(plain.size());
}

struct SolverOutcome
{
    std::optional<SolveResult> result;
    std::string refusal;
};

SolverOutcome runSolver(const RatedCryptogram& c, const RatingEngine& engine, const RatingOptions& options)
{
    SolveOptions solveOptions;
    solveOptions.seconds = options.seconds;
    solveOptions.seed = options.seed;
    solveOptions.threads = options.threads;
    solveOptions.cancel = options.cancel;
    solveOptions.progress = options.progress;
    try {
        return {engine.solve(c.kind, c.ciphertext, solveOptions), {}};
    } catch (const SolveRefused& refused) {
        return {std::nullopt, refused.what()};
    } catch (const std::exception& failure) {
        // A check runs on a thread of its own: a solver that fails on an odd text (a hand-edited file, no memory
        // left) must come back as a report, not end the program.
        return {std::nullopt, failure.what()};
    }
}

// True when the solver refused the text for having fewer letters (letterCount) than its kind needs.
bool tooShortToTry(const RatedCryptogram& c, const SolverOutcome& outcome, std::size_t letterCount)
{
    return !outcome.result && letterCount > 0 && letterCount < MinimumSolveLetters(c.kind, c.ciphertext);
}

void addWarnings(PuzzleRating& rating, const RatedCryptogram& c, const SolverOutcome& outcome,
                 const std::optional<std::string>& answer, const RatingEngine& engine, int period)
{
    const std::string cipherLetters = CapitalsOf(c.ciphertext);
    const std::string reading = answer ? *answer : rating.solved ? rating.solverPlaintext : std::string();
    const bool readable =
        c.kind != SolveKind::Railfence && c.kind != SolveKind::Playfair && readableShare(cipherLetters, reading) >= 0.5;
    if (readable) {
        rating.warnings.push_back(
            {"readable",
             format("%.0f%% of the letters stand for themselves: the cryptogram can be read as it stands.",
                    100 * readableShare(cipherLetters, reading)),
             c.kind == SolveKind::Cipher     ? "Encrypt again with \"Random\" and \"Unique\" selected."
             : c.kind == SolveKind::Vigenere ? "Choose a keyword that is not made of A's."
                                             : "Choose keywords, an indicator and a column that change the letters."});
    }
    if (c.kind == SolveKind::Cipher && !readable && !reading.empty()) {
        const std::string alphabet = IsPermutationOf(c.CIPHKEY, StandardAlphabet) ? c.CIPHKEY
                                     : outcome.result                             ? outcome.result->best.key.alphabet
                                                                                  : std::string();
        const std::string self = selfLetters(alphabet, CapitalsOf(reading));
        if (!self.empty()) {
            rating.warnings.push_back({"self-letters",
                                       (self.size() == 1 ? "The letter " + listed(self) + " stands for itself."
                                                         : "The letters " + listed(self) + " stand for themselves."),
                                       "Encrypt again with \"Unique\" selected, so that no letter stands for itself."});
        }
    }
    const std::size_t shortest = shortestSingleSolution(c, period);
    if (cipherLetters.size() < shortest) {
        rating.warnings.push_back(
            {"too-short",
             "Only " + plural(static_cast<int>(cipherLetters.size()), "letter", "letters") +
                 ": too short for a single solution as a " + std::string(kindName(c)) + ", which needs about " +
                 std::to_string(shortest) + ".",
             "Use a longer quotation" + std::string(period > 1 ? " or a shorter key" : "") + "."});
    }
    if (!outcome.result) {
        // The refusal is the solver's own sentence, written to stand alone (as the command line prints it).
        const bool ended = !outcome.refusal.empty() && outcome.refusal.back() == '.';
        rating.warnings.push_back({"refused", "The solver did not try it. " + outcome.refusal + (ended ? "" : "."),
                                   tooShortToTry(c, outcome, static_cast<std::size_t>(rating.letters))
                                       ? "Use a longer quotation."
                                       : "Check the text; the difficulty rests on its measurements alone."});
        return;
    }
    const SolveResult& result = *outcome.result;
    const std::string reference = answer ? *answer : result.best.plaintext;
    const double referenceScore = engine.score(CapitalsOf(reference));
    std::optional<std::string> rival;
    for (const auto* candidate : {&result.best, result.alternative ? &*result.alternative : nullptr}) {
        // A search that found nothing in its time leaves an empty reading: no rival, the puzzle is unsolved.
        if (candidate && !rival && !candidate->plaintext.empty() && !sameReading(c, candidate->plaintext, reference) &&
            engine.score(CapitalsOf(candidate->plaintext)) >= referenceScore - AmbiguityMargin) {
            rival = candidate->plaintext;
        }
    }
    if (rival) {
        rating.warnings.push_back({"ambiguous", "Another plaintext fits as well: " + *rival,
                                   "Use a longer quotation, or one whose words allow only one reading."});
    } else if (!rating.solved) {
        rating.warnings.push_back(
            {"unsolved", format("The solver did not break it in %.1f seconds: it will be very hard.", result.seconds),
             "Keep it for experts, or use a longer quotation or an easier kind."});
    }
}

} // namespace

std::string_view DifficultyStepName(DifficultyStep step)
{
    static constexpr std::array<std::string_view, 5> Names = {"Easy", "Medium", "Hard", "Very hard", "Extreme"};
    return Names[static_cast<std::size_t>(step)];
}

DifficultyStep DifficultyStepOf(int number)
{
    return static_cast<DifficultyStep>(std::clamp(number / 20, 0, 4));
}

std::string_view RatingFormName(RatingForm form)
{
    static constexpr std::array<std::string_view, RatingFormCount> Names = {"Aristocrat", "Patristocrat", "rail fence",
                                                                            "Playfair",   "Quagmire",     "Vigenere"};
    return Names[static_cast<std::size_t>(form)];
}

RatingForm RatingFormOf(const RatedCryptogram& c)
{
    switch (c.kind) {
    case SolveKind::Cipher:
        return isPatristocrat(c) ? RatingForm::Patristocrat : RatingForm::Aristocrat;
    case SolveKind::Railfence:
        return RatingForm::Railfence;
    case SolveKind::Playfair:
        return RatingForm::Playfair;
    case SolveKind::Quagmire:
        return RatingForm::Quagmire;
    case SolveKind::Vigenere:
        return RatingForm::Vigenere;
    }
    return RatingForm::Aristocrat;
}

const RatingCalibration& CalibrationOf(RatingForm form)
{
    static constexpr std::array<RatingCalibration, RatingFormCount> Calibrations = {
        AristocratCalibration, PatristocratCalibration, RailfenceCalibration,
        PlayfairCalibration,   QuagmireCalibration,     VigenereCalibration};
    return Calibrations[static_cast<std::size_t>(form)];
}

int CalibratedNumber(const RatingCalibration& calibration, int points)
{
    const double p = points;
    if (p <= calibration.front()) {
        return 0;
    }
    if (p >= calibration.back()) {
        return 100;
    }
    std::size_t above = 1; // calibration[above - 1] <= p < calibration[above], so the two differ
    while (p >= calibration[above]) {
        ++above;
    }
    const double share = (p - calibration[above - 1]) / (calibration[above] - calibration[above - 1]);
    // Rounded down, so that a step begins exactly at its breakpoint.
    return static_cast<int>(20 * (above - 1)) + static_cast<int>(std::floor(20 * share));
}

RatingCalibration FitCalibration(const std::vector<CalibrationSample>& samples)
{
    std::vector<int> sums;
    for (const CalibrationSample& sample : samples) {
        sums.push_back(sample.points);
    }
    std::sort(sums.begin(), sums.end());
    sums.erase(std::unique(sums.begin(), sums.end()), sums.end());
    if (sums.size() < 3) {
        throw std::invalid_argument("a calibration needs at least three different sums of points");
    }
    // cuts[j] lies just below sums[j] (the last one above every sum); below[j] counts the samples under it.
    std::vector<double> cuts;
    std::vector<int> below;
    std::vector<int> brokenBelow;
    std::vector<int> unbrokenBelow;
    for (std::size_t j = 0; j <= sums.size(); ++j) {
        cuts.push_back(j < sums.size() ? sums[j] - 0.5 : sums.back() + 0.5);
        int broken = 0;
        int unbroken = 0;
        for (const CalibrationSample& sample : samples) {
            if (sample.points < cuts.back()) {
                (sample.unbroken ? unbroken : broken) += 1;
            }
        }
        below.push_back(broken + unbroken);
        brokenBelow.push_back(broken);
        unbrokenBelow.push_back(unbroken);
    }
    const double fifth = static_cast<double>(samples.size()) / 5;
    const std::size_t m = cuts.size();
    double least = -1;
    std::array<std::size_t, 4> best{};
    for (std::size_t a = 0; a < m; ++a) {
        for (std::size_t b = a + 1; b < m; ++b) {
            for (std::size_t c = b + 1; c < m; ++c) {
                for (std::size_t d = c + 1; d < m; ++d) {
                    const std::array<int, 5> counts = {
                        brokenBelow[a], brokenBelow[b] - brokenBelow[a], brokenBelow[c] - brokenBelow[b],
                        below[d] - below[c] + unbrokenBelow[c], static_cast<int>(samples.size()) - below[d]};
                    double spread = 0;
                    for (int count : counts) {
                        spread += (count - fifth) * (count - fifth);
                    }
                    if (least < 0 || spread < least) {
                        least = spread;
                        best = {a, b, c, d};
                    }
                }
            }
        }
    }
    RatingCalibration calibration{};
    for (std::size_t k = 0; k < 4; ++k) {
        calibration[k + 1] = cuts[best[k]];
    }
    calibration[0] = std::min(cuts.front(), calibration[1] - 1);
    calibration[5] = std::max(cuts.back(), calibration[4] + 1);
    return calibration;
}

bool PuzzleRating::HasWarning(std::string_view code) const
{
    return std::any_of(warnings.begin(), warnings.end(), [&](const RatingWarning& w) { return w.code == code; });
}

std::optional<std::string> AuthorsWorkingText(const RatedCryptogram& c)
{
    const std::string plain = UpperCaseText(c.PLAIN);
    try {
        switch (c.kind) {
        case SolveKind::Cipher: {
            if (!IsPermutationOf(c.CIPHKEY, StandardAlphabet)) {
                return std::nullopt;
            }
            std::string text = DecryptCipher(c.ciphertext, c.CIPHKEY);
            return c.PLAIN.empty() || CapitalsOf(text) == CapitalsOf(plain) ? std::optional(text) : std::nullopt;
        }
        case SolveKind::Railfence: {
            std::string text = DecryptRailfence(c.ciphertext, RailCountOf(c.ciphertext));
            return text.starts_with(CapitalsOf(plain)) ? std::optional(text) : std::nullopt;
        }
        case SolveKind::Playfair: {
            std::string text = DecryptPlayfair(c.ciphertext, c.PLAYKEY);
            return c.PLAIN.empty() || text == PreparePlayfairText(c.PLAIN) ? std::optional(text) : std::nullopt;
        }
        case SolveKind::Quagmire:
        case SolveKind::Vigenere: {
            if (c.PLAIN.empty()) {
                return std::nullopt; // an empty key is a key too: without the plaintext it cannot be checked
            }
            std::string text = c.kind == SolveKind::Quagmire
                                   ? DecryptQuagmire(c.ciphertext, c.QUAGKEY, c.QUAGCKEY, c.QUAGINDI)
                                   : DecryptVigenere(c.ciphertext, c.VIGENKEY);
            return text == AsciiLettersUpper(c.PLAIN) ? std::optional(text) : std::nullopt;
        }
        }
    } catch (const TessarinError&) {
    }
    return std::nullopt;
}

PuzzleRating RateCryptogram(const RatedCryptogram& c, const RatingEngine& engine, const RatingOptions& options)
{
    PuzzleRating rating;
    const auto cancelled = [&] { return options.cancel && options.cancel->load(); };
    const std::string letters = CapitalsOf(UpperCaseText(c.ciphertext));
    rating.letters = static_cast<int>(letters.size());
    const std::optional<std::string> answer = AuthorsWorkingText(c);
    const SolverOutcome outcome = cancelled() ? SolverOutcome{} : runSolver(c, engine, options);
    if (cancelled() || (outcome.result && outcome.result->cancelled)) {
        rating.cancelled = true;
        return rating;
    }
    if (outcome.result) {
        rating.solverPlaintext = outcome.result->best.plaintext;
        rating.seconds = outcome.result->seconds;
        rating.processorSeconds = outcome.result->processorSeconds;
        rating.confidence = outcome.result->confidence;
        rating.solved =
            answer ? sameReading(c, rating.solverPlaintext, *answer) : rating.confidence >= TrustedConfidence;
    }
    const int period = periodOf(c, outcome.result, letters);
    rating.form = RatingFormOf(c);
    if (letters.empty()) {
        // Nothing to solve: the measurements of a short text (few letters, few words) would call it the hardest.
        rating.step = DifficultyStepOf(0);
        rating.reasons.push_back({"no letters to solve", 0});
        addWarnings(rating, c, outcome, answer, engine, period);
        return rating;
    }
    Points points;
    addKindMeasures(points, c, letters, period);
    // A text too short for the solver to try is no easier than one it tried and did not break: without the solver's
    // points a 58-letter Quagmire was Easy, one of 67 letters Very hard, and a Playfair of 25 letters easier than
    // one of 35.
    const bool tooShort = tooShortToTry(c, outcome, letters.size());
    if (outcome.result) {
        addSolverMeasures(points, rating);
    } else if (tooShort) {
        points.Add("too short for the solver to try", UnbrokenPoints);
    }
    rating.points = points.Sum();
    int number = CalibratedNumber(CalibrationOf(rating.form), rating.points);
    if (number != rating.points) {
        // The line that makes the points shown add up to the number.
        points.Add("compared with other " + std::string(RatingFormName(rating.form)) + " cryptograms",
                   number - rating.points);
    }
    if (((outcome.result && !rating.solved) || tooShort) && number < UnbrokenLeastNumber) {
        points.Add(tooShort ? "too short for the solver to try: at least Very hard"
                            : "not broken by the solver: at least Very hard",
                   UnbrokenLeastNumber - number);
        number = UnbrokenLeastNumber;
    }
    rating.number = number;
    rating.step = DifficultyStepOf(rating.number);
    rating.reasons = points.Take();
    addWarnings(rating, c, outcome, answer, engine, period);
    return rating;
}
