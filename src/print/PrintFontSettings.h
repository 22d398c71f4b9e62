#pragma once

#include <QFont>
#include <QString>

#include "PrintCanvas.h"

class SettingsStore;

/// The stored print font (PrintFontName, PrintFontSize, PrintFontColor, PrintFontStyle) with the readers'
/// defaults. Throws TessarinError for a value of the wrong type or a colour text that is not a colour.
PrintFont ReadPrintFont(const SettingsStore& settings);

/// The style bits of a Qt font: 1 bold, 2 italic, 4 underline, 8 strike-out.
int StyleBitsOf(const QFont& font);

/// Stores a font chosen in the font dialog; the colour text is stored as given (the font dialog has no colour).
void WritePrintFont(const SettingsStore& settings, const QFont& font, const QString& colorText);
