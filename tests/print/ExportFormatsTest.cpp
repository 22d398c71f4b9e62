#include <algorithm>
#include <cctype>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "RtfExport.h"
#include "Sha256.h"
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
    PuzzleDocument playfair = puzzle();
    playfair.PLAYFAIR = std::string(40, 'A') + std::string(40, 'B') + "CC";
    playfair.PLAYKEY = "MONARCHY";
    EXPECT_EQ(ComposeTextExport(playfair, CipherKind::Playfair, true),
              "Short One\n---------\n\n" + std::string(40, 'A') + "\n\n" + std::string(40, 'B') +
                  "\n\nCC\n\n\nSolution\n--------\n\nPlayfair Keyword: MONARCHY\n\nMONAR\nCHYBD\nEFGIJ\nKLPST\n"
                  "UVWXZ\n\nAttack at dawn!\n");
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
    doc.CIPHER = std::string(72, 'A') + "B\n" + std::string(66, 'C') + " DEFGHI"; // 73 characters each
    EXPECT_EQ(ComposeTextExport(doc, CipherKind::Cipher, false).substr(21),
              std::string(72, 'A') + "\n\nB\n\n" + std::string(66, 'C') + "\n\nDEFGHI\n\n");
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
    const std::string rtf = ComposeRtf(doc, CipherKind::Cipher, SolutionOption::NewPage, font);
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu Serif;}}"), std::string::npos);
    EXPECT_NE(rtf.find("\\red16\\green32\\blue48;"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs28\\b Short One\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\sl1008\\slmult0\\plain\\f0\\cf1\\fs28\\i QZZQEA QZ RQVF!\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\page"), std::string::npos);
    EXPECT_NE(rtf.find("Short One Solution"), std::string::npos);
    EXPECT_NE(rtf.find("\\{Attack\\} at \\\\dawn\\'e9"), std::string::npos);
    EXPECT_EQ(std::count(rtf.begin(), rtf.end(), '{'), std::count(rtf.begin(), rtf.end(), '}'));
    EXPECT_EQ(ComposeRtf(doc, CipherKind::Cipher, SolutionOption::None, font).find("Solution"), std::string::npos);
    // On the same page: no page break; the key letters each after a centred tab stop of their own.
    const std::string same = ComposeRtf(doc, CipherKind::Cipher, SolutionOption::SamePage, font);
    EXPECT_EQ(same.find("\\page"), std::string::npos);
    EXPECT_NE(same.find("\\b Solution\\par"), std::string::npos);
    EXPECT_NE(same.find("\\tqc\\tx140\\tqc\\tx420"), std::string::npos);
    EXPECT_NE(same.find("\\tab Q\\tab W\\tab E"), std::string::npos);
}

// Key rows wider than the text width (large print, a long Quagmire keyword) go on in bands below: no tab stop lies
// past the right margin, where a word processor would wrap the letters out of their columns, and no letter is lost.
TEST(RtfExport, keyRowsStayWithinTheTextWidth)
{
    PuzzleDocument doc = puzzle();
    doc.QUAGKEY = std::string(40, 'K');
    doc.QUAGCKEY = "SHORT";
    const std::vector<std::tuple<CipherKind, int, long>> cases = {
        {CipherKind::Cipher, 12, 52}, {CipherKind::Cipher, 28, 52}, {CipherKind::Quagmire, 12, 45}};
    for (const auto& [kind, size, letters] : cases) {
        const std::string rtf = ComposeRtf(doc, kind, SolutionOption::SamePage, PrintFont{"Verdana", size, 0, 0});
        int widest = 0;
        for (std::size_t at = rtf.find("\\tx"); at != std::string::npos; at = rtf.find("\\tx", at + 1)) {
            widest = std::max(widest, std::stoi(rtf.substr(at + 3)));
        }
        EXPECT_LE(widest, 12240 - 2 * 1530) << size;
        long placed = 0;
        for (std::size_t at = rtf.find("\\tab "); at != std::string::npos; at = rtf.find("\\tab ", at + 1)) {
            placed += std::isupper(static_cast<unsigned char>(rtf[at + 5])) ? 1 : 0;
        }
        EXPECT_EQ(placed, letters) << size;
    }
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
    const std::string page = ComposeWebPage(doc, "<title>{{TITLE}}</title><script>{{PUZZLE}}</script>", "5a17");
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_EQ(page.find("<KDPMNO"), std::string::npos);
    EXPECT_EQ(page.find("alert"), std::string::npos);
    EXPECT_TRUE(page.starts_with("<title>&lt;b&gt;{{PUZZLE}}&lt;i&gt;</title><script>{\"title\": "));
    EXPECT_NE(page.find("\\u003cKDPMNO\\u003e"), std::string::npos);
}

// The page keeps only what checking needs: the salted digest of the key, and the plaintext mixed with bytes that
// only the key makes.
TEST(WebExport, thePageHoldsNoReadableAnswer)
{
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    PuzzleDocument doc;
    doc.PLAIN = "Meet me at noon";
    doc.CIPHER = "QWWZ QW BZ XHHX";
    const std::string key = SolutionKey(doc);
    const std::string page = ComposeWebPage(doc, "{{PUZZLE}}", "salt");
    for (const std::string& answer : {doc.PLAIN, key, Base64(key), Base64(doc.PLAIN), std::string("MEETMEAT")}) {
        EXPECT_EQ(page.find(answer), std::string::npos) << answer;
    }
    EXPECT_NE(page.find("\"check\": \"" + Sha256Hex("salt:" + key) + "\""), std::string::npos);
    std::string hidden = doc.PLAIN;
    const std::string stream = AnswerKeystream("salt", key, hidden.size());
    for (std::size_t i = 0; i < hidden.size(); ++i) {
        hidden[i] = static_cast<char>(hidden[i] ^ stream[i]);
    }
    EXPECT_NE(page.find("\"plain\": \"" + Base64(hidden) + "\""), std::string::npos);
    EXPECT_NE(ComposeWebPage(doc, "{{PUZZLE}}", "other"), page);
}

} // namespace
