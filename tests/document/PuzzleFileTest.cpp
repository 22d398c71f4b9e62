#include <gtest/gtest.h>

#include "AcnProcsUnit.h"
#include "ErrorOf.h"
#include "PuzzleFile.h"

namespace {

PuzzleDocument sampleDocument()
{
    PuzzleDocument doc;
    doc.PLAIN = "Tom & Jerry <3>";
    doc.CIPHER = "XYZ & AB <3>";
    doc.CIPHKEY = "BADCFEHGJILKNMPORQTSVUXWZY";
    doc.CRADIOS = "10";
    doc.RAILFENCE = "TMJ ORE ";
    doc.PLAYFAIR = "PLAY";
    doc.PLAYKEY = "KEY";
    doc.QUAGMIRE = "QUAGM ";
    doc.QUAGKEY = "SPRING";
    doc.QUAGCKEY = "FLOWER";
    doc.QUAGINDI = "CAT@7";
    doc.VIGENERE = "VIGEN E";
    doc.VIGENKEY = "LEMON";
    return doc;
}

TEST(PuzzleTemplate, hasTheSixtyLinesOfAFileMadeFromNothing)
{
    const PuzzleLines lines = PuzzleTemplate();
    ASSERT_EQ(lines.size(), 60u);
    EXPECT_EQ(lines[0], R"(<?xml version="1.0" encoding="ISO-8859-1"?>)");
    EXPECT_EQ(lines[1], "<ACNX4.1>");
    EXPECT_EQ(lines[2], "<TITLE>");
    EXPECT_EQ(lines[4], "</TITLE>");
    EXPECT_EQ(lines[14], "<CRADIOS>");
    EXPECT_EQ(lines[15], "00");
    EXPECT_EQ(lines[47], "<RAILSOL>");
    EXPECT_EQ(lines[48], " ");
    EXPECT_EQ(lines[56], "<VIGENSOL>");
    EXPECT_EQ(lines[58], "</VIGENSOL>");
    EXPECT_EQ(lines[59], "</ACNX4.1>");
    for (int value = 3; value <= 57; value += 3) {
        if (value != 15 && value != 48) {
            EXPECT_EQ(lines[static_cast<std::size_t>(value)], "") << value;
        }
    }
}

TEST(SplitPuzzleLines, readsEveryKindOfLineEndAlike)
{
    const PuzzleLines expected = {"a", "", "b", "c"};
    EXPECT_EQ(SplitPuzzleLines("a\r\n\r\nb\r\nc\r\n"), expected);
    EXPECT_EQ(SplitPuzzleLines("a\n\nb\nc"), expected);
    EXPECT_EQ(SplitPuzzleLines("a\r\rb\rc\r"), expected);
    EXPECT_EQ(SplitPuzzleLines(std::string("a\n\nb\nc\0tail\nmore", 17)), expected);
    EXPECT_EQ(JoinPuzzleLines(expected), "a\r\n\r\nb\r\nc\r\n");
}

TEST(MakerFile, roundTripsAllThirteenFieldsAndFillsTheSolutionLines)
{
    PuzzleLines lines = PuzzleTemplate();
    const PuzzleDocument doc = sampleDocument();
    WriteMakerValues(lines, doc);
    ASSERT_EQ(lines.size(), 60u);
    EXPECT_EQ(lines[45], doc.CIPHER);
    EXPECT_EQ(lines[48], doc.RAILFENCE);
    EXPECT_EQ(lines[51], doc.PLAYFAIR);
    EXPECT_EQ(lines[54], doc.QUAGMIRE);
    EXPECT_EQ(lines[57], doc.VIGENERE);
    EXPECT_EQ(lines[3], "");
    PuzzleDocument back;
    back.FileName = "kept";
    ReadMakerValues(SplitPuzzleLines(JoinPuzzleLines(lines)), back);
    PuzzleDocument expected = doc;
    expected.FileName = "kept";
    EXPECT_EQ(back, expected);
}

TEST(MakerFile, anEmptyRailFenceReplacesTheTemplatesBlank)
{
    PuzzleLines lines = PuzzleTemplate();
    WriteMakerValues(lines, PuzzleDocument{});
    EXPECT_EQ(lines[48], "");
    EXPECT_EQ(lines[15], "00");
}

TEST(MakerFile, keepsEveryLineItDoesNotOwn)
{
    PuzzleLines lines = PuzzleTemplate();
    lines[0] = "not a declaration";
    lines[3] = "My Title";
    lines[5] = "<plain-tag>";
    lines.push_back("extra line 60");
    lines.push_back("extra line 61");
    WriteMakerValues(lines, sampleDocument());
    EXPECT_EQ(lines[0], "not a declaration");
    EXPECT_EQ(lines[3], "My Title");
    EXPECT_EQ(lines[5], "<plain-tag>");
    EXPECT_EQ(lines[60], "extra line 60");
    EXPECT_EQ(lines.size(), 62u);
}

TEST(MakerFile, lineBreaksInValuesBecomeOneBlankEach)
{
    PuzzleDocument doc;
    doc.PLAIN = "one\r\ntwo\nthree\rfour";
    doc.CIPHER = "ONE\r\nTWO\nTHREE\rFOUR";
    PuzzleLines lines = PuzzleTemplate();
    WriteMakerValues(lines, doc);
    EXPECT_EQ(lines.size(), 60u);
    EXPECT_EQ(lines[6], "one two three four");
    EXPECT_EQ(lines[9], "ONE TWO THREE FOUR");
    EXPECT_EQ(lines[45], lines[9]);
    EXPECT_EQ(lines[6].size(), lines[9].size());
}

TEST(MakerFile, aShortFileNamesTheFirstMissingLineAndChangesNothing)
{
    PuzzleDocument doc = sampleDocument();
    const PuzzleDocument before = doc;
    EXPECT_EQ(errorOf([&] { ReadMakerValues(PuzzleLines(3), doc); }), "List index out of bounds (6)");
    EXPECT_EQ(errorOf([&] { ReadMakerValues(PuzzleLines(40), doc); }), "List index out of bounds (42)");
    EXPECT_EQ(doc, before);
    ReadMakerValues(PuzzleLines(43), doc);
    EXPECT_EQ(doc.PLAIN, "");

    PuzzleLines fifty(50, "x");
    EXPECT_EQ(errorOf([&] { WriteMakerValues(fifty, before); }), "List index out of bounds (51)");
    EXPECT_EQ(fifty, PuzzleLines(50, "x"));
}

TEST(GameFile, readsItsValuesAndWritesOnlyTheSolutionLines)
{
    PuzzleLines lines = PuzzleTemplate();
    WriteMakerValues(lines, sampleDocument());
    const GameFileValues values = ReadGameValues(lines);
    EXPECT_EQ(values.PLAIN, "Tom & Jerry <3>");
    EXPECT_EQ(values.CIPHERSOL, "XYZ & AB <3>");
    EXPECT_EQ(values.QUAGINDI, "CAT@7");
    EXPECT_EQ(values.VIGENSOL, "VIGEN E");

    PuzzleLines updated = lines;
    WriteGameSolutions(updated, {"A", "B", "C", "D", "E"});
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool solution = i == 45 || i == 48 || i == 51 || i == 54 || i == 57;
        if (!solution) {
            EXPECT_EQ(updated[i], lines[i]) << i;
        }
    }
    EXPECT_EQ(updated[54], "D");
}

TEST(GameFile, aShortFileFailsAtTheFirstMissingLineInReadingOrder)
{
    EXPECT_EQ(errorOf([] { ReadGameValues(PuzzleLines(40)); }), "List index out of bounds (45)");
    EXPECT_EQ(errorOf([] { ReadGameValues(PuzzleLines(50)); }), "List index out of bounds (51)");
    EXPECT_EQ(errorOf([] { ReadGameValues(PuzzleLines(57)); }), "List index out of bounds (57)");
    PuzzleLines short57(57);
    EXPECT_EQ(errorOf([&] { WriteGameSolutions(short57, {}); }), "List index out of bounds (57)");
}

TEST(AcnProcs, clearKeepsTheFileNameAndFlagsAndFindsNoKind)
{
    AcnProcs holder;
    holder.Puzzle = sampleDocument();
    holder.Puzzle.FileName = "/tmp/a.acnx";
    holder.Puzzle.Changed = true;
    holder.UseEditedAlphabet = true;
    EXPECT_EQ(holder.FirstPresentKind(), CipherKind::Cipher);
    holder.ClearPuzzle();
    EXPECT_EQ(holder.Puzzle.FileName, "/tmp/a.acnx");
    EXPECT_TRUE(holder.Puzzle.Changed);
    EXPECT_TRUE(holder.UseEditedAlphabet);
    EXPECT_EQ(holder.Puzzle.CRADIOS, "00");
    EXPECT_EQ(holder.Puzzle.PLAIN, "");
    EXPECT_EQ(holder.FirstPresentKind(), CipherKind::None);
    holder.Puzzle.VIGENERE = "ABC";
    holder.Puzzle.PLAYKEY = "KEYS ALONE COUNT FOR NOTHING";
    EXPECT_EQ(holder.FirstPresentKind(), CipherKind::Vigenere);
}

} // namespace
