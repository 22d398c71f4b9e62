#include "PuzzlePaint.h"

#include <algorithm>
#include <array>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "BoardGeometry.h"
#include "GameHints.h"
#include "QtCodePage.h"
#include "SolvingCommands.h"

namespace {

const QColor SelectedFill(255, 255, 0);
const QColor GroupFill(255, 250, 190);
const QColor ConflictFill(255, 205, 205);
const QColor CellFill(255, 255, 255);
const QColor RevealLetters(192, 192, 192);
const QColor SolvedLetters(0, 60, 200);
const QColor ConflictLetters(200, 0, 0);
const QColor MarkColour(255, 0, 0);
const QColor HintShade(255, 226, 170);
const QColor HintEdge(224, 120, 0);

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

// The glyph widths of one font, measured once per byte.
class Advances
{
public:
    explicit Advances(const QFontMetrics& metrics) : m_metrics(metrics) { m_width.fill(-1); }
    int of(unsigned char byte)
    {
        if (m_width[byte] < 0) {
            m_width[byte] = m_metrics.horizontalAdvance(Glyphs()[byte]);
        }
        return m_width[byte];
    }

private:
    QFontMetrics m_metrics;
    std::array<int, 256> m_width;
};

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

const BoardLayout& PuzzlePaint::layout() const
{
    if (m_puzzle.Layout.places.size() == m_puzzle.BoardText.size()) {
        return m_puzzle.Layout;
    }
    if (m_spareLayout.places.size() != m_puzzle.BoardText.size()) {
        m_spareLayout = LayOutBoard(m_puzzle.BoardText);
    }
    return m_spareLayout;
}

void PuzzlePaint::refresh()
{
    m_marks.clear();
    if (layout().rows != m_rows) {
        m_rows = layout().rows;
        Q_EMIT heightChanged();
    }
    update();
}

int PuzzlePaint::cellSize() const
{
    return CellSizeFor(width());
}

int PuzzlePaint::neededHeight(int boardWidth) const
{
    return layout().rows * CellSizeFor(boardWidth) + 1;
}

QRect PuzzlePaint::cellRect(std::size_t p) const
{
    const BoardLayout& l = layout();
    if (p < 1 || p > l.places.size() || !l.places[p - 1]) {
        return {};
    }
    const CellRect r = CellRectOf(*l.places[p - 1], cellSize());
    return {r.left, r.top, r.size + 1, r.size + 1};
}

QRect PuzzlePaint::selectionRect() const
{
    return m_puzzle.SelectedCell ? cellRect(*m_puzzle.SelectedCell) : QRect();
}

std::optional<std::size_t> PuzzlePaint::positionAt(QPoint at) const
{
    const std::optional<BoardCell> cell = CellAt(at.x(), at.y(), cellSize());
    return cell ? layout().positionAt(cell->row, cell->column) : std::nullopt;
}

void PuzzlePaint::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const int size = cellSize();
    QFont boardFont = font();
    boardFont.setPointSize(BoardFontPoints(size));
    painter.setFont(boardFont);
    paintCells(painter, m_revealing ? m_revealText : m_puzzle.BoardText, size, event->rect());
    paintMarks(painter, size);
}

void PuzzlePaint::paintCells(QPainter& painter, const std::string& text, int size, const QRect& area)
{
    const QPalette& pal = palette();
    const QColor border = pal.color(QPalette::Active, QPalette::Button);
    const QColor letters = m_revealing ? RevealLetters : pal.color(QPalette::Active, QPalette::WindowText);
    const QFont plainFont = painter.font();
    QFont solvedFont = plainFont;
    solvedFont.setBold(true);
    const QFontMetrics metrics(plainFont);
    const int offset = (size - metrics.height()) / 2 + metrics.ascent();
    Advances plainAdvances(metrics);
    Advances solvedAdvances{QFontMetrics(solvedFont)};
    const std::size_t selected = m_puzzle.SelectedCell.value_or(0);
    std::vector<bool> group(text.size() + 1, false);
    if (selected != 0) {
        for (std::size_t i : CipherGroup(m_puzzle, selected)) {
            group[i] = i <= text.size();
        }
    }
    std::vector<bool> hinted(text.size() + 1, false);
    if (!m_revealing) {
        for (std::size_t i : HintPositions(m_puzzle)) {
            hinted[i] = i <= text.size();
        }
    }
    const LetterMarks marks = MarkLetters(m_puzzle);
    const BoardLayout& l = layout();
    const int firstRow = area.top() / qMax(1, size) - 1;
    const int lastRow = area.bottom() / qMax(1, size) + 1;
    for (std::size_t p = 1; p <= text.size() && p <= l.places.size(); ++p) {
        if (!l.places[p - 1] || l.places[p - 1]->row < firstRow) {
            continue;
        }
        if (l.places[p - 1]->row > lastRow) {
            break; // rows below the painted area
        }
        const char c = text[p - 1];
        const CellRect r = CellRectOf(*l.places[p - 1], size);
        const bool filled = !m_revealing && IsFilled(m_puzzle.Model, m_puzzle.BoardText, p);
        const bool conflict = filled && InConflict(m_puzzle, marks, p);
        QColor fill = CellFill;
        if (p == selected) {
            fill = SelectedFill;
        } else if (conflict) {
            fill = ConflictFill;
        } else if (group[p]) {
            fill = GroupFill;
        } else if (hinted[p]) {
            fill = HintShade;
        }
        painter.setPen(border);
        painter.setBrush(fill);
        painter.drawRect(r.left, r.top, r.size, r.size);
        if (hinted[p]) {
            // The cells a hint is about keep an orange frame also while selected or shaded.
            painter.setPen(QPen(HintEdge, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r.left + 2, r.top + 2, r.size - 4, r.size - 4);
        }
        if (c == ' ') {
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        painter.setFont(filled ? solvedFont : plainFont);
        painter.setPen(conflict ? ConflictLetters : filled ? SolvedLetters : letters);
        const int advance = filled ? solvedAdvances.of(byte) : plainAdvances.of(byte);
        painter.drawText(r.left + (size - advance) / 2, r.top + offset, Glyphs()[byte]);
    }
    painter.setFont(plainFont);
}

void PuzzlePaint::paintMarks(QPainter& painter, int size)
{
    if (m_marks.empty()) {
        return;
    }
    painter.setPen(QPen(MarkColour, 2));
    const int q = size / 4;
    for (std::size_t p : m_marks) {
        const QRect r = cellRect(p);
        if (r.isEmpty()) {
            continue;
        }
        painter.drawLine(r.left() + q, r.top() + q, r.left() + size - q, r.top() + size - q);
        painter.drawLine(r.left() + size - q, r.top() + q, r.left() + q, r.top() + size - q);
    }
}

void PuzzlePaint::mousePressEvent(QMouseEvent* event)
{
    if (!m_inputEnabled) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (ClickCell(m_puzzle, positionAt(event->position().toPoint()))) {
        refresh();
        Q_EMIT edited();
    }
}

bool PuzzlePaint::handleKey(int key, const QString& text)
{
    if (!m_inputEnabled) {
        return false;
    }
    if (const std::optional<SelectionMove> move = MoveOfKey(key)) {
        return MoveSelection(m_puzzle, *move);
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        return EraseSelection(m_puzzle);
    }
    const QString upper = text.toUpper();
    if (upper.size() == 1 && upper[0] >= QLatin1Char('A') && upper[0] <= QLatin1Char('Z')) {
        return TypeLetter(m_puzzle, upper[0].unicode() - 'A' + 1);
    }
    return false;
}

void PuzzlePaint::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F8) {
        if (!event->isAutoRepeat() && m_inputEnabled) {
            m_revealKeyHeld = true;
            Q_EMIT revealHeld(true);
        }
        return;
    }
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && handleKey(event->key(), event->text())) {
        refresh();
        Q_EMIT edited();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PuzzlePaint::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F8 && !event->isAutoRepeat()) {
        m_revealKeyHeld = false;
        Q_EMIT revealHeld(false);
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void PuzzlePaint::focusOutEvent(QFocusEvent* event)
{
    // F8 let go in another window (a dialog, or after switching windows) never reaches the board: the answer would
    // stay on show. Losing the focus ends the reveal as letting go would.
    if (m_revealKeyHeld) {
        m_revealKeyHeld = false;
        Q_EMIT revealHeld(false);
    }
    QWidget::focusOutEvent(event);
}

bool PuzzlePaint::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab move the selection over the puzzle cells instead of moving the focus away.
    if (m_inputEnabled && m_puzzle.GameKind != CipherKind::None) {
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
    m_marks.clear();
    update();
}

BoardScroller::BoardScroller(PuzzlePaint* board, QWidget* parent) : QScrollArea(parent), m_board(board)
{
    setObjectName(QStringLiteral("BoardScroller"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(false);
    setWidget(board);
    setFocusProxy(board);
    connect(board, &PuzzlePaint::heightChanged, this, &BoardScroller::fitBoard);
    connect(board, &PuzzlePaint::edited, this, &BoardScroller::showSelection);
}

void BoardScroller::fitBoard()
{
    // The scroll bar is shown only when the rows do not fit at the full width; deciding it here, rather than
    // letting the bar come and go with the board's size, keeps the cell size from flipping between two values.
    const int full = width() - 2 * frameWidth();
    const int high = height() - 2 * frameWidth();
    const bool scroll = m_board->neededHeight(full) > high;
    setVerticalScrollBarPolicy(scroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int w = scroll ? full - verticalScrollBar()->sizeHint().width() : full;
    m_board->resize(w, qMax(high, m_board->neededHeight(w)));
}

void BoardScroller::showSelection()
{
    const QRect r = m_board->selectionRect();
    if (!r.isEmpty()) {
        ensureVisible(r.center().x(), r.center().y(), r.width(), r.height());
    }
}

std::vector<QRect> BoardScroller::viewfuls(std::vector<std::size_t> positions) const
{
    std::sort(positions.begin(), positions.end());
    std::vector<QRect> runs;
    for (std::size_t p : positions) {
        const QRect r = m_board->cellRect(p);
        if (r.isEmpty()) {
            continue;
        }
        if (!runs.empty() && runs.back().united(r).height() <= viewport()->height()) {
            runs.back() = runs.back().united(r);
        } else {
            runs.push_back(r);
        }
    }
    return runs;
}

bool BoardScroller::cellsOutgrowView(const std::vector<std::size_t>& positions) const
{
    return viewfuls(positions).size() > 1;
}

void BoardScroller::showCells(const std::vector<std::size_t>& positions, bool next)
{
    const std::vector<QRect> runs = viewfuls(positions);
    if (runs.empty()) {
        return;
    }
    std::size_t shown = 0;
    if (next) {
        // The run after the last one wholly in view; with none in view, the first one below the view's top.
        const QRect view(0, verticalScrollBar()->value(), m_board->width(), viewport()->height());
        const auto inView = std::find_if(runs.rbegin(), runs.rend(), [&](const QRect& r) { return view.contains(r); });
        if (inView != runs.rend()) {
            shown = static_cast<std::size_t>(runs.rend() - inView) % runs.size();
        } else {
            const auto below =
                std::find_if(runs.begin(), runs.end(), [&](const QRect& r) { return r.top() > view.top(); });
            shown = below != runs.end() ? static_cast<std::size_t>(below - runs.begin()) : 0;
        }
    }
    const QRect r = runs[shown];
    ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 1, r.height() / 2 + 1);
}

void BoardScroller::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    fitBoard();
}
