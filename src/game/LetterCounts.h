#pragma once

#include <QWidget>

#include "GamePuzzle.h"

/// Beside the board: how often each cipher letter occurs in the puzzle, and on a substitution board the letter the
/// solver gave it (in red when that letter is given to another cipher letter too).
class LetterCountPaint : public QWidget
{
    Q_OBJECT
public:
    LetterCountPaint(const GamePuzzle& puzzle, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const GamePuzzle& m_puzzle;
};
