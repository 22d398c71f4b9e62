#include "ViewSettings.h"

#include "QtColor.h"
#include "SettingNames.h"
#include "SettingsStore.h"
#include "TessarinError.h"

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
    // Each value on its own: one that cannot be read keeps its default and costs no other.
    const auto each = [&view](auto read) {
        try {
            read();
        } catch (const TessarinError& error) {
            view.errors.append(QString::fromUtf8(error.what()));
        }
    };
    each([&] { view.height = settings.ReadSetting(Setting::ScreenHeight, SettingDefault::ScreenHeight); });
    each([&] { view.width = settings.ReadSetting(Setting::ScreenWidth, SettingDefault::ScreenWidth); });
    each([&] { view.background = readColor(settings, Setting::PTWinColor, SettingDefault::PTWinColor, palette); });
    each([&] { view.textColor = readColor(settings, Setting::PTFontColor, SettingDefault::PTFontColor, palette); });
    if (!view.background.isValid()) {
        view.background = palette.color(QPalette::Base);
    }
    if (!view.textColor.isValid()) {
        view.textColor = palette.color(QPalette::Text);
    }
    QString fontName = SettingDefault::PTFontName;
    int fontSize = SettingDefault::PTFontSize;
    int fontStyle = SettingDefault::PTFontStyle;
    each([&] { fontName = settings.ReadSetting(Setting::PTFontName, SettingDefault::PTFontName); });
    each([&] { fontSize = settings.ReadSetting(Setting::PTFontSize, SettingDefault::PTFontSize); });
    each([&] { fontStyle = settings.ReadSetting(Setting::PTFontStyle, SettingDefault::PTFontStyle); });
    view.font = FontFromStyle(fontName, fontSize, fontStyle);
    return view;
}

QSize FitToScreen(QSize stored, QSize minimum, QSize available)
{
    return stored.boundedTo(available).expandedTo(minimum);
}
