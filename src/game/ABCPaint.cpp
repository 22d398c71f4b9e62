#include "ABCPaint.h"

#include <QMouseEvent>
#include <QPainter>

#include "BoardGeometry.h"
#include "SolvingCommands.h"

namespace {
const QColor Navy(0, 0, 128);
const QColor Aqua(0, 255, 255);
const QColor UsedMark(170, 190, 230);
const QColor ConflictLetter(210, 0, 0);
// The strip's own top offset inside its bevelled panel.
constexpr int LetterTop = 2;
} // namespace

ABCPaint::ABCPaint(GamePuzzle& puzzle, QWidget* parent) : QWidget(parent), m_puzzle(puzzle)
{
    setObjectName(QStringLiteral("ABCPaint"));
}

void ABCPaint::setInputEnabled(bool enabled)
{
    m_inputEnabled = enabled;
}

void ABCPaint::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont stripFont = font();
    stripFont.setPointSize(StripFontPoints(height()));
    painter.setFont(stripFont);
    const QFontMetrics metrics = painter.fontMetrics();
    const int ascent = metrics.ascent();
    const LetterMarks marks = MarkLetters(m_puzzle);
    for (int i = 1; i <= 26; ++i) {
        const auto l = static_cast<std::size_t>(i - 1);
        const QString letter(QChar(u'A' + i - 1));
        const int left = StripLetterLeft(i, width());
        if (marks.used[l]) {
            // A used letter stands on a bar, so the solver sees which letters are still free.
            painter.fillRect(left - 2, height() - 5, metrics.horizontalAdvance(letter) + 4, 4, UsedMark);
        }
        painter.setPen(i == m_puzzle.SelectedLetter ? Aqua : marks.conflict[l] ? ConflictLetter : Navy);
        painter.drawText(left, LetterTop + ascent, letter);
    }
}

void ABCPaint::mousePressEvent(QMouseEvent* event)
{
    if (!m_inputEnabled || !m_puzzle.SelectedCell) {
        return;
    }
    if (PickLetter(m_puzzle, StripSlotAt(event->position().toPoint().x(), width()))) {
        update();
        Q_EMIT picked();
    }
}
