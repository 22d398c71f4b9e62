#include "EncodeCipher.h"

#include <array>
#include <utility>

#include "Alphabet.h"
#include "CodePage.h"
#include "Random.h"

namespace {

// Maps every byte to itself except A-Z, which go through the alphabet.
std::array<char, 256> letterMap(std::string_view alphabet)
{
    std::array<char, 256> map{};
    for (int b = 0; b < 256; ++b) {
        map[static_cast<std::size_t>(b)] = UpperCaseCodePage(static_cast<char>(b));
    }
    for (std::size_t i = 0; i < 26; ++i) {
        map['A' + i] = alphabet[i];
        map['a' + i] = alphabet[i];
    }
    return map;
}

std::string mapText(std::string_view text, const std::array<char, 256>& map)
{
    std::string out = RoomyString(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = map[static_cast<unsigned char>(text[i])];
    }
    return out;
}

} // namespace

std::string SubstituteLetters(std::string_view text, std::string_view alphabet)
{
    return mapText(text, letterMap(alphabet));
}

void ShuffleStrings(std::vector<std::string>& list, Random& rng)
{
    rng.reseed();
    const int count = static_cast<int>(list.size());
    for (int i = 0; i < count; ++i) {
        const int d = rng.draw(count - i);
        if (d != 0) {
            std::swap(list[static_cast<std::size_t>(i)], list[static_cast<std::size_t>(i + d)]);
        }
    }
}

std::string ShuffledAlphabet(Random& rng)
{
    std::vector<std::string> letters;
    for (char c : StandardAlphabet) {
        letters.emplace_back(1, c);
    }
    ShuffleStrings(letters, rng);
    std::string alphabet;
    for (const std::string& letter : letters) {
        alphabet += letter;
    }
    return alphabet;
}

std::string MakeAlphabetUnique(std::string alphabet)
{
    // Positions count from 1 in the rule; index i - 1 here.
    for (std::size_t i = 1; i <= 25; ++i) {
        if (alphabet[i - 1] == static_cast<char>('A' + i - 1)) {
            std::swap(alphabet[i - 1], alphabet[i]);
        }
        if (alphabet[25] == 'Z') {
            alphabet[25] = alphabet[24];
            alphabet[24] = 'Z';
        }
    }
    return alphabet;
}

std::string EncryptCipherRandom(std::string_view plain, bool unique, std::string& CIPHKEY, bool& UseEditedAlphabet,
                                Random& rng)
{
    std::string alphabet;
    if (UseEditedAlphabet && IsPermutationOf(CIPHKEY, StandardAlphabet)) {
        alphabet = CIPHKEY;
    } else {
        alphabet = ShuffledAlphabet(rng);
    }
    UseEditedAlphabet = false;
    if (unique) {
        alphabet = MakeAlphabetUnique(alphabet);
    }
    CIPHKEY = alphabet;
    return SubstituteLetters(plain, alphabet);
}

std::string EncryptCipherOffset(std::string_view plain, std::string& CIPHKEY, bool& UseEditedAlphabet, Random& rng)
{
    rng.reseed();
    const int shift = 1 + rng.draw(25);
    std::string alphabet = RotateLeft(StandardAlphabet, static_cast<std::size_t>(shift));
    if (UseEditedAlphabet && IsPermutationOf(CIPHKEY, StandardAlphabet)) {
        alphabet = CIPHKEY;
    }
    UseEditedAlphabet = false;
    CIPHKEY = alphabet;
    return SubstituteLetters(plain, alphabet);
}

std::string DecryptCipher(std::string_view ciphertext, std::string_view alphabet)
{
    std::string inverse(26, '?');
    for (std::size_t i = 0; i < 26 && i < alphabet.size(); ++i) {
        const char c = alphabet[i];
        if (c >= 'A' && c <= 'Z') {
            inverse[static_cast<std::size_t>(c - 'A')] = static_cast<char>('A' + i);
        }
    }
    return SubstituteLetters(ciphertext, inverse);
}
