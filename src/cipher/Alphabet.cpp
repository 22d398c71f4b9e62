#include "Alphabet.h"

#include <algorithm>
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

namespace {

// The index 0 to 25 of every ASCII letter, either case, and 26 for every other byte.
constexpr std::uint8_t NotALetter = 26;
constexpr std::array<std::uint8_t, 256> AsciiLetterIndex = [] {
    std::array<std::uint8_t, 256> index{};
    index.fill(NotALetter);
    for (std::uint8_t i = 0; i < 26; ++i) {
        index['A' + i] = i;
        index['a' + i] = i;
    }
    return index;
}();

} // namespace

std::string RoomyString(std::size_t count, char c)
{
    std::string text;
    text.reserve(count + 1);
    text.assign(count, c);
    return text;
}

CodedLetters::CodedLetters(std::string_view text_, const std::array<std::uint8_t, 256>& codes_, std::uint8_t none_)
    : text(text_), codes(codes_), none(none_)
{}

std::span<const std::uint8_t> CodedLetters::next()
{
    // Every byte writes its code, and the write position moves on only for a kept one.
    const std::size_t end = std::min(text.size(), position + block.size());
    std::size_t kept = 0;
    for (std::size_t i = position; i < end; ++i) {
        const std::uint8_t code = codes[static_cast<unsigned char>(text[i])];
        block[kept] = code;
        kept += code < none ? 1 : 0;
    }
    position = end;
    return {block.data(), kept};
}

namespace {

// Substitutes one block's letters from row k on, with a blank after every group-th letter when Grouped.
template <bool Grouped>
char* substituteBlock(std::span<const std::uint8_t> letters, std::span<const LetterRow> rows, std::size_t& k,
                      std::size_t group, std::size_t& inGroup, char* write)
{
    for (const std::uint8_t letter : letters) {
        *write++ = rows[k][letter];
        k = k + 1 == rows.size() ? 0 : k + 1;
        if constexpr (Grouped) {
            if (++inGroup == group) {
                ++write;
                inGroup = 0;
            }
        }
    }
    return write;
}

} // namespace

std::string SubstitutePeriodic(std::string_view text, std::span<const LetterRow> rows, std::size_t groupSize)
{
    // Room for every byte as a letter and its blanks, filled with blanks, so that a group's end only moves the
    // write position on; the unused rest is cut off at the end.
    std::string out = RoomyString(text.size() + (groupSize != 0 ? text.size() / groupSize : 0), ' ');
    char* write = out.data();
    if (rows.size() == 1 && groupSize == 0) {
        // One row and no groups: a single pass in which every byte writes its substitute and the write position
        // moves on only for a letter.
        std::array<char, 256> substitute{};
        for (int b = 0; b < 256; ++b) {
            const std::uint8_t index = AsciiLetterIndex[static_cast<std::size_t>(b)];
            substitute[static_cast<std::size_t>(b)] = index < NotALetter ? rows[0][index] : ' ';
        }
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            *write = substitute[byte];
            write += AsciiLetterIndex[byte] < NotALetter ? 1 : 0;
        }
    } else {
        std::size_t k = 0;
        std::size_t inGroup = 0;
        for (CodedLetters letters(text, AsciiLetterIndex, NotALetter); letters.more();) {
            write = groupSize != 0 ? substituteBlock<true>(letters.next(), rows, k, groupSize, inGroup, write)
                                   : substituteBlock<false>(letters.next(), rows, k, groupSize, inGroup, write);
        }
    }
    out.resize(static_cast<std::size_t>(write - out.data()));
    return out;
}

std::string AsciiLettersUpper(std::string_view text)
{
    static constexpr std::array<LetterRow, 1> Identity = [] {
        std::array<LetterRow, 1> row{};
        for (std::size_t i = 0; i < 26; ++i) {
            row[0][i] = static_cast<char>('A' + i);
        }
        return row;
    }();
    return SubstitutePeriodic(text, Identity, 0);
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
