#include "ComposePages.h"

#include <algorithm>
#include <string>
#include <vector>

#include "CodePage.h"
#include "PageText.h"

namespace {

// One composition's running state: the canvas, the page's layout values and the current line position. Lines that
// would reach below the lowest line position of a page go onto a new page, so every line is printed and none lies
// inside the printer's margins.
class Composer
{
public:
    Composer(PrintCanvas& canvas, const PrintFont& font)
        : m_canvas(canvas), m_page(canvas.geometry()), m_layout(LayoutOf(m_page)), m_font(font), m_y(m_layout.top)
    {}

    void run(const PuzzleDocument& doc, CipherKind kind, SolutionOption option);

private:
    void useStyle(int style);
    int heightH() { return m_canvas.textHeight("H"); }
    int lowestLine() const;
    void newPage();
    void keepTogether(int height);
    void heading(const std::string& title, const std::string& after = {});
    std::string fittedTitle(std::string title, const std::string& after);
    void textOut(int x, int y, const std::string& utf8);
    std::vector<std::string> brokenLines(const std::string& text);
    void drawLines(const std::vector<std::string>& lines, int stepInHeights);
    int keyLines(const std::vector<KeyLine>& keys, bool draw);
    int solutionHeight(const std::vector<KeyLine>& keys, std::size_t plainLines);

    PrintCanvas& m_canvas;
    PageGeometry m_page;
    PageLayout m_layout;
    PrintFont m_font;
    int m_y;
};

void Composer::useStyle(int style)
{
    PrintFont font = m_font;
    font.style = style;
    m_canvas.setFont(font);
}

// The lowest top of a line: a line of height hH ends the top position's distance above the printable area's
// lower edge, mirroring the space above the first line.
int Composer::lowestLine() const
{
    return m_page.printableBottom() - m_layout.top;
}

void Composer::newPage()
{
    m_canvas.newPage();
    m_y = m_layout.top;
}

// Starts a new page unless a block of the given height (from the current position down to its last line's bottom)
// fits on this one; a block taller than a page starts at the top of a fresh page all the same.
void Composer::keepTogether(int height)
{
    if (m_y > m_layout.top && m_y + height > lowestLine() + heightH()) {
        newPage();
    }
}

void Composer::textOut(int x, int y, const std::string& utf8)
{
    if (!utf8.empty()) {
        m_canvas.textOut(x, y, utf8);
    }
}

// Draws a heading above the current position and underlines it. A heading at the top of a page whose font is
// taller than the top position is moved down by the difference, so that its letters stay inside the page.
void Composer::heading(const std::string& title, const std::string& after)
{
    const int hm = m_canvas.textHeight("m");
    m_y = std::max(m_y, hm);
    textOut(m_layout.x, m_y - hm, fittedTitle(title, after) + after);
    m_canvas.line(m_layout.x, m_y, m_page.width - m_layout.x, m_y);
}

// The title (UTF-8) of a heading that ends in after, so that the heading is as long as its rule at most: a longer
// title (it is the file's name) would run off the paper, so it is cut at a character and ends in an ellipsis.
std::string Composer::fittedTitle(std::string title, const std::string& after)
{
    const int room = m_page.width - 2 * m_layout.x;
    if (m_canvas.textWidth(title + after) <= room) {
        return title;
    }
    const std::string ellipsis = "\u2026";
    while (!title.empty() && m_canvas.textWidth(title + ellipsis + after) > room) {
        while (!title.empty() && (static_cast<unsigned char>(title.back()) & 0xC0U) == 0x80U) {
            title.pop_back(); // the continuation bytes of the last character
        }
        if (!title.empty()) {
            title.pop_back();
        }
    }
    while (!title.empty() && title.back() == ' ') {
        title.pop_back(); // the ellipsis follows the last word, not a blank
    }
    return title + ellipsis;
}

std::vector<std::string> Composer::brokenLines(const std::string& text)
{
    const auto overflows = [this](std::string_view line) {
        return m_canvas.textWidth(CodePageToUtf8(std::string(line) + "m")) > m_layout.lineWidth;
    };
    return BreakLines(text, overflows);
}

void Composer::drawLines(const std::vector<std::string>& lines, int stepInHeights)
{
    for (const std::string& line : lines) {
        keepTogether(heightH());
        textOut(m_layout.x, m_y, CodePageToUtf8(line));
        m_y += stepInHeights * heightH();
    }
}

// Draws the key lines from the current position (or only measures them) and returns how far below the current
// position the last line's top lies. Labels stand at the left edge and values in one column after the widest
// label; the letters of table rows stand centred in columns of equal width, so that each letter stands under the
// letter above it in any font. Rows too wide for the line are set in several bands of columns.
int Composer::keyLines(const std::vector<KeyLine>& keys, bool draw)
{
    int labelWidth = 0;
    int widestLetter = 0;
    for (const KeyLine& key : keys) {
        if (key.labelLength > 0) {
            labelWidth = std::max(labelWidth, m_canvas.textWidth(CodePageToUtf8(key.label() + " ")));
        }
        if (key.letterColumns) {
            for (char letter : key.value()) {
                widestLetter = std::max(widestLetter, m_canvas.textWidth(CodePageToUtf8(std::string(1, letter))));
            }
        }
    }
    const int valueX = m_layout.x + labelWidth;
    const int cell = widestLetter + std::max(1, widestLetter / 3);
    const int rowX = HasLabelledLetterColumns(keys) ? valueX : m_layout.x;
    const auto perBand =
        static_cast<std::size_t>(std::max(1, (m_layout.x + m_layout.lineWidth - rowX) / std::max(1, cell)));
    const int hH = heightH();
    int y = 0;
    ForEachKeyBand(keys, perBand, [&](const KeyLine& key, std::size_t band, bool firstOfBand) {
        y += (band > 0 && firstOfBand ? 2 : key.gapInLineHeights) * hH;
        if (!draw) {
            return;
        }
        const std::string value = key.value();
        if (band == 0) {
            textOut(m_layout.x, m_y + y, CodePageToUtf8(key.label()));
        }
        if (!key.letterColumns) {
            textOut(valueX, m_y + y, CodePageToUtf8(value));
            return;
        }
        const int columnX = key.labelLength > 0 ? valueX : m_layout.x;
        for (std::size_t c = band * perBand; c < value.size() && c < (band + 1) * perBand; ++c) {
            const std::string letter = CodePageToUtf8(std::string(1, value[c]));
            const int left = columnX + static_cast<int>(c - band * perBand) * cell;
            textOut(left + (cell - m_canvas.textWidth(letter)) / 2, m_y + y, letter);
        }
    });
    return y;
}

// The height of the solution section below the last ciphertext line's step: heading, key lines and plaintext.
int Composer::solutionHeight(const std::vector<KeyLine>& keys, std::size_t plainLines)
{
    const int hH = heightH();
    int height = 9 * hH + (keys.empty() ? 0 : keyLines(keys, false));
    if (plainLines > 0) {
        height += static_cast<int>(plainLines - 1) * 2 * hH;
    }
    return height + hH;
}

void Composer::run(const PuzzleDocument& doc, CipherKind kind, SolutionOption option)
{
    const std::string title = PrintTitle(doc.FileName);
    m_canvas.setBrushClear();
    useStyle(PrintStyle::Bold);
    heading(title);
    useStyle(m_font.style);
    m_y += 3 * heightH();
    drawLines(brokenLines(PrintedCiphertext(doc, kind)), 3);
    if (option == SolutionOption::None) {
        return;
    }
    const std::vector<KeyLine> keys = KeyLines(doc, kind);
    const std::vector<std::string> plain = brokenLines(doc.PLAIN);
    // The solution stays below the ciphertext only when all of it fits there.
    if (option == SolutionOption::SamePage && m_y + solutionHeight(keys, plain.size()) > lowestLine() + heightH()) {
        option = SolutionOption::NewPage;
    }
    useStyle(PrintStyle::Bold);
    if (option == SolutionOption::NewPage) {
        newPage();
        heading(title, " Solution");
    } else {
        m_y += 3 * heightH();
        heading(" Solution");
    }
    useStyle(m_font.style);
    m_y += 3 * heightH();
    if (!keys.empty()) {
        keepTogether(keyLines(keys, false) + heightH());
        m_y += keyLines(keys, true);
    }
    m_y += 3 * heightH();
    drawLines(plain, 2);
}
} // namespace

PageLayout LayoutOf(const PageGeometry& page)
{
    PageLayout layout;
    layout.x = 2 * (page.width / 16);
    layout.lineWidth = page.width - page.marginLeft - page.marginRight - 2 * layout.x;
    layout.usableHeight = page.height - page.marginTop - page.marginBottom - 2 * layout.x;
    layout.top = layout.usableHeight / 11;
    return layout;
}

void ComposePages(PrintCanvas& canvas, const PuzzleDocument& doc, CipherKind kind, SolutionOption option,
                  const PrintFont& font)
{
    if (kind == CipherKind::None) {
        return;
    }
    canvas.beginDocument();
    Composer(canvas, font).run(doc, kind, option);
    canvas.endDocument();
}
