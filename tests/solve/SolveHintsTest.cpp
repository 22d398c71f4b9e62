#include <gtest/gtest.h>

#include "Alphabet.h"
#include "CodePage.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "Random.h"
#include "SolveHints.h"

namespace {

const std::string Quote =
    "WHEN I WAS A BOY OF FOURTEEN, MY FATHER WAS SO IGNORANT I COULD HARDLY STAND TO HAVE THE OLD "
    "MAN AROUND. IT'S ASTONISHING HOW MUCH THE OLD MAN HAD LEARNED IN SEVEN YEARS, SAID THE SON.";
const std::string Alphabet = "QWERTYUIOPASDFGHJKLZXCVBNM";
// As a Patristocrat in groups of five, THE stands across the blank between two groups in three of its six places.
const std::string Theme = "THE CAT SAW THE DOG AND THE BIRD SAW THE CAT IN THE TREE BY THE HOUSE";

struct Case
{
    SolveKind kind;
    std::string ciphertext;
    std::string answer;
    std::string firstText; ///< the start of the first hint on an empty board
};

std::vector<Case> cases()
{
    Random rng(7);
    const std::string letters = AsciiLettersUpper(Quote);
    bool edited = false;
    return {
        {SolveKind::Cipher, SubstituteLetters(Quote, Alphabet), Quote, "The one-letter word O must be A or I"},
        {SolveKind::Cipher, GroupLetters(AsciiLettersUpper(SubstituteLetters(Quote, Alphabet)), 5),
         GroupLetters(letters, 5), "ZIT occurs"},
        // B standing alone is none of A, I and O; the D of I'D is no S or T.
        {SolveKind::Cipher, SubstituteLetters("PLAN B IS TO GO.", Alphabet), "PLAN B IS TO GO.", "The two-letter"},
        {SolveKind::Cipher, SubstituteLetters("I'D GO.", Alphabet), "I'D GO.",
         "A letter after an apostrophe is usually S, T, D or M"},
        // T, E and N stand three times each: none more often than the others.
        {SolveKind::Cipher, SubstituteLetters("TEN NET TEN", Alphabet), "TEN NET TEN",
         "F stands three times, and no letter still open stands more often"},
        {SolveKind::Cipher, GroupLetters(AsciiLettersUpper(SubstituteLetters(Theme, Alphabet)), 5),
         GroupLetters(AsciiLettersUpper(Theme), 5), "ZIT occurs"},
        {SolveKind::Railfence, EncryptRailfence(Quote, 3, rng), GroupLetters(letters, 3),
         "The groups have 3 letters: try 3 rails"},
        {SolveKind::Railfence, EncryptRailfence(Quote, 2, rng), GroupLetters(letters, 2),
         "The groups have 2 letters: try 2 rails"},
        {SolveKind::Playfair, EncryptPlayfair(Quote, "KEYWORD", edited), PreparePlayfairText(Quote), "The pair "},
        {SolveKind::Quagmire, EncryptQuagmire(Quote, "SPRING", "", "CAT@4"), GroupLetters(letters, 5),
         "The repeats of "},
        {SolveKind::Vigenere, EncryptVigenere(Quote, "LEMON"), GroupLetters(letters, 5), "The repeats of "},
    };
}

std::string applied(std::string board, const SolveHint& hint)
{
    for (const HintFill& fill : hint.fill) {
        board[fill.cell] = fill.letter;
    }
    return board;
}

TEST(NextHint, onEveryKindEachHintIsACorrectStepUntilTheBoardIsSolved)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.ciphertext);
        std::string board = c.ciphertext;
        SolveHint hint = NextHint(c.kind, HintBoard(c.ciphertext, board, c.answer));
        EXPECT_EQ(hint.text.rfind(c.firstText, 0), 0u) << hint.text;
        int steps = 0;
        for (; hint.code != "solved" && steps < 400; ++steps) {
            ASSERT_FALSE(hint.fill.empty()) << hint.text;
            ASSERT_NE(hint.code, "wrong-letter") << hint.text;
            // A substitution fills a letter wherever it stands; the other kinds fill the cells the hint is about.
            std::string about;
            for (std::size_t cell : hint.cells) {
                EXPECT_NE(c.ciphertext[cell], ' ') << "a blank marked by: " << hint.text;
                about += c.kind == SolveKind::Cipher ? c.ciphertext[cell] : static_cast<char>(cell);
            }
            for (const HintFill& fill : hint.fill) {
                const char key = c.kind == SolveKind::Cipher ? c.ciphertext[fill.cell] : static_cast<char>(fill.cell);
                EXPECT_NE(about.find(key), std::string::npos) << hint.text;
                EXPECT_EQ(fill.letter, c.answer[fill.cell]);
                EXPECT_NE(board[fill.cell], c.answer[fill.cell]) << "a right cell changed by: " << hint.text;
            }
            board = applied(board, hint);
            hint = NextHint(c.kind, HintBoard(c.ciphertext, board, c.answer));
        }
        EXPECT_EQ(hint.code, "solved");
    }
}

TEST(NextHint, theColumnAndRepeatHintsNameThePeriodOfTheKey)
{
    // On these 86 letters under BASKET the letter counts favour columns 23 letters apart, which no alphabet fills;
    // on the quotation's first sentence the one repeat stands 16 letters apart by chance (keys of 2, 4, 8 or 16).
    const std::string text = "Nobody could live in that cold house on the hill without a fire in every room, so they "
                             "burned the old chairs.";
    const std::string sentence = Quote.substr(0, Quote.find('.') + 1);
    for (const std::string& plain : {text, sentence}) {
        const std::string ciphertext = EncryptVigenere(plain, "BASKET");
        const std::string answer = GroupLetters(AsciiLettersUpper(plain), 5);
        std::string board = ciphertext;
        board[0] = plain == text ? answer[0] : board[0];
        const SolveHint hint = NextHint(SolveKind::Vigenere, HintBoard(ciphertext, board, answer));
        EXPECT_EQ(hint.text.rfind("Every 6th letter", 0), 0u) << hint.text;
    }
    // Once L, the commonest letter of the first column under LEMON, is in, the next hint there is about Z.
    const std::string lemon = EncryptVigenere(sentence, "LEMON");
    const std::string answer = GroupLetters(AsciiLettersUpper(sentence), 5);
    std::string board = lemon;
    for (int step = 0; step < 2; ++step) {
        board = applied(board, NextHint(SolveKind::Vigenere, HintBoard(lemon, board, answer)));
    }
    EXPECT_EQ(NextHint(SolveKind::Vigenere, HintBoard(lemon, board, answer)).text.find("commonest letter Z"),
              std::string::npos);
}

TEST(NextHint, aWrongLetterIsPointedOutFirst)
{
    const std::string ciphertext = SubstituteLetters(Quote, Alphabet);
    std::string board = ciphertext;
    // The solver took cipher V (plain T... no: V is the cipher of W) for N in every place, and I (plain H) rightly.
    for (std::size_t i = 0; i < board.size(); ++i) {
        board[i] = ciphertext[i] == 'V' ? 'N' : ciphertext[i] == 'I' ? 'H' : board[i];
    }
    const SolveHint hint = NextHint(SolveKind::Cipher, HintBoard(ciphertext, board, Quote));
    EXPECT_EQ(hint.code, "wrong-letter");
    EXPECT_EQ(hint.text, "N is not the plaintext of V");
    ASSERT_FALSE(hint.cells.empty());
    for (std::size_t cell : hint.cells) {
        EXPECT_EQ(ciphertext[cell], 'V');
    }
    EXPECT_EQ(hint.fill.size(), hint.cells.size());
    EXPECT_EQ(hint.fill.front().letter, 'W');

    const std::string vigenere = EncryptVigenere(Quote, "LEMON");
    std::string vigenereBoard = vigenere;
    vigenereBoard[7] = 'Q';
    const SolveHint periodic =
        NextHint(SolveKind::Vigenere, HintBoard(vigenere, vigenereBoard, GroupLetters(AsciiLettersUpper(Quote), 5)));
    EXPECT_EQ(periodic.cells, std::vector<std::size_t>{7});
    EXPECT_EQ(periodic.text, std::string("Q is not the plaintext of ") + vigenere[7] + " at this place");
}

} // namespace
