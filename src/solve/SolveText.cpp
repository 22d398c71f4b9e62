#include "SolveText.h"

#include <algorithm>
#include <array>

#include "LanguageModel.h"

std::vector<std::uint8_t> LetterCodes(std::string_view text)
{
    std::vector<std::uint8_t> codes;
    codes.reserve(text.size());
    for (char c : text) {
        if (c >= 'A' && c <= 'Z') {
            codes.push_back(static_cast<std::uint8_t>(c - 'A'));
        } else if (c >= 'a' && c <= 'z') {
            codes.push_back(static_cast<std::uint8_t>(c - 'a'));
        }
    }
    return codes;
}

std::string CodesToLetters(const std::vector<std::uint8_t>& codes)
{
    std::string letters(codes.size(), 'A');
    for (std::size_t i = 0; i < codes.size(); ++i) {
        letters[i] = static_cast<char>('A' + codes[i]);
    }
    return letters;
}

double MeanColumnCoincidence(const std::vector<std::uint8_t>& codes, std::size_t period)
{
    double sum = 0;
    for (std::size_t column = 0; column < period; ++column) {
        std::array<long, 26> counts{};
        long n = 0;
        for (std::size_t k = column; k < codes.size(); k += period) {
            ++counts[codes[k]];
            ++n;
        }
        long pairs = 0;
        for (const long count : counts) {
            pairs += count * (count - 1);
        }
        sum += n > 1 ? static_cast<double>(pairs) / (static_cast<double>(n) * static_cast<double>(n - 1)) : 0;
    }
    return period == 0 ? 0 : sum / static_cast<double>(period);
}

std::size_t RepeatLength(std::string_view key)
{
    for (std::size_t length = 1; length < key.size(); ++length) {
        if (key.size() % length == 0 && key.substr(length) == key.substr(0, key.size() - length)) {
            return length;
        }
    }
    return key.size();
}

double QuadgramScorePerLetter(const LanguageModel& model, const std::vector<std::uint8_t>& codes)
{
    if (codes.size() < 4) {
        return 0;
    }
    return model.ScoreQuadgrams(codes.data(), codes.size()) / static_cast<double>(codes.size() - 3);
}

namespace {
bool knownWord(const LanguageModel& model, std::string_view word)
{
    if (word.size() == 1) {
        return word == "A" || word == "I";
    }
    return model.WordIndex(word).has_value();
}
} // namespace

double SegmentedWordShare(const LanguageModel& model, std::string_view letters)
{
    if (letters.empty()) {
        return 0;
    }
    // covered[i]: the most letters of the first i that known words can cover.
    constexpr std::size_t longest = 20;
    std::vector<std::size_t> covered(letters.size() + 1, 0);
    for (std::size_t i = 1; i <= letters.size(); ++i) {
        covered[i] = covered[i - 1];
        for (std::size_t len = 1; len <= std::min(longest, i); ++len) {
            if (knownWord(model, letters.substr(i - len, len))) {
                covered[i] = std::max(covered[i], covered[i - len] + len);
            }
        }
    }
    return static_cast<double>(covered.back()) / static_cast<double>(letters.size());
}

double SpacedWordShare(const LanguageModel& model, std::string_view text)
{
    std::size_t letters = 0;
    std::size_t known = 0;
    std::string word;
    const auto flush = [&] {
        while (!word.empty() && word.back() == '\'') {
            word.pop_back();
        }
        const std::size_t n =
            static_cast<std::size_t>(std::count_if(word.begin(), word.end(), [](char c) { return c != '\''; }));
        letters += n;
        if (!word.empty() && knownWord(model, word)) {
            known += n;
        }
        word.clear();
    };
    for (char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c == '\'' && !word.empty())) {
            word += c;
        } else {
            flush();
        }
    }
    flush();
    return letters == 0 ? 0 : static_cast<double>(known) / static_cast<double>(letters);
}
