#pragma once

#include <QWidget>

#include "ColorText.h"

/// A colour swatch of the preferences' View page: a rounded rectangle of 41 by 25 pixels in its colour, outlined in
/// the dark 3-D shadow colour, or aqua while the mouse is over it or it has the keyboard focus. Releasing a mouse
/// button over it, or Space or Enter while it has the focus, emits picked.
class AcnPrefSwatch : public QWidget
{
    Q_OBJECT
public:
    AcnPrefSwatch(ColorValue color, QWidget* parent = nullptr);

    ColorValue Color() const { return m_color; }
    /// The outline drawn now.
    QColor OutlineColor() const;

Q_SIGNALS:
    void picked(ColorValue color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    ColorValue m_color;
    bool m_hovered = false;
};
