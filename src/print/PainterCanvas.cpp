#include "PainterCanvas.h"

#include <QPen>
#include <QString>

namespace {
QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void applyStyle(QFont& font, int style)
{
    font.setBold((style & PrintStyle::Bold) != 0);
    font.setItalic((style & PrintStyle::Italic) != 0);
    font.setUnderline((style & PrintStyle::Underline) != 0);
    font.setStrikeOut((style & PrintStyle::StrikeOut) != 0);
}
} // namespace

QFont ToQFont(const PrintFont& font)
{
    QFont qfont(QString::fromStdString(font.name));
    qfont.setPointSize(font.size > 0 ? font.size : 1);
    // No ligatures: a page shows, and a PDF copies, the letters of the text one by one.
    qfont.setStyleStrategy(QFont::PreferNoShaping);
    applyStyle(qfont, font.style);
    return qfont;
}

PainterCanvas::PainterCanvas(const PageGeometry& page, double unitsPerInch) : m_page(page), m_unitsPerInch(unitsPerInch)
{}

void PainterCanvas::attach(QPainter* painter)
{
    m_painter = painter;
    m_scale = painter->device()->logicalDpiX() / m_unitsPerInch;
    painter->scale(m_scale, m_scale);
    painter->setFont(m_font);
}

void PainterCanvas::detach()
{
    m_painter = nullptr;
}

void PainterCanvas::setBrushClear()
{
    if (m_painter) {
        m_painter->setBackgroundMode(Qt::TransparentMode);
        m_painter->setBrush(Qt::NoBrush);
    }
}

void PainterCanvas::setFont(const PrintFont& font)
{
    // The painter's scaling enlarges the font as well, so the font is made smaller by the same factor.
    m_font = ToQFont(font);
    m_font.setPointSizeF((font.size > 0 ? font.size : 1) / m_scale);
    m_color = QColor::fromRgb(font.rgb);
    if (m_painter) {
        m_painter->setFont(m_font);
    }
}

QFontMetricsF PainterCanvas::metrics() const
{
    return m_painter ? QFontMetricsF(m_font, m_painter->device()) : QFontMetricsF(m_font);
}

int PainterCanvas::textWidth(std::string_view text)
{
    return qRound(metrics().horizontalAdvance(fromUtf8(text)));
}

int PainterCanvas::textHeight(std::string_view)
{
    return qRound(metrics().height());
}

void PainterCanvas::textOut(int x, int y, std::string_view text)
{
    if (!m_painter || !drawing()) {
        return;
    }
    m_painter->setPen(m_color);
    m_painter->drawText(QPointF(x, y + metrics().ascent()), fromUtf8(text));
}

void PainterCanvas::line(int x1, int y1, int x2, int y2)
{
    if (!m_painter || !drawing()) {
        return;
    }
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    pen.setWidth(1);
    m_painter->setPen(pen);
    m_painter->drawLine(x1, y1, x2, y2);
}
