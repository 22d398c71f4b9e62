#pragma once

#include "PainterCanvas.h"

class QPrinter;

/// The page engine's target: a QPrinter (the preview's or the real one) in twips, on the printer's paper, with the
/// origin at the top-left of the printable area. In the preview the printer's margins show as dotted silver lines.
/// Pages outside the printer's page range are not sent.
class PrinterCanvas : public PainterCanvas
{
public:
    PrinterCanvas(QPrinter* printer, bool showMargins);
    ~PrinterCanvas() override;

    /// The page of printer in twips: its paper, and its margins as the printer's page layout holds them.
    static PageGeometry PageOf(const QPrinter& printer);

    /// Throws TessarinError when the printer cannot start a page.
    void beginDocument() override;
    void endDocument() override;
    /// Throws TessarinError when the printer cannot start another page.
    void newPage() override;

protected:
    bool drawing() const override;

private:
    void drawMargins();

    QPrinter* m_printer;
    bool m_showMargins;
    QPainter m_painter;
    int m_page = 1;
    bool m_pageStarted = false;
};
