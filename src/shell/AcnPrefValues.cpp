#include "AcnPrefValues.h"

#include "QtColor.h"
#include "SettingNames.h"
#include "SettingsStore.h"
#include "TessarinError.h"

namespace {

using Report = std::function<void(const QString&)>;

template <class T> T readOr(const SettingsStore& settings, const QString& name, const T& fallback, const Report& report)
{
    try {
        return settings.ReadSetting(name, fallback);
    } catch (const TessarinError& error) {
        report(QString::fromUtf8(error.what()));
        return fallback;
    }
}

ColorValue readColorOr(const SettingsStore& settings, const QString& name, const QString& fallback,
                       const Report& report)
{
    const QString text = readOr(settings, name, fallback, report);
    try {
        return TextToColor(text.toStdString());
    } catch (const TessarinError& error) {
        report(QString::fromUtf8(error.what()));
        return TextToColor(fallback.toStdString());
    }
}

// Writes value unless the store already holds it (or holds nothing and value equals the comparison default).
template <class T>
void writeIfDiffers(const SettingsStore& settings, const QString& name, const T& value, const T& comparedWith)
{
    bool differs = true;
    try {
        differs = settings.ReadSetting(name, comparedWith) != value;
    } catch (const TessarinError&) {
        differs = true; // a value of the wrong type is replaced by a readable one
    }
    if (differs) {
        settings.WriteSetting(name, value);
    }
}

void writeColorIfDiffers(const SettingsStore& settings, const QString& name, ColorValue value,
                         const QString& comparedWith)
{
    bool differs = true;
    try {
        differs = TextToColor(settings.ReadSetting(name, comparedWith).toStdString()) != value;
    } catch (const TessarinError&) {
        differs = true;
    }
    if (differs) {
        settings.WriteSetting(name, QString::fromStdString(ColorToText(value)));
    }
}

int itemOrZero(const SettingsStore& settings, const QString& name, int defaultValue, int itemCount)
{
    try {
        const int item = settings.ReadSetting(name, defaultValue);
        return item >= 0 && item < itemCount ? item : 0;
    } catch (const TessarinError&) {
        return 0;
    }
}

} // namespace

AcnPrefValues ReadAcnPrefs(const SettingsStore& settings, const Report& report)
{
    AcnPrefValues v;
    v.PrefRad1 = readOr(settings, Setting::PrefRad1, SettingDefault::PrefRad1, report);
    v.PrefRad2 = readOr(settings, Setting::PrefRad2, SettingDefault::PrefRad2, report);
    v.PrefRad3 = readOr(settings, Setting::PrefRad3, SettingDefault::PrefRad3Shown, report);
    v.QuoteTool = readOr(settings, Setting::QuoteTool, QString(), report);
    v.WinColor = readColorOr(settings, Setting::PTWinColor, SettingDefault::PTWinColor, report);
    v.FontName = readOr(settings, Setting::PTFontName, SettingDefault::PTFontName, report);
    v.FontSize = readOr(settings, Setting::PTFontSize, SettingDefault::PTFontSize, report);
    v.FontColor = readColorOr(settings, Setting::PTFontColor, SettingDefault::PTFontColor, report);
    v.FontStyle = readOr(settings, Setting::PTFontStyle, SettingDefault::PTFontStyle, report);
    return v;
}

AcnPrefValues DefaultAcnPrefs()
{
    AcnPrefValues v;
    v.PrefRad3 = 0;
    v.WinColor = NamedColor::clWhite;
    return v;
}

void SaveAcnPrefs(const SettingsStore& settings, const AcnPrefValues& v)
{
    writeIfDiffers(settings, Setting::PrefRad1, v.PrefRad1, SettingDefault::PrefRad1);
    writeIfDiffers(settings, Setting::PrefRad2, v.PrefRad2, SettingDefault::PrefRad2);
    writeIfDiffers(settings, Setting::PrefRad3, v.PrefRad3, SettingDefault::PrefRad3Compared);
    writeIfDiffers(settings, Setting::QuoteTool, v.QuoteTool, QString());
    if (v.RememberSize) {
        settings.WriteSetting(Setting::ScreenHeight, v.WindowSize.height());
        settings.WriteSetting(Setting::ScreenWidth, v.WindowSize.width());
    }
    writeColorIfDiffers(settings, Setting::PTWinColor, v.WinColor, SettingDefault::PTWinColor);
    writeIfDiffers(settings, Setting::PTFontName, v.FontName, SettingDefault::PTFontName);
    writeIfDiffers(settings, Setting::PTFontSize, v.FontSize, SettingDefault::PTFontSize);
    writeColorIfDiffers(settings, Setting::PTFontColor, v.FontColor, SettingDefault::PTFontColor);
    writeIfDiffers(settings, Setting::PTFontStyle, v.FontStyle, SettingDefault::PTFontStyle);
}

int PrefStyleBitsOf(const QFont& font)
{
    return (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) | (font.strikeOut() ? 8 : 0);
}

QFont PrefFontOf(const QString& name, int pointSize, int styleBits)
{
    QFont font(name);
    font.setPointSize(pointSize > 0 ? pointSize : SettingDefault::PTFontSize);
    font.setBold((styleBits & 1) != 0);
    font.setItalic((styleBits & 2) != 0);
    font.setUnderline((styleBits & 4) != 0);
    font.setStrikeOut((styleBits & 8) != 0);
    return font;
}

PlaintextLook ReadPlaintextLook(const SettingsStore& s)
{
    PlaintextLook look;
    look.background =
        ToQColor(TextToColor(s.ReadSetting(Setting::PTWinColor, SettingDefault::PTWinColor).toStdString()));
    look.textColor =
        ToQColor(TextToColor(s.ReadSetting(Setting::PTFontColor, SettingDefault::PTFontColor).toStdString()));
    look.font = PrefFontOf(s.ReadSetting(Setting::PTFontName, SettingDefault::PTFontName),
                           s.ReadSetting(Setting::PTFontSize, SettingDefault::PTFontSize),
                           s.ReadSetting(Setting::PTFontStyle, SettingDefault::PTFontStyle));
    return look;
}

PreferredOptions PreferredOptionItems(const SettingsStore& settings)
{
    PreferredOptions items;
    items.similarUnique = itemOrZero(settings, Setting::PrefRad1, SettingDefault::PrefRad1, 2);
    items.randomOffset = itemOrZero(settings, Setting::PrefRad2, SettingDefault::PrefRad2, 2);
    items.rails = itemOrZero(settings, Setting::PrefRad3, SettingDefault::PrefRad3Shown, 3);
    return items;
}
