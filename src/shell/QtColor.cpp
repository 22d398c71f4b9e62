#include "QtColor.h"

#include <array>

#include <QGuiApplication>

namespace {

struct SystemRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette role that plays the part of each system colour index (0 to 30).
constexpr SystemRole roleOf(int index)
{
    constexpr QPalette::ColorGroup A = QPalette::Active;
    constexpr std::array<SystemRole, 31> roles{{
        {A, QPalette::Button},                      // scroll bar
        {A, QPalette::Dark},                        // desktop background
        {A, QPalette::Highlight},                   // active caption
        {QPalette::Inactive, QPalette::Mid},        // inactive caption
        {A, QPalette::Window},                      // menu
        {A, QPalette::Base},                        // window
        {A, QPalette::Shadow},                      // window frame
        {A, QPalette::WindowText},                  // menu text
        {A, QPalette::Text},                        // window text
        {A, QPalette::HighlightedText},             // caption text
        {A, QPalette::Window},                      // active border
        {A, QPalette::Window},                      // inactive border
        {A, QPalette::Dark},                        // application work space
        {A, QPalette::Highlight},                   // highlight
        {A, QPalette::HighlightedText},             // highlight text
        {A, QPalette::Button},                      // button face
        {A, QPalette::Dark},                        // button shadow
        {QPalette::Disabled, QPalette::Text},       // grey text
        {A, QPalette::ButtonText},                  // button text
        {QPalette::Inactive, QPalette::WindowText}, // inactive caption text
        {A, QPalette::Light},                       // button highlight
        {A, QPalette::Shadow},                      // 3-D dark shadow
        {A, QPalette::Midlight},                    // 3-D light
        {A, QPalette::ToolTipText},                 // info text
        {A, QPalette::ToolTipBase},                 // info background
        {A, QPalette::Window},                      // (unused index)
        {A, QPalette::Link},                        // hot light
        {A, QPalette::Highlight},                   // gradient active caption
        {QPalette::Inactive, QPalette::Midlight},   // gradient inactive caption
        {A, QPalette::Highlight},                   // menu highlight
        {A, QPalette::Window},                      // menu bar
    }};
    return roles[static_cast<std::size_t>(index)];
}

} // namespace

QColor ToQColor(ColorValue color, const QPalette& palette)
{
    if (color == NamedColor::clNone) {
        return QColor(Qt::transparent);
    }
    if (color == NamedColor::clDefault) {
        return QColor();
    }
    if (IsSystemColor(color)) {
        const int index = SystemColorIndex(color);
        if (index > 30) {
            return QColor(Qt::black); // an index the system does not know draws black
        }
        const SystemRole r = roleOf(index);
        return palette.color(r.group, r.role);
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QColor ToQColor(ColorValue color)
{
    return ToQColor(color, QGuiApplication::palette());
}

ColorValue FromQColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return RgbColor(rgb.red(), rgb.green(), rgb.blue());
}
