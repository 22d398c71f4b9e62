#include "PuzzlePaint.h"

#include <array>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "BoardGeometry.h"
#include "QtCodePage.h"
#include "SolvingCommands.h"

namespace {

const QColor SelectedFill(255, 255, 0);
const QColor CellFill(255, 255, 255);
const QColor RevealLetters(192, 192, 192);
const QColor MarkColour(255, 0, 0);

// Every code page byte as the character it shows, made once.
const std::array<QString, 256>& Glyphs()
{
    static const std::array<QString, 256> glyphs = [] {
        std::array<QString, 256> g;
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            g[static_cast<std::size_t>(b)] = FromCodePage(std::string_view(&c, 1));
        }
        return g;
    }();
    return glyphs;
}

std::optional<SelectionMove> MoveOfKey(int key)
{
    switch (key) {
    case Qt::Key_Right:
        return SelectionMove::Next;
    case Qt::Key_Left:
        return SelectionMove::Previous;
    case Qt::Key_Down:
        return SelectionMove::RowDown;
    case Qt::Key_Up:
        return SelectionMove::RowUp;
    case Qt::Key_Home:
        return SelectionMove::First;
    case Qt::Key_End:
        return SelectionMove::Last;
    default:
        return std::nullopt;
    }
}

} // namespace

PuzzlePaint::PuzzlePaint(GamePuzzle& puzzle, QWidget* parent) : QWidget(parent), m_puzzle(puzzle)
{
    setObjectName(QStringLiteral("PuzzlePaint"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
}

void PuzzlePaint::setInputEnabled(bool enabled)
{
    m_inputEnabled = enabled;
}

void PuzzlePaint::setReveal(bool revealing, const std::string& text)
{
    m_revealing = revealing;
    m_revealText = text;
    refresh();
}

void PuzzlePaint::showScoreMarks(std::vector<std::size_t> positions)
{
    m_marks = std::move(positions);
    update();
}

void PuzzlePaint::refresh()
{
    m_marks.clear();
    update();
}

int PuzzlePaint::cellSize() const
{
    return CellSizeFor(width());
}

void PuzzlePaint::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int size = cellSize();
    QFont boardFont = font();
    boardFont.setPointSize(BoardFontPoints(size));
    painter.setFont(boardFont);
    paintCells(painter, m_revealing ? m_revealText : m_puzzle.BoardText, size);
    paintMarks(painter, size);
}

void PuzzlePaint::paintCells(QPainter& painter, const std::string& text, int size)
{
    const QPalette& pal = palette();
    const QColor border = pal.color(QPalette::Active, QPalette::Button);
    const QColor letters = m_revealing ? RevealLetters : pal.color(QPalette::Active, QPalette::WindowText);
    const QFontMetrics metrics = painter.fontMetrics();
    const int offset = (size - metrics.height()) / 2;
    const bool highlight = m_puzzle.GameKind != CipherKind::Railfence && m_puzzle.SelectedCell.has_value();
    const std::size_t selected = highlight ? CellPosition(*m_puzzle.SelectedCell) : 0;
    const int lastRow = height() / qMax(1, size) + 1;
    const int ascent = metrics.ascent();
    std::array<int, 256> advances;
    advances.fill(-1);
    for (std::size_t p = 1; p <= text.size(); ++p) {
        const BoardCell cell = CellOfPosition(p);
        if (cell.row > lastRow) {
            break; // rows below the visible board are cut off
        }
        const char c = text[p - 1];
        const CellRect r = CellRectOf(cell, size);
        painter.setPen(border);
        painter.setBrush(p == selected && c >= 'A' && c <= 'Z' ? SelectedFill : CellFill);
        painter.drawRect(r.left, r.top, r.size, r.size);
        if (c == ' ') {
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        if (advances[byte] < 0) {
            advances[byte] = metrics.horizontalAdvance(Glyphs()[byte]);
        }
        painter.setPen(letters);
        painter.drawText(r.left + (size - advances[byte]) / 2, r.top + offset + ascent, Glyphs()[byte]);
    }
}

void PuzzlePaint::paintMarks(QPainter& painter, int size)
{
    if (m_marks.empty()) {
        return;
    }
    painter.setPen(QPen(MarkColour, 2));
    const int q = size / 4;
    for (std::size_t p : m_marks) {
        const CellRect r = CellRectOf(CellOfPosition(p), size);
        painter.drawLine(r.left + q, r.top + q, r.left + size - q, r.top + size - q);
        painter.drawLine(r.left + size - q, r.top + q, r.left + q, r.top + size - q);
    }
}

void PuzzlePaint::mousePressEvent(QMouseEvent* event)
{
    if (!m_inputEnabled) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    const std::optional<BoardCell> cell = CellAt(at.x(), at.y(), cellSize());
    if (ClickCell(m_puzzle, cell ? cell->row : -1, cell ? cell->column : 0)) {
        refresh();
        Q_EMIT edited();
    }
}

bool PuzzlePaint::handleKey(int key, const QString& text)
{
    if (!m_inputEnabled || m_puzzle.GameKind == CipherKind::Railfence) {
        return false;
    }
    if (const std::optional<SelectionMove> move = MoveOfKey(key)) {
        return MoveSelection(m_puzzle, *move);
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        return UndoCell(m_puzzle);
    }
    const QString upper = text.toUpper();
    if (upper.size() == 1 && upper[0] >= QLatin1Char('A') && upper[0] <= QLatin1Char('Z')) {
        return PickLetter(m_puzzle, upper[0].unicode() - 'A' + 1);
    }
    return false;
}

void PuzzlePaint::keyPressEvent(QKeyEvent* event)
{
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && handleKey(event->key(), event->text())) {
        refresh();
        Q_EMIT edited();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool PuzzlePaint::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab move the selection over the letter cells instead of moving the focus away.
    if (m_inputEnabled && m_puzzle.GameKind != CipherKind::Railfence) {
        if (MoveSelection(m_puzzle, next ? SelectionMove::Next : SelectionMove::Previous)) {
            refresh();
            Q_EMIT edited();
        }
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void PuzzlePaint::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    refresh();
}
