#include <gtest/gtest.h>

#include "Alphabet.h"

namespace {

struct KeyedCase
{
    const char* keyword;
    std::string_view base;
    const char* expected;
};

class KeyedAlphabetTest : public testing::TestWithParam<KeyedCase>
{};

TEST_P(KeyedAlphabetTest, startsWithTheKeywordsDistinctLettersThenTheRestOfTheBase)
{
    const KeyedCase& c = GetParam();
    const std::string keyed = KeyedAlphabet(c.keyword, c.base);
    EXPECT_EQ(keyed, c.expected);
    EXPECT_TRUE(IsPermutationOf(keyed, c.base));
}

INSTANTIATE_TEST_SUITE_P(Cases, KeyedAlphabetTest,
                         testing::Values(KeyedCase{"KEYWORD", StandardAlphabet, "KEYWORDABCFGHIJLMNPQSTUVXZ"},
                                         KeyedCase{"BALLOON", StandardAlphabet, "BALONCDEFGHIJKMPQRSTUVWXYZ"},
                                         KeyedCase{"", StandardAlphabet, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
                                         KeyedCase{"keyword", StandardAlphabet, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
                                         KeyedCase{"A1 B-C!", StandardAlphabet, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
                                         KeyedCase{"QUEEN", PlayfairAlphabet, "UENABCDFGHIJKLMOPRSTVWXYZ"},
                                         KeyedCase{"ZYXWVUTSRPONMLKJIHGFEDCBA", PlayfairAlphabet,
                                                   "ZYXWVUTSRPONMLKJIHGFEDCBA"}));

TEST(KeyedAlphabet, isIdempotentOnItsOwnResult)
{
    const std::string square = KeyedAlphabet("PLAYFAIR EXAMPLE", PlayfairAlphabet);
    EXPECT_EQ(square.size(), 25u);
    EXPECT_EQ(KeyedAlphabet(square, PlayfairAlphabet), square);
}

TEST(Rotate, movesTheGivenNumberOfCharactersAround)
{
    EXPECT_EQ(RotateLeft("ABCDE", 0), "ABCDE");
    EXPECT_EQ(RotateLeft("ABCDE", 2), "CDEAB");
    EXPECT_EQ(RotateLeft("ABCDE", 5), "ABCDE");
    EXPECT_EQ(RotateRight("ABCDE", 2), "DEABC");
    EXPECT_EQ(RotateRight("ABCDE", 0), "ABCDE");
    EXPECT_EQ(RotateRight(RotateLeft(StandardAlphabet, 7), 7), StandardAlphabet);
}

TEST(TextHelpers, trimGroupAndSplit)
{
    EXPECT_EQ(TrimControl("\t  a b \r\n"), "a b");
    EXPECT_EQ(TrimControl(" \x01 "), "");
    EXPECT_EQ(AsciiLettersUpper("Hé, wo-rld 42!"), "HWORLD");
    EXPECT_EQ(GroupLetters("ABCDEFGHIJ", 5), "ABCDE FGHIJ ");
    EXPECT_EQ(GroupLetters("ABCDEFG", 5), "ABCDE FG");
    EXPECT_EQ(GroupLetters("", 5), "");
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitTextLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextLines("a\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitTextLines("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_TRUE(SplitTextLines("").empty());
}

TEST(IsPermutationOf, acceptsOnlyEachCharacterOnce)
{
    EXPECT_TRUE(IsPermutationOf("BADCFEHGJILKNMPORQTSVUXWZY", StandardAlphabet));
    EXPECT_FALSE(IsPermutationOf("AACDEFGHIJKLMNOPQRSTUVWXYZ", StandardAlphabet));
    EXPECT_FALSE(IsPermutationOf("ABC", StandardAlphabet));
    EXPECT_FALSE(IsPermutationOf("abcdefghijklmnopqrstuvwxyz", StandardAlphabet));
}

} // namespace
