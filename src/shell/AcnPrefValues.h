#pragma once

#include <functional>

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

#include "ColorText.h"

class SettingsStore;

/// What the preferences dialog edits, as values rather than controls.
struct AcnPrefValues
{
    int PrefRad1 = 0;  ///< "Similar" 0, "Unique" 1
    int PrefRad2 = 0;  ///< "Random" 0, "Offset" 1
    int PrefRad3 = -1; ///< "2 Rails" 0 to "4 Rails" 2; -1 for none
    QString QuoteTool;
    bool RememberSize = false;
    QSize WindowSize; ///< the main window's size when the dialog opened
    ColorValue WinColor = NamedColor::clWindow;
    QString FontName = QStringLiteral("Tahoma");
    int FontSize = 10;
    ColorValue FontColor = NamedColor::clBlack;
    int FontStyle = 0; ///< 1 bold, 2 italic, 4 underline, 8 strike-out
};

/// The values the dialog shows when opened. A value that cannot be read (wrong type, a colour text that is not a
/// colour) is handed to report with its error message and replaced by its default, so the dialog still opens and a
/// Save repairs the store.
AcnPrefValues ReadAcnPrefs(const SettingsStore& settings, const std::function<void(const QString&)>& report);

/// The values of the Defaults button: first items, no tool, white background, Tahoma 10 points black.
AcnPrefValues DefaultAcnPrefs();

/// Writes each value that differs from what is stored (or from its comparison default when nothing is), colours
/// compared as colours; the window size only when RememberSize is set. A stored value that cannot be read counts as
/// different and is replaced. Throws TessarinError when the store refuses a write.
void SaveAcnPrefs(const SettingsStore& settings, const AcnPrefValues& values);

/// The style bits of a font: 1 bold, 2 italic, 4 underline, 8 strike-out.
int PrefStyleBitsOf(const QFont& font);
/// A font of the face, point size (defaults to 10 when not positive) and style bits.
QFont PrefFontOf(const QString& name, int pointSize, int styleBits);

/// The look of the plaintext and ciphertext views as the settings give it (PTWinColor, PTFontColor, PTFontName,
/// PTFontSize, PTFontStyle). Throws TessarinError for a value of the wrong type or a colour text that is no colour.
struct PlaintextLook
{
    QColor background;
    QColor textColor;
    QFont font;
};
PlaintextLook ReadPlaintextLook(const SettingsStore& settings);

/// The preferred items of the main window's option groups: similar/unique, random/offset and the rail count, each
/// the stored PrefRad1..3 when it names an item, else 0 (nothing stored, -1, out of range or unreadable).
struct PreferredOptions
{
    int similarUnique = 0;
    int randomOffset = 0;
    int rails = 0;
};
PreferredOptions PreferredOptionItems(const SettingsStore& settings);
