#include "KeyBoxScene.h"

#include <string>

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "QtCodePage.h"

QFont FitKeyBoxFont(QFont font, int s, int mLimit, const QPaintDevice* device)
{
    int size = qMax(s, 2);
    do {
        --size;
        font.setPointSize(size);
    } while (size > 1 && QFontMetrics(font, device).horizontalAdvance(QLatin1Char('M')) >= mLimit);
    return font;
}

QPoint KeyTextOffset(const QFont& font, int s, QChar letter, const QPaintDevice* device)
{
    const QFontMetrics metrics(font, device);
    return {(s - metrics.horizontalAdvance(letter)) / 2, (s - metrics.height()) / 2 + 1};
}

KeyBoxScene MakeKeyBoxScene(const QFont& base, int s, int mLimit, QChar offsetLetter, const QPaintDevice* device)
{
    KeyBoxScene scene;
    scene.boxSize = s;
    scene.font = FitKeyBoxFont(base, s, mLimit, device);
    scene.textOffset = KeyTextOffset(scene.font, s, offsetLetter, device);
    return scene;
}

namespace {

// A rectangle outline covering the pixels from (x, y) to (x + s, y + s), both ends included: the outline of the
// rectangle "from (x, y) to (x + s + 1, y + s + 1)" with the right and bottom edges exclusive. The lines run
// through pixel centres, so that at any device pixel ratio they fill whole logical pixels and stay sharp.
void drawOutline(QPainter& painter, int x, int y, int s, const QColor& colour)
{
    painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(x + 0.5, y + 0.5, s, s));
}

// Text whose cell's top left corner is at (x, y).
void drawCellText(QPainter& painter, int x, int y, const QString& text, const QColor& colour)
{
    painter.setPen(colour);
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

} // namespace

void PaintKeyBoxScene(QPainter& painter, const KeyBoxScene& scene)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(scene.font);
    const int s = scene.boxSize;
    for (const KeyBox& box : scene.boxes) {
        drawOutline(painter, box.x, box.y, s, Qt::white);
        drawOutline(painter, box.x + 1, box.y + 1, s, keyBoxGrey());
        drawCellText(painter, box.x + scene.textOffset.x(), box.y + scene.textOffset.y(), box.letter, box.colour);
    }
    for (const KeyMark& mark : scene.marks) {
        drawCellText(painter, mark.x, mark.y, mark.text, mark.colour);
    }
    painter.restore();
}

QString KeyLetterAt(const std::string& key, std::size_t index)
{
    if (index >= key.size()) {
        return {};
    }
    return FromCodePage(std::string_view(key).substr(index, 1));
}
