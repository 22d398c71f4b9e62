#include "LetterCounts.h"

#include <algorithm>

#include <QPainter>

#include "SolvingCommands.h"

namespace {
constexpr int MinimumWidth = 96; // the design width: the board and the column fill the design client width
constexpr int Lines = 27;        // a heading line and 26 letter lines share the height
constexpr int DesignHeight = Lines * 16;
const QString Heading = QStringLiteral("Counts");
const QColor HeadColour(0, 0, 128);
const QColor GivenColour(0, 60, 200);
const QColor ConflictColour(200, 0, 0);
const QColor RareColour(150, 150, 150);

int LineHeight(int height)
{
    return qMax(8, height / Lines);
}

QFont FontFor(QFont font, int height)
{
    font.setPixelSize(qMax(7, LineHeight(height) - 4));
    return font;
}

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

// Where the parts of a letter row stand, measured in the fonts they are drawn in: the cipher letter at the left, its
// count right-aligned in room for the largest count, then "=" in one place on every row and the given letter centred
// in room for the widest letter, so that neither the counts nor the "= X" marks wander from row to row.
struct RowColumns
{
    int margin = 0;
    int countLeft = 0;
    int countWidth = 0;
    int equalsLeft = 0;
    int givenLeft = 0;
    int letterWidth = 0;
    int width = 0;
};

RowColumns MeasureRows(const QFont& font, int largestCount)
{
    const QFontMetrics plain(font);
    const QFontMetrics bold(Bold(font));
    RowColumns c;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        c.letterWidth = std::max(c.letterWidth, bold.horizontalAdvance(QLatin1Char(letter)));
    }
    int digitWidth = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        digitWidth = std::max(digitWidth, plain.horizontalAdvance(QLatin1Char(digit)));
    }
    const int space = plain.horizontalAdvance(QLatin1Char(' '));
    c.margin = std::max(2, space);
    c.countLeft = c.margin + c.letterWidth + space;
    // At least two digits, so that the column does not change for every puzzle.
    c.countWidth = digitWidth * static_cast<int>(QString::number(std::max(99, largestCount)).size());
    c.equalsLeft = c.countLeft + c.countWidth + space;
    c.givenLeft = c.equalsLeft + bold.horizontalAdvance(QStringLiteral("= "));
    c.width = std::max(c.givenLeft + c.letterWidth + c.margin, plain.horizontalAdvance(Heading) + 2 * c.margin);
    return c;
}

int LargestCount(const LetterMarks& marks)
{
    return *std::max_element(marks.counts.begin(), marks.counts.end());
}
} // namespace

LetterCountPaint::LetterCountPaint(const GamePuzzle& puzzle, QWidget* parent) : QWidget(parent), m_puzzle(puzzle)
{
    setObjectName(QStringLiteral("LetterCounts"));
    setFixedWidth(neededWidth(DesignHeight));
    setToolTip(QStringLiteral("How often each cipher letter occurs"));
}

QSize LetterCountPaint::sizeHint() const
{
    return {neededWidth(DesignHeight), DesignHeight};
}

QFont LetterCountPaint::rowFont() const
{
    return FontFor(font(), height());
}

int LetterCountPaint::neededWidth(int height) const
{
    const int largest = m_puzzle.GameKind == CipherKind::None ? 0 : LargestCount(MarkLetters(m_puzzle));
    return std::max(MinimumWidth, MeasureRows(FontFor(font(), height), largest).width);
}

void LetterCountPaint::refresh()
{
    // The width depends only on the height and the counts, so setting it here settles at once.
    const int wanted = neededWidth(height());
    if (wanted != width()) {
        setFixedWidth(wanted);
    }
    update();
}

void LetterCountPaint::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    refresh();
}

void LetterCountPaint::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const int line = LineHeight(height());
    const QFont font = rowFont();
    painter.setFont(font);
    painter.setPen(HeadColour);
    painter.drawText(QRect(0, 0, width(), line), Qt::AlignCenter, Heading);
    if (m_puzzle.GameKind == CipherKind::None) {
        return;
    }
    const LetterMarks marks = MarkLetters(m_puzzle);
    const QFont bold = Bold(font);
    const RowColumns c = MeasureRows(font, LargestCount(marks));
    painter.translate((width() - c.width) / 2, 0); // wider than the rows need: they stand in the middle
    for (int i = 0; i < 26; ++i) {
        const auto l = static_cast<std::size_t>(i);
        const int top = line * (i + 1);
        const int count = marks.counts[l];
        painter.setFont(bold);
        painter.setPen(count == 0 ? RareColour : palette().color(QPalette::WindowText));
        painter.drawText(QRect(c.margin, top, c.letterWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                         QString(QChar(u'A' + i)));
        painter.setFont(font);
        painter.drawText(QRect(c.countLeft, top, c.countWidth, line), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(count));
        if (const char given = marks.given[l]; given != 0) {
            const int g = given >= 'A' && given <= 'Z' ? given - 'A' : -1;
            const bool conflict = g >= 0 && marks.conflict[static_cast<std::size_t>(g)];
            painter.setFont(bold);
            painter.setPen(conflict ? ConflictColour : GivenColour);
            painter.drawText(QRect(c.equalsLeft, top, c.givenLeft - c.equalsLeft, line),
                             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("="));
            painter.drawText(QRect(c.givenLeft, top, c.letterWidth, line), Qt::AlignCenter,
                             QString(QLatin1Char(given)));
        }
    }
}
