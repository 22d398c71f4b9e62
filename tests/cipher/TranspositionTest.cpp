#include <gtest/gtest.h>

#include "EncodePlayfair.h"
#include "EncodeRailfence.h"
#include "Random.h"

namespace {

TEST(EncryptRailfence, readsTheZigzagRailByRail)
{
    Random rng(1);
    EXPECT_EQ(EncryptRailfence("We are discovered", 3, rng), "WEC RER DSO EEA IVD ");
    EXPECT_EQ(EncryptRailfence("WE ARE DISCOVERED!", 3, rng), EncryptRailfence("we are discovered", 3, rng));
}

TEST(EncryptRailfence, fillsUpWithLettersFromAToY)
{
    Random rng(1);
    for (int i = 0; i < 300; ++i) {
        const std::string two = EncryptRailfence("We are discovered", 2, rng);
        ASSERT_EQ(two.substr(0, 22), "WA EI CV RD ER DS OE E");
        ASSERT_EQ(two.size(), 24u);
        ASSERT_GE(two[22], 'A');
        ASSERT_LE(two[22], 'Y');
        ASSERT_EQ(two[23], ' ');
        const std::string four = EncryptRailfence("We are discovered", 4, rng);
        ASSERT_EQ(four.substr(0, 18), "WIRE DSEE AECV DRO");
        ASSERT_GE(four[18], 'A');
        ASSERT_LE(four[18], 'Y');
    }
}

TEST(EncryptRailfence, aTextWithoutLettersGivesNothing)
{
    Random rng(1);
    EXPECT_EQ(EncryptRailfence("1234 !?", 3, rng), "");
    EXPECT_EQ(EncryptRailfence("", 2, rng), "");
}

TEST(DecryptRailfence, givesBackTheWorkingLettersForEveryRailCount)
{
    Random rng(2);
    const std::string text = "Now is the time for all good men to come to the aid of the party";
    for (int rails = 2; rails <= 4; ++rails) {
        const std::string cipher = EncryptRailfence(text, rails, rng);
        EXPECT_EQ(RailCountOf(cipher), rails);
        const std::string letters = DecryptRailfence(cipher, rails);
        EXPECT_EQ(letters.substr(0, 49), "NOWISTHETIMEFORALLGOODMENTOCOMETOTHEAIDOFTHEPARTY");
        EXPECT_EQ(letters.size() % static_cast<std::size_t>(rails), 0u);
    }
    EXPECT_EQ(RailCountOf("ABCDE FGHIJ"), 0);
    EXPECT_EQ(RailCountOf("NOBLANKS"), 0);
}

struct PlayfairCase
{
    const char* plain;
    const char* working;
    const char* cipher;
};

class PlayfairExamples : public testing::TestWithParam<PlayfairCase>
{};

TEST_P(PlayfairExamples, encryptThroughTheSquareWithoutKeyword)
{
    const PlayfairCase& c = GetParam();
    bool useEdited = true;
    EXPECT_EQ(PreparePlayfairText(c.plain), c.working);
    EXPECT_EQ(EncryptPlayfair(c.plain, "", useEdited), c.cipher);
    EXPECT_FALSE(useEdited);
    EXPECT_EQ(DecryptPlayfair(c.cipher, ""), c.working);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlayfairExamples,
                         testing::Values(PlayfairCase{"Hello world", "HELXLOWORLDX", "JCMWMKZLWRCY"},
                                         PlayfairCase{"Balloon", "BALXLOON", "CBMWMKKO"},
                                         PlayfairCase{"Quiz", "KUIZ", "OPJY"}, PlayfairCase{"tax", "TAXJ", "PDZH"},
                                         PlayfairCase{"Ally", "ALLY", "BKNW"}, PlayfairCase{"xx", "XJXJ", "ZHZH"},
                                         PlayfairCase{"1234", "", ""}));

TEST(EncryptPlayfair, splitsDoubledXWithJAndNeverLoops)
{
    bool useEdited = false;
    EXPECT_EQ(PreparePlayfairText("xxxx"), "XJXJXJXJ");
    EXPECT_EQ(PreparePlayfairText("aaa"), "AXAXAX");
    const std::string cipher = EncryptPlayfair("xx", "", useEdited);
    EXPECT_EQ(cipher.size(), 4u);
    EXPECT_EQ(DecryptPlayfair(cipher, ""), "XJXJ");
}

TEST(EncryptPlayfair, aKeywordLeadsTheSquare)
{
    // Worked by hand on the square PLAYF / IREXM / BCDGH / JKNOS / TUVWZ: HI, TH, EG, OL, DX are rectangles,
    // DE shares a column, FP a row (F wraps to P) and ZS a column (Z wraps to F).
    EXPECT_EQ(PlayfairSquareOf("PLAYFAIR EXAMPLE"), "PLAYFIREXMBCDGHJKNOSTUVWZ");
    bool useEdited = false;
    EXPECT_EQ(EncryptPlayfair("Hide the gold", "PLAYFAIR EXAMPLE", useEdited), "BMNDZBXDKYGE");
    EXPECT_EQ(EncryptPlayfair("fp zs", "PLAYFAIR EXAMPLE", useEdited), "PLFZ");
}

TEST(EncryptPlayfair, anAcceptedSquareIsUsedAsItStands)
{
    const std::string square = "ZYXWVUTSRPONMLKJIHGFEDCBA";
    bool useEdited = true;
    // ZYXWV / UTSRP / ONMLK / JIHGF / EDCBA, worked by hand: ME, ET, AT rectangles, NO and ON one row.
    const std::string cipher = EncryptPlayfair("Meet me at noon", square, useEdited);
    EXPECT_EQ(cipher, "OCDUOCDPMNNM");
    EXPECT_FALSE(useEdited);
    EXPECT_EQ(DecryptPlayfair(cipher, square), PreparePlayfairText("Meet me at noon"));
    bool flag = false;
    EXPECT_EQ(EncryptPlayfair("quick", "", flag), EncryptPlayfair("kuick", "", flag));
}

} // namespace
