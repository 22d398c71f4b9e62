#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Colours as the settings store keeps them: a 32-bit value 00BBGGRR for a plain colour, or a system colour
// (high byte FF, low byte the system colour's index) that the platform resolves at drawing time. Text forms are
// a name of the named-colour table ("clWindow", "clBlack", ...), "$" with hexadecimal digits, or a decimal number.

using ColorValue = std::int32_t;

/// The named colours, with the values of the named-colour table.
namespace NamedColor {
inline constexpr ColorValue SystemFlag = static_cast<ColorValue>(0xFF000000u);

inline constexpr ColorValue clBlack = 0x000000;
inline constexpr ColorValue clMaroon = 0x000080;
inline constexpr ColorValue clGreen = 0x008000;
inline constexpr ColorValue clOlive = 0x008080;
inline constexpr ColorValue clNavy = 0x800000;
inline constexpr ColorValue clPurple = 0x800080;
inline constexpr ColorValue clTeal = 0x808000;
inline constexpr ColorValue clGray = 0x808080;
inline constexpr ColorValue clSilver = 0xC0C0C0;
inline constexpr ColorValue clRed = 0x0000FF;
inline constexpr ColorValue clLime = 0x00FF00;
inline constexpr ColorValue clYellow = 0x00FFFF;
inline constexpr ColorValue clBlue = 0xFF0000;
inline constexpr ColorValue clFuchsia = 0xFF00FF;
inline constexpr ColorValue clAqua = 0xFFFF00;
inline constexpr ColorValue clWhite = 0xFFFFFF;
inline constexpr ColorValue clMoneyGreen = 0xC0DCC0;
inline constexpr ColorValue clSkyBlue = 0xF0CAA6;
inline constexpr ColorValue clCream = 0xF0FBFF;
inline constexpr ColorValue clMedGray = 0xA4A0A0;
inline constexpr ColorValue clNone = 0x1FFFFFFF;
inline constexpr ColorValue clDefault = 0x20000000;

inline constexpr ColorValue clScrollBar = SystemFlag | 0;
inline constexpr ColorValue clBackground = SystemFlag | 1;
inline constexpr ColorValue clActiveCaption = SystemFlag | 2;
inline constexpr ColorValue clInactiveCaption = SystemFlag | 3;
inline constexpr ColorValue clMenu = SystemFlag | 4;
inline constexpr ColorValue clWindow = SystemFlag | 5;
inline constexpr ColorValue clWindowFrame = SystemFlag | 6;
inline constexpr ColorValue clMenuText = SystemFlag | 7;
inline constexpr ColorValue clWindowText = SystemFlag | 8;
inline constexpr ColorValue clCaptionText = SystemFlag | 9;
inline constexpr ColorValue clActiveBorder = SystemFlag | 10;
inline constexpr ColorValue clInactiveBorder = SystemFlag | 11;
inline constexpr ColorValue clAppWorkSpace = SystemFlag | 12;
inline constexpr ColorValue clHighlight = SystemFlag | 13;
inline constexpr ColorValue clHighlightText = SystemFlag | 14;
inline constexpr ColorValue clBtnFace = SystemFlag | 15;
inline constexpr ColorValue clBtnShadow = SystemFlag | 16;
inline constexpr ColorValue clGrayText = SystemFlag | 17;
inline constexpr ColorValue clBtnText = SystemFlag | 18;
inline constexpr ColorValue clInactiveCaptionText = SystemFlag | 19;
inline constexpr ColorValue clBtnHighlight = SystemFlag | 20;
inline constexpr ColorValue cl3DDkShadow = SystemFlag | 21;
inline constexpr ColorValue cl3DLight = SystemFlag | 22;
inline constexpr ColorValue clInfoText = SystemFlag | 23;
inline constexpr ColorValue clInfoBk = SystemFlag | 24;
inline constexpr ColorValue clHotLight = SystemFlag | 26;
inline constexpr ColorValue clGradientActiveCaption = SystemFlag | 27;
inline constexpr ColorValue clGradientInactiveCaption = SystemFlag | 28;
inline constexpr ColorValue clMenuHighlight = SystemFlag | 29;
inline constexpr ColorValue clMenuBar = SystemFlag | 30;
} // namespace NamedColor

/// The plain colour 00BBGGRR of red, green and blue (each 0 to 255).
constexpr ColorValue RgbColor(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

/// True for a system colour (high byte FF), whose look the platform decides.
constexpr bool IsSystemColor(ColorValue color)
{
    return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u;
}

/// The system colour's index (the low byte); only meaningful when IsSystemColor.
constexpr int SystemColorIndex(ColorValue color)
{
    return static_cast<int>(static_cast<std::uint32_t>(color) & 0xFFu);
}

/// The value of a colour name of the table (compared without regard to letter case), or nothing.
std::optional<ColorValue> ColorFromName(std::string_view name);

/// The table's name of a colour value, or nothing when the value has no name.
std::optional<std::string> NameOfColor(ColorValue color);

/// Reads a colour text: a name of the table (any letter case), "$" with one to eight hexadecimal digits, or a
/// decimal number within 32 bits (an optional sign, then digits). Throws TessarinError
/// "'TEXT' is not a valid integer value" for anything else, TEXT being the text as given.
ColorValue TextToColor(std::string_view text);

/// The text form of a colour: its name where the table has one, else "$" and eight upper-case hexadecimal digits.
std::string ColorToText(ColorValue color);
