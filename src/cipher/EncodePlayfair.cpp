#include "EncodePlayfair.h"

#include <array>

#include "Alphabet.h"
#include "CodePage.h"

namespace {

// Row and column (0-based) of every letter of a 25-letter square; -1 for letters outside it.
struct SquareIndex
{
    std::string square;
    std::array<int, 256> position{};

    explicit SquareIndex(std::string_view letters) : square(letters)
    {
        position.fill(-1);
        for (std::size_t i = 0; i < square.size(); ++i) {
            position[static_cast<unsigned char>(square[i])] = static_cast<int>(i);
        }
    }
    int at(char c) const { return position[static_cast<unsigned char>(c)]; }
    char letter(int row, int col) const
    {
        return square[static_cast<std::size_t>(((row + 5) % 5) * 5 + (col + 5) % 5)];
    }
};

// Encrypts (step +1) or decrypts (step -1) one pair through the square.
void transformPair(const SquareIndex& index, char a, char b, int step, std::string& out)
{
    const int pa = index.at(a);
    const int pb = index.at(b);
    const int ra = pa / 5, ca = pa % 5, rb = pb / 5, cb = pb % 5;
    if (ra == rb) {
        out += index.letter(ra, ca + step);
        out += index.letter(rb, cb + step);
    } else if (ca == cb) {
        out += index.letter(ra + step, ca);
        out += index.letter(rb + step, cb);
    } else {
        out += index.letter(ra, cb);
        out += index.letter(rb, ca);
    }
}

} // namespace

std::string PlayfairSquareOf(std::string_view PLAYKEY)
{
    return KeyedAlphabet(PLAYKEY, PlayfairAlphabet);
}

namespace {

// Each byte as a working letter: upper-cased, Q written as K; 0 for a byte that is dropped.
const std::array<char, 256>& workingLetters()
{
    static const std::array<char, 256> table = [] {
        std::array<char, 256> letters{};
        for (int b = 0; b < 256; ++b) {
            const char upper = UpperCaseCodePage(static_cast<char>(b));
            if (upper >= 'A' && upper <= 'Z') {
                letters[static_cast<std::size_t>(b)] = upper == 'Q' ? 'K' : upper;
            }
        }
        return letters;
    }();
    return table;
}

// Calls pair(a, b) for every pair of the working text in order, in one pass and without building the text: a
// letter that would close a pair of two equal letters opens the next pair after a filler (J after X, else X), and
// an odd last letter gets the same filler.
template <class PairFunction> void forEachWorkingPair(std::string_view plain, PairFunction pair)
{
    const std::array<char, 256>& letters = workingLetters();
    char first = 0;
    for (char c : plain) {
        const char letter = letters[static_cast<unsigned char>(c)];
        if (letter == 0) {
            continue;
        }
        if (first == 0) {
            first = letter;
        } else if (letter == first) {
            pair(first, letter == 'X' ? 'J' : 'X');
        } else {
            pair(first, letter);
            first = 0;
        }
    }
    if (first != 0) {
        pair(first, first == 'X' ? 'J' : 'X');
    }
}

} // namespace

std::string PreparePlayfairText(std::string_view plain)
{
    std::string out;
    out.reserve(plain.size() + 2);
    forEachWorkingPair(plain, [&out](char a, char b) {
        out += a;
        out += b;
    });
    return out;
}

std::string EncryptPlayfair(std::string_view plain, std::string_view PLAYKEY, bool& UseEditedSquare)
{
    // An accepted square comes back from the keyed construction unchanged, and a key that is no longer a
    // square still yields a valid one.
    UseEditedSquare = false;
    const SquareIndex index(PlayfairSquareOf(PLAYKEY));
    std::string out;
    out.reserve(plain.size() + 2);
    forEachWorkingPair(plain, [&](char a, char b) { transformPair(index, a, b, 1, out); });
    return out;
}

std::string DecryptPlayfair(std::string_view ciphertext, std::string_view square)
{
    const SquareIndex index(PlayfairSquareOf(square));
    std::string letters;
    letters.reserve(ciphertext.size());
    for (char c : ciphertext) {
        const char upper = UpperCaseCodePage(c);
        if (index.at(upper) >= 0) {
            letters += upper;
        }
    }
    std::string out;
    out.reserve(letters.size());
    for (std::size_t i = 0; i + 1 < letters.size(); i += 2) {
        transformPair(index, letters[i], letters[i + 1], -1, out);
    }
    return out;
}
