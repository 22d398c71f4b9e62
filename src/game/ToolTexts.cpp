#include "ToolTexts.h"

#include "Alphabet.h"
#include "EncodeQuagmire.h"
#include "TessarinError.h"

namespace {

constexpr std::string_view SpacedStandard = "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z";

ToolContent SubstitutionContent(const ToolKeys& keys)
{
    ToolContent c;
    c.caption = "Substitution Alphabet";
    c.memoHeight = 42;
    c.lines = {SpacedLetters(keys.CIPHKEY), std::string(SpacedStandard)};
    return c;
}

ToolContent PlayfairContent(const ToolKeys& keys)
{
    ToolContent c;
    c.caption = "Playfair Square";
    c.memoHeight = 92;
    c.label1 = "Key: " + keys.PLAYKEY;
    const std::string square = KeyedAlphabet(keys.PLAYKEY, PlayfairAlphabet);
    for (std::size_t r = 0; r < 5; ++r) {
        c.lines.push_back(SpacedLetters(std::string_view(square).substr(5 * r, 5)));
    }
    return c;
}

ToolContent VigenereContent(const ToolKeys& keys)
{
    ToolContent c;
    c.caption = "Vigenere Table";
    c.memoHeight = 444;
    c.memoWidth = 450;
    c.clientWidth = 450;
    c.fontPoints = 10;
    c.label1 = "Key: " + keys.VIGENKEY;
    c.lines = {"    " + std::string(SpacedStandard), std::string()};
    for (std::size_t i = 0; i < 26; ++i) {
        c.lines.push_back(std::string(1, StandardAlphabet[i]) + "   " + SpacedLetters(RotateLeft(StandardAlphabet, i)));
    }
    return c;
}

// One cipher row per indicator character: bring it to the front, then turn right by column - 1; the base carries
// over. A column outside 1..26 turns nothing, as in the maker's table.
std::vector<std::string> CipherRows(const std::string& cipherKey, std::string_view indicator, int column)
{
    const std::size_t turn = column >= 1 && column <= 26 ? static_cast<std::size_t>(column - 1) : 0;
    std::string base = KeyedAlphabet(cipherKey, StandardAlphabet);
    std::vector<std::string> rows;
    for (char ch : indicator) {
        const std::size_t position = base.find(ch);
        if (position != std::string::npos) {
            base = RotateLeft(base, position);
        }
        base = RotateRight(base, turn);
        rows.push_back(SpacedLetters(base));
    }
    return rows;
}

} // namespace

std::string SpacedLetters(std::string_view s)
{
    std::string out;
    out.reserve(2 * s.size());
    for (char c : s) {
        if (!out.empty()) {
            out += ' ';
        }
        out += c;
    }
    return out;
}

ToolContent QuagmireToolContent(const ToolKeys& keys)
{
    ToolContent c;
    c.caption = "Quagmire Table";
    c.memoHeight = 180;
    const std::string plainKey = keys.QUAGKEY.empty() ? std::string(StandardAlphabet) : keys.QUAGKEY;
    const std::string cipherKey = keys.QUAGCKEY.empty() ? plainKey : keys.QUAGCKEY;
    c.label1 = "Key: " + plainKey;
    c.label2 = "C Key: " + cipherKey;
    std::string indicator(7, cipherKey.front());
    int column = 1;
    if (!keys.QUAGINDI.empty()) {
        const std::size_t at = keys.QUAGINDI.find('@');
        indicator = keys.QUAGINDI.substr(0, at);
        const std::string columnText = at == std::string::npos ? std::string() : keys.QUAGINDI.substr(at + 1, 2);
        try {
            column = ParseIntegerValue(columnText);
        } catch (const TessarinError& e) {
            c.error = e.what();
            return c;
        }
    }
    c.lines = {SpacedLetters(KeyedAlphabet(plainKey, StandardAlphabet)), std::string()};
    for (std::string& row : CipherRows(cipherKey, indicator, column)) {
        c.lines.push_back(std::move(row));
    }
    const int caretColumn = column >= 1 && column <= 26 ? column : 1;
    c.lines.push_back(std::string(static_cast<std::size_t>(2 * caretColumn - 2), ' ') + "^");
    return c;
}

ToolContent BuildToolContent(const ToolKeys& keys)
{
    ToolContent c;
    switch (keys.kind) {
    case CipherKind::Cipher:
        c = SubstitutionContent(keys);
        break;
    case CipherKind::Playfair:
        c = PlayfairContent(keys);
        break;
    case CipherKind::Quagmire:
        c = QuagmireToolContent(keys);
        break;
    case CipherKind::Vigenere:
        c = VigenereContent(keys);
        break;
    case CipherKind::Railfence:
    case CipherKind::None:
        return c;
    }
    c.built = true;
    return c;
}
