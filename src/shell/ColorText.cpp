#include "ColorText.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <utility>

#include "TessarinError.h"

namespace {

using namespace NamedColor;

struct ColorName
{
    ColorValue value;
    std::string_view name;
};

// The named-colour table. Where two names share a value, the first one is what ColorToText gives.
constexpr std::array<ColorName, 52> kColorNames{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
}};

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameTextAscii(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// "$" and 1 to 8 hexadecimal digits, as the bits of a 32-bit value.
std::optional<ColorValue> parseHex(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return static_cast<ColorValue>(value);
}

// An optional sign and decimal digits within the 32-bit signed range.
std::optional<ColorValue> parseDecimal(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '-' || text.front() == '+') {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, 10);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<ColorValue>(value);
}

} // namespace

std::optional<ColorValue> ColorFromName(std::string_view name)
{
    for (const ColorName& entry : kColorNames) {
        if (sameTextAscii(entry.name, name)) {
            return entry.value;
        }
    }
    return std::nullopt;
}

std::optional<std::string> NameOfColor(ColorValue color)
{
    for (const ColorName& entry : kColorNames) {
        if (entry.value == color) {
            return std::string(entry.name);
        }
    }
    return std::nullopt;
}

ColorValue TextToColor(std::string_view text)
{
    if (const auto named = ColorFromName(text)) {
        return *named;
    }
    const auto number = !text.empty() && text.front() == '$' ? parseHex(text.substr(1)) : parseDecimal(text);
    if (!number) {
        throw TessarinError("'" + std::string(text) + "' is not a valid integer value");
    }
    return *number;
}

std::string ColorToText(ColorValue color)
{
    if (auto named = NameOfColor(color)) {
        return std::move(*named);
    }
    std::array<char, 10> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "$%08X", static_cast<unsigned>(static_cast<std::uint32_t>(color)));
    return std::string(buffer.data());
}
