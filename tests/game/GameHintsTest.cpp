#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "GameHints.h"
#include "Normalize.h"
#include "Random.h"
#include "SolvingCommands.h"

namespace {

const std::string Quote = "WHEN I WAS A BOY OF FOURTEEN, MY FATHER WAS SO IGNORANT I COULD HARDLY STAND TO HAVE THE "
                          "OLD MAN AROUND. IT'S ASTONISHING HOW MUCH THE OLD MAN HAD LEARNED IN SEVEN YEARS.";
const std::string Key = "QWERTYUIOPASDFGHJKLZXCVBNM";

// The puzzle as the game opens a file the maker wrote with every kind (the substitution as a Patristocrat on
// request), with kind on the board.
GamePuzzle OpenedOn(CipherKind kind, bool patristocrat = false, bool lowerCase = false)
{
    GameFileValues values;
    values.PLAIN = Quote;
    std::string cipher = SubstituteLetters(Quote, Key);
    if (lowerCase) { // as a hand-edited file may hold it
        std::transform(cipher.begin(), cipher.end(), cipher.begin(), [](unsigned char c) { return std::tolower(c); });
    }
    Random rng(3);
    bool edited = false;
    const CipherLines lines{patristocrat ? PatristocratText(cipher) : cipher, EncryptRailfence(Quote, 4, rng),
                            EncryptPlayfair(Quote, "ZEBRA", edited),
                            EncryptQuagmire(Quote, "SPRING", "FLOWER", "EXTRA@3"), EncryptVigenere(Quote, "LEMON")};
    values.CIPHERSOL = lines.CIPHER;
    values.RAILSOL = lines.RAILFENCE;
    values.PLAYSOL = lines.PLAYFAIR;
    values.QUAGSOL = lines.QUAGMIRE;
    values.VIGENSOL = lines.VIGENERE;
    GamePuzzle puzzle;
    puzzle.TakeValues(values, lines);
    puzzle.FileName = "/tmp/hints.acnx";
    puzzle.ChooseKind(kind);
    return puzzle;
}

} // namespace

TEST(GameHints, onEveryKindEachHintFillsOnlyRightLettersAsAnUndoableStepUntilSolved)
{
    for (const auto& [kind, patristocrat] : {std::pair{CipherKind::Cipher, false},
                                             {CipherKind::Cipher, true},
                                             {CipherKind::Railfence, false},
                                             {CipherKind::Playfair, false},
                                             {CipherKind::Quagmire, false},
                                             {CipherKind::Vigenere, false}}) {
        GamePuzzle p = OpenedOn(kind, patristocrat);
        SCOPED_TRACE(p.BoardText);
        int shown = 0;
        for (; !BoardSolved(p.Model, p.BoardText) && shown < 300; ++shown) {
            ASSERT_EQ(PressHint(p), HintPress::Shown);
            ASSERT_FALSE(HintPositions(p).empty());
            const std::string before = p.BoardText;
            ASSERT_EQ(PressHint(p), HintPress::Filled);
            ASSERT_NE(p.BoardText, before);
            for (std::size_t i = 0; i < before.size(); ++i) {
                EXPECT_TRUE(p.BoardText[i] == before[i] || p.BoardText[i] == p.Model.cells[i].answer) << i;
            }
            if (shown == 0) {
                ASSERT_TRUE(UndoStep(p));
                EXPECT_EQ(p.BoardText, before);
                ASSERT_TRUE(RedoStep(p));
            }
        }
        EXPECT_TRUE(BoardSolved(p.Model, p.BoardText));
        EXPECT_EQ(PressHint(p), HintPress::Shown);
        EXPECT_EQ(ShownHint(p)->code, "solved");
        EXPECT_EQ(p.HintsUsed[static_cast<std::size_t>(kind)], shown) << "once per hint, the solved one not";
    }
}

TEST(GameHints, aWrongLetterIsPointedAtAndTheSecondPressCorrectsItAlone)
{
    GamePuzzle p = OpenedOn(CipherKind::Cipher);
    const std::size_t w = Quote.find('W') + 1; // cipher V
    ASSERT_TRUE(ClickCell(p, w) && PickLetter(p, 'N' - 'A' + 1));
    ASSERT_TRUE(ClickCell(p, Quote.find('H') + 1) && PickLetter(p, 'H' - 'A' + 1));
    ASSERT_EQ(PressHint(p), HintPress::Shown);
    EXPECT_EQ(HintLineText(*ShownHint(p)), "Hint: N is not the plaintext of V.  Press Hint again to correct it.");
    EXPECT_EQ(HintPositions(p), CipherGroup(p, w));
    std::string expected = p.BoardText;
    for (std::size_t i : CipherGroup(p, w)) {
        expected[i - 1] = 'W';
    }
    ASSERT_EQ(PressHint(p), HintPress::Filled);
    EXPECT_EQ(p.BoardText, expected);

    // On a lower-case ciphertext, a cipher letter's own capital entered over it is a wrong letter, not an empty cell.
    GamePuzzle lower = OpenedOn(CipherKind::Cipher, false, true);
    ASSERT_TRUE(ClickCell(lower, w) && PickLetter(lower, 'V' - 'A' + 1));
    ASSERT_EQ(PressHint(lower), HintPress::Shown);
    EXPECT_EQ(HintLineText(*ShownHint(lower)), "Hint: V is not the plaintext of V.  Press Hint again to correct it.");
}

TEST(GameHints, eachKindCountsItsOwnHintsAndAnotherStepEndsTheHintOnShow)
{
    GamePuzzle p = OpenedOn(CipherKind::Cipher);
    PressHint(p);
    EXPECT_EQ(HintCountText(p), "Hints used: 1");
    p.ChooseKind(CipherKind::Vigenere);
    EXPECT_EQ(ShownHint(p), nullptr);
    EXPECT_EQ(HintCountText(p), "Hints used: 0");
    p.ChooseKind(CipherKind::Cipher);
    ASSERT_NE(ShownHint(p), nullptr) << "the board is as the hint left it";
    ASSERT_TRUE(ClickCell(p, 1) && PickLetter(p, 'W' - 'A' + 1));
    EXPECT_TRUE(HintPositions(p).empty());
    PressHint(p);
    EXPECT_EQ(HintCountText(p), "Hints used: 2");
    EXPECT_EQ(CongratulationText(0), "Congratulations! Cryptogram has been correctly deciphered.");
    EXPECT_EQ(CongratulationText(1), CongratulationText(0) + "\n\nYou used 1 hint.");
    p.TakeValues(GameFileValues{}); // opening a puzzle
    EXPECT_EQ(p.HintsUsed, (std::array<int, CipherKindCount>{}));
    EXPECT_FALSE(p.Hint);
}
