#include "PrintFontSettings.h"

#include "ColorText.h"
#include "QtColor.h"
#include "SettingNames.h"
#include "SettingsStore.h"

PrintFont ReadPrintFont(const SettingsStore& settings)
{
    PrintFont font;
    font.name = settings.ReadSetting(Setting::PrintFontName, SettingDefault::PrintFontName).toStdString();
    font.size = settings.ReadSetting(Setting::PrintFontSize, SettingDefault::PrintFontSize);
    font.style = settings.ReadSetting(Setting::PrintFontStyle, SettingDefault::PrintFontStyle);
    const QString colorText = settings.ReadSetting(Setting::PrintFontColor, SettingDefault::PrintFontColor);
    const QColor color = ToQColor(TextToColor(colorText.toStdString()));
    // A colour that does not draw (clNone, clDefault) prints black.
    font.rgb = color.isValid() && color.alpha() != 0 ? (color.rgb() & 0xFFFFFFu) : 0u;
    return font;
}

int StyleBitsOf(const QFont& font)
{
    return (font.bold() ? PrintStyle::Bold : 0) | (font.italic() ? PrintStyle::Italic : 0) |
           (font.underline() ? PrintStyle::Underline : 0) | (font.strikeOut() ? PrintStyle::StrikeOut : 0);
}

void WritePrintFont(const SettingsStore& settings, const QFont& font, const QString& colorText)
{
    settings.WriteSetting(Setting::PrintFontName, font.family());
    settings.WriteSetting(Setting::PrintFontStyle, StyleBitsOf(font));
    settings.WriteSetting(Setting::PrintFontSize,
                          font.pointSize() > 0 ? font.pointSize() : SettingDefault::PrintFontSize);
    settings.WriteSetting(Setting::PrintFontColor, colorText);
}
