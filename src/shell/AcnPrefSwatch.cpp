#include "AcnPrefSwatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "QtColor.h"

AcnPrefSwatch::AcnPrefSwatch(ColorValue color, QWidget* parent) : QWidget(parent), m_color(color)
{
    setFixedSize(41, 25);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus); // Tab reaches the swatches too
}

QColor AcnPrefSwatch::OutlineColor() const
{
    return m_hovered || hasFocus() ? QColor(0, 255, 255) : ToQColor(NamedColor::cl3DDkShadow, palette());
}

void AcnPrefSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal penWidth = m_hovered || hasFocus() ? 2.0 : 1.0;
    painter.setPen(QPen(OutlineColor(), penWidth));
    painter.setBrush(ToQColor(m_color, palette()));
    const qreal corner = qMin(width(), height()) / 4.0;
    const qreal inset = penWidth / 2.0; // keeps the outline on whole pixels
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), corner, corner);
}

void AcnPrefSwatch::enterEvent(QEnterEvent*)
{
    m_hovered = true;
    update();
}

void AcnPrefSwatch::leaveEvent(QEvent*)
{
    m_hovered = false;
    update();
}

void AcnPrefSwatch::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT picked(m_color);
        return;
    }
    QWidget::keyPressEvent(event);
}

void AcnPrefSwatch::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void AcnPrefSwatch::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void AcnPrefSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint())) {
        Q_EMIT picked(m_color);
    }
}
