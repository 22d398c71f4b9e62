#include "EncodeVigenere.h"

#include <vector>

#include "Alphabet.h"

VigenereTableRows VigenereTable()
{
    VigenereTableRows rows;
    rows[0] = std::string(StandardAlphabet);
    for (std::size_t k = 1; k <= 26; ++k) {
        rows[k] = RotateLeft(StandardAlphabet, k - 1);
    }
    return rows;
}

std::string VigenereKeyLetters(std::string_view VIGENKEY)
{
    std::string key = AsciiLettersUpper(VIGENKEY);
    return key.empty() ? std::string(StandardAlphabet) : key;
}

namespace {
// Shifts each letter by the key letter over it, forward (+1) or back (-1), through one shifted alphabet for each
// key letter.
std::string shiftLetters(std::string_view text, std::string_view VIGENKEY, int direction, std::size_t groupSize)
{
    const std::string key = VigenereKeyLetters(VIGENKEY);
    std::vector<LetterRow> rows(key.size());
    for (std::size_t j = 0; j < key.size(); ++j) {
        const int shift = key[j] - 'A';
        for (int p = 0; p < 26; ++p) {
            rows[j][static_cast<std::size_t>(p)] = static_cast<char>('A' + (p + direction * shift + 26) % 26);
        }
    }
    return SubstitutePeriodic(text, rows, groupSize);
}
} // namespace

std::string EncryptVigenere(std::string_view plain, std::string_view VIGENKEY)
{
    return shiftLetters(plain, VIGENKEY, 1, 5);
}

std::string DecryptVigenere(std::string_view ciphertext, std::string_view VIGENKEY)
{
    return shiftLetters(ciphertext, VIGENKEY, -1, 0);
}
