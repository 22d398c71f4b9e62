#include "ComposePages.h"

#include <string>

#include "CodePage.h"
#include "PageText.h"

namespace {

// One composition's running state: the canvas, the page's layout values and the current line position.
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
    void heading(const std::string& text);
    void textOut(int y, const std::string& utf8);
    void drawLines(const std::string& text, int stepInHeights);
    void drawKeyLines(const PuzzleDocument& doc, CipherKind kind);

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

// Text that would start below the paper does not appear.
void Composer::textOut(int y, const std::string& utf8)
{
    if (!utf8.empty() && y < m_page.bottomEdge()) {
        m_canvas.textOut(m_layout.x, y, utf8);
    }
}

void Composer::heading(const std::string& text)
{
    const int hm = m_canvas.textHeight("m");
    textOut(m_y - hm, text);
    if (m_y < m_page.bottomEdge()) {
        m_canvas.line(m_layout.x, m_y, m_page.width - m_layout.x, m_y);
    }
}

void Composer::drawLines(const std::string& text, int stepInHeights)
{
    const auto overflows = [this](std::string_view line) {
        return m_canvas.textWidth(CodePageToUtf8(std::string(line) + "m")) > m_layout.lineWidth;
    };
    for (const std::string& line : BreakLines(text, overflows)) {
        textOut(m_y, CodePageToUtf8(line));
        m_y += stepInHeights * heightH();
    }
}

void Composer::drawKeyLines(const PuzzleDocument& doc, CipherKind kind)
{
    for (const KeyLine& key : KeyLines(doc, kind)) {
        m_y += key.gapInLineHeights * heightH();
        textOut(m_y, CodePageToUtf8(key.text));
    }
}

void Composer::run(const PuzzleDocument& doc, CipherKind kind, SolutionOption option)
{
    const std::string title = PrintTitle(doc.FileName);
    m_canvas.setBrushClear();
    useStyle(PrintStyle::Bold);
    heading(title);
    useStyle(m_font.style);
    m_y += 3 * heightH();
    drawLines(PrintedCiphertext(doc, kind), 3);
    if (option == SolutionOption::None) {
        return;
    }
    useStyle(PrintStyle::Bold);
    std::string solutionHeading = " Solution";
    if (option == SolutionOption::NewPage) {
        m_canvas.newPage();
        solutionHeading = title + solutionHeading;
        m_y = m_layout.top;
    } else {
        m_y += 3 * heightH();
    }
    heading(solutionHeading);
    useStyle(m_font.style);
    m_y += 3 * heightH();
    drawKeyLines(doc, kind);
    m_y += 3 * heightH();
    drawLines(doc.PLAIN, 2);
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
