#pragma once

#include <functional>

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "KeyBoxScene.h"

// Renderings of the key windows' paint boxes and the checks the window tests share.

inline const QColor TestBackground(200, 220, 240);

/// The widget (a paint box) drawn over TestBackground into an image of its size at the given pixel ratio.
inline QImage renderPaintBox(QWidget& box, qreal dpr = 1)
{
    QImage image(box.size() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(TestBackground);
    box.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

/// The inside of box (x, y) of size s, without its two outlines, in device pixels.
inline QImage boxInside(const QImage& image, int x, int y, int s)
{
    const qreal dpr = image.devicePixelRatio();
    return image.copy(QRectF((x + 2) * dpr, (y + 2) * dpr, (s - 2) * dpr, (s - 2) * dpr).toRect());
}

/// The inside of one box at (0, 0) holding letter in colour, drawn with the scene's font and offsets.
inline QImage referenceBox(const KeyBoxScene& scene, const QString& letter, const QColor& colour, qreal dpr = 1)
{
    KeyBoxScene single = scene;
    single.boxes = {{0, 0, letter, colour}};
    single.marks.clear();
    QImage image(QSize(scene.boxSize + 2, scene.boxSize + 2) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(TestBackground);
    QPainter painter(&image);
    PaintKeyBoxScene(painter, single);
    painter.end();
    return boxInside(image, 0, 0, scene.boxSize);
}

/// The number of pixels of image inside rect (device pixels) that satisfy test.
inline int countPixels(const QImage& image, const QRect& rect, const std::function<bool(QColor)>& test)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += image.valid(x, y) && test(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

inline bool isRedInk(QColor c)
{
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}
inline bool isBlueInk(QColor c)
{
    return c.blue() > 150 && c.red() < 90 && c.green() < 90;
}
inline bool isBlackInk(QColor c)
{
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}

/// The ink colour found inside box (x, y): "red", "blue", "black", "none" or "mixed".
inline QString inkIn(const QImage& image, int x, int y, int s)
{
    const QImage inside = boxInside(image, x, y, s);
    const QRect all = inside.rect();
    const int red = countPixels(inside, all, isRedInk);
    const int blue = countPixels(inside, all, isBlueInk);
    const int black = countPixels(inside, all, isBlackInk);
    const int kinds = (red > 0) + (blue > 0) + (black > 0);
    if (kinds > 1) {
        return QStringLiteral("mixed");
    }
    return red     ? QStringLiteral("red")
           : blue  ? QStringLiteral("blue")
           : black ? QStringLiteral("black")
                   : QStringLiteral("none");
}
