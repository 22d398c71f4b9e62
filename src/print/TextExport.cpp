#include "TextExport.h"

#include <algorithm>

#include "Alphabet.h"
#include "CodePage.h"
#include "PageText.h"

namespace {
// The number of characters (not bytes) of a UTF-8 text.
std::size_t characterCount(const std::string& utf8)
{
    std::size_t count = 0;
    for (char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

void appendHeading(std::string& out, const std::string& heading)
{
    out += heading + "\n" + std::string(characterCount(heading), '-') + "\n\n";
}

void appendLines(std::string& out, const std::string& text, bool blankBetween)
{
    const auto overflows = [](std::string_view line) { return line.size() > TextExportLineLength; };
    // The line breaker never lets a segment's last character break its line: on paper the "m" it measures beyond
    // each line leaves room for it, but a file has none, and a 73rd character would stand past the limit. A blank
    // after each line of the text takes that place; it is trimmed away with the line.
    for (const std::string& textLine : SplitTextLines(text)) {
        for (const std::string& line : BreakLines(textLine + " ", overflows)) {
            out += CodePageToUtf8(line) + "\n";
            if (blankBetween) {
                out += "\n";
            }
        }
    }
}
} // namespace

std::string ComposeTextExport(const PuzzleDocument& doc, CipherKind kind, bool withSolution)
{
    if (kind == CipherKind::None) {
        return {};
    }
    std::string out;
    appendHeading(out, PrintTitle(doc.FileName));
    std::string ciphertext = PrintedCiphertext(doc, kind);
    if (kind == CipherKind::Playfair) {
        // Each piece of the Playfair text on a line of its own (the pieces are its only spaces).
        ciphertext = TrimControl(ciphertext);
        std::replace(ciphertext.begin(), ciphertext.end(), ' ', '\n');
    }
    appendLines(out, ciphertext, true);
    if (!withSolution) {
        return out;
    }
    out += "\n";
    appendHeading(out, "Solution");
    const std::vector<KeyLine> keys = KeyLines(doc, kind);
    bool inTable = true;
    for (const KeyLine& key : keys) {
        // A letter table after a labelled line (the Playfair square after its keyword) stands apart.
        out += key.letterColumns && !inTable ? "\n" : "";
        inTable = key.letterColumns;
        out += CodePageToUtf8(key.text) + "\n";
    }
    if (!keys.empty()) {
        out += "\n";
    }
    appendLines(out, doc.PLAIN, false);
    return out;
}
