#pragma once

#include <string>
#include <vector>

#include "PrintCanvas.h"

/// A canvas with known metrics that records what is drawn: every character is 10 units wide, "H" is 30 units high,
/// "m" 20 and anything else 25, so a test can tell which height a step measured.
class RecordingCanvas : public PrintCanvas
{
public:
    struct Text
    {
        int page;
        int x;
        int y;
        std::string text;
        PrintFont font;
    };
    struct Line
    {
        int page;
        int x1;
        int y1;
        int x2;
        int y2;
    };

    explicit RecordingCanvas(PageGeometry page) : m_page(page) {}

    PageGeometry geometry() const override { return m_page; }
    void beginDocument() override { ++begins; }
    void endDocument() override { ++ends; }
    void newPage() override { ++pages; }
    void setBrushClear() override { brushClear = true; }
    void setFont(const PrintFont& font) override { m_font = font; }
    int textWidth(std::string_view text) override { return 10 * static_cast<int>(text.size()); }
    int textHeight(std::string_view text) override { return text == "H" ? 30 : text == "m" ? 20 : 25; }
    void textOut(int x, int y, std::string_view text) override
    {
        texts.push_back({pages, x, y, std::string(text), m_font});
    }
    void line(int x1, int y1, int x2, int y2) override { lines.push_back({pages, x1, y1, x2, y2}); }

    /// The drawn texts alone, in order.
    std::vector<std::string> strings() const
    {
        std::vector<std::string> out;
        for (const Text& t : texts) {
            out.push_back(t.text);
        }
        return out;
    }

    std::vector<Text> texts;
    std::vector<Line> lines;
    int begins = 0;
    int ends = 0;
    int pages = 1;
    bool brushClear = false;

private:
    PageGeometry m_page;
    PrintFont m_font;
};
