#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// A print font as the settings keep it: face, size in points, colour as 0xRRGGBB, and the style bits
/// (1 bold, 2 italic, 4 underline, 8 strike-out).
struct PrintFont
{
    std::string name = "Verdana";
    int size = 12;
    std::uint32_t rgb = 0x000000;
    int style = 0;

    bool operator==(const PrintFont&) const = default;
};

namespace PrintStyle {
inline constexpr int Bold = 1;
inline constexpr int Italic = 2;
inline constexpr int Underline = 4;
inline constexpr int StrikeOut = 8;
} // namespace PrintStyle

/// The page of a target in the target's own unit: paper width and height, the four margins, and where the
/// canvas's origin lies (the page corner, or the top-left of the printable area).
struct PageGeometry
{
    int width = 0;
    int height = 0;
    int marginLeft = 0;
    int marginTop = 0;
    int marginRight = 0;
    int marginBottom = 0;
    bool originAtPrintableArea = false;

    /// The y coordinate of the paper's lower edge in canvas coordinates.
    int bottomEdge() const { return originAtPrintableArea ? height - marginTop : height; }
    /// The y coordinate of the printable area's lower edge in canvas coordinates.
    int printableBottom() const { return bottomEdge() - marginBottom; }
};

/// What page composition draws through. Texts are UTF-8; measures and positions are in the target's unit, and a
/// text is placed by its top-left corner.
class PrintCanvas
{
public:
    virtual ~PrintCanvas() = default;

    virtual PageGeometry geometry() const = 0;
    /// Starts the composition on the first page.
    virtual void beginDocument() = 0;
    /// Finishes the composition.
    virtual void endDocument() = 0;
    /// Appends a page and makes it the current one.
    virtual void newPage() = 0;
    /// Text is drawn without filling its background.
    virtual void setBrushClear() = 0;
    /// The font of the text drawn and measured next.
    virtual void setFont(const PrintFont& font) = 0;
    virtual int textWidth(std::string_view text) = 0;
    virtual int textHeight(std::string_view text) = 0;
    virtual void textOut(int x, int y, std::string_view text) = 0;
    /// A straight line with the default pen (solid, black, thin).
    virtual void line(int x1, int y1, int x2, int y2) = 0;
};
