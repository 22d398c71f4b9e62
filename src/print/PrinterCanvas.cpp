#include "PrinterCanvas.h"

#include <QPageLayout>
#include <QPen>
#include <QPrinter>

#include "TessarinError.h"

namespace {
constexpr double TwipsPerInch = 1440.0;
constexpr int TwipsPerPoint = 20;

// Page numbers counted from 1 that the printer's page range leaves out (none while all pages are asked for).
bool leftOut(const QPrinter& printer, int page)
{
    if (printer.printRange() != QPrinter::PageRange || printer.fromPage() == 0) {
        return false;
    }
    return page < printer.fromPage() || page > printer.toPage();
}
} // namespace

PrinterCanvas::PrinterCanvas(QPrinter* printer, bool showMargins)
    : PainterCanvas(PageOf(*printer), TwipsPerInch), m_printer(printer), m_showMargins(showMargins)
{}

PrinterCanvas::~PrinterCanvas()
{
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

PageGeometry PrinterCanvas::PageOf(const QPrinter& printer)
{
    const QMarginsF points = printer.fullPage() ? QMarginsF() : printer.pageLayout().marginsPoints();
    const auto twips = [](double value) { return qRound(value * TwipsPerPoint); };
    const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Point).size();
    return {twips(paper.width()),
            twips(paper.height()),
            twips(points.left()),
            twips(points.top()),
            twips(points.right()),
            twips(points.bottom()),
            true};
}

void PrinterCanvas::beginDocument()
{
    if (!m_painter.begin(m_printer)) {
        throw TessarinError("The printer could not start a page.");
    }
    attach(&m_painter);
    m_page = 1;
    m_pageStarted = drawing();
    drawMargins();
}

void PrinterCanvas::endDocument()
{
    detach();
    if (!m_painter.end() || m_printer->printerState() == QPrinter::Error) {
        throw TessarinError("The printer could not print the pages.");
    }
}

// A page outside the printer's page range is composed but not sent: the printer starts a sheet only for the pages
// asked for.
void PrinterCanvas::newPage()
{
    ++m_page;
    if (!drawing()) {
        return;
    }
    if (m_pageStarted && !m_printer->newPage()) {
        throw TessarinError("The printer could not start another page.");
    }
    m_pageStarted = true;
    drawMargins();
}

// The preview shows every page; the page range applies to the job.
bool PrinterCanvas::drawing() const
{
    return m_showMargins || !leftOut(*m_printer, m_page);
}

// The printable area's edges, drawn across the whole paper.
void PrinterCanvas::drawMargins()
{
    if (!m_showMargins) {
        return;
    }
    const PageGeometry page = geometry();
    const int right = page.width - page.marginLeft - page.marginRight;
    const int bottom = page.height - page.marginTop - page.marginBottom;
    QPen pen(QColor(192, 192, 192));
    pen.setStyle(Qt::DotLine);
    pen.setCosmetic(true);
    m_painter.save();
    m_painter.setPen(pen);
    m_painter.drawLine(0, -page.marginTop, 0, page.height - page.marginTop);
    m_painter.drawLine(right, -page.marginTop, right, page.height - page.marginTop);
    m_painter.drawLine(-page.marginLeft, 0, page.width - page.marginLeft, 0);
    m_painter.drawLine(-page.marginLeft, bottom, page.width - page.marginLeft, bottom);
    m_painter.restore();
}
