#include <gtest/gtest.h>

#include "BoardGeometry.h"
#include "GameClock.h"
#include "GameTexts.h"
#include "ToolTexts.h"

TEST(RevealText, PutsEachScoredCellsAnswerAndKeepsGivensAndFillers)
{
    GamePuzzle p;
    p.PLAIN = "Hello, World! \xe9t\xe9";
    struct Case
    {
        CipherKind kind;
        std::string cipher;
        std::string reveal;
    };
    const std::vector<Case> cases = {
        {CipherKind::Cipher, "ITSSG, VGKSR! \xc9Z\xc9", "HELLO, WORLD! \xc9T\xc9"},
        {CipherKind::Playfair, "ABCDEFGHIJKL", "HELXLOWORLDT"},
        {CipherKind::Vigenere, "ABCDE FGHIJ K", "HELLO WORLD T"},
        {CipherKind::Railfence, "ABC DEF GHI JKL ", "HEL LOW ORL DTL "}, // the twelfth letter is a filler
    };
    for (const Case& c : cases) {
        *p.SolutionValue(c.kind) = c.cipher;
        p.ChooseKind(c.kind);
        EXPECT_EQ(RevealText(p), c.reveal) << c.cipher;
    }
}

TEST(KeyText, ShowsEachKindsKeys)
{
    GamePuzzle p;
    p.CIPHKEY = "QWERTYUIOPASDFGHJKLZXCVBNM";
    p.PLAYKEY = "MONARCHY";
    p.QUAGKEY = "SPRING";
    p.QUAGCKEY = "FLOWER";
    p.QUAGINDI = "EXTRA@7";
    p.VIGENKEY = "LEMON";
    struct Case
    {
        CipherKind kind;
        std::string board;
        std::string text;
    };
    const std::vector<Case> cases = {
        {CipherKind::Cipher, "X", "QWERTYUIOPASDFGHJKLZXCVBNM"},
        {CipherKind::Railfence, "WRI AEO ", "3 rail cipher"},
        {CipherKind::Railfence, BlankBoard(), "0 rail cipher"},
        {CipherKind::Railfence, "NOBLANKS", "0 rail cipher"},
        {CipherKind::Playfair, "X", "MONARCHY"},
        {CipherKind::Quagmire, "X", "Key: SPRING   C Key: FLOWER   Ind: EXTRA /7"},
        {CipherKind::Vigenere, "X", "LEMON"},
        {CipherKind::None, "X", ""},
    };
    for (const Case& c : cases) {
        p.GameKind = c.kind;
        p.BoardText = c.board;
        EXPECT_EQ(KeyText(p), c.text);
    }
}

TEST(GameClock, CountsToNineHoursAndWraps)
{
    struct Case
    {
        int seconds, hours;
        std::string before, after;
    };
    const std::vector<Case> cases = {
        {0, 0, "0:00:00", "0:00:01"},
        {59, 0, "0:00:59", "0:01:00"},
        {3599, 0, "0:59:59", "1:00:00"},
        {3599, 9, "9:59:59", "0:00:00"},
    };
    for (const Case& c : cases) {
        GameClock clock;
        clock.TimerSeconds = c.seconds;
        clock.TimerHours = c.hours;
        EXPECT_EQ(clock.Text(), c.before);
        clock.Tick();
        EXPECT_EQ(clock.Text(), c.after);
    }
}

TEST(BoardGeometry, MapsPixelsToCellsAndSlots)
{
    EXPECT_EQ(CellSizeFor(760), 33);
    EXPECT_EQ(BoardFontPoints(33), 21);
    EXPECT_EQ(BoardFontPoints(5), 1);
    EXPECT_EQ(StripFontPoints(37), 18);
    struct Cell
    {
        int x, y;
        BoardCell cell;
    };
    for (const Cell& c :
         std::vector<Cell>{{0, 0, {0, 1}}, {32, 32, {0, 1}}, {33, 0, {0, 2}}, {758, 66, {2, 23}}, {759, 0, {0, 24}}}) {
        EXPECT_EQ(CellAt(c.x, c.y, 33), c.cell) << c.x << "," << c.y;
    }
    EXPECT_FALSE(CellAt(5, 5, 0));
    struct Slot
    {
        int x, width, slot;
    };
    // 756 pixels give slots of 29; at 790 pixels (slots of 30) the pixels from 2 + 26 * 30 on are leftovers.
    for (const Slot& s : std::vector<Slot>{
             {0, 756, 1}, {1, 756, 1}, {30, 756, 1}, {31, 756, 2}, {755, 756, 26}, {785, 790, 0}, {3, 20, 0}}) {
        EXPECT_EQ(StripSlotAt(s.x, s.width), s.slot) << s.x;
    }
    EXPECT_EQ(StripLetterLeft(1, 756), 8);
    EXPECT_EQ(StripLetterLeft(26, 756), 8 + 25 * 29);
}

TEST(ToolTexts, SubstitutionPutsTheCipherRowAboveThePlainRow)
{
    ToolKeys keys;
    keys.kind = CipherKind::Cipher;
    keys.CIPHKEY = "QWERTYUIOPASDFGHJKLZXCVBNM";
    const ToolContent c = BuildToolContent(keys);
    EXPECT_EQ(c.caption, "Substitution Alphabet");
    EXPECT_EQ(c.lines, (std::vector<std::string>{"Q W E R T Y U I O P A S D F G H J K L Z X C V B N M",
                                                 "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z"}));
    EXPECT_EQ(c.memoHeight, 42);
    EXPECT_TRUE(c.label1.empty() && c.label2.empty());
}

TEST(ToolTexts, PlayfairSquareStartsWithTheKeyAndLeavesOutQ)
{
    ToolKeys keys;
    keys.kind = CipherKind::Playfair;
    keys.PLAYKEY = "ZEBRA";
    const ToolContent c = BuildToolContent(keys);
    EXPECT_EQ(c.lines, (std::vector<std::string>{"Z E B R A", "C D F G H", "I J K L M", "N O P S T", "U V W X Y"}));
    EXPECT_EQ(c.label1, "Key: ZEBRA");
    EXPECT_EQ(c.memoHeight, 92);
}

TEST(ToolTexts, QuagmireTableFillsInMissingKeysItsOwnWay)
{
    ToolKeys keys;
    keys.kind = CipherKind::Quagmire;
    keys.QUAGINDI = "AB@3";
    ToolContent c = BuildToolContent(keys);
    ASSERT_EQ(c.lines.size(), 5u);
    EXPECT_EQ(c.lines[0], "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z");
    EXPECT_EQ(c.lines[1], "");
    EXPECT_EQ(c.lines[2].substr(0, 9), "Y Z A B C");
    EXPECT_EQ(c.lines[3].substr(0, 9), "Z A B C D");
    EXPECT_EQ(c.lines[4], "    ^");
    EXPECT_EQ(c.label1, "Key: ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(c.label2, "C Key: ABCDEFGHIJKLMNOPQRSTUVWXYZ");

    keys.QUAGINDI = "@1"; // indicator left empty in the maker: no cipher rows
    c = BuildToolContent(keys);
    EXPECT_EQ(c.lines.size(), 3u);
    EXPECT_EQ(c.lines[2], "^");

    keys.QUAGINDI.clear(); // nothing stored: seven rows of the cipher key's first letter
    keys.QUAGKEY = "KEY";
    c = BuildToolContent(keys);
    EXPECT_EQ(c.label2, "C Key: KEY") << "an empty cipher key takes the plaintext keyword";
    ASSERT_EQ(c.lines.size(), 10u);
    EXPECT_EQ(c.lines[2].substr(0, 5), "K E Y");
    EXPECT_EQ(c.lines[8], c.lines[2]);

    keys.QUAGINDI = "AB@123"; // at most two characters of the column are read
    c = BuildToolContent(keys);
    EXPECT_EQ(c.lines.back(), std::string(22, ' ') + "^");
}

TEST(ToolTexts, QuagmireColumnThatIsNotANumberIsAnError)
{
    ToolKeys keys;
    keys.kind = CipherKind::Quagmire;
    const std::vector<std::pair<std::string, std::string>> cases = {{"AB@x", "x"}, {"AB@", ""}, {"AB", ""}};
    for (const auto& [indi, shown] : cases) {
        keys.QUAGINDI = indi;
        const ToolContent c = BuildToolContent(keys);
        EXPECT_TRUE(c.lines.empty());
        EXPECT_EQ(c.error, "'" + shown + "' is not a valid integer value") << indi;
        EXPECT_EQ(c.caption, "Quagmire Table");
    }
}

TEST(ToolTexts, VigenereTableHas28AlignedLines)
{
    ToolKeys keys;
    keys.kind = CipherKind::Vigenere;
    keys.VIGENKEY = "LEMON";
    const ToolContent c = BuildToolContent(keys);
    ASSERT_EQ(c.lines.size(), 28u);
    EXPECT_EQ(c.lines[0], "    A B C D E F G H I J K L M N O P Q R S T U V W X Y Z");
    EXPECT_EQ(c.lines[2], "A   A B C D E F G H I J K L M N O P Q R S T U V W X Y Z");
    EXPECT_EQ(c.lines[27], "Z   Z A B C D E F G H I J K L M N O P Q R S T U V W X Y");
    EXPECT_EQ(c.label1, "Key: LEMON");
    EXPECT_EQ(c.clientWidth, 450);
    EXPECT_EQ(c.fontPoints, 10);
}

TEST(ToolTexts, RailFenceAndNoKindKeepTheDesignText)
{
    for (CipherKind kind : {CipherKind::Railfence, CipherKind::None}) {
        ToolKeys keys;
        keys.kind = kind;
        EXPECT_FALSE(BuildToolContent(keys).built);
    }
}
