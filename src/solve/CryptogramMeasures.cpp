#include "CryptogramMeasures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>

namespace {

bool isCapital(char c)
{
    return c >= 'A' && c <= 'Z';
}

// Shares of the letters A..Z in English running text (per cent).
constexpr std::array<double, 26> EnglishShares = {8.2, 1.5, 2.8, 4.3, 12.7, 2.2, 2.0, 6.1, 7.0, 0.15, 0.8,  4.0, 2.4,
                                                  6.7, 7.5, 1.9, 0.1, 6.0,  6.3, 9.1, 2.8, 1.0, 2.4,  0.15, 2.0, 0.07};

std::array<int, 26> letterCounts(std::string_view letters)
{
    std::array<int, 26> counts{};
    for (char c : letters) {
        if (isCapital(c)) {
            ++counts[static_cast<std::size_t>(c - 'A')];
        }
    }
    return counts;
}

} // namespace

std::vector<CipherWord> CipherWords(std::string_view text)
{
    std::vector<CipherWord> words;
    for (std::size_t i = 0; i < text.size();) {
        if (!isCapital(text[i])) {
            ++i;
            continue;
        }
        CipherWord word;
        word.start = i;
        word.afterApostrophe = i >= 2 && text[i - 1] == '\'' && isCapital(text[i - 2]);
        while (i < text.size() && isCapital(text[i])) {
            word.letters += text[i++];
        }
        word.beforeApostrophe = i + 1 < text.size() && text[i] == '\'' && isCapital(text[i + 1]);
        words.push_back(std::move(word));
    }
    return words;
}

std::string CapitalsOf(std::string_view text)
{
    std::string letters;
    std::copy_if(text.begin(), text.end(), std::back_inserter(letters), isCapital);
    return letters;
}

std::string WordPattern(std::string_view word)
{
    std::string pattern;
    std::map<char, char> names;
    for (char c : word) {
        const auto [it, added] = names.emplace(c, static_cast<char>('A' + names.size()));
        pattern += it->second;
    }
    return pattern;
}

bool HasRepeatedLetter(std::string_view word)
{
    return static_cast<std::size_t>(DistinctLetters(word)) < word.size();
}

std::vector<RepeatedSequence> RepeatedSequences(std::string_view letters, std::size_t length)
{
    std::map<std::string_view, std::vector<std::size_t>> seen;
    for (std::size_t i = 0; length != 0 && i + length <= letters.size(); ++i) {
        seen[letters.substr(i, length)].push_back(i);
    }
    std::vector<RepeatedSequence> repeats;
    for (const auto& [sequence, positions] : seen) {
        if (positions.size() > 1) {
            repeats.push_back({std::string(sequence), positions});
        }
    }
    std::stable_sort(repeats.begin(), repeats.end(), [](const RepeatedSequence& a, const RepeatedSequence& b) {
        return a.positions.size() != b.positions.size() ? a.positions.size() > b.positions.size()
                                                        : a.positions.front() < b.positions.front();
    });
    return repeats;
}

double IndexOfCoincidence(std::string_view letters)
{
    const std::array<int, 26> counts = letterCounts(letters);
    double pairs = 0;
    double total = 0;
    for (int n : counts) {
        pairs += static_cast<double>(n) * (n - 1);
        total += n;
    }
    return total < 2 ? 0 : pairs / (total * (total - 1));
}

int EstimatedPeriod(std::string_view letters, int maxPeriod)
{
    const std::string capitals = CapitalsOf(letters);
    int best = 0;
    double bestIc = 0;
    std::vector<double> meanIc(static_cast<std::size_t>(std::max(maxPeriod, 0)) + 1, 0);
    for (int period = 1; period <= maxPeriod && capitals.size() >= static_cast<std::size_t>(period) * 3; ++period) {
        double sum = 0;
        for (int column = 0; column < period; ++column) {
            std::string columnLetters;
            for (std::size_t i = static_cast<std::size_t>(column); i < capitals.size();
                 i += static_cast<std::size_t>(period)) {
                columnLetters += capitals[i];
            }
            sum += IndexOfCoincidence(columnLetters);
        }
        meanIc[static_cast<std::size_t>(period)] = sum / period;
        if (meanIc[static_cast<std::size_t>(period)] > bestIc) {
            bestIc = meanIc[static_cast<std::size_t>(period)];
            best = period;
        }
    }
    // A multiple of the period scores about as well as the period itself: take the shortest close to the best.
    for (int period = 1; period < best; ++period) {
        if (meanIc[static_cast<std::size_t>(period)] > bestIc * 0.85) {
            return period;
        }
    }
    return best;
}

int DistinctLetters(std::string_view text)
{
    const std::array<int, 26> counts = letterCounts(text);
    return static_cast<int>(std::count_if(counts.begin(), counts.end(), [](int n) { return n > 0; }));
}

double DistanceFromEnglishLetters(std::string_view letters, bool byRank)
{
    const std::array<int, 26> counts = letterCounts(letters);
    double total = 0;
    for (int n : counts) {
        total += n;
    }
    if (total == 0) {
        return 0;
    }
    std::array<double, 26> shares{};
    std::array<double, 26> english = EnglishShares;
    double englishTotal = 0;
    for (std::size_t i = 0; i < 26; ++i) {
        shares[i] = counts[i] / total;
        englishTotal += english[i];
    }
    for (double& share : english) {
        share /= englishTotal;
    }
    if (byRank) {
        std::sort(shares.begin(), shares.end(), std::greater<>());
        std::sort(english.begin(), english.end(), std::greater<>());
    }
    double distance = 0;
    for (std::size_t i = 0; i < 26; ++i) {
        distance += std::abs(shares[i] - english[i]);
    }
    return distance / 2;
}
