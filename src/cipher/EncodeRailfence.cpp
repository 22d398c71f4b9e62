#include "EncodeRailfence.h"

#include "Alphabet.h"
#include "Random.h"

namespace {

// Calls visit(i) for every place i of a text of count letters in rail order: the places on the top rail, then those
// on the next rail, and so on, each rail from left to right. One period of the zigzag, 2R - 2 places, puts one
// place on the top and bottom rails and two on every rail between.
template <class Visit> void forEachPlaceByRail(std::size_t count, std::size_t rails, Visit visit)
{
    const std::size_t period = 2 * rails - 2;
    for (std::size_t r = 0; r < rails; ++r) {
        const bool between = r != 0 && r != rails - 1;
        for (std::size_t i = r; i < count; i += period) {
            visit(i);
            if (between && i + period - 2 * r < count) {
                visit(i + period - 2 * r);
            }
        }
    }
}

} // namespace

std::string EncryptRailfence(std::string_view plain, int rails, Random& rng)
{
    std::string letters = AsciiLettersUpper(plain);
    rng.reseed();
    while (letters.size() % static_cast<std::size_t>(rails) != 0) {
        letters += static_cast<char>('A' + rng.draw(25));
    }
    // The joined rails, written straight into the grouped ciphertext: a blank follows every R-th letter.
    const std::size_t group = static_cast<std::size_t>(rails);
    const std::size_t count = letters.size();
    std::string out = RoomyString(count + count / group, ' ');
    const char* read = letters.data();
    char* write = out.data();
    std::size_t inGroup = 0;
    forEachPlaceByRail(count, group, [&](std::size_t i) {
        *write++ = read[i];
        if (++inGroup == group) {
            ++write;
            inGroup = 0;
        }
    });
    return out;
}

int RailCountOf(std::string_view ciphertext)
{
    const std::size_t blank = ciphertext.find(' ');
    if (blank == std::string_view::npos || blank < 2 || blank > 4) {
        return 0;
    }
    return static_cast<int>(blank);
}

int RegularRailCount(std::string_view ciphertext)
{
    const auto rails = static_cast<std::size_t>(RailCountOf(ciphertext));
    if (rails == 0) {
        return 0;
    }
    std::size_t group = 0;
    for (const char c : ciphertext) {
        if (IsAsciiLetter(c)) {
            ++group;
        } else if ((c != ' ' && c != '\n' && c != '\r') || (group != 0 && group != rails)) {
            return 0;
        } else {
            group = 0;
        }
    }
    return group == 0 || group == rails ? static_cast<int>(rails) : 0;
}

std::string DecryptRailfence(std::string_view ciphertext, int rails)
{
    const std::string letters = AsciiLettersUpper(ciphertext);
    if (rails < 2) {
        return letters;
    }
    // The ciphertext's letters are the rails one after the other: each goes back to its place in the zigzag.
    std::string out = RoomyString(letters.size(), '\0');
    const char* read = letters.data();
    char* write = out.data();
    forEachPlaceByRail(letters.size(), static_cast<std::size_t>(rails), [&](std::size_t i) { write[i] = *read++; });
    return out;
}
