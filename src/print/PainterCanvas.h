#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <optional>

#include "PrintCanvas.h"

/// A PrintCanvas over a QPainter whose unit is a fixed fraction of an inch (twips, tenths of a millimetre): the
/// painter is scaled from device pixels to that unit, and fonts are sized so that their points come out right
/// after the scaling. Subclasses own the device and start pages.
class PainterCanvas : public PrintCanvas
{
public:
    PainterCanvas(const PageGeometry& page, double unitsPerInch);

    PageGeometry geometry() const override { return m_page; }
    void setBrushClear() override;
    void setFont(const PrintFont& font) override;
    int textWidth(std::string_view text) override;
    int textHeight(std::string_view text) override;
    void textOut(int x, int y, std::string_view text) override;
    void line(int x1, int y1, int x2, int y2) override;

protected:
    /// Starts drawing on painter (already begun on its device) in the canvas's unit.
    void attach(QPainter* painter);
    /// Stops drawing; the painter is the caller's to end.
    void detach();
    QPainter* painter() const { return m_painter; }
    /// False while the current page is composed but not output: text and lines are then left out.
    virtual bool drawing() const { return true; }

private:
    QFontMetricsF metrics() const;

    PageGeometry m_page;
    double m_unitsPerInch;
    double m_scale = 1.0;
    QPainter* m_painter = nullptr;
    QFont m_font;
    QColor m_color = Qt::black;
};

/// The Qt font of a print font at its point size (for font dialogs and exports).
QFont ToQFont(const PrintFont& font);
