#include "WebExport.h"

#include <array>
#include <cstdio>

#include "CodePage.h"
#include "PageText.h"
#include "Sha256.h"
#include "TessarinError.h"

namespace {
bool isLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

std::string lettersOf(std::string_view codePageText)
{
    std::string letters;
    for (char c : UpperCaseText(codePageText)) {
        if (isLetter(c)) {
            letters += c;
        }
    }
    return letters;
}

// Replaces the placeholders of the template in one pass, so that nothing inserted is ever read as a placeholder.
std::string fillTemplate(std::string_view pageTemplate, const std::string& title, const std::string& puzzle)
{
    static constexpr std::string_view TitleMark = "{{TITLE}}";
    static constexpr std::string_view PuzzleMark = "{{PUZZLE}}";
    std::string out;
    while (!pageTemplate.empty()) {
        if (pageTemplate.starts_with(TitleMark)) {
            out += title;
            pageTemplate.remove_prefix(TitleMark.size());
        } else if (pageTemplate.starts_with(PuzzleMark)) {
            out += puzzle;
            pageTemplate.remove_prefix(PuzzleMark.size());
        } else {
            out += pageTemplate.front();
            pageTemplate.remove_prefix(1);
        }
    }
    return out;
}
} // namespace

std::string HtmlEscape(std::string_view utf8)
{
    std::string out;
    for (char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string JsonScriptString(std::string_view utf8)
{
    std::string out = "\"";
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || c == '"' || c == '\\' || c == '<' || c == '>' || c == '&') {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
            out += escaped.data();
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Base64(std::string_view bytes)
{
    static constexpr std::string_view Digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        unsigned value = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            value = (value << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            out += k <= n ? Digits[(value >> (18 - 6 * k)) & 0x3F] : '=';
        }
    }
    return out;
}

std::string SolutionKey(const PuzzleDocument& doc)
{
    const std::string cipher = lettersOf(doc.CIPHER);
    const std::string plain = lettersOf(doc.PLAIN);
    if (cipher.empty()) {
        throw TessarinError("Nothing to export! Create a substitution cryptogram to export to the web.");
    }
    std::string key(26, '.');
    bool matches = cipher.size() == plain.size();
    for (std::size_t i = 0; matches && i < cipher.size(); ++i) {
        char& slot = key[static_cast<std::size_t>(cipher[i] - 'A')];
        matches = slot == '.' || slot == plain[i];
        slot = plain[i];
    }
    if (!matches) {
        throw TessarinError("The substitution cryptogram does not match the plaintext. Encrypt it again before "
                            "exporting it to the web.");
    }
    return key;
}

// The bytes that hide the plaintext: SHA-256 of salt, answer and block number, block after block. Only a page that
// knows the answer can make them again.
std::string AnswerKeystream(std::string_view salt, std::string_view answer, std::size_t length)
{
    std::string stream;
    for (std::size_t block = 0; stream.size() < length; ++block) {
        const auto digest = Sha256(std::string(salt) + ":" + std::string(answer) + ":" + std::to_string(block));
        stream.append(digest.begin(), digest.end());
    }
    stream.resize(length);
    return stream;
}

std::string ComposeWebPage(const PuzzleDocument& doc, std::string_view pageTemplate, std::string_view salt)
{
    const std::string key = SolutionKey(doc);
    const std::string title = PrintTitle(doc.FileName);
    std::string hidden = CodePageToUtf8(doc.PLAIN);
    const std::string stream = AnswerKeystream(salt, key, hidden.size());
    for (std::size_t i = 0; i < hidden.size(); ++i) {
        hidden[i] = static_cast<char>(hidden[i] ^ stream[i]);
    }
    const std::string puzzle = "{\"title\": " + JsonScriptString(title) +
                               ", \"cipher\": " + JsonScriptString(CodePageToUtf8(doc.CIPHER)) +
                               ", \"salt\": " + JsonScriptString(salt) +
                               ", \"check\": " + JsonScriptString(Sha256Hex(std::string(salt) + ":" + key)) +
                               ", \"plain\": " + JsonScriptString(Base64(hidden)) + "}";
    return fillTemplate(pageTemplate, HtmlEscape(title), puzzle);
}
