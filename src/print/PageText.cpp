#include "PageText.h"

#include <algorithm>

#include "Alphabet.h"
#include "EncodePlayfair.h"
#include "EncodeRailfence.h"

namespace {
constexpr std::size_t PlayfairPieceLength = 40;
constexpr std::string_view PuzzleExtension = ".acnx";

bool endsWithExtension(std::string_view name)
{
    if (name.size() < PuzzleExtension.size()) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - PuzzleExtension.size());
    return std::equal(tail.begin(), tail.end(), PuzzleExtension.begin(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? static_cast<char>(a + 32) : a) == b; });
}

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// One segment of text without line ends, broken as the printed page breaks it.
void breakSegment(std::string_view text, const LineOverflows& overflows, std::vector<std::string>& out)
{
    const std::size_t n = text.size();
    std::size_t p = 0;
    while (p < n) {
        const std::size_t start = p;
        std::string line;
        while (true) {
            line += text[p];
            if (p + 1 == n || overflows(line)) {
                break;
            }
            ++p;
        }
        if (p + 1 < n) {
            const std::size_t overflowAt = p;
            do {
                line.pop_back();
                --p;
            } while (!line.empty() && line.back() != ' ');
            if (line.empty()) {
                // No space to back up to: end the line after the last character that fits, at least one.
                p = overflowAt > start ? overflowAt - 1 : start;
                line.assign(text.substr(start, p - start + 1));
            }
        }
        out.push_back(TrimControl(line));
        ++p;
    }
}
} // namespace

std::string PrintTitle(std::string_view fileNameUtf8)
{
    const std::size_t slash = fileNameUtf8.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? fileNameUtf8 : fileNameUtf8.substr(slash + 1);
    if (name.empty()) {
        return "Untitled";
    }
    if (endsWithExtension(name)) {
        name.remove_suffix(PuzzleExtension.size());
    }
    return std::string(name);
}

std::string PlayfairPieces(std::string_view text)
{
    std::string pieces;
    while (!TrimControl(text).empty()) {
        const std::size_t take = std::min(PlayfairPieceLength, text.size());
        pieces.append(text.substr(0, take));
        pieces += ' ';
        text.remove_prefix(take);
    }
    return pieces;
}

std::string PrintedCiphertext(const PuzzleDocument& doc, CipherKind kind)
{
    if (kind == CipherKind::None) {
        return {};
    }
    const std::string& text = doc.Ciphertext(kind);
    return kind == CipherKind::Playfair ? PlayfairPieces(text) : text;
}

std::vector<std::string> BreakLines(std::string_view text, const LineOverflows& overflows)
{
    std::vector<std::string> lines;
    for (const std::string& segment : SplitTextLines(text)) {
        if (std::all_of(segment.begin(), segment.end(), isBlank)) {
            lines.emplace_back();
            continue;
        }
        breakSegment(segment, overflows, lines);
    }
    return lines;
}

std::string IndicatorText(std::string_view quagIndi)
{
    const std::size_t at = quagIndi.find('@');
    const std::string_view indicator = at == std::string_view::npos ? std::string_view() : quagIndi.substr(0, at);
    const std::size_t columnStart = at == std::string_view::npos ? 0 : at + 1;
    const std::string_view column = quagIndi.substr(std::min(columnStart, quagIndi.size()), 3);
    return std::string(indicator) + " (column " + std::string(column) + ")";
}

std::string KeyLine::label() const
{
    std::string head = text.substr(0, std::min(labelLength, text.size()));
    while (!head.empty() && head.back() == ' ') {
        head.pop_back();
    }
    return head;
}

std::vector<KeyLine> KeyLines(const PuzzleDocument& doc, CipherKind kind)
{
    switch (kind) {
    case CipherKind::Cipher:
        return {{std::string(StandardAlphabet), 0, 0, true}, {doc.CIPHKEY, 2, 0, true}};
    case CipherKind::Railfence: {
        const int rails = RailCountOf(doc.RAILFENCE);
        if (rails == 0) {
            return {};
        }
        return {{"Rails: " + std::to_string(rails), 0, 7, false}};
    }
    case CipherKind::Playfair: {
        std::vector<KeyLine> lines{{"Playfair Keyword: " + doc.PLAYKEY, 0, 18, false}};
        const std::string square = PlayfairSquareOf(doc.PLAYKEY);
        for (std::size_t row = 0; row * 5 < square.size(); ++row) {
            lines.push_back({square.substr(row * 5, 5), row == 0 ? 2 : 1, 0, true});
        }
        return lines;
    }
    case CipherKind::Quagmire:
        return {{"Plain Keyword:  " + doc.QUAGKEY, 0, 16, true},
                {"Cipher Keyword: " + doc.QUAGCKEY, 1, 16, true},
                {"Indicator Key:  " + IndicatorText(doc.QUAGINDI), 1, 16, false}};
    case CipherKind::Vigenere:
        return {{"Vigenere Keyword: " + doc.VIGENKEY, 0, 18, false}};
    case CipherKind::None:
        break;
    }
    return {};
}

bool HasLabelledLetterColumns(const std::vector<KeyLine>& keys)
{
    return std::any_of(keys.begin(), keys.end(), [](const KeyLine& k) { return k.letterColumns && k.labelLength > 0; });
}

void ForEachKeyBand(const std::vector<KeyLine>& keys, std::size_t perBand,
                    const std::function<void(const KeyLine& key, std::size_t band, bool firstOfBand)>& each)
{
    std::size_t longest = 0;
    for (const KeyLine& key : keys) {
        longest = key.letterColumns ? std::max(longest, key.value().size()) : longest;
    }
    for (std::size_t band = 0; band == 0 || band * perBand < longest; ++band) {
        bool firstOfBand = true;
        for (const KeyLine& key : keys) {
            if (band == 0 || key.letterColumns) {
                each(key, band, firstOfBand);
                firstOfBand = false;
            }
        }
    }
}
