#include "EncodeRailfence.h"

#include <vector>

#include "Alphabet.h"
#include "Random.h"

namespace {

// How many of the first n letters of the zigzag lie on rail r of rails: each period 2R - 2 puts one letter on the
// top and bottom rails and two on every rail between.
std::size_t lettersOnRail(std::size_t n, std::size_t r, std::size_t rails)
{
    const std::size_t period = 2 * rails - 2;
    const std::size_t periods = n / period;
    const std::size_t rest = n % period;
    if (r == 0) {
        return periods + (rest > 0 ? 1 : 0);
    }
    if (r == rails - 1) {
        return periods + (rest > r ? 1 : 0);
    }
    return 2 * periods + (rest > r ? 1 : 0) + (rest > period - r ? 1 : 0);
}

// The places of a text's letters among the same letters read rail by rail, in the text's order: rail r starts
// after the letters of the rails above it, and the zigzag takes each rail's next place in turn.
class ZigzagPlaces
{
public:
    ZigzagPlaces(std::size_t count, int rails) : railCount(rails), next(static_cast<std::size_t>(rails), 0)
    {
        for (std::size_t r = 1; r < next.size(); ++r) {
            next[r] = next[r - 1] + lettersOnRail(count, r - 1, next.size());
        }
    }
    std::size_t take()
    {
        const std::size_t place = next[static_cast<std::size_t>(rail)]++;
        if (rail + step < 0 || rail + step >= railCount) {
            step = -step;
        }
        rail += step;
        return place;
    }

private:
    int railCount;
    std::vector<std::size_t> next;
    int rail = 0;
    int step = 1;
};

} // namespace

std::string EncryptRailfence(std::string_view plain, int rails, Random& rng)
{
    std::string letters = AsciiLettersUpper(plain);
    rng.reseed();
    while (letters.size() % static_cast<std::size_t>(rails) != 0) {
        letters += static_cast<char>('A' + rng.draw(25));
    }
    // One pass in zigzag order: every letter goes straight to its place in the grouped ciphertext, where a blank
    // follows every R-th letter of the joined rails.
    const std::size_t group = static_cast<std::size_t>(rails);
    const std::size_t count = letters.size();
    ZigzagPlaces places(count, rails);
    std::string out(count + count / group, ' ');
    for (char letter : letters) {
        const std::size_t joined = places.take();
        out[joined + joined / group] = letter;
    }
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

std::string DecryptRailfence(std::string_view ciphertext, int rails)
{
    const std::string letters = AsciiLettersUpper(ciphertext);
    if (rails < 2) {
        return letters;
    }
    ZigzagPlaces places(letters.size(), rails);
    std::string out(letters.size(), '\0');
    for (char& letter : out) {
        letter = letters[places.take()];
    }
    return out;
}
