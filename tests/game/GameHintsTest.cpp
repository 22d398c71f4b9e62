#include <gtest/gtest.h>

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
GamePuzzle OpenedOn(CipherKind kind, bool patristocrat = false)
{
    GameFileValues values;
    values.PLAIN = Quote;
    const std::string cipher = SubstituteLetters(Quote, Key);
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

int Used(const GamePuzzle& puzzle)
{
    return puzzle.HintsUsed[static_cast<std::size_t>(puzzle.GameKind)];
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
            ASSERT_FALSE(HintPositions(p).empty()) << ShownHint(p)->text;
            ASSERT_NE(ShownHint(p)->code, "wrong-letter");
            const std::string before = p.BoardText;
            ASSERT_EQ(PressHint(p), HintPress::Filled);
            EXPECT_EQ(ShownHint(p), nullptr);
            int changed = 0;
            for (std::size_t i = 0; i < before.size(); ++i) {
                if (before[i] != p.BoardText[i]) {
                    EXPECT_EQ(p.BoardText[i], p.Model.cells[i].answer) << "cell " << i;
                    ++changed;
                }
            }
            ASSERT_GT(changed, 0);
            if (shown == 0) {
                ASSERT_TRUE(UndoStep(p));
                EXPECT_EQ(p.BoardText, before);
                ASSERT_TRUE(RedoStep(p));
            }
        }
        EXPECT_TRUE(BoardSolved(p.Model, p.BoardText));
        EXPECT_EQ(Used(p), shown);
        EXPECT_EQ(PressHint(p), HintPress::Shown);
        EXPECT_EQ(ShownHint(p)->code, "solved");
        EXPECT_EQ(Used(p), shown) << "a solved board's hint is not counted";
    }
}

TEST(GameHints, aWrongLetterIsPointedAtAndTheSecondPressCorrectsItAlone)
{
    GamePuzzle p = OpenedOn(CipherKind::Cipher);
    const std::size_t w = Quote.find('W') + 1; // cipher V
    const std::size_t h = Quote.find('H') + 1; // cipher I
    ASSERT_TRUE(ClickCell(p, w) && PickLetter(p, 'N' - 'A' + 1));
    ASSERT_TRUE(ClickCell(p, h) && PickLetter(p, 'H' - 'A' + 1));
    ASSERT_EQ(PressHint(p), HintPress::Shown);
    EXPECT_EQ(ShownHint(p)->text, "N is not the plaintext of V");
    EXPECT_EQ(HintPositions(p), CipherGroup(p, w));
    EXPECT_EQ(HintLineText(*ShownHint(p)), "Hint: N is not the plaintext of V.  Press Hint again to correct it.");
    const std::string before = p.BoardText;
    ASSERT_EQ(PressHint(p), HintPress::Filled);
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(p.BoardText[i], p.Model.cells[i].cipher == 'V' ? 'W' : before[i]) << "cell " << i;
    }

    GamePuzzle v = OpenedOn(CipherKind::Vigenere);
    const std::string opened = v.BoardText;
    const char wrong = v.Model.cells[7].answer != 'Q' && opened[7] != 'Q' ? 'Q' : 'X';
    ASSERT_TRUE(ClickCell(v, 8) && PickLetter(v, wrong - 'A' + 1));
    ASSERT_EQ(PressHint(v), HintPress::Shown);
    EXPECT_EQ(ShownHint(v)->code, "wrong-letter");
    EXPECT_EQ(HintPositions(v), std::vector<std::size_t>{8});
    ASSERT_EQ(PressHint(v), HintPress::Filled);
    EXPECT_EQ(v.BoardText.substr(0, 7) + v.BoardText.substr(8), opened.substr(0, 7) + opened.substr(8));
    EXPECT_EQ(v.BoardText[7], v.Model.cells[7].answer);
}

TEST(GameHints, hintsCountPerKindOnceEachAndAFreshPuzzleStartsAtNone)
{
    GamePuzzle p = OpenedOn(CipherKind::Cipher);
    EXPECT_EQ(HintCountText(p), "Hints used: 0");
    PressHint(p);
    const std::string first = ShownHint(p)->text;
    EXPECT_EQ(HintCountText(p), "Hints used: 1");

    p.ChooseKind(CipherKind::Vigenere);
    EXPECT_EQ(ShownHint(p), nullptr) << "the hint belongs to the substitution board";
    EXPECT_EQ(HintCountText(p), "Hints used: 0");
    p.ChooseKind(CipherKind::Cipher);
    ASSERT_NE(ShownHint(p), nullptr) << "the board is as the hint left it";
    EXPECT_EQ(ShownHint(p)->text, first);

    // A step of the solver's own ends the hint; the next press shows and counts a new one.
    ASSERT_TRUE(ClickCell(p, 1) && PickLetter(p, 'W' - 'A' + 1));
    EXPECT_EQ(ShownHint(p), nullptr);
    EXPECT_TRUE(HintPositions(p).empty());
    PressHint(p);
    EXPECT_EQ(Used(p), 2);

    EXPECT_EQ(CongratulationText(0), "Congratulations! Cryptogram has been correctly deciphered.");
    EXPECT_EQ(CongratulationText(1), "Congratulations! Cryptogram has been correctly deciphered.\n\nYou used 1 hint.");
    EXPECT_EQ(CongratulationText(3).substr(58), "\n\nYou used 3 hints.");

    p.TakeValues(GameFileValues{});
    EXPECT_EQ(p.HintsUsed, (std::array<int, CipherKindCount>{}));
    EXPECT_FALSE(p.Hint);
}
