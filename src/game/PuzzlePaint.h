#pragma once

#include <cstddef>
#include <vector>

#include <QScrollArea>
#include <QWidget>

#include "GamePuzzle.h"

/// The board: BoardText drawn as square cells, 23 to a row with words kept whole, and the solver's selection with
/// mouse and keyboard. Filled cells, the selection's group and conflicting letters are drawn apart from the cipher
/// letters; the cells of the hint on show are shaded orange and framed. Score marks are drawn over the cells until the
/// board next changes or is resized.
class PuzzlePaint : public QWidget
{
    Q_OBJECT
public:
    PuzzlePaint(GamePuzzle& puzzle, QWidget* parent = nullptr);

    /// Mouse and keyboard input are ignored until the first puzzle is open.
    void setInputEnabled(bool enabled);
    bool inputEnabled() const { return m_inputEnabled; }

    /// While revealing, text is drawn in silver instead of BoardText.
    void setReveal(bool revealing, const std::string& text = {});
    bool revealing() const { return m_revealing; }

    /// Red X marks in the given cells (positions from 1), shown until the next refresh.
    void showScoreMarks(std::vector<std::size_t> positions);
    const std::vector<std::size_t>& scoreMarks() const { return m_marks; }

    /// Repaints after a change of the state; removes score marks.
    void refresh();

    /// The edge of a cell at the current width.
    int cellSize() const;
    /// The height all rows of the board need at width.
    int neededHeight(int width) const;
    /// The pixel rectangle of position p (from 1); empty when p has no cell.
    QRect cellRect(std::size_t p) const;
    /// The rectangle of the selected cell; empty without a selection.
    QRect selectionRect() const;
    /// The position under a pixel of the board, or nothing.
    std::optional<std::size_t> positionAt(QPoint at) const;

Q_SIGNALS:
    /// The solver changed the selection or the board with the mouse or keyboard; the strip needs a repaint.
    void edited();
    /// The rows or the cell size changed: the board's height must follow.
    void heightChanged();
    /// F8 pressed (true) or released (false) on the board: Reveal puzzle from the keyboard.
    void revealHeld(bool held);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void paintCells(QPainter& painter, const std::string& text, int size, const QRect& area);
    void paintMarks(QPainter& painter, int size);
    bool handleKey(int key, const QString& text);
    const BoardLayout& layout() const;

    GamePuzzle& m_puzzle;
    bool m_inputEnabled = false;
    bool m_revealing = false;
    bool m_revealKeyHeld = false; ///< F8 went down on the board and has not come up there yet
    std::string m_revealText;
    std::vector<std::size_t> m_marks;
    int m_rows = -1;
    mutable BoardLayout m_spareLayout; ///< for a board text set without a new model (kept in step lazily)
};

/// The board's vertical scroller: keeps the board as wide as its view and as tall as its rows, and keeps the
/// selected cell in view.
class BoardScroller : public QScrollArea
{
    Q_OBJECT
public:
    BoardScroller(PuzzlePaint* board, QWidget* parent = nullptr);

    /// Fits the board to the view's width and its rows' height.
    void fitBoard();
    /// Scrolls so that the selected cell can be seen.
    void showSelection();
    /// Brings cells (positions from 1) into view: the first of them and as many after it as the view holds. With
    /// next, moves on from the cells in view to those after them, and from the last back to the first, so that cells
    /// too far apart to be seen together can be looked at in turn.
    void showCells(const std::vector<std::size_t>& positions, bool next = false);
    /// True when the cells cannot all be seen at once.
    bool cellsOutgrowView(const std::vector<std::size_t>& positions) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    /// The cells' rectangles in board order, gathered into runs that each fit in the view.
    std::vector<QRect> viewfuls(std::vector<std::size_t> positions) const;

    PuzzlePaint* m_board;
};
