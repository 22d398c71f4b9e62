#include "RtfExport.h"

#include <cstdio>

#include "CodePage.h"
#include "PageText.h"

namespace {
// Decodes one UTF-8 sequence at text[i], advancing i; an invalid byte counts as U+FFFD.
char32_t nextCodePoint(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    const int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    if (extra == 0) {
        ++i;
        return lead;
    }
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size()) {
        ++i;
        return U'\uFFFD';
    }
    char32_t cp = lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) {
            ++i;
            return U'\uFFFD';
        }
        cp = (cp << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

void appendUnicode(std::string& out, char32_t cp)
{
    const auto unit = [&](unsigned value) { out += "\\u" + std::to_string(static_cast<std::int16_t>(value)) + "?"; };
    if (cp > 0xFFFF) {
        cp -= 0x10000;
        unit(0xD800 + static_cast<unsigned>(cp >> 10));
        unit(0xDC00 + static_cast<unsigned>(cp & 0x3FF));
    } else {
        unit(static_cast<unsigned>(cp));
    }
}

void appendCodePoint(std::string& out, char32_t cp)
{
    if (cp == '\\' || cp == '{' || cp == '}') {
        out += '\\';
        out += static_cast<char>(cp);
    } else if (cp == '\t') {
        out += "\\tab ";
    } else if (cp >= 0x20 && cp < 0x7F) {
        out += static_cast<char>(cp);
    } else if (cp < 0x20) {
        return;
    } else if (const std::optional<char> byte = UnicodeToCodePage(cp); byte && (cp < 0x80 || cp > 0x9F)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>(*byte));
        out += hex;
    } else {
        appendUnicode(out, cp);
    }
}

std::string fontControls(const PrintFont& font, int style)
{
    std::string out = "\\plain\\f0\\cf1\\fs" + std::to_string(2 * font.size);
    out += (style & PrintStyle::Bold) ? "\\b" : "";
    out += (style & PrintStyle::Italic) ? "\\i" : "";
    out += (style & PrintStyle::Underline) ? "\\ul" : "";
    out += (style & PrintStyle::StrikeOut) ? "\\strike" : "";
    return out + " ";
}

std::string header(const PrintFont& font)
{
    const auto channel = [&](int shift) { return std::to_string((font.rgb >> shift) & 0xFF); };
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 " + RtfEscape(font.name) +
           ";}}{\\colortbl;\\red" + channel(16) + "\\green" + channel(8) + "\\blue" + channel(0) +
           ";}\\paperw12240\\paperh15840\\margl1530\\margr1530\\margt1440\\margb1440\n";
}

// Paragraphs of one text, each line end of the text a paragraph; spaceAfter in twips.
void appendParagraphs(std::string& out, const std::string& codePageText, const std::string& controls, int spaceAfter)
{
    const auto never = [](std::string_view) { return false; };
    for (const std::string& line : BreakLines(codePageText, never)) {
        out += "\\pard\\sa" + std::to_string(spaceAfter) + controls + RtfEscape(CodePageToUtf8(line)) + "\\par\n";
    }
}

void appendHeading(std::string& out, const std::string& utf8, const PrintFont& font, int lineTwips)
{
    out += "\\pard\\sa" + std::to_string(3 * lineTwips) + "\\brdrb\\brdrs\\brdrw10\\brsp20" +
           fontControls(font, PrintStyle::Bold) + RtfEscape(utf8) + "\\par\n";
}

} // namespace

std::string RtfEscape(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        appendCodePoint(out, nextCodePoint(utf8, i));
    }
    return out;
}

namespace {
// One key line: the label and the value after a tab stop where every label has ended, and the letters of a table
// row each after a tab stop of its own, one em apart, so that the letters stand under each other in any font.
std::string keyLine(const KeyLine& key, const std::string& body, int pointSize)
{
    const int em = 20 * pointSize;
    const int valueStop = key.labelLength > 0 ? 9 * em : 0;
    std::string stops;
    std::string text = RtfEscape(CodePageToUtf8(key.label()));
    if (key.labelLength > 0) {
        stops += "\\tx" + std::to_string(valueStop);
        text += "\\tab ";
    }
    if (!key.letterColumns) {
        text += RtfEscape(CodePageToUtf8(key.value()));
    } else {
        const std::string value = key.value();
        for (std::size_t c = 0; c < value.size(); ++c) {
            stops += "\\tqc\\tx" + std::to_string(valueStop + em / 2 + static_cast<int>(c) * em);
            text += "\\tab " + RtfEscape(CodePageToUtf8(std::string(1, value[c])));
        }
    }
    return "\\pard\\sa" + std::to_string(key.gapInLineHeights > 1 ? em : 0) + stops + body + text + "\\par\n";
}
} // namespace

std::string ComposeRtf(const PuzzleDocument& doc, CipherKind kind, SolutionOption option, const PrintFont& font)
{
    if (kind == CipherKind::None) {
        return {};
    }
    const int lineTwips = 20 * font.size;
    const std::string body = fontControls(font, font.style);
    const std::string title = PrintTitle(doc.FileName);
    std::string out = header(font);
    appendHeading(out, title, font, lineTwips);
    // The print's spacing: three line heights from one ciphertext line to the next (wrapped lines included), so
    // that there is room to write between them; two for the plaintext.
    const auto spaced = [&](int lines) {
        return "\\sl" + std::to_string(lines * lineTwips * 6 / 5) + "\\slmult0" + body;
    };
    appendParagraphs(out, PrintedCiphertext(doc, kind), spaced(3), 0);
    if (option != SolutionOption::None) {
        if (option == SolutionOption::NewPage) {
            out += "\\page\n";
            appendHeading(out, title + " Solution", font, lineTwips);
        } else {
            out += "\\pard\\sa" + std::to_string(lineTwips) + "\\par\n";
            appendHeading(out, "Solution", font, lineTwips);
        }
        for (const KeyLine& key : KeyLines(doc, kind)) {
            out += keyLine(key, body, font.size);
        }
        out += "\\pard\\sa" + std::to_string(lineTwips) + "\\par\n";
        appendParagraphs(out, doc.PLAIN, spaced(2), 0);
    }
    return out + "}\n";
}
