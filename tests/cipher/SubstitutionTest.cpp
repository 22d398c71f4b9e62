#include <gtest/gtest.h>

#include <set>

#include "Alphabet.h"
#include "EncodeCipher.h"
#include "Random.h"

namespace {

bool hasFixedLetter(const std::string& alphabet)
{
    for (std::size_t i = 0; i < 26; ++i) {
        if (alphabet[i] == static_cast<char>('A' + i)) {
            return true;
        }
    }
    return false;
}

TEST(MakeAlphabetUnique, swapsNeighboursAndMovesATrailingZ)
{
    EXPECT_EQ(MakeAlphabetUnique(std::string(StandardAlphabet)), "BADCFEHGJILKNMPORQTSVUXWZY");
    EXPECT_EQ(MakeAlphabetUnique("BADCFEHGJILKNMPORQTSVUXWYZ"), "BADCFEHGJILKNMPORQTSVUXWZY");
    EXPECT_EQ(MakeAlphabetUnique("BCDEFGHIJKLMNOPQRSTUVWXYZA"), "BCDEFGHIJKLMNOPQRSTUVWXYZA");
}

TEST(MakeAlphabetUnique, neverLeavesALetterInPlaceForManyShuffles)
{
    Random rng(7);
    for (int i = 0; i < 2000; ++i) {
        const std::string shuffled = ShuffledAlphabet(rng);
        ASSERT_TRUE(IsPermutationOf(shuffled, StandardAlphabet));
        const std::string unique = MakeAlphabetUnique(shuffled);
        ASSERT_TRUE(IsPermutationOf(unique, StandardAlphabet)) << shuffled;
        ASSERT_FALSE(hasFixedLetter(unique)) << shuffled;
        if (!hasFixedLetter(shuffled)) {
            ASSERT_EQ(unique, shuffled);
        }
    }
}

TEST(ShuffleStrings, reachesEveryOrderOfThree)
{
    Random rng(11);
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        std::vector<std::string> list = {"a", "b", "c"};
        ShuffleStrings(list, rng);
        seen.insert(list[0] + list[1] + list[2]);
    }
    EXPECT_EQ(seen.size(), 6u);
}

TEST(SubstituteLetters, replacesOnlyAtoZAndKeepsEverythingInPlace)
{
    const std::string alphabet = "BCDEFGHIJKLMNOPQRSTUVWXYZA";
    EXPECT_EQ(SubstituteLetters("Hello, World!\r\n42 caf\xE9", alphabet), "IFMMP, XPSME!\r\n42 DBG\xC9");
    EXPECT_EQ(SubstituteLetters("123 ...", alphabet), "123 ...");
    EXPECT_EQ(DecryptCipher("IFMMP, XPSME!", alphabet), "HELLO, WORLD!");
}

TEST(EncryptCipherRandom, usesAnAcceptedAlphabetOnceThenDrawsAgain)
{
    Random rng(3);
    std::string key(StandardAlphabet);
    bool useEdited = true;
    EXPECT_EQ(EncryptCipherRandom("abc", false, key, useEdited, rng), "ABC");
    EXPECT_FALSE(useEdited);
    EXPECT_EQ(key, StandardAlphabet);
    EncryptCipherRandom("abc", false, key, useEdited, rng);
    EXPECT_NE(key, StandardAlphabet);
    EXPECT_TRUE(IsPermutationOf(key, StandardAlphabet));
}

TEST(EncryptCipherRandom, uniqueAppliesToAnAcceptedAlphabetToo)
{
    Random rng(3);
    std::string key(StandardAlphabet);
    bool useEdited = true;
    EXPECT_EQ(EncryptCipherRandom("", true, key, useEdited, rng), "");
    EXPECT_EQ(key, "BADCFEHGJILKNMPORQTSVUXWZY");
}

TEST(EncryptCipherRandom, anAcceptedKeyThatIsNoAlphabetIsReplacedByADraw)
{
    Random rng(5);
    std::string key = "ABC";
    bool useEdited = true;
    const std::string cipher = EncryptCipherRandom("Hello", false, key, useEdited, rng);
    EXPECT_TRUE(IsPermutationOf(key, StandardAlphabet));
    EXPECT_EQ(cipher, SubstituteLetters("Hello", key));
}

TEST(EncryptCipherOffset, alwaysDrawsOneOfTheTwentyFiveRotations)
{
    Random rng(9);
    std::set<std::string> seen;
    for (int i = 0; i < 500; ++i) {
        std::string key;
        bool useEdited = false;
        EncryptCipherOffset("x", key, useEdited, rng);
        ASSERT_NE(key, StandardAlphabet);
        const std::size_t shift = static_cast<std::size_t>(key[0] - 'A');
        ASSERT_EQ(key, RotateLeft(StandardAlphabet, shift));
        seen.insert(key);
    }
    EXPECT_EQ(seen.size(), 25u);
}

TEST(EncryptCipherOffset, keepsAnAcceptedAlphabetExactly)
{
    Random rng(9);
    std::string key(StandardAlphabet);
    bool useEdited = true;
    EXPECT_EQ(EncryptCipherOffset("Abc", key, useEdited, rng), "ABC");
    EXPECT_EQ(key, StandardAlphabet);
    EXPECT_FALSE(useEdited);
}

TEST(Random, aFixedSeedRepeatsAndTheClockDoesNot)
{
    Random a(42), b(42);
    EXPECT_EQ(ShuffledAlphabet(a), ShuffledAlphabet(b));
    // Two clock generators made side by side, drawn in turn: every shuffle differs from all others.
    Random clockA, clockB;
    std::set<std::string> draws;
    for (int i = 0; i < 5; ++i) {
        draws.insert(ShuffledAlphabet(clockA));
        draws.insert(ShuffledAlphabet(clockB));
    }
    EXPECT_EQ(draws.size(), 10u);
}

} // namespace
