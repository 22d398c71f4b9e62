#include <gtest/gtest.h>

#include "AcnProcsUnit.h"
#include "Alphabet.h"
#include "EncryptionDriver.h"
#include "Random.h"
#include "TessarinError.h"

namespace {

EncryptOptions optionsFor(CipherKind kind)
{
    EncryptOptions options;
    options.kind = kind;
    return options;
}

TEST(EncryptRefusal, refusesAnEmptyTextNoKindAndNoRailCount)
{
    EXPECT_EQ(EncryptRefusal("", optionsFor(CipherKind::Cipher)), NothingToEncryptMessage);
    EXPECT_EQ(EncryptRefusal("abc", optionsFor(CipherKind::None)), NothingToEncryptMessage);
    EncryptOptions rails = optionsFor(CipherKind::Railfence);
    rails.railGroup3 = -1;
    EXPECT_EQ(EncryptRefusal("abc", rails), NoRailCountMessage);
    EXPECT_EQ(EncryptRefusal("123 !!", optionsFor(CipherKind::Playfair)), NothingToEncryptMessage);
    EXPECT_FALSE(EncryptRefusal("123 !!", optionsFor(CipherKind::Cipher))); // a substitution takes any text
    EXPECT_FALSE(EncryptRefusal(" x", optionsFor(CipherKind::Vigenere)));
    // A keyword of digits and signs alone would key nothing; an empty one keeps its meaning, a letter among signs
    // keys the cryptogram.
    for (const CipherKind kind : {CipherKind::Playfair, CipherKind::Quagmire, CipherKind::Vigenere}) {
        EncryptOptions keyed = optionsFor(kind);
        keyed.keyword = "2024 !";
        EXPECT_EQ(EncryptRefusal("abc", keyed), KeywordWithoutLettersMessage);
        keyed.keyword = "2024 a";
        EXPECT_FALSE(EncryptRefusal("abc", keyed));
    }
    EncryptOptions quagmire = optionsFor(CipherKind::Quagmire);
    quagmire.cipherTableKey = "99";
    EXPECT_EQ(EncryptRefusal("abc", quagmire), KeywordWithoutLettersMessage);
}

TEST(NeedsIntegrityAlert, asksOnlyWhenAnExistingCryptogramWouldBreak)
{
    PuzzleDocument doc;
    EXPECT_FALSE(NeedsIntegrityAlert(doc, "new text"));
    doc.PLAIN = "old";
    EXPECT_FALSE(NeedsIntegrityAlert(doc, "new"));
    doc.QUAGMIRE = "ABC";
    EXPECT_TRUE(NeedsIntegrityAlert(doc, "new"));
    EXPECT_TRUE(NeedsIntegrityAlert(doc, "Old"));
    EXPECT_FALSE(NeedsIntegrityAlert(doc, "old"));
}

TEST(TypedText, onlyTextTheDocumentDoesNotHoldIsUnsavedAndTakenIn)
{
    PuzzleDocument doc;
    EncryptOptions quagmire = optionsFor(CipherKind::Quagmire);
    EXPECT_FALSE(HoldsUnsavedText(doc, "", quagmire)); // untouched boxes: column 1, no indicator
    EXPECT_TRUE(HoldsUnsavedText(doc, "a quotation", optionsFor(CipherKind::Cipher)));
    quagmire.keyword = " KEY ";
    EXPECT_TRUE(HoldsUnsavedText(doc, "", quagmire));
    TakeTypedText(doc, "typed", quagmire);
    EXPECT_EQ(doc.PLAIN, "typed");
    EXPECT_EQ(doc.QUAGKEY, "KEY");
    EXPECT_TRUE(doc.QUAGINDI.empty()); // the indicator boxes were left as they come
    EXPECT_TRUE(doc.Changed);
    doc.Changed = false;
    EXPECT_FALSE(HoldsUnsavedText(doc, "typed", quagmire));
    TakeTypedText(doc, "typed", quagmire);
    EXPECT_FALSE(doc.Changed);
    // Once the kind has a ciphertext, only Encrypt replaces the key that made it.
    doc.VIGENERE = "XLIQW";
    doc.VIGENKEY = "LEMON";
    EncryptOptions vigenere = optionsFor(CipherKind::Vigenere);
    vigenere.keyword = "ORANGE";
    EXPECT_FALSE(HoldsUnsavedText(doc, "typed", vigenere));
    TakeTypedText(doc, "typed", vigenere);
    EXPECT_EQ(doc.VIGENKEY, "LEMON");
}

TEST(EncryptPuzzle, storesThePlaintextAndTheKindsTrimmedKeys)
{
    AcnProcs holder;
    Random rng(1);
    EncryptOptions options = optionsFor(CipherKind::Quagmire);
    options.keyword = "  SPRING ";
    options.cipherTableKey = "\tFLOWER";
    options.indicatorKey = " CAT ";
    options.column = "7";
    const std::string plain = "  Two lines\r\nof text ";
    const std::string& cipher = EncryptPuzzle(holder, plain, options, rng);
    EXPECT_EQ(holder.Puzzle.PLAIN, plain);
    EXPECT_EQ(holder.Puzzle.QUAGKEY, "SPRING");
    EXPECT_EQ(holder.Puzzle.QUAGCKEY, "FLOWER");
    EXPECT_EQ(holder.Puzzle.QUAGINDI, "CAT@7");
    EXPECT_EQ(&cipher, &holder.Puzzle.QUAGMIRE);
    EXPECT_FALSE(cipher.empty());
    EXPECT_TRUE(holder.Puzzle.Changed);

    options.indicatorKey = "";
    options.column = "1";
    EncryptPuzzle(holder, plain, options, rng);
    EXPECT_EQ(holder.Puzzle.QUAGINDI, "@1");
}

TEST(EncryptPuzzle, aBadColumnStoresTheKeysButNothingElse)
{
    AcnProcs holder;
    holder.Puzzle.QUAGMIRE = "OLD ";
    Random rng(1);
    EncryptOptions options = optionsFor(CipherKind::Quagmire);
    options.keyword = "KEY";
    options.column = "x";
    EXPECT_THROW(EncryptPuzzle(holder, "hello", options, rng), TessarinError);
    EXPECT_EQ(holder.Puzzle.QUAGINDI, "@x");
    EXPECT_EQ(holder.Puzzle.QUAGKEY, "KEY");
    EXPECT_EQ(holder.Puzzle.QUAGMIRE, "OLD ");
    EXPECT_FALSE(holder.Puzzle.Changed);
}

TEST(EncryptPuzzle, replacesOnlyTheSelectedKindsCiphertext)
{
    AcnProcs holder;
    Random rng(1);
    EncryptPuzzle(holder, "Hello world", optionsFor(CipherKind::Vigenere), rng);
    EncryptOptions playfair = optionsFor(CipherKind::Playfair);
    playfair.keyword = " ";
    EncryptPuzzle(holder, "Hello world", playfair, rng);
    EXPECT_EQ(holder.Puzzle.VIGENERE, "HFNOS BUYTM ");
    EXPECT_EQ(holder.Puzzle.PLAYFAIR, "JCMWMKZLWRCY");
    EXPECT_EQ(holder.Puzzle.PLAYKEY, "");
    EXPECT_EQ(holder.Puzzle.CIPHER, "");
}

TEST(EncryptPuzzle, substitutionRecordsItsRadiosAndUsesAnAcceptedAlphabetOnce)
{
    AcnProcs holder;
    Random rng(4);
    holder.Puzzle.CIPHKEY = std::string(StandardAlphabet);
    holder.UseEditedAlphabet = true;
    EncryptOptions options = optionsFor(CipherKind::Cipher);
    options.cipherGroup1 = 1;
    EXPECT_EQ(EncryptPuzzle(holder, "abc", options, rng), "BAD");
    EXPECT_EQ(holder.Puzzle.CRADIOS, "10");
    EXPECT_FALSE(holder.UseEditedAlphabet);
    options.cipherGroup2 = 1;
    EncryptPuzzle(holder, "abc", options, rng);
    EXPECT_EQ(holder.Puzzle.CRADIOS, "11");
    EXPECT_NE(holder.Puzzle.CIPHKEY, StandardAlphabet);
}

TEST(EncryptPuzzle, anAcceptedAlphabetWaitsForTheEncryptionAndAStraightOneIsWarnedOf)
{
    AcnProcs holder;
    Random rng(4);
    EncryptOptions options = optionsFor(CipherKind::Cipher);
    options.cipherGroup1 = 1;
    options.cipherGroup2 = 1;
    EncryptPuzzle(holder, "abc", options, rng);
    const std::string made = holder.Puzzle.CIPHKEY;
    holder.AcceptAlphabet(std::string(StandardAlphabet));
    EXPECT_EQ(holder.Puzzle.CIPHKEY, made);
    EXPECT_TRUE(LeavesEveryLetterInPlace(holder, options));
    options.cipherGroup2 = 0; // random with "Unique" moves every letter
    EXPECT_FALSE(LeavesEveryLetterInPlace(holder, options));
    options.cipherGroup1 = 0;
    EXPECT_TRUE(LeavesEveryLetterInPlace(holder, options));
    EXPECT_EQ(EncryptPuzzle(holder, "abc", options, rng), "ABC");
    EXPECT_EQ(holder.Puzzle.CIPHKEY, StandardAlphabet);
    EXPECT_TRUE(holder.AcceptedAlphabet.empty());
    EXPECT_FALSE(LeavesEveryLetterInPlace(holder, options));
}

TEST(EncryptPuzzle, railCountComesFromTheRadioGroup)
{
    AcnProcs holder;
    Random rng(4);
    EncryptOptions options = optionsFor(CipherKind::Railfence);
    options.railGroup3 = 1;
    EXPECT_EQ(EncryptPuzzle(holder, "We are discovered", options, rng), "WEC RER DSO EEA IVD ");
}

TEST(OptionCoupling, offsetAlwaysGoesWithUniqueAndDittoCopiesOnce)
{
    EXPECT_EQ(CoupledCipherGroup1(0, 1), 1);
    EXPECT_EQ(CoupledCipherGroup1(1, 1), 1);
    EXPECT_EQ(CoupledCipherGroup1(0, 0), 0);
    EXPECT_EQ(CoupledCipherGroup1(1, 0), 1);
    EXPECT_EQ(DittoText(true, "SPRING"), "SPRING");
    EXPECT_EQ(DittoText(false, "SPRING"), "");
}

} // namespace
