#pragma once

#include <QColor>
#include <QPalette>

#include "ColorText.h"

/// The colour a value stands for on this desktop: plain colours as they are, system colours through the palette's
/// matching role, clNone as transparent and clDefault as an invalid QColor (the caller keeps its own colour).
QColor ToQColor(ColorValue color, const QPalette& palette);

/// As above, with the application's palette.
QColor ToQColor(ColorValue color);

/// The plain colour value 00BBGGRR of a QColor; its alpha is dropped.
ColorValue FromQColor(const QColor& color);
