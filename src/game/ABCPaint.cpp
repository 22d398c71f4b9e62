#include "ABCPaint.h"

#include <QMouseEvent>
#include <QPainter>

#include "BoardGeometry.h"
#include "SolvingCommands.h"

namespace {
const QColor Navy(0, 0, 128);
const QColor Aqua(0, 255, 255);
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
    const int ascent = painter.fontMetrics().ascent();
    const bool highlight = m_puzzle.GameKind != CipherKind::Railfence;
    for (int i = 1; i <= 26; ++i) {
        painter.setPen(highlight && i == m_puzzle.SelectedLetter ? Aqua : Navy);
        painter.drawText(StripLetterLeft(i, width()), LetterTop + ascent, QString(QChar(u'A' + i - 1)));
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
