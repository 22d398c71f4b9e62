#include "LetterCounts.h"

#include <QPainter>

#include "SolvingCommands.h"

namespace {
constexpr int PanelWidth = 96;
const QColor HeadColour(0, 0, 128);
const QColor GivenColour(0, 60, 200);
const QColor ConflictColour(200, 0, 0);
const QColor RareColour(150, 150, 150);
} // namespace

LetterCountPaint::LetterCountPaint(const GamePuzzle& puzzle, QWidget* parent) : QWidget(parent), m_puzzle(puzzle)
{
    setObjectName(QStringLiteral("LetterCounts"));
    setFixedWidth(PanelWidth);
    setToolTip(QStringLiteral("How often each cipher letter occurs"));
}

QSize LetterCountPaint::sizeHint() const
{
    return {PanelWidth, 27 * 16};
}

void LetterCountPaint::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const LetterMarks marks = MarkLetters(m_puzzle);
    // A heading line and 26 letter lines share the height; the font follows the line height.
    const int line = qMax(8, height() / 27);
    QFont font = painter.font();
    font.setPixelSize(qMax(7, line - 4));
    painter.setFont(font);
    painter.setPen(HeadColour);
    painter.drawText(QRect(0, 0, width(), line), Qt::AlignCenter, QStringLiteral("Counts"));
    if (m_puzzle.GameKind == CipherKind::None) {
        return;
    }
    QFont bold = font;
    bold.setBold(true);
    for (int i = 0; i < 26; ++i) {
        const auto l = static_cast<std::size_t>(i);
        const QRect row(6, line * (i + 1), width() - 12, line);
        const int count = marks.counts[l];
        painter.setFont(bold);
        painter.setPen(count == 0 ? RareColour : palette().color(QPalette::WindowText));
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, QString(QChar(u'A' + i)));
        painter.setFont(font);
        painter.drawText(row.adjusted(0, 0, -34, 0), Qt::AlignRight | Qt::AlignVCenter, QString::number(count));
        if (const char given = marks.given[l]; given != 0) {
            const int g = given >= 'A' && given <= 'Z' ? given - 'A' : -1;
            const bool conflict = g >= 0 && marks.conflict[static_cast<std::size_t>(g)];
            painter.setFont(bold);
            painter.setPen(conflict ? ConflictColour : GivenColour);
            painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("= %1").arg(QLatin1Char(given)));
        }
    }
}
