#pragma once

#include <QWidget>

#include "GamePuzzle.h"

/// The alphabet strip: A to Z in 26 slots; a click picks the letter for the selected board cell.
class ABCPaint : public QWidget
{
    Q_OBJECT
public:
    ABCPaint(GamePuzzle& puzzle, QWidget* parent = nullptr);

    /// Mouse input is ignored until the first puzzle is open.
    void setInputEnabled(bool enabled);
    bool inputEnabled() const { return m_inputEnabled; }

Q_SIGNALS:
    /// A letter was picked; the board needs a repaint.
    void picked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    GamePuzzle& m_puzzle;
    bool m_inputEnabled = false;
};
