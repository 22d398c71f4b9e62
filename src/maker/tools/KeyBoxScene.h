#pragma once

#include <vector>

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>

class QPaintDevice;
class QPainter;

// What the four key windows draw: boxes of s x s pixels with an etched frame (a white outline and a grey one,
// one pixel further right and down), each holding one letter, plus free-standing marks such as the caret of the
// keyword table. The windows compute a scene from their key; one routine paints every scene.

/// One etched box with its letter; the letter stands at (x + dx, y + dy) of the scene's text offset.
struct KeyBox
{
    int x = 0;
    int y = 0;
    QString letter;
    QColor colour;
};

/// Text written without a box, its cell's top left corner at (x, y).
struct KeyMark
{
    int x = 0;
    int y = 0;
    QString text;
    QColor colour;
};

struct KeyBoxScene
{
    int boxSize = 0;
    QFont font;
    QPoint textOffset; ///< (dx, dy): from a box's top left corner to its letter cell's
    std::vector<KeyBox> boxes;
    std::vector<KeyMark> marks;
};

/// The grey of the inner outline (red, green and blue 128).
inline QColor keyBoxGrey()
{
    return QColor(128, 128, 128);
}

/// The font for boxes of size s: it starts at s points and loses one point at a time, at least once, until the
/// width of "M" is less than mLimit. It never goes below 1 point, so a tiny box cannot make the loop run on.
QFont FitKeyBoxFont(QFont font, int s, int mLimit, const QPaintDevice* device);

/// (dx, dy) = ((s - width of letter) div 2, (s - height of letter) div 2 + 1) for the fitted font.
QPoint KeyTextOffset(const QFont& font, int s, QChar letter, const QPaintDevice* device);

/// A scene with box size s, the font fitted with mLimit and the offsets taken from offsetLetter; no boxes yet.
KeyBoxScene MakeKeyBoxScene(const QFont& base, int s, int mLimit, QChar offsetLetter, const QPaintDevice* device);

/// Draws the scene: every box's two outlines and letter (transparent background, no fill), then the marks.
void PaintKeyBoxScene(QPainter& painter, const KeyBoxScene& scene);

/// The one character at position index of a Windows-1252 key as text, or nothing past its end.
QString KeyLetterAt(const std::string& key, std::size_t index);
