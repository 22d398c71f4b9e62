#include "ViewSettings.h"

#include "QtColor.h"
#include "SettingNames.h"
#include "SettingsStore.h"

namespace {

QColor readColor(const SettingsStore& settings, const QString& name, const QString& fallback, const QPalette& palette)
{
    const QString text = settings.ReadSetting(name, fallback);
    return ToQColor(TextToColor(text.toStdString()), palette);
}

} // namespace

QFont FontFromStyle(const QString& name, int pointSize, int styleBits)
{
    QFont font(name);
    font.setPointSize(qMax(1, pointSize));
    font.setBold((styleBits & 1) != 0);
    font.setItalic((styleBits & 2) != 0);
    font.setUnderline((styleBits & 4) != 0);
    font.setStrikeOut((styleBits & 8) != 0);
    return font;
}

ViewSettings ReadViewSettings(const SettingsStore& settings, const QPalette& palette)
{
    ViewSettings view;
    view.height = settings.ReadSetting(Setting::ScreenHeight, SettingDefault::ScreenHeight);
    view.width = settings.ReadSetting(Setting::ScreenWidth, SettingDefault::ScreenWidth);
    view.background = readColor(settings, Setting::PTWinColor, SettingDefault::PTWinColor, palette);
    view.textColor = readColor(settings, Setting::PTFontColor, SettingDefault::PTFontColor, palette);
    if (!view.background.isValid()) {
        view.background = palette.color(QPalette::Base);
    }
    if (!view.textColor.isValid()) {
        view.textColor = palette.color(QPalette::Text);
    }
    const QString fontName = settings.ReadSetting(Setting::PTFontName, SettingDefault::PTFontName);
    const int fontSize = settings.ReadSetting(Setting::PTFontSize, SettingDefault::PTFontSize);
    const int fontStyle = settings.ReadSetting(Setting::PTFontStyle, SettingDefault::PTFontStyle);
    view.font = FontFromStyle(fontName, fontSize, fontStyle);
    return view;
}
