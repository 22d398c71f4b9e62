#include "PdfCanvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "TessarinError.h"

namespace {
constexpr int PdfResolution = 254;
constexpr double TenthsOfMillimetrePerInch = 254.0;
} // namespace

PdfCanvas::PdfCanvas(QIODevice* device, QString title)
    : PainterCanvas(Page(), TenthsOfMillimetrePerInch), m_device(device), m_title(std::move(title))
{}

PdfCanvas::~PdfCanvas()
{
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

PageGeometry PdfCanvas::Page()
{
    return {2159, 2794, 3, 3, 3, 3, false};
}

void PdfCanvas::beginDocument()
{
    m_writer = std::make_unique<QPdfWriter>(m_device);
    m_writer->setResolution(PdfResolution);
    m_writer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    m_writer->setTitle(m_title);
    m_writer->setCreator(QStringLiteral("Tessarin 5"));
    if (!m_painter.begin(m_writer.get())) {
        throw TessarinError("The PDF writer could not start a page.");
    }
    attach(&m_painter);
}

void PdfCanvas::endDocument()
{
    detach();
    m_painter.end();
}

void PdfCanvas::newPage()
{
    m_writer->newPage();
}
