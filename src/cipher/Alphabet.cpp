#include "Alphabet.h"

#include <array>

std::string KeyedAlphabet(std::string_view keyword, std::string_view base)
{
    std::array<bool, 256> remaining{};
    for (char c : base) {
        remaining[static_cast<unsigned char>(c)] = true;
    }
    std::string result;
    result.reserve(base.size());
    auto take = [&](char c) {
        bool& left = remaining[static_cast<unsigned char>(c)];
        if (left) {
            left = false;
            result += c;
        }
    };
    for (char c : keyword) {
        take(c);
    }
    for (char c : base) {
        take(c);
    }
    return result;
}

std::string RotateLeft(std::string_view s, std::size_t n)
{
    std::string out(s.substr(n));
    out += s.substr(0, n);
    return out;
}

std::string RotateRight(std::string_view s, std::size_t n)
{
    return RotateLeft(s, s.size() - n);
}

bool IsPermutationOf(std::string_view text, std::string_view base)
{
    if (text.size() != base.size()) {
        return false;
    }
    std::array<int, 256> count{};
    for (char c : base) {
        ++count[static_cast<unsigned char>(c)];
    }
    for (char c : text) {
        if (--count[static_cast<unsigned char>(c)] < 0) {
            return false;
        }
    }
    return true;
}

std::string TrimControl(std::string_view text)
{
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    return std::string(text.substr(first, last - first));
}

std::string AsciiLettersUpper(std::string_view text)
{
    return SubstituteAsciiLetters(text, 0, 1, [](std::size_t, char letter) { return letter; });
}

std::string GroupLetters(std::string_view letters, std::size_t groupSize)
{
    std::string out;
    out.reserve(letters.size() + letters.size() / groupSize + 1);
    std::size_t start = 0;
    while (letters.size() - start >= groupSize) {
        out.append(letters.substr(start, groupSize));
        out += ' ';
        start += groupSize;
    }
    out.append(letters.substr(start));
    return out;
}

std::string WithoutBlanks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ' ') {
            out += c;
        }
    }
    return out;
}

std::vector<std::string> SplitTextLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}
