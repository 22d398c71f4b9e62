#pragma once

#include <QWidget>

class QToolButton;

/// An up-down control with horizontal arrows: the right arrow ("next") raises the position, the left arrow
/// ("previous") lowers it. A click is reported only while the position can still change; an arrow at its limit
/// is disabled.
class HorizontalUpDown : public QWidget
{
    Q_OBJECT

public:
    HorizontalUpDown(int minimum, int maximum, QWidget* parent = nullptr);

    int position() const { return m_position; }
    /// Moves one step as a click on the right (next) or the left arrow does; false at the limit.
    bool step(bool next);

Q_SIGNALS:
    /// After the position changed by one; next is true for the right arrow.
    void clicked(bool next);

private:
    void updateArrows();

    int m_minimum;
    int m_maximum;
    int m_position = 0;
    QToolButton* m_previous;
    QToolButton* m_next;
};
