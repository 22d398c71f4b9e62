#include "RtfExport.h"

#include <algorithm>
#include <cstdio>

#include "CodePage.h"
#include "PageText.h"

namespace {
// The page across, in twips: Letter paper and its side margins.
constexpr int PaperWidth = 12240;
constexpr int SideMargin = 1530;
constexpr int TextWidth = PaperWidth - 2 * SideMargin;

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
           ";}}{\\colortbl;\\red" + channel(16) + "\\green" + channel(8) + "\\blue" + channel(0) + ";}\\paperw" +
           std::to_string(PaperWidth) + "\\paperh15840\\margl" + std::to_string(SideMargin) + "\\margr" +
           std::to_string(SideMargin) + "\\margt1440\\margb1440\n";
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
// Where the key lines' values stand: the letters of table rows one em apart, each after a tab stop of its own,
// so that they stand under each other in any font; labelled lines' values after a stop where every label has ended.
// A row longer than the text width holds is continued in bands below, as on the printed page.
struct KeyColumns
{
    int em = 0;
    int labelStop = 0;
    std::size_t perBand = 1;
};

KeyColumns keyColumns(const std::vector<KeyLine>& keys, int pointSize)
{
    KeyColumns columns;
    columns.em = 20 * pointSize;
    columns.labelStop = 9 * columns.em;
    const int room = TextWidth - (HasLabelledLetterColumns(keys) ? columns.labelStop : 0);
    columns.perBand = static_cast<std::size_t>(std::max(1, room / columns.em));
    return columns;
}

// One key line, or the letters of one band of it; a later band leaves the label out and starts a space below.
std::string keyLine(const KeyLine& key, const std::string& body, const KeyColumns& columns, std::size_t band,
                    bool firstOfBand)
{
    const int valueStop = key.labelLength > 0 ? columns.labelStop : 0;
    std::string stops;
    std::string text = band == 0 ? RtfEscape(CodePageToUtf8(key.label())) : std::string();
    if (key.labelLength > 0) {
        stops += "\\tx" + std::to_string(valueStop);
        text += "\\tab ";
    }
    if (!key.letterColumns) {
        text += RtfEscape(CodePageToUtf8(key.value()));
    } else {
        const std::string value = key.value();
        const std::size_t first = band * columns.perBand;
        for (std::size_t c = first; c < value.size() && c < first + columns.perBand; ++c) {
            stops +=
                "\\tqc\\tx" + std::to_string(valueStop + columns.em / 2 + static_cast<int>(c - first) * columns.em);
            text += "\\tab " + RtfEscape(CodePageToUtf8(std::string(1, value[c])));
        }
    }
    const std::string before = band > 0 && firstOfBand ? "\\sb" + std::to_string(columns.em) : std::string();
    return "\\pard" + before + "\\sa" + std::to_string(key.gapInLineHeights > 1 ? columns.em : 0) + stops + body +
           text + "\\par\n";
}

void appendKeyLines(std::string& out, const std::vector<KeyLine>& keys, const std::string& body, int pointSize)
{
    const KeyColumns columns = keyColumns(keys, pointSize);
    ForEachKeyBand(keys, columns.perBand, [&](const KeyLine& key, std::size_t band, bool firstOfBand) {
        out += keyLine(key, body, columns, band, firstOfBand);
    });
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
        appendKeyLines(out, KeyLines(doc, kind), body, font.size);
        out += "\\pard\\sa" + std::to_string(lineTwips) + "\\par\n";
        appendParagraphs(out, doc.PLAIN, spaced(2), 0);
    }
    return out + "}\n";
}
