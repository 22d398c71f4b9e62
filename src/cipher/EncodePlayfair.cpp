#include "EncodePlayfair.h"

#include <array>

#include "Alphabet.h"
#include "CodePage.h"

namespace {

// Position (row * 5 + column) of every letter of a 25-letter square, -1 for letters outside it, and the result of
// every pair of positions in one direction: encrypting (step +1) or decrypting (step -1).
class SquareIndex
{
public:
    SquareIndex(std::string_view letters, int step) : square(letters)
    {
        position.fill(-1);
        for (std::size_t i = 0; i < square.size(); ++i) {
            position[static_cast<unsigned char>(square[i])] = static_cast<int>(i);
        }
        for (int pa = 0; pa < 25; ++pa) {
            for (int pb = 0; pb < 25; ++pb) {
                pairs[static_cast<std::size_t>(pa * 25 + pb)] = transformPair(pa, pb, step);
            }
        }
    }
    int at(char c) const { return position[static_cast<unsigned char>(c)]; }
    /// Writes the pair of the letters at square places pa and pb at write; returns the place after it.
    char* writePair(std::uint8_t pa, std::uint8_t pb, char* write) const
    {
        const std::array<char, 2>& pair = pairs[pa * std::size_t{25} + pb];
        write[0] = pair[0];
        write[1] = pair[1];
        return write + 2;
    }
    /// The square place of every byte's letter, which letterOf gives (or 0 for a byte that is no letter); NoPlace
    /// for a byte without a letter or with one that is not in the square.
    template <class LetterOf> std::array<std::uint8_t, 256> placesOf(LetterOf letterOf) const
    {
        std::array<std::uint8_t, 256> places{};
        for (int b = 0; b < 256; ++b) {
            const char letter = letterOf(static_cast<char>(b));
            const int place = letter != 0 ? at(letter) : -1;
            places[static_cast<std::size_t>(b)] = place >= 0 ? static_cast<std::uint8_t>(place) : NoPlace;
        }
        return places;
    }
    static constexpr std::uint8_t NoPlace = 25;

private:
    char letter(int row, int col) const
    {
        return square[static_cast<std::size_t>(((row + 5) % 5) * 5 + (col + 5) % 5)];
    }
    std::array<char, 2> transformPair(int pa, int pb, int step) const
    {
        const int ra = pa / 5, ca = pa % 5, rb = pb / 5, cb = pb % 5;
        if (ra == rb) {
            return {letter(ra, ca + step), letter(rb, cb + step)};
        }
        if (ca == cb) {
            return {letter(ra + step, ca), letter(rb + step, cb)};
        }
        return {letter(ra, cb), letter(rb, ca)};
    }

    std::string square;
    std::array<int, 256> position{};
    std::array<std::array<char, 2>, 625> pairs{};
};

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
    const SquareIndex index(PlayfairSquareOf(PLAYKEY), 1);
    // The working letters as square places, paired as forEachWorkingPair pairs the letters.
    const std::array<char, 256>& letters = workingLetters();
    const std::array<std::uint8_t, 256> places =
        index.placesOf([&letters](char b) { return letters[static_cast<unsigned char>(b)]; });
    const auto x = static_cast<std::uint8_t>(index.at('X'));
    const auto j = static_cast<std::uint8_t>(index.at('J'));
    std::string out;
    out.reserve(plain.size() + 2);
    std::uint8_t first = SquareIndex::NoPlace;
    for (CodedLetters reader(plain, places, SquareIndex::NoPlace); reader.more();) {
        const std::span<const std::uint8_t> block = reader.next();
        const std::size_t used = out.size();
        out.resize(used + 2 * block.size() + 2);
        char* write = out.data() + used;
        for (const std::uint8_t place : block) {
            if (first == SquareIndex::NoPlace) {
                first = place;
            } else if (place == first) {
                write = index.writePair(first, place == x ? j : x, write);
            } else {
                write = index.writePair(first, place, write);
                first = SquareIndex::NoPlace;
            }
        }
        if (!reader.more() && first != SquareIndex::NoPlace) {
            write = index.writePair(first, first == x ? j : x, write);
        }
        out.resize(static_cast<std::size_t>(write - out.data()));
    }
    return out;
}

std::string DecryptPlayfair(std::string_view ciphertext, std::string_view square)
{
    const SquareIndex index(PlayfairSquareOf(square), -1);
    const std::array<std::uint8_t, 256> places = index.placesOf(UpperCaseCodePage);
    std::string out;
    out.reserve(ciphertext.size());
    std::uint8_t first = SquareIndex::NoPlace;
    for (CodedLetters reader(ciphertext, places, SquareIndex::NoPlace); reader.more();) {
        const std::span<const std::uint8_t> block = reader.next();
        const std::size_t used = out.size();
        out.resize(used + block.size() + 1);
        char* write = out.data() + used;
        for (const std::uint8_t place : block) {
            if (first == SquareIndex::NoPlace) {
                first = place;
            } else {
                write = index.writePair(first, place, write);
                first = SquareIndex::NoPlace;
            }
        }
        out.resize(static_cast<std::size_t>(write - out.data()));
    }
    return out;
}
