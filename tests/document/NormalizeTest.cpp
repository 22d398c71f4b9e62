#include <gtest/gtest.h>

#include "Alphabet.h"
#include "Normalize.h"

namespace {

TEST(NormalizeLines, trimsEachLineAndJoinsWithBlanks)
{
    EXPECT_EQ(NormalizeLines({"  first  ", "", " third"}), "first  third");
    EXPECT_EQ(NormalizeLines({"  only   line \t"}), "only   line");
    EXPECT_EQ(NormalizeLines({"wrapped par", "agraph"}), "wrapped par agraph");
    EXPECT_EQ(NormalizeLines(SplitTextLines("a\r\n b \r\nc\r\n")), "a b c");
    EXPECT_EQ(NormalizeLines({}), "");
}

TEST(Patristocrat, regroupsTheLettersInFives)
{
    EXPECT_EQ(PatristocratText("ABC DEF, GHI-JKL!"), "ABCDE FGHIJ KL");
    EXPECT_EQ(PatristocratText("ABCDE FGHIJ"), "ABCDE FGHIJ ");
    EXPECT_EQ(PatristocratText("A1 \xC9\r\nb"), "AB");
    const std::string once = PatristocratText("THE QUICK BROWN FOX");
    EXPECT_EQ(PatristocratText(once), once);
}

TEST(HasSelfLetter, findsALetterStandingForItself)
{
    EXPECT_TRUE(HasSelfLetter("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    EXPECT_TRUE(HasSelfLetter("ZYXWVUTSRQPONMLKJIHGFEDCBZ"));
    EXPECT_FALSE(HasSelfLetter("BADCFEHGJILKNMPORQTSVUXWZY"));
    EXPECT_FALSE(HasSelfLetter(""));
}

} // namespace
