#include "SolveVigenere.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "LanguageModel.h"
#include "SearchRunner.h"
#include "SolveText.h"

// Every period from 1 to 20 is tried, which costs little: each column's shift starts where its letter counts
// fit English best (chi-square), then the key letters are refined one at a time by the quadgram score of the
// whole text until no letter improves it. The shortest period whose plaintext scores as well as the best wins,
// because a multiple of the true period decrypts to the same text.

namespace {

constexpr std::array<double, 26> EnglishLetters{0.0817, 0.0149, 0.0278, 0.0425, 0.1270, 0.0223, 0.0202, 0.0609, 0.0697,
                                                0.0015, 0.0077, 0.0403, 0.0241, 0.0675, 0.0751, 0.0193, 0.0010, 0.0599,
                                                0.0633, 0.0906, 0.0276, 0.0098, 0.0236, 0.0015, 0.0197, 0.0007};
constexpr std::size_t LongestKey = 20;

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

// The shortest key that repeats to the same letters.
std::vector<std::uint8_t> shortestKey(std::vector<std::uint8_t> key)
{
    for (std::size_t p = 1; p < key.size(); ++p) {
        if (key.size() % p != 0) {
            continue;
        }
        bool repeats = true;
        for (std::size_t i = p; i < key.size() && repeats; ++i) {
            repeats = key[i] == key[i - p];
        }
        if (repeats) {
            key.resize(p);
            break;
        }
    }
    return key;
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
    for (std::size_t period = 1; period <= std::min(LongestKey, n / 2); ++period) {
        if (options.cancel != nullptr && options.cancel->load()) {
            outcome.cancelled = true;
            break;
        }
        if (period > 1 && bound.passed()) {
            outcome.timedOut = true;
            break;
        }
        std::vector<std::uint8_t> key = chiSquareKey(codes, period);
        const double score = refine(model, codes, key) / perLetter;
        key = shortestKey(key);
        SolveCandidate candidate;
        candidate.plaintext = CodesToLetters(decrypt(codes, key));
        candidate.key.form = "vigenere";
        candidate.key.keyword = CodesToLetters(key);
        candidate.score = score;
        ++outcome.restarts;
        auto same = std::find_if(outcome.ranked.begin(), outcome.ranked.end(), [&](const RankedCandidate& r) {
            return r.candidate.plaintext == candidate.plaintext;
        });
        if (same != outcome.ranked.end()) {
            ++same->hits;
            same->candidate.score = std::max(same->candidate.score, score);
        } else {
            outcome.ranked.push_back({candidate, 1});
        }
        if (options.progress) {
            options.progress(static_cast<double>(period) / static_cast<double>(LongestKey));
        }
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
