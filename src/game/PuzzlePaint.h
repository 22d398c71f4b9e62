#pragma once

#include <cstddef>
#include <vector>

#include <QWidget>

#include "GamePuzzle.h"

/// The board: BoardText drawn as square cells, 23 to a row, and the solver's selection with mouse and keyboard.
/// Score marks are drawn over the cells until the board next changes or is resized.
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

Q_SIGNALS:
    /// The solver changed the selection or the board with the mouse or keyboard; the strip needs a repaint.
    void edited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void paintCells(QPainter& painter, const std::string& text, int size);
    void paintMarks(QPainter& painter, int size);
    bool handleKey(int key, const QString& text);

    GamePuzzle& m_puzzle;
    bool m_inputEnabled = false;
    bool m_revealing = false;
    std::string m_revealText;
    std::vector<std::size_t> m_marks;
};
