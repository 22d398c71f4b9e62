#include "EncodeQuagmire.h"

#include <array>

#include "Alphabet.h"
#include "CodePage.h"
#include "TessarinError.h"

namespace {

// The (at most three) characters after the first "@"; empty when there is no "@".
std::string_view columnText(std::string_view QUAGINDI)
{
    const std::size_t at = QUAGINDI.find('@');
    if (at == std::string_view::npos) {
        return {};
    }
    return QUAGINDI.substr(at + 1, 3);
}

std::string indicatorText(std::string_view QUAGINDI, std::string_view QUAGCKEY)
{
    std::string indicator(QUAGINDI.substr(0, QUAGINDI.find('@')));
    if (indicator.empty()) {
        indicator.assign(7, QUAGCKEY.empty() ? 'A' : QUAGCKEY.front());
    }
    return indicator;
}

// Position (0-based) of every letter in each row, for lookups in constant time.
using RowIndex = std::array<int, 26>;

RowIndex indexOf(const std::string& row)
{
    RowIndex index{};
    for (std::size_t i = 0; i < row.size(); ++i) {
        index[static_cast<std::size_t>(row[i] - 'A')] = static_cast<int>(i);
    }
    return index;
}

} // namespace

int ParseIntegerValue(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const bool hasDigits = i < text.size();
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9' || value > 1000000000) {
            throw TessarinError("'" + CodePageToUtf8(text) + "' is not a valid integer value");
        }
        value = value * 10 + (text[i] - '0');
    }
    if (!hasDigits) {
        throw TessarinError("'" + CodePageToUtf8(text) + "' is not a valid integer value");
    }
    return static_cast<int>(negative ? -value : value);
}

QuagmireTable BuildQuagmireTable(std::string_view QUAGKEY, std::string_view QUAGCKEY, std::string_view QUAGINDI)
{
    QuagmireTable table;
    table.column = ParseIntegerValue(columnText(QUAGINDI));
    table.indicator = indicatorText(QUAGINDI, QUAGCKEY);
    // A column outside the table turns nothing, as column 1 does.
    const std::size_t turn = table.column >= 1 && table.column <= 26 ? static_cast<std::size_t>(table.column - 1) : 0;
    table.rows.reserve(table.indicator.size() + 1);
    table.rows.push_back(KeyedAlphabet(QUAGKEY, StandardAlphabet));
    std::string base = KeyedAlphabet(QUAGCKEY, StandardAlphabet);
    for (char c : table.indicator) {
        const std::size_t position = base.find(c);
        if (position != std::string::npos) {
            base = RotateLeft(base, position);
        }
        base = RotateRight(base, turn);
        table.rows.push_back(base);
    }
    return table;
}

std::string EncryptQuagmire(std::string_view plain, std::string_view QUAGKEY, std::string_view QUAGCKEY,
                            std::string_view QUAGINDI)
{
    // Row k of the period takes a plaintext letter through its place in the key row to the letter under it.
    const QuagmireTable table = BuildQuagmireTable(QUAGKEY, QUAGCKEY, QUAGINDI);
    const RowIndex keyRow = indexOf(table.rows[0]);
    std::vector<LetterRow> rows(table.rows.size() - 1);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        for (std::size_t p = 0; p < 26; ++p) {
            rows[k][p] = table.rows[1 + k][static_cast<std::size_t>(keyRow[p])];
        }
    }
    return SubstitutePeriodic(plain, rows, 5);
}

std::string DecryptQuagmire(std::string_view ciphertext, std::string_view QUAGKEY, std::string_view QUAGCKEY,
                            std::string_view QUAGINDI)
{
    // Row k of the period takes a ciphertext letter through its place in cipher row k to the key row's letter.
    const QuagmireTable table = BuildQuagmireTable(QUAGKEY, QUAGCKEY, QUAGINDI);
    const std::string& keyRow = table.rows[0];
    std::vector<LetterRow> rows(table.rows.size() - 1);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const RowIndex cipherRow = indexOf(table.rows[1 + k]);
        for (std::size_t c = 0; c < 26; ++c) {
            rows[k][c] = keyRow[static_cast<std::size_t>(cipherRow[c])];
        }
    }
    return SubstitutePeriodic(ciphertext, rows, 0);
}
