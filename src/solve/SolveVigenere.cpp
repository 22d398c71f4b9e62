#include "SolveVigenere.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "EncodeVigenere.h"
#include "LanguageModel.h"
#include "SearchRunner.h"
#include "SolveText.h"

// Every period from 1 to 20 is tried, which costs little: each column's shift starts where its letter counts
// fit English best (chi-square), then the key letters are refined one at a time by the quadgram score of the
// whole text until no letter improves it. The shortest period whose plaintext scores as well as the best wins,
// because a multiple of the true period decrypts to the same text. Longer keys are tried where the text's columns
// say so: the maker's key without a keyword is the whole alphabet, and a keyword may be a long phrase.

namespace {

constexpr std::array<double, 26> EnglishLetters{0.0817, 0.0149, 0.0278, 0.0425, 0.1270, 0.0223, 0.0202, 0.0609, 0.0697,
                                                0.0015, 0.0077, 0.0403, 0.0241, 0.0675, 0.0751, 0.0193, 0.0010, 0.0599,
                                                0.0633, 0.0906, 0.0276, 0.0098, 0.0236, 0.0015, 0.0197, 0.0007};
constexpr std::size_t LongestKey = 20;
// A period beyond LongestKey is tried when its columns, of at least LongKeyColumn letters each, look like English
// under one shift each, and no shorter period they are a multiple of looked nearly as much so already; of those, the
// MostLongKeys that look most so.
constexpr std::size_t LongestLongKey = 60;
constexpr std::size_t LongKeyColumn = 10;
constexpr double EnglishColumns = 0.045;
constexpr std::size_t MostLongKeys = 4;
// Columns of fewer letters than this leave many shifts to chance, which refinePairs puts right.
constexpr std::size_t ShortColumn = 40;

std::vector<std::uint8_t> decrypt(const std::vector<std::uint8_t>& codes, const std::vector<std::uint8_t>& key)
{
    std::vector<std::uint8_t> plain(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        plain[i] = static_cast<std::uint8_t>((codes[i] + 26 - key[i % key.size()]) % 26);
    }
    return plain;
}

std::vector<std::uint8_t> chiSquareKey(const std::vector<std::uint8_t>& codes, std::size_t period)
{
    std::vector<std::uint8_t> key(period, 0);
    for (std::size_t col = 0; col < period; ++col) {
        std::array<double, 26> counts{};
        double n = 0;
        for (std::size_t i = col; i < codes.size(); i += period) {
            counts[codes[i]] += 1;
            n += 1;
        }
        double bestChi = 1e300;
        for (unsigned shift = 0; shift < 26; ++shift) {
            double chi = 0;
            for (unsigned p = 0; p < 26; ++p) {
                const double expected = EnglishLetters[p] * n;
                const double d = counts[(p + shift) % 26] - expected;
                chi += d * d / expected;
            }
            if (chi < bestChi) {
                bestChi = chi;
                key[col] = static_cast<std::uint8_t>(shift);
            }
        }
    }
    return key;
}

double refine(const LanguageModel& model, const std::vector<std::uint8_t>& codes, std::vector<std::uint8_t>& key)
{
    double current = model.ScoreQuadgrams(decrypt(codes, key).data(), codes.size());
    bool improved = true;
    while (improved) {
        improved = false;
        for (std::size_t col = 0; col < key.size(); ++col) {
            const std::uint8_t was = key[col];
            std::uint8_t bestShift = was;
            for (unsigned shift = 0; shift < 26; ++shift) {
                if (shift == was) {
                    continue;
                }
                key[col] = static_cast<std::uint8_t>(shift);
                const double s = model.ScoreQuadgrams(decrypt(codes, key).data(), codes.size());
                if (s > current + 1e-9) {
                    current = s;
                    bestShift = static_cast<std::uint8_t>(shift);
                    improved = true;
                }
            }
            key[col] = bestShift;
        }
    }
    return current;
}

// Refines a long key's neighbouring letters two at a time: with few letters in each column, the letter counts set
// many shifts wrong, and a wrong shift beside a wrong one reads no better when either moves alone. Each pair takes
// the shifts that score best with the rest held, until no pair improves; then refine() again.
double refinePairs(const LanguageModel& model, const std::vector<std::uint8_t>& codes, std::vector<std::uint8_t>& key,
                   double current, const SearchDeadline& bound)
{
    for (bool improved = true; improved && !bound.passed();) {
        improved = false;
        for (std::size_t col = 0; col < key.size() && !bound.passed(); ++col) {
            const std::size_t next = (col + 1) % key.size();
            std::pair<std::uint8_t, std::uint8_t> best{key[col], key[next]};
            for (unsigned first = 0; first < 26; ++first) {
                for (unsigned second = 0; second < 26; ++second) {
                    key[col] = static_cast<std::uint8_t>(first);
                    key[next] = static_cast<std::uint8_t>(second);
                    const double s = model.ScoreQuadgrams(decrypt(codes, key).data(), codes.size());
                    if (s > current + 1e-9) {
                        current = s;
                        best = {key[col], key[next]};
                        improved = true;
                    }
                }
            }
            key[col] = best.first;
            key[next] = best.second;
        }
    }
    return refine(model, codes, key);
}

// Adds the reading of a key to the candidates, or counts it as one more restart that reached a reading already
// there.
void offerCandidate(const std::vector<std::uint8_t>& codes, const std::vector<std::uint8_t>& key, double score,
                    SearchOutcome& outcome, std::size_t hits = 1)
{
    SolveCandidate candidate;
    candidate.plaintext = CodesToLetters(decrypt(codes, key));
    candidate.key.form = "vigenere";
    candidate.key.keyword = CodesToLetters(key);
    candidate.score = score;
    ++outcome.restarts;
    auto same = std::find_if(outcome.ranked.begin(), outcome.ranked.end(),
                             [&](const RankedCandidate& r) { return r.candidate.plaintext == candidate.plaintext; });
    if (same != outcome.ranked.end()) {
        same->hits += hits;
        same->candidate.score = std::max(same->candidate.score, score);
    } else {
        outcome.ranked.push_back({candidate, hits});
    }
}

std::vector<std::size_t> periodsToTry(const std::vector<std::uint8_t>& codes)
{
    const std::size_t n = codes.size();
    std::vector<std::size_t> periods;
    std::vector<double> coincidence(LongestLongKey + 1, 0);
    for (std::size_t period = 1; period <= std::min(LongestKey, n / 2); ++period) {
        periods.push_back(period);
        coincidence[period] = MeanColumnCoincidence(codes, period);
    }
    std::vector<std::size_t> longer;
    for (std::size_t period = LongestKey + 1; period <= std::min(LongestLongKey, n / LongKeyColumn); ++period) {
        coincidence[period] = MeanColumnCoincidence(codes, period);
        const auto shorterAsGood = [&](std::size_t shorter) {
            return period % shorter == 0 && coincidence[shorter] >= 0.92 * coincidence[period];
        };
        const bool multiple = std::any_of(periods.begin(), periods.end(), shorterAsGood) ||
                              std::any_of(longer.begin(), longer.end(), shorterAsGood);
        if (!multiple && coincidence[period] >= EnglishColumns) {
            longer.push_back(period);
        }
    }
    std::stable_sort(longer.begin(), longer.end(),
                     [&](std::size_t a, std::size_t b) { return coincidence[a] > coincidence[b]; });
    longer.resize(std::min(longer.size(), MostLongKeys));
    periods.insert(periods.end(), longer.begin(), longer.end());
    return periods;
}

} // namespace

SolveResult SolveVigenere(std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options)
{
    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::uint8_t> codes = LetterCodes(ciphertext);
    const std::size_t n = codes.size();
    const double perLetter = static_cast<double>(std::max<std::size_t>(1, n - 3));
    SearchOutcome outcome;
    // A bound, when given, ends the trial of longer periods (each scores the whole text many times: long on a long
    // text); the periods tried by then keep their candidates.
    const SearchDeadline bound =
        options.seconds > 0 ? SearchDeadline(SearchDeadline::After(start, options.seconds), nullptr) : SearchDeadline();
    // Each period is one "restart": periods that reach the same plaintext agree.
    const std::vector<std::size_t> periods = periodsToTry(codes);
    for (std::size_t tried = 0; tried < periods.size(); ++tried) {
        const std::size_t period = periods[tried];
        if (options.cancel != nullptr && options.cancel->load()) {
            outcome.cancelled = true;
            break;
        }
        if (period > 1 && bound.passed()) {
            outcome.timedOut = true;
            break;
        }
        std::vector<std::uint8_t> key = chiSquareKey(codes, period);
        double refined = refine(model, codes, key);
        if (period > LongestKey && n / period < ShortColumn) {
            refined = refinePairs(model, codes, key, refined, bound);
        }
        const double score = refined / perLetter;
        key.resize(RepeatLength(CodesToLetters(key))); // the shortest key that repeats to the same letters
        offerCandidate(codes, key, score, outcome);
        if (options.progress) {
            options.progress(static_cast<double>(tried + 1) / static_cast<double>(periods.size()));
        }
    }
    // The maker's key when the author gave no keyword is the whole alphabet, a period too long for short texts.
    // It is no chance find: a reading under it weighs as two agreeing restarts, so that its confidence is not cut
    // for the periods that could not reach it.
    if (!outcome.cancelled) {
        const std::vector<std::uint8_t> alphabet = LetterCodes(VigenereKeyLetters(""));
        offerCandidate(codes, alphabet, model.ScoreQuadgrams(decrypt(codes, alphabet).data(), n) / perLetter, outcome,
                       2);
    }
    // A longer key always fits a little better; a candidate from a shorter key wins unless the longer one is
    // clearly better per letter.
    constexpr double overfit = 0.02;
    std::stable_sort(
        outcome.ranked.begin(), outcome.ranked.end(),
        [](const RankedCandidate& a, const RankedCandidate& b) { return BetterCandidate(a.candidate, b.candidate); });
    if (!outcome.ranked.empty()) {
        std::size_t choice = 0;
        for (std::size_t i = 1; i < outcome.ranked.size(); ++i) {
            const auto& c = outcome.ranked[i].candidate;
            if (c.score >= outcome.ranked.front().candidate.score - overfit &&
                c.key.keyword.size() < outcome.ranked[choice].candidate.key.keyword.size()) {
                choice = i;
            }
        }
        std::rotate(outcome.ranked.begin(), outcome.ranked.begin() + static_cast<std::ptrdiff_t>(choice),
                    outcome.ranked.begin() + static_cast<std::ptrdiff_t>(choice) + 1);
    }
    SolveResult result;
    if (outcome.ranked.empty()) {
        return result;
    }
    // Periods that reach the same plaintext count as agreeing restarts; with one candidate only, its word share
    // alone speaks for it.
    TakeOutcome(outcome, SegmentedWordShare(model, outcome.ranked.front().candidate.plaintext), 0.05, result);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}
