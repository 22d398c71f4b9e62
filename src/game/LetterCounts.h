#pragma once

#include <QWidget>

#include "GamePuzzle.h"

/// Beside the board: how often each cipher letter occurs in the puzzle, and on a substitution board the letter the
/// solver gave it (in red when that letter is given to another cipher letter too). The font follows the height, and
/// the width follows the font: the column is as wide as its widest row and heading need, and never narrower than
/// beside the board at the design size.
class LetterCountPaint : public QWidget
{
    Q_OBJECT
public:
    LetterCountPaint(const GamePuzzle& puzzle, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    /// The font of the rows and the heading at the current height (letters are drawn in its bold).
    QFont rowFont() const;
    /// Repaints after a change of the puzzle, widening or narrowing the column for the counts it now shows.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int neededWidth(int height) const;

    const GamePuzzle& m_puzzle;
};
