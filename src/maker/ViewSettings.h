#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class SettingsStore;

/// The main window's view settings as read from the store, each with its reader's default.
struct ViewSettings
{
    int height = 600;
    int width = 800;
    QColor background;
    QColor textColor;
    QFont font;
};

/// Reads ScreenHeight, ScreenWidth, PTWinColor, PTFontColor, PTFontName, PTFontSize and PTFontStyle. System colour
/// names are taken from palette. Throws TessarinError for a value of the wrong type or a colour text that is no
/// colour.
ViewSettings ReadViewSettings(const SettingsStore& settings, const QPalette& palette);

/// The font of a name, a size in points and style bits (1 bold, 2 italic, 4 underline, 8 strike-out).
QFont FontFromStyle(const QString& name, int pointSize, int styleBits);
