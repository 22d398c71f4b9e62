#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ComposePages.h"
#include "PageText.h"
#include "RecordingCanvas.h"

namespace {

// W = 320: x = 40, line width 240, so a line holds 23 characters and the test "m"; H = 1000: y0 = 83.
const PageGeometry SmallPage{320, 1000, 0, 0, 0, 0, false};

struct Placed
{
    int page;
    int y;
    std::string text;
    bool operator==(const Placed&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Placed& p)
{
    return os << "{page " << p.page << ", y " << p.y << ", \"" << p.text << "\"}";
}

// The drawn texts, those on one line joined in order (with a blank where a gap of a character width or more lies
// between them, as between a label and its value; letters of a key table join without one).
std::vector<Placed> placed(const RecordingCanvas& canvas)
{
    std::vector<Placed> out;
    int end = 0;
    for (const RecordingCanvas::Text& t : canvas.texts) {
        if (!out.empty() && out.back().page == t.page && out.back().y == t.y) {
            out.back().text += (t.x - end >= 10 ? " " : "") + t.text;
        } else {
            EXPECT_TRUE(t.x == 40 || t.text.size() == 1) << t.text; // a key letter stands centred in its column
            out.push_back({t.page, t.y, t.text});
        }
        end = t.x + 10 * static_cast<int>(t.text.size());
    }
    return out;
}

PuzzleDocument sampleDocument()
{
    PuzzleDocument doc;
    doc.FileName = "/home/user/Puzzles/Short One.acnx";
    doc.PLAIN = "abc";
    doc.CIPHER = "XYZ";
    doc.CIPHKEY = "QWERTYUIOPASDFGHJKLZXCVBNM";
    doc.RAILFENCE = "ACB";
    doc.PLAYFAIR = "PLAY";
    doc.PLAYKEY = "MONARCHY";
    doc.QUAGMIRE = "QUAGM";
    doc.QUAGKEY = "FLOWER";
    doc.QUAGCKEY = "SPRING";
    doc.QUAGINDI = "XYZ@12";
    doc.VIGENERE = "VIGEN";
    doc.VIGENKEY = "LEMON";
    return doc;
}

RecordingCanvas compose(const PuzzleDocument& doc, CipherKind kind, SolutionOption option,
                        const PageGeometry& page = SmallPage, const PrintFont& font = {})
{
    RecordingCanvas canvas(page);
    ComposePages(canvas, doc, kind, option, font);
    return canvas;
}

struct KindCase
{
    CipherKind kind;
    SolutionOption option;
    std::vector<Placed> expected;
};

class ComposeKinds : public testing::TestWithParam<KindCase>
{};

// Title at y0 - hm = 63, its rule at 83; the ciphertext 3 hH further down; on the same page the heading's rule
// 6 hH below the last ciphertext line, keys 3 hH below the rule, the plaintext 3 hH below the keys.
INSTANTIATE_TEST_SUITE_P(
    EveryKindAndOption, ComposeKinds,
    testing::Values(KindCase{CipherKind::Cipher, SolutionOption::None, {{1, 63, "Short One"}, {1, 173, "XYZ"}}},
                    KindCase{CipherKind::Cipher,
                             SolutionOption::SamePage,
                             {{1, 63, "Short One"},
                              {1, 173, "XYZ"},
                              {1, 333, " Solution"},
                              {1, 443, "ABCDEFGHIJKLMNOPQR"},
                              {1, 503, "QWERTYUIOPASDFGHJK"},
                              {1, 563, "STUVWXYZ"},
                              {1, 623, "LZXCVBNM"},
                              {1, 713, "abc"}}},
                    KindCase{CipherKind::Railfence,
                             SolutionOption::SamePage,
                             {{1, 63, "Short One"}, {1, 173, "ACB"}, {1, 333, " Solution"}, {1, 533, "abc"}}},
                    KindCase{CipherKind::Playfair,
                             SolutionOption::SamePage,
                             {{1, 63, "Short One"},
                              {1, 173, "PLAY"},
                              {1, 333, " Solution"},
                              {1, 443, "Playfair Keyword: MONARCHY"},
                              {1, 503, "MONAR"},
                              {1, 533, "CHYBD"},
                              {1, 563, "EFGIJ"},
                              {1, 593, "KLPST"},
                              {1, 623, "UVWXZ"},
                              {1, 713, "abc"}}},
                    KindCase{CipherKind::Quagmire,
                             SolutionOption::SamePage,
                             {{1, 63, "Short One"},
                              {1, 173, "QUAGM"},
                              {1, 333, " Solution"},
                              {1, 443, "Plain Keyword: FLOWER"},
                              {1, 473, "Cipher Keyword: SPRING"},
                              {1, 503, "Indicator Key: XYZ (column 12)"},
                              {1, 593, "abc"}}},
                    KindCase{CipherKind::Vigenere,
                             SolutionOption::SamePage,
                             {{1, 63, "Short One"},
                              {1, 173, "VIGEN"},
                              {1, 333, " Solution"},
                              {1, 443, "Vigenere Keyword: LEMON"},
                              {1, 533, "abc"}}},
                    KindCase{CipherKind::Vigenere,
                             SolutionOption::NewPage,
                             {{1, 63, "Short One"},
                              {1, 173, "VIGEN"},
                              {2, 63, "Short One Solution"},
                              {2, 173, "Vigenere Keyword: LEMON"},
                              {2, 263, "abc"}}}));

TEST_P(ComposeKinds, drawsTheKindsLinesInOrderAtTheirPositions)
{
    const KindCase& c = GetParam();
    const RecordingCanvas canvas = compose(sampleDocument(), c.kind, c.option);
    EXPECT_EQ(placed(canvas), c.expected);
    EXPECT_EQ(canvas.begins, 1);
    EXPECT_EQ(canvas.ends, 1);
    EXPECT_EQ(canvas.pages, c.option == SolutionOption::NewPage ? 2 : 1);
    EXPECT_TRUE(canvas.brushClear);
}

TEST(ComposePages, headingsAreUnderlinedAcrossThePage)
{
    const RecordingCanvas canvas = compose(sampleDocument(), CipherKind::Cipher, SolutionOption::SamePage);
    ASSERT_EQ(canvas.lines.size(), 2u);
    EXPECT_EQ(canvas.lines[0].y1, 83);
    EXPECT_EQ(canvas.lines[1].y1, 353);
    for (const RecordingCanvas::Line& line : canvas.lines) {
        EXPECT_EQ(line.x1, 40);
        EXPECT_EQ(line.x2, 280);
        EXPECT_EQ(line.y1, line.y2);
    }
}

// A font taller than the top position (10 on this page, "m" 20 high) must not push the headings above the page.
TEST(ComposePages, aHeadingTallerThanTheTopPositionStaysOnThePage)
{
    const PageGeometry lowPage{320, 200, 0, 0, 0, 0, false};
    const RecordingCanvas canvas = compose(sampleDocument(), CipherKind::Cipher, SolutionOption::NewPage, lowPage);
    const std::vector<Placed> drawn = placed(canvas);
    EXPECT_EQ(drawn.front(), (Placed{1, 0, "Short One"}));
    EXPECT_EQ(drawn[2], (Placed{2, 0, "Short One Solution"}));
    ASSERT_EQ(canvas.lines.size(), 2u);
    EXPECT_EQ(canvas.lines[1].y1, 20);
}

// A title longer than the rule (24 letters here) would run off the paper: it ends in an ellipsis within the rule.
TEST(ComposePages, aTitleLongerThanItsRuleIsCutWithAnEllipsis)
{
    PuzzleDocument doc = sampleDocument();
    doc.FileName = "/p/A quotation for the spring meeting of the club.acnx";
    const RecordingCanvas canvas = compose(doc, CipherKind::Cipher, SolutionOption::NewPage);
    EXPECT_EQ(canvas.texts.front().text, "A quotation for the s\u2026"); // 21 bytes and 3
    EXPECT_EQ(canvas.texts[2].text, "A quotation\u2026 Solution");       // the solution page still says so
}

TEST(ComposePages, headingsAreBoldAndTheBodyKeepsTheStoredStyle)
{
    const PrintFont stored{"Courier", 14, 0x112233, PrintStyle::Italic | PrintStyle::Underline};
    const RecordingCanvas canvas =
        compose(sampleDocument(), CipherKind::Playfair, SolutionOption::SamePage, SmallPage, stored);
    ASSERT_EQ(canvas.texts.size(), 31u);
    for (const RecordingCanvas::Text& t : canvas.texts) {
        const bool isHeading = t.text == "Short One" || t.text == " Solution";
        PrintFont expected = stored;
        expected.style = isHeading ? PrintStyle::Bold : stored.style;
        EXPECT_EQ(t.font, expected) << t.text;
    }
}

TEST(ComposePages, anUnsavedPuzzleIsUntitledOnBothPages)
{
    PuzzleDocument doc = sampleDocument();
    doc.FileName.clear();
    const RecordingCanvas canvas = compose(doc, CipherKind::Cipher, SolutionOption::NewPage);
    const std::vector<std::string> texts = canvas.strings();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0], "Untitled");
    EXPECT_EQ(texts[2], "Untitled Solution");
}

TEST(ComposePages, aKindOutsideTheTabsDrawsNothing)
{
    const RecordingCanvas canvas = compose(sampleDocument(), CipherKind::None, SolutionOption::NewPage);
    EXPECT_TRUE(canvas.texts.empty());
    EXPECT_EQ(canvas.begins, 0);
}

TEST(ComposePages, anEmptyTextStillDrawsTitleHeadingAndRules)
{
    PuzzleDocument doc = sampleDocument();
    doc.RAILFENCE.clear();
    doc.PLAIN.clear();
    const RecordingCanvas canvas = compose(doc, CipherKind::Railfence, SolutionOption::SamePage);
    EXPECT_EQ(placed(canvas), (std::vector<Placed>{{1, 63, "Short One"}, {1, 243, " Solution"}}));
    EXPECT_EQ(canvas.lines.size(), 2u);
}

TEST(ComposePages, ciphertextLinesAreThreeLineHeightsApartAndPlaintextLinesTwo)
{
    PuzzleDocument doc = sampleDocument();
    // The space after DDDDD makes the line overflow, so DDDDD starts the next line.
    doc.CIPHER = "AAAAA BBBBB CCCCC DDDDD EEEEE FFFFF";
    doc.PLAIN = "aaaaa bbbbb ccccc ddddd eeeee fffff";
    const RecordingCanvas canvas = compose(doc, CipherKind::Cipher, SolutionOption::NewPage);
    EXPECT_EQ(placed(canvas), (std::vector<Placed>{{1, 63, "Short One"},
                                                   {1, 173, "AAAAA BBBBB CCCCC"},
                                                   {1, 263, "DDDDD EEEEE FFFFF"},
                                                   {2, 63, "Short One Solution"},
                                                   {2, 173, "ABCDEFGHIJKLMNOPQR"},
                                                   {2, 233, "QWERTYUIOPASDFGHJK"},
                                                   {2, 293, "STUVWXYZ"},
                                                   {2, 353, "LZXCVBNM"},
                                                   {2, 443, "aaaaa bbbbb ccccc"},
                                                   {2, 503, "ddddd eeeee fffff"}}));
}

TEST(ComposePages, eightyFiveLettersOfPlayfairArePrintedInPiecesOfForty)
{
    PuzzleDocument doc = sampleDocument();
    doc.PLAYFAIR = std::string(40, 'A') + std::string(40, 'B') + std::string(5, 'C');
    const std::string a(40, 'A');
    const std::string b(40, 'B');
    // Line width 420 holds one piece and its space only; line width 600 holds a piece and the last five letters.
    const PageGeometry narrow{560, 1000, 0, 0, 0, 0, false};
    EXPECT_EQ(compose(doc, CipherKind::Playfair, SolutionOption::None, narrow).strings(),
              (std::vector<std::string>{"Short One", a, b, "CCCCC"}));
    const PageGeometry wide{800, 1000, 0, 0, 0, 0, false};
    EXPECT_EQ(compose(doc, CipherKind::Playfair, SolutionOption::None, wide).strings(),
              (std::vector<std::string>{"Short One", a, b + " CCCCC"}));
}

// Page of 400: y0 = 29, so the lowest line starts at 400 - 29 = 371.
TEST(ComposePages, longTextsContinueOnFurtherPagesAndEveryLineIsDrawn)
{
    const PageGeometry shortPage{320, 400, 0, 0, 0, 0, false};
    PuzzleDocument doc = sampleDocument();
    doc.CIPHER.clear();
    doc.PLAIN.clear();
    for (int i = 0; i < 40; ++i) {
        doc.CIPHER += "WORDS ARE HERE ";
        doc.PLAIN += "words are here ";
    }
    for (SolutionOption option : {SolutionOption::SamePage, SolutionOption::NewPage}) {
        const RecordingCanvas canvas = compose(doc, CipherKind::Cipher, option, shortPage);
        std::string cipher;
        std::string plain;
        for (const RecordingCanvas::Text& t : canvas.texts) {
            EXPECT_LE(t.y, 371) << t.text;
            EXPECT_GE(t.y, 9) << t.text;
            if (t.text.size() == 1) {
                continue; // a key letter
            }
            if (t.text.starts_with("W") || t.text.starts_with("A") || t.text.starts_with("H")) {
                cipher += t.text + " ";
            } else if (t.text.starts_with("w") || t.text.starts_with("a") || t.text.starts_with("h")) {
                plain += t.text + " ";
            }
        }
        EXPECT_EQ(cipher, doc.CIPHER);
        EXPECT_EQ(plain, doc.PLAIN);
        // The solution that cannot follow the ciphertext starts a page of its own with the title in its heading.
        EXPECT_GT(canvas.pages, 8);
        EXPECT_EQ(canvas.strings()[0], "Short One");
        const auto heading = std::find_if(canvas.texts.begin(), canvas.texts.end(),
                                          [](const auto& t) { return t.text.ends_with("Solution"); });
        ASSERT_NE(heading, canvas.texts.end());
        EXPECT_EQ(heading->text, "Short One Solution");
        EXPECT_GT(heading->page, 4);
        EXPECT_EQ(heading->y, 9);
    }
}

TEST(ComposePages, printerLinesStayAboveThePrintableAreasLowerEdge)
{
    // Margins of 500 above and 300 below: the printable area ends at 2000 - 800 = 1200 in canvas coordinates.
    const PageGeometry page{320, 2000, 0, 500, 0, 300, true};
    EXPECT_EQ(page.printableBottom(), 1200);
    PuzzleDocument doc = sampleDocument();
    doc.CIPHER = std::string(30 * 24, 'Q');
    const RecordingCanvas canvas = compose(doc, CipherKind::Cipher, SolutionOption::None, page);
    const int y0 = LayoutOf(page).top;
    for (const RecordingCanvas::Text& t : canvas.texts) {
        EXPECT_LE(t.y, 1200 - y0) << t.text;
    }
    EXPECT_GT(canvas.pages, 1);
}

TEST(ComposePages, keyLettersStandUnderEachOtherAndRailsAreCounted)
{
    PuzzleDocument doc = sampleDocument();
    const PageGeometry wide{800, 1000, 0, 0, 0, 0, false};
    const RecordingCanvas canvas = compose(doc, CipherKind::Cipher, SolutionOption::SamePage, wide);
    std::vector<int> plainX;
    std::vector<int> cipherX;
    const int plainRow = canvas.texts[3].y;
    for (const RecordingCanvas::Text& t : canvas.texts) {
        (t.y == plainRow ? plainX : cipherX).push_back(t.x);
    }
    cipherX.erase(cipherX.begin(), cipherX.begin() + 3); // title, ciphertext and heading
    cipherX.pop_back();                                  // the plaintext
    EXPECT_EQ(plainX.size(), 26u);
    EXPECT_EQ(plainX, cipherX);
    doc.RAILFENCE = "ACE BDF";
    EXPECT_EQ(placed(compose(doc, CipherKind::Railfence, SolutionOption::SamePage))[3], (Placed{1, 443, "Rails: 3"}));
}

struct BreakCase
{
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class BreakLinesCases : public testing::TestWithParam<BreakCase>
{};

INSTANTIATE_TEST_SUITE_P(
    LineBreaking, BreakLinesCases,
    testing::Values(
        BreakCase{"fitsOnOneLine", "SHORT TEXT", {"SHORT TEXT"}},
        BreakCase{"backsUpToTheLastSpace", "AAAA BBBB CCCC DDDD EEEE FFFF", {"AAAA BBBB CCCC DDDD", "EEEE FFFF"}},
        BreakCase{
            "aSpaceThatOverflowsMovesTheWordBeforeIt", "AAAAAAAAAAA BBBBBBBBBBB CC", {"AAAAAAAAAAA", "BBBBBBBBBBB CC"}},
        BreakCase{"anUnbrokenRunEndsAfterItsLastFittingCharacter",
                  std::string(30, 'X'),
                  {std::string(23, 'X'), std::string(7, 'X')}},
        BreakCase{"aLongRunAfterAWordStartsItsOwnLine",
                  "AB " + std::string(50, 'Y'),
                  {"AB", std::string(23, 'Y'), std::string(23, 'Y'), std::string(4, 'Y')}},
        BreakCase{"theLastCharacterNeverBreaks", std::string(24, 'Z'), {std::string(24, 'Z')}},
        BreakCase{"blanksAtBothEndsAreRemoved", "  AB CD  ", {"AB CD"}},
        BreakCase{"lineEndsEndLines", "AB\r\nCD\nEF\r\rGH\r\n", {"AB", "CD", "EF", "", "GH"}},
        BreakCase{"anEmptyTextHasNoLines", "", {}}),
    [](const testing::TestParamInfo<BreakCase>& param) { return std::string(param.param.name); });

TEST_P(BreakLinesCases, breaksAsThePrintedPage)
{
    const auto overflows = [](std::string_view line) { return 10 * (static_cast<int>(line.size()) + 1) > 240; };
    EXPECT_EQ(BreakLines(GetParam().text, overflows), GetParam().lines);
}

TEST(BreakLines, aCharacterWiderThanTheLineStillMakesProgress)
{
    const auto overflows = [](std::string_view) { return true; };
    EXPECT_EQ(BreakLines("ABC D", overflows), (std::vector<std::string>{"A", "B", "C", "", "D"}));
}

TEST(PageText, playfairPiecesAreFortyCharactersAndASpace)
{
    const std::string text = std::string(40, 'A') + std::string(40, 'B') + "CCCCC";
    EXPECT_EQ(PlayfairPieces(text), std::string(40, 'A') + " " + std::string(40, 'B') + " CCCCC ");
    EXPECT_EQ(PlayfairPieces("   "), "");
    EXPECT_EQ(PlayfairPieces(""), "");
}

TEST(PageText, titlesAndIndicators)
{
    const std::vector<std::pair<std::string, std::string>> titles = {
        {"/home/u/Puzzle.acnx", "Puzzle"}, {"C:\\Ciphers\\Quote.ACNX", "Quote"}, {"", "Untitled"},
        {"/tmp/notes.txt", "notes.txt"},   {"Caf\xC3\xA9.acnx", "Caf\xC3\xA9"},  {".acnx", ""}};
    for (const auto& [file, title] : titles) {
        EXPECT_EQ(PrintTitle(file), title) << file;
    }
    const std::vector<std::pair<std::string, std::string>> indicators = {{"XYZ@12", "XYZ (column 12)"},
                                                                         {"XYZ@1234", "XYZ (column 123)"},
                                                                         {"ABCDE", " (column ABC)"},
                                                                         {"AB@", "AB (column )"},
                                                                         {"", " (column )"}};
    for (const auto& [value, text] : indicators) {
        EXPECT_EQ(IndicatorText(value), text) << value;
    }
}

TEST(PageLayout, layoutValuesOfBothTargets)
{
    EXPECT_EQ(LayoutOf({2159, 2794, 3, 3, 3, 3, false}), (PageLayout{268, 1617, 2252, 204}));
    EXPECT_EQ(LayoutOf({12240, 15840, 360, 240, 360, 480, true}), (PageLayout{1530, 8460, 12060, 1096}));
}

} // namespace
