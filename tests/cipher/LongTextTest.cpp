// The encoders read a text in blocks of a few thousand bytes: letters, pairs, key periods and groups must run on
// across the blocks' ends as if the text were one piece.

#include <gtest/gtest.h>

#include "Alphabet.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "Random.h"

namespace {

// Some 30 blocks of letters with many doubled letters, X and Q among them, between blanks, punctuation and bytes
// beyond ASCII.
std::string longText()
{
    static const std::string_view pieces[] = {"xx", "Q", "ab", " ", "., ", "\xE9", "LLama", "\n", "J", "zz"};
    Random rng(7);
    std::string text;
    while (text.size() < 100000) {
        text += pieces[static_cast<std::size_t>(rng.draw(static_cast<int>(std::size(pieces))))];
    }
    return text;
}

TEST(LongText, lettersAndCasesAreKeptAcrossBlocks)
{
    const std::string text = longText();
    std::string letters;
    for (const char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            letters += static_cast<char>(c & ~0x20);
        }
    }
    EXPECT_EQ(AsciiLettersUpper(text), letters);
}

TEST(LongText, periodicKeysAndGroupsRunOnAcrossBlocks)
{
    const std::string text = longText();
    const std::string letters = AsciiLettersUpper(text);
    const std::string vigenere = EncryptVigenere(text, "LEMONADE");
    EXPECT_EQ(vigenere, GroupLetters(WithoutBlanks(vigenere), 5));
    EXPECT_EQ(DecryptVigenere(vigenere, "LEMONADE"), letters);
    const std::string quagmire = EncryptQuagmire(text, "SPRING", "FLOWER", "WINTER@3");
    EXPECT_EQ(quagmire, GroupLetters(WithoutBlanks(quagmire), 5));
    EXPECT_EQ(DecryptQuagmire(quagmire, "SPRING", "FLOWER", "WINTER@3"), letters);
}

TEST(LongText, playfairPairsAndFillersRunOnAcrossBlocks)
{
    const std::string text = longText();
    bool edited = false;
    const std::string ciphertext = EncryptPlayfair(text, "CRYPTOGRAM", edited);
    EXPECT_EQ(DecryptPlayfair(ciphertext, PlayfairSquareOf("CRYPTOGRAM")), PreparePlayfairText(text));
    // Pairing starts again after an odd letter at the end.
    EXPECT_EQ(DecryptPlayfair(EncryptPlayfair(text + "K", "", edited), PlayfairSquareOf("")),
              PreparePlayfairText(text + "K"));
}

TEST(LongText, railFenceRoundTripsForEveryRailCount)
{
    const std::string text = longText();
    const std::string letters = AsciiLettersUpper(text);
    for (int rails = 2; rails <= 4; ++rails) {
        Random rng(3);
        const std::string ciphertext = EncryptRailfence(text, rails, rng);
        EXPECT_EQ(ciphertext, GroupLetters(WithoutBlanks(ciphertext), static_cast<std::size_t>(rails))) << rails;
        EXPECT_EQ(DecryptRailfence(ciphertext, rails).substr(0, letters.size()), letters) << rails;
    }
}

} // namespace
