#include <gtest/gtest.h>

#include "CodePage.h"

namespace {

TEST(CodePage, upperCasesTheSingleByteLettersOnly)
{
    const struct
    {
        unsigned char in, out;
    } cases[] = {{'a', 'A'},   {'z', 'Z'},   {'A', 'A'},   {'1', '1'},   {0xE9, 0xC9}, {0xE0, 0xC0}, {0xFE, 0xDE},
                 {0xF7, 0xF7}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}, {0xDF, 0xDF}, {0xB5, 0xB5}};
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<unsigned char>(UpperCaseCodePage(static_cast<char>(c.in))), c.out) << int(c.in);
    }
}

TEST(CodePage, everyByteSurvivesARoundTripThroughUtf8)
{
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const CodePageConversion back = Utf8ToCodePage(CodePageToUtf8(all));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.text, all);
}

TEST(CodePage, typographicPunctuationMapsIntoTheCodePage)
{
    const CodePageConversion converted = Utf8ToCodePage("\u201CHi\u201D \u2014 \u2026 \u20AC");
    ASSERT_TRUE(converted.ok());
    EXPECT_EQ(converted.text, "\x93Hi\x94 \x97 \x85 \x80");
}

TEST(CodePage, refusesTheFirstCharacterItCannotHold)
{
    const CodePageConversion converted = Utf8ToCodePage("ab\u0416c\U0001F600");
    EXPECT_FALSE(converted.ok());
    EXPECT_EQ(*converted.unrepresentable, U'\u0416');
    EXPECT_NE(UnrepresentableMessage(U'\u0416').find("U+0416"), std::string::npos);
}

TEST(CodePage, theRefusalShowsAVisibleCharacterAndOnlyNamesAnInvisibleOne)
{
    const struct
    {
        char32_t codePoint;
        const char* message;
    } cases[] = {
        {U'\u0416',
         "The character \"\u0416\" (U+0416) cannot be stored in a puzzle. Remove or replace it and try again."},
        {U'\U0001F600', "The character \"\U0001F600\" (U+1F600) cannot be stored in a puzzle. Remove or replace it and "
                        "try again."},
        {0x9B, "The character U+009B cannot be stored in a puzzle. Remove or replace it and try again."},
        {0x85, "The character U+0085 cannot be stored in a puzzle. Remove or replace it and try again."},
        {0x2028, "The character U+2028 cannot be stored in a puzzle. Remove or replace it and try again."},
        {0x202E, "The character U+202E cannot be stored in a puzzle. Remove or replace it and try again."},
        {0x200B, "The character U+200B cannot be stored in a puzzle. Remove or replace it and try again."},
        {0xFEFF, "The character U+FEFF cannot be stored in a puzzle. Remove or replace it and try again."},
        {0xE0001, "The character U+E0001 cannot be stored in a puzzle. Remove or replace it and try again."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UnrepresentableMessage(c.codePoint), c.message) << static_cast<unsigned>(c.codePoint);
    }
}

TEST(CodePage, invalidUtf8IsRefusedNotGuessed)
{
    const struct
    {
        std::string text;
        std::size_t at;
    } cases[] = {{"\xC3", 0},     {"a\xFF", 1},        {"ab\xE2\x82", 2},
                 {"\xC0\xAF", 0}, {"\xED\xA0\x80", 0}, {"\xE2\x82\xAC\x80", 3}};
    for (const auto& c : cases) {
        const CodePageConversion converted = Utf8ToCodePage(c.text);
        EXPECT_FALSE(converted.ok()) << c.text.size();
        EXPECT_EQ(converted.invalidUtf8At, c.at) << c.text.size();
    }
    const CodePageConversion replacement = Utf8ToCodePage("a\uFFFD");
    EXPECT_EQ(replacement.unrepresentable, U'\uFFFD');
    EXPECT_FALSE(replacement.invalidUtf8At);
}

TEST(CodePage, aCharacterBeyondAsciiConvertsAlikeWhereverItStandsInTheText)
{
    // The conversions skip ASCII eight bytes at a time; the character may stand inside, at or after such a word.
    for (std::size_t at = 0; at <= 17; ++at) {
        std::string utf8(20, 'a');
        utf8.replace(at, 1, "\u00e9");
        std::string codePage(20, 'a');
        codePage[at] = '\xE9';
        const CodePageConversion converted = Utf8ToCodePage(utf8);
        EXPECT_EQ(converted.text, codePage) << at;
        EXPECT_EQ(CodePageToUtf8(codePage), utf8) << at;
        utf8.replace(at, 2, "\xE9");
        EXPECT_EQ(Utf8ToCodePage(utf8).invalidUtf8At, at) << at;
    }
    std::string line = "key\n";
    AppendCodePageAsUtf8(line, "\x93Hi\x94");
    EXPECT_EQ(line, "key\n\u201CHi\u201D");
}

} // namespace
