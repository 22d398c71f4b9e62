#include <gtest/gtest.h>

#include <QPalette>

#include "ColorText.h"
#include "QtColor.h"
#include "TessarinError.h"

namespace {

struct TextCase
{
    const char* text;
    ColorValue value;
};

class TextToColorAccepts : public testing::TestWithParam<TextCase>
{};

TEST_P(TextToColorAccepts, namesHexAndDecimal)
{
    EXPECT_EQ(TextToColor(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TextToColorAccepts,
    testing::Values(TextCase{"clWindow", static_cast<ColorValue>(0xFF000005u)}, TextCase{"clBlack", 0},
                    TextCase{"clWhite", 0xFFFFFF}, TextCase{"clBtnFace", static_cast<ColorValue>(0xFF00000Fu)},
                    TextCase{"cl3DDkShadow", static_cast<ColorValue>(0xFF000015u)},
                    TextCase{"clMenuBar", static_cast<ColorValue>(0xFF00001Eu)}, TextCase{"clAqua", 0xFFFF00},
                    TextCase{"clRed", 0x0000FF}, TextCase{"clNone", 0x1FFFFFFF}, TextCase{"clDefault", 0x20000000},
                    TextCase{"CLWHITE", 0xFFFFFF}, TextCase{"clwindowtext", static_cast<ColorValue>(0xFF000008u)},
                    TextCase{"$00FEFEEC", 0xFEFEEC}, TextCase{"$00e2fae9", 0xE2FAE9}, TextCase{"$FF", 0xFF},
                    TextCase{"$FF000005", static_cast<ColorValue>(0xFF000005u)}, TextCase{"16777215", 0xFFFFFF},
                    TextCase{"0", 0}, TextCase{"-16777211", static_cast<ColorValue>(0xFF000005u)},
                    TextCase{"+255", 255}, TextCase{"2147483647", 2147483647},
                    TextCase{"-2147483648", static_cast<ColorValue>(0x80000000u)}));

class TextToColorRefuses : public testing::TestWithParam<const char*>
{};

TEST_P(TextToColorRefuses, withTheConversionMessage)
{
    const std::string text = GetParam();
    try {
        TextToColor(text);
        FAIL() << "accepted " << text;
    } catch (const TessarinError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Garbage, TextToColorRefuses,
                         testing::Values("", "clPink", "cl", "$", "$123456789", "$12G4", "$-1", "12a", "1.5", " 12",
                                         "12 ", "--1", "+-1", "2147483648", "-2147483649", "99999999999999999999",
                                         "0x10", "clWhite "));

struct NameCase
{
    ColorValue value;
    const char* text;
};

class ColorToTextGives : public testing::TestWithParam<NameCase>
{};

TEST_P(ColorToTextGives, theNameElseDollarAndEightUpperHexDigits)
{
    EXPECT_EQ(ColorToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ColorToTextGives,
    testing::Values(NameCase{NamedColor::clWindow, "clWindow"}, NameCase{0, "clBlack"}, NameCase{0xFFFFFF, "clWhite"},
                    NameCase{0xC0C0C0, "clSilver"}, NameCase{NamedColor::clBtnFace, "clBtnFace"},
                    NameCase{RgbColor(236, 254, 254), "$00FEFEEC"}, NameCase{RgbColor(233, 250, 226), "$00E2FAE9"},
                    NameCase{RgbColor(253, 254, 231), "$00E7FEFD"}, NameCase{RgbColor(253, 238, 240), "$00F0EEFD"},
                    NameCase{RgbColor(245, 245, 245), "$00F5F5F5"}, NameCase{1, "$00000001"},
                    NameCase{static_cast<ColorValue>(0xFF000019u), "$FF000019"}, NameCase{-1, "$FFFFFFFF"}));

TEST(ColorText, everyNameReadsBackToItself)
{
    const char* names[] = {"clBlack",
                           "clMaroon",
                           "clGreen",
                           "clOlive",
                           "clNavy",
                           "clPurple",
                           "clTeal",
                           "clGray",
                           "clSilver",
                           "clRed",
                           "clLime",
                           "clYellow",
                           "clBlue",
                           "clFuchsia",
                           "clAqua",
                           "clWhite",
                           "clMoneyGreen",
                           "clSkyBlue",
                           "clCream",
                           "clMedGray",
                           "clActiveBorder",
                           "clActiveCaption",
                           "clAppWorkSpace",
                           "clBackground",
                           "clBtnFace",
                           "clBtnHighlight",
                           "clBtnShadow",
                           "clBtnText",
                           "clCaptionText",
                           "clDefault",
                           "clGradientActiveCaption",
                           "clGradientInactiveCaption",
                           "clGrayText",
                           "clHighlight",
                           "clHighlightText",
                           "clHotLight",
                           "clInactiveBorder",
                           "clInactiveCaption",
                           "clInactiveCaptionText",
                           "clInfoBk",
                           "clInfoText",
                           "clMenu",
                           "clMenuBar",
                           "clMenuHighlight",
                           "clMenuText",
                           "clNone",
                           "clScrollBar",
                           "cl3DDkShadow",
                           "cl3DLight",
                           "clWindow",
                           "clWindowFrame",
                           "clWindowText"};
    for (const char* name : names) {
        EXPECT_EQ(ColorToText(TextToColor(name)), name);
    }
}

TEST(ColorText, unnamedValuesSurviveTheRoundTrip)
{
    for (ColorValue v : {0x123456, 0x00FEFEEC, static_cast<ColorValue>(0x80000000u), 0x7FFFFFFF, 0x02FF8000}) {
        EXPECT_EQ(TextToColor(ColorToText(v)), v);
    }
}

struct PaletteCase
{
    ColorValue value;
    QPalette::ColorRole role;
};

class SystemColorsFollowThePalette : public testing::TestWithParam<PaletteCase>
{};

TEST_P(SystemColorsFollowThePalette, throughTheirRole)
{
    QPalette palette;
    const QColor marker(12, 34, 56);
    palette.setColor(QPalette::Active, GetParam().role, marker);
    EXPECT_EQ(ToQColor(GetParam().value, palette), marker);
}

INSTANTIATE_TEST_SUITE_P(Roles, SystemColorsFollowThePalette,
                         testing::Values(PaletteCase{NamedColor::clWindow, QPalette::Base},
                                         PaletteCase{NamedColor::clWindowText, QPalette::Text},
                                         PaletteCase{NamedColor::clBtnFace, QPalette::Button},
                                         PaletteCase{NamedColor::cl3DDkShadow, QPalette::Shadow},
                                         PaletteCase{NamedColor::clHighlight, QPalette::Highlight},
                                         PaletteCase{NamedColor::clHighlightText, QPalette::HighlightedText},
                                         PaletteCase{NamedColor::clInfoBk, QPalette::ToolTipBase}));

TEST(QtColor, plainColoursAreBlueGreenRedBytes)
{
    const QPalette palette;
    EXPECT_EQ(ToQColor(0x00E7FEFD, palette), QColor(253, 254, 231));
    EXPECT_EQ(ToQColor(NamedColor::clBlue, palette), QColor(0, 0, 255));
    EXPECT_EQ(FromQColor(QColor(253, 238, 240)), 0x00F0EEFD);
    EXPECT_EQ(FromQColor(QColor(10, 20, 30, 40)), RgbColor(10, 20, 30));
    EXPECT_EQ(ToQColor(NamedColor::clNone, palette).alpha(), 0);
    EXPECT_FALSE(ToQColor(NamedColor::clDefault, palette).isValid());
    EXPECT_EQ(ToQColor(static_cast<ColorValue>(0xFF0000FFu), palette), QColor(Qt::black));
}

} // namespace
