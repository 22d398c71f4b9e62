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

std::string PreparePlayfairText(std::string_view plain)
{
    std::string out;
    out.reserve(plain.size() + plain.size() / 2 + 2);
    for (char c : plain) {
        char letter = UpperCaseCodePage(c);
        if (letter < 'A' || letter > 'Z') {
            continue;
        }
        if (letter == 'Q') {
            letter = 'K';
        }
        // A letter that would close a pair of two equal letters opens the next pair after a filler.
        if (out.size() % 2 == 1 && out.back() == letter) {
            out += letter == 'X' ? 'J' : 'X';
        }
        out += letter;
    }
    if (out.size() % 2 == 1) {
        out += out.back() == 'X' ? 'J' : 'X';
    }
    return out;
}

std::string EncryptPlayfair(std::string_view plain, std::string_view PLAYKEY, bool& UseEditedSquare)
{
    // An accepted square comes back from the keyed construction unchanged, and a key that is no longer a
    // square still yields a valid one.
    UseEditedSquare = false;
    const SquareIndex index(PlayfairSquareOf(PLAYKEY));
    const std::string working = PreparePlayfairText(plain);
    std::string out;
    out.reserve(working.size());
    for (std::size_t i = 0; i + 1 < working.size(); i += 2) {
        transformPair(index, working[i], working[i + 1], 1, out);
    }
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
