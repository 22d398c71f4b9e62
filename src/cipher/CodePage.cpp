#include "CodePage.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// Unicode of the bytes 0x80..0x9F; the five undefined bytes keep their C1 code point.
constexpr std::array<char32_t, 32> HighControlRange = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

unsigned char byteOf(char c)
{
    return static_cast<unsigned char>(c);
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i], advancing i; an invalid sequence gives U+FFFD and skips one byte.
char32_t decodeUtf8(std::string_view text, std::size_t& i)
{
    const unsigned char lead = byteOf(text[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (text.size() - i <= static_cast<std::size_t>(extra)) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char next = byteOf(text[i + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    i += static_cast<std::size_t>(extra) + 1;
    if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0xFFFD;
    }
    return cp;
}

} // namespace

char UpperCaseCodePage(char c)
{
    const unsigned char b = byteOf(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
        return static_cast<char>(b - 0x20);
    }
    switch (b) {
    case 0x9A:
    case 0x9C:
    case 0x9E:
        return static_cast<char>(b - 0x10);
    case 0xFF:
        return static_cast<char>(0x9F);
    default:
        return c;
    }
}

std::string UpperCaseText(std::string_view text)
{
    static const std::array<char, 256> upper = [] {
        std::array<char, 256> table{};
        for (int b = 0; b < 256; ++b) {
            table[static_cast<std::size_t>(b)] = UpperCaseCodePage(static_cast<char>(b));
        }
        return table;
    }();
    std::string out(text);
    for (char& c : out) {
        c = upper[byteOf(c)];
    }
    return out;
}

char32_t CodePageToUnicode(char c)
{
    const unsigned char b = byteOf(c);
    if (b >= 0x80 && b <= 0x9F) {
        return HighControlRange[b - 0x80];
    }
    return b;
}

std::optional<char> UnicodeToCodePage(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

CodePageConversion Utf8ToCodePage(std::string_view utf8)
{
    CodePageConversion result;
    result.text.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t ascii = AsciiPrefixLength(utf8.substr(i));
        result.text.append(utf8.data() + i, ascii);
        i += ascii;
        if (i == utf8.size()) {
            break;
        }
        const std::size_t start = i;
        const char32_t cp = decodeUtf8(utf8, i);
        const std::optional<char> byte = UnicodeToCodePage(cp);
        if (!byte) {
            result.text.clear();
            result.unrepresentable = cp;
            if (cp == 0xFFFD && utf8.substr(start, i - start) != "\xEF\xBF\xBD") {
                result.invalidUtf8At = start;
            }
            return result;
        }
        result.text += *byte;
    }
    return result;
}

std::string CodePageToUtf8(std::string_view text)
{
    std::string out;
    AppendCodePageAsUtf8(out, text);
    return out;
}

void AppendCodePageAsUtf8(std::string& out, std::string_view text)
{
    std::size_t i = AsciiPrefixLength(text);
    // A byte from 0x80 takes at most three bytes in UTF-8.
    out.reserve(out.size() + text.size() + 2 * (text.size() - i));
    out.append(text.data(), i);
    while (i < text.size()) {
        appendUtf8(out, CodePageToUnicode(text[i++]));
        const std::size_t ascii = AsciiPrefixLength(text.substr(i));
        out.append(text.data() + i, ascii);
        i += ascii;
    }
}

std::size_t AsciiPrefixLength(std::string_view text)
{
    // Eight bytes at a time while none of them has its high bit set, then byte by byte.
    constexpr std::uint64_t highBits = 0x8080808080808080;
    std::size_t i = 0;
    for (std::uint64_t word = 0; i + sizeof word <= text.size(); i += sizeof word) {
        std::memcpy(&word, text.data() + i, sizeof word);
        if ((word & highBits) != 0) {
            break;
        }
    }
    while (i < text.size() && byteOf(text[i]) < 0x80) {
        ++i;
    }
    return i;
}

namespace {
// Control, format and separator characters that show nothing of their own, or rearrange or break the text
// around them, and text that was no character at all.
bool isInvisible(char32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0xAD || (cp >= 0x200B && cp <= 0x200F) ||
           (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2060 && cp <= 0x206F) || cp == 0xFEFF ||
           (cp >= 0xFFF9 && cp <= 0xFFFD) || (cp >= 0xE0000 && cp <= 0xE007F);
}
} // namespace

std::string UnrepresentableMessage(char32_t codePoint, std::string_view where)
{
    char number[16];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(codePoint));
    std::string character = number;
    if (!isInvisible(codePoint)) {
        std::string shown;
        appendUtf8(shown, codePoint);
        character = "\"" + shown + "\" (" + number + ")";
    }
    const std::string place = where.empty() ? std::string() : " in " + std::string(where);
    return "The character " + character + place + " cannot be stored in a puzzle. Remove or replace it and try again.";
}
