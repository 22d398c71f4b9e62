#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QSize>
#include <QStringList>

class SettingsStore;

/// The main window's view settings as read from the store, each with its reader's default.
struct ViewSettings
{
    int height = 600;
    int width = 800;
    QColor background;
    QColor textColor;
    QFont font;
    /// The error of each value that could not be read (a value of the wrong type, a colour text that is no colour);
    /// that value has its default, the others are read as stored.
    QStringList errors;
};

/// Reads ScreenHeight, ScreenWidth, PTWinColor, PTFontColor, PTFontName, PTFontSize and PTFontStyle, each on its
/// own. System colour names are taken from palette.
ViewSettings ReadViewSettings(const SettingsStore& settings, const QPalette& palette);

/// A stored window size limited to the available screen area (the minimum size still wins).
QSize FitToScreen(QSize stored, QSize minimum, QSize available);

/// The font of a name, a size in points and style bits (1 bold, 2 italic, 4 underline, 8 strike-out).
QFont FontFromStyle(const QString& name, int pointSize, int styleBits);
