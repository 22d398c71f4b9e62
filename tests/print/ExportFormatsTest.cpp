#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RtfExport.h"
#include "TessarinError.h"
#include "TextExport.h"
#include "WebExport.h"

namespace {

PuzzleDocument puzzle()
{
    PuzzleDocument doc;
    doc.FileName = "/tmp/Short One.acnx";
    doc.PLAIN = "Attack at dawn!";
    doc.CIPHKEY = "QWERTYUIOPASDFGHJKLZXCVBNM";
    doc.CIPHER = "QZZQEA QZ RQVF!";
    doc.RAILFENCE = "ACTAADWTAKTN";
    return doc;
}

TEST(TextExport, titleCiphertextAndOnRequestTheSolution)
{
    EXPECT_EQ(ComposeTextExport(puzzle(), CipherKind::Cipher, false), "Short One\n---------\n\nQZZQEA QZ RQVF!\n\n");
    EXPECT_EQ(ComposeTextExport(puzzle(), CipherKind::Cipher, true),
              "Short One\n---------\n\nQZZQEA QZ RQVF!\n\n\nSolution\n--------\n\n"
              "ABCDEFGHIJKLMNOPQRSTUVWXYZ\nQWERTYUIOPASDFGHJKLZXCVBNM\n\nAttack at dawn!\n");
    EXPECT_EQ(ComposeTextExport(puzzle(), CipherKind::Railfence, true),
              "Short One\n---------\n\nACTAADWTAKTN\n\n\nSolution\n--------\n\nAttack at dawn!\n");
    EXPECT_EQ(ComposeTextExport(puzzle(), CipherKind::None, true), "");
}

TEST(TextExport, linesHoldAtMostSeventyTwoCharactersAndCodePageTextBecomesUtf8)
{
    PuzzleDocument doc = puzzle();
    doc.CIPHER.clear();
    for (int i = 0; i < 30; ++i) {
        doc.CIPHER += "ABCDE ";
    }
    doc.PLAIN = "Caf\xE9 \x93quoted\x94";
    const std::string text = ComposeTextExport(doc, CipherKind::Cipher, true);
    std::size_t longest = 0;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        longest = std::max(longest, end - start);
        start = end + 1;
    }
    EXPECT_EQ(longest, 71u); // twelve groups of five and their spaces
    EXPECT_NE(text.find("Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D"), std::string::npos);
}

TEST(RtfExport, escapesWhatTheFormatNeeds)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"plain text", "plain text"},  {"a\\b{c}", "a\\\\b\\{c\\}"},   {"caf\xC3\xA9", "caf\\'e9"},
        {"\xE2\x82\xAC 5", "\\'80 5"}, {"\xD0\x96", "\\u1046?"},       {"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},
        {"a\tb", "a\\tab b"},          {"bad\xFFutf", "bad\\u-3?utf"},
    };
    for (const auto& [text, rtf] : cases) {
        EXPECT_EQ(RtfEscape(text), rtf) << text;
    }
}

TEST(RtfExport, documentCarriesThePrintFontAndTheSolutionOnItsOwnPage)
{
    PuzzleDocument doc = puzzle();
    doc.PLAIN = "{Attack} at \\dawn\xE9";
    const PrintFont font{"DejaVu Serif", 14, 0x102030, PrintStyle::Italic};
    const std::string rtf = ComposeRtf(doc, CipherKind::Cipher, true, font);
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu Serif;}}"), std::string::npos);
    EXPECT_NE(rtf.find("\\red16\\green32\\blue48;"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs28\\b Short One\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs28\\i QZZQEA QZ RQVF!\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\page"), std::string::npos);
    EXPECT_NE(rtf.find("Short One Solution"), std::string::npos);
    EXPECT_NE(rtf.find("\\{Attack\\} at \\\\dawn\\'e9"), std::string::npos);
    EXPECT_EQ(std::count(rtf.begin(), rtf.end(), '{'), std::count(rtf.begin(), rtf.end(), '}'));
    EXPECT_EQ(ComposeRtf(doc, CipherKind::Cipher, false, font).find("\\page"), std::string::npos);
}

TEST(WebExport, escapingAndEncoding)
{
    EXPECT_EQ(HtmlEscape("<a href=\"x\">Tom & Jerry's</a>"),
              "&lt;a href=&quot;x&quot;&gt;Tom &amp; Jerry&#39;s&lt;/a&gt;");
    EXPECT_EQ(JsonScriptString("</script>\"\\\n"), "\"\\u003c/script\\u003e\\u0022\\u005c\\u000a\"");
    const std::vector<std::pair<std::string, std::string>> base64 = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foobar", "Zm9vYmFy"}, {"\xFF\xFE", "//4="}};
    for (const auto& [bytes, text] : base64) {
        EXPECT_EQ(Base64(bytes), text) << bytes;
    }
}

TEST(WebExport, theKeyComesFromTheLettersOfBothTexts)
{
    PuzzleDocument doc = puzzle();
    const std::string key = SolutionKey(doc);
    EXPECT_EQ(key, "K...CN..........AD...W...T");

    doc.CIPHER = "QZZQE AQZRQ VF"; // the Patristocrat form keeps the letters in order
    EXPECT_EQ(SolutionKey(doc), key);

    doc.CIPHER = "QZZQEA QZ RQVQ"; // Q would stand for A and for N
    EXPECT_THROW(SolutionKey(doc), TessarinError);
    doc.CIPHER = "QZZQEA QZ RQV";
    EXPECT_THROW(SolutionKey(doc), TessarinError);
    doc.CIPHER = "!!!";
    EXPECT_THROW(SolutionKey(doc), TessarinError);
}

TEST(WebExport, markupInTheTextsStaysInert)
{
    PuzzleDocument doc;
    doc.FileName = "/tmp/<b>{{PUZZLE}}<i>.acnx";
    doc.PLAIN = "<script>alert(1)</script>";
    doc.CIPHER = "<KDPMNO>QSTPO(1)</KDPMNO>";
    const std::string page = ComposeWebPage(doc, "<title>{{TITLE}}</title><script>{{PUZZLE}}</script>");
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_EQ(page.find("<KDPMNO"), std::string::npos);
    EXPECT_EQ(page.find("alert"), std::string::npos); // the plaintext travels in base64
    EXPECT_TRUE(page.starts_with("<title>&lt;b&gt;{{PUZZLE}}&lt;i&gt;</title><script>{\"title\": "));
    EXPECT_NE(page.find("\\u003cKDPMNO\\u003e"), std::string::npos);
}

} // namespace
