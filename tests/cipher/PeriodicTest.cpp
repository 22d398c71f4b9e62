#include <gtest/gtest.h>

#include "Alphabet.h"
#include "EncodeQuagmire.h"
#include "EncodeVigenere.h"
#include "TessarinError.h"

namespace {

TEST(EncryptQuagmire, straightTablesGiveTheLettersInFives)
{
    EXPECT_EQ(EncryptQuagmire("Hello, world", "", "", "@1"), "HELLO WORLD ");
    EXPECT_EQ(EncryptQuagmire("Hello, world", "", "", "AAAAAAA@1"), "HELLO WORLD ");
    EXPECT_EQ(EncryptQuagmire("12, caf\xE9!", "", "", "@1"), "CAF");
    EXPECT_EQ(EncryptQuagmire("...", "", "", "@1"), "");
}

TEST(EncryptQuagmire, aColumnOutsideTheTableTurnsNothing)
{
    const std::string atOne = EncryptQuagmire("attack at dawn", "SPRING", "FLOWER", "CAT@1");
    for (const char* column : {"0", "27", "99", "-5"}) {
        EXPECT_EQ(EncryptQuagmire("attack at dawn", "SPRING", "FLOWER", std::string("CAT@") + column), atOne) << column;
    }
}

TEST(BuildQuagmireTable, putsEachIndicatorLetterAtTheColumn)
{
    // Worked by hand: the cipher base FLOWERABCDGHIJKMNPQSTUVXYZ turned so that C, A and T stand in column 7.
    const QuagmireTable table = BuildQuagmireTable("SPRING", "FLOWER", "CAT@7");
    EXPECT_EQ(table.column, 7);
    EXPECT_EQ(table.rows, (std::vector<std::string>{"SPRINGABCDEFHJKLMOQTUVWXYZ", "OWERABCDGHIJKMNPQSTUVXYZFL",
                                                    "FLOWERABCDGHIJKMNPQSTUVXYZ", "KMNPQSTUVXYZFLOWERABCDGHIJ"}));
    // Each plaintext letter is looked up in the key row and replaced from the cipher rows C, A, T in turn.
    EXPECT_EQ(EncryptQuagmire("attack at dawn", "SPRING", "FLOWER", "CAT@7"), "CSBCC OCSXC VQ");
}

TEST(BuildQuagmireTable, defaultsAnEmptyIndicatorFromTheCipherKey)
{
    const QuagmireTable keyed = BuildQuagmireTable("", "FLOWER", "@3");
    EXPECT_EQ(keyed.indicator, "FFFFFFF");
    ASSERT_EQ(keyed.rows.size(), 8u);
    for (std::size_t i = 1; i < 8; ++i) {
        EXPECT_EQ(keyed.rows[i], keyed.rows[1]);
        EXPECT_EQ(keyed.rows[i][2], 'F');
    }
    EXPECT_EQ(BuildQuagmireTable("", "", "@1").indicator, "AAAAAAA");
}

TEST(BuildQuagmireTable, aNonLetterIndicatorTurnsThePreviousRowOnceMore)
{
    const QuagmireTable table = BuildQuagmireTable("", "", "B1@3");
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[2], RotateRight(table.rows[1], 2));
}

TEST(BuildQuagmireTable, aLongIndicatorGetsARowForEachCharacter)
{
    const QuagmireTable table = BuildQuagmireTable("", "", "ABCDEFGHIJKL@1");
    EXPECT_EQ(table.rows.size(), 13u);
    const std::string cipher = EncryptQuagmire("aaaaaaaaaaaaa", "", "", "ABCDEFGHIJKL@1");
    EXPECT_EQ(cipher, "ABCDE FGHIJ KLA");
}

TEST(EncryptQuagmire, singleIndicatorLetterHasPeriodOne)
{
    EXPECT_EQ(EncryptQuagmire("aaaaaa", "", "", "C@1"), "CCCCC C");
}

TEST(ParseIntegerValue, acceptsASignAndDigitsOnly)
{
    EXPECT_EQ(ParseIntegerValue("12"), 12);
    EXPECT_EQ(ParseIntegerValue("-3"), -3);
    EXPECT_EQ(ParseIntegerValue("+7"), 7);
    for (const char* bad : {"", "x", "1x", " 1", "-", "1.5"}) {
        try {
            ParseIntegerValue(bad);
            ADD_FAILURE() << bad;
        } catch (const TessarinError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(EncryptQuagmire, refusesAColumnThatIsNoNumber)
{
    EXPECT_THROW(EncryptQuagmire("abc", "", "", "KEY@x"), TessarinError);
    EXPECT_THROW(EncryptQuagmire("abc", "", "", "KEY@"), TessarinError);
    try {
        EncryptQuagmire("abc", "", "", "KEY@12x45");
        ADD_FAILURE() << "a column of '12x' was accepted";
    } catch (const TessarinError& error) {
        EXPECT_STREQ(error.what(), "'12x' is not a valid integer value");
    }
}

TEST(DecryptQuagmire, givesBackTheLettersOfEveryType)
{
    const char* plain = "The quick brown fox jumps over the lazy dog";
    const struct
    {
        const char *key, *cipherKey, *indicator;
    } types[] = {
        {"SPRING", "", "CAT@4"}, {"", "FLOWER", "CAT@4"}, {"SPRING", "SPRING", "DOG@26"}, {"SPRING", "FLOWER", "X@1"}};
    for (const auto& t : types) {
        const std::string cipher = EncryptQuagmire(plain, t.key, t.cipherKey, t.indicator);
        EXPECT_EQ(DecryptQuagmire(cipher, t.key, t.cipherKey, t.indicator), AsciiLettersUpper(plain));
    }
}

TEST(EncryptVigenere, shiftsByTheKeyLetter)
{
    EXPECT_EQ(EncryptVigenere("Hello", ""), "HFNOS ");
    EXPECT_EQ(EncryptVigenere("Hello world", ""), "HFNOS BUYTM ");
    EXPECT_EQ(EncryptVigenere("attack at dawn", "LEMON"), "LXFOP VEFRN HR");
    EXPECT_EQ(EncryptVigenere("attack at dawn", "le-mon 1"), "LXFOP VEFRN HR");
    EXPECT_EQ(EncryptVigenere("attack", "123"), EncryptVigenere("attack", ""));
    EXPECT_EQ(EncryptVigenere("12 \xE9!", "KEY"), "");
    EXPECT_EQ(DecryptVigenere("LXFOP VEFRN HR", "LEMON"), "ATTACKATDAWN");
}

TEST(VigenereTable, rowKStartsWithLetterK)
{
    const VigenereTableRows rows = VigenereTable();
    EXPECT_EQ(rows[0], StandardAlphabet);
    EXPECT_EQ(rows[1], StandardAlphabet);
    EXPECT_EQ(rows[2].front(), 'B');
    EXPECT_EQ(rows[26], "ZABCDEFGHIJKLMNOPQRSTUVWXY");
}

} // namespace
