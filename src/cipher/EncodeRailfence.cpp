#include "EncodeRailfence.h"

#include <algorithm>
#include <vector>

#include "Alphabet.h"
#include "CodePage.h"
#include "Random.h"

namespace {

// The rail (0-based) of the letter at index i in the zigzag over rails rails.
int railOf(std::size_t i, int rails)
{
    const int period = 2 * rails - 2;
    const int phase = static_cast<int>(i % static_cast<std::size_t>(period));
    return phase < rails ? phase : period - phase;
}

std::string capitalsOnly(std::string_view text)
{
    std::string letters = UpperCaseText(text);
    const auto end = std::remove_if(letters.begin(), letters.end(), [](char c) { return c < 'A' || c > 'Z'; });
    letters.erase(end, letters.end());
    return letters;
}

} // namespace

std::string EncryptRailfence(std::string_view plain, int rails, Random& rng)
{
    std::string letters = capitalsOnly(plain);
    rng.reseed();
    while (letters.size() % static_cast<std::size_t>(rails) != 0) {
        letters += static_cast<char>('A' + rng.draw(25));
    }
    // Rail r holds the letters at r and p - r of every period p = 2R - 2; reading those positions rail by
    // rail gives the joined rails in one pass.
    const std::size_t period = static_cast<std::size_t>(2 * rails - 2);
    const std::size_t last = static_cast<std::size_t>(rails - 1);
    const std::size_t group = static_cast<std::size_t>(rails);
    std::string out;
    out.reserve(letters.size() + letters.size() / group);
    std::size_t written = 0;
    auto put = [&](char letter) {
        out += letter;
        if (++written % group == 0) {
            out += ' ';
        }
    };
    for (std::size_t r = 0; r <= last; ++r) {
        for (std::size_t base = 0; base + r < letters.size(); base += period) {
            put(letters[base + r]);
            if (r != 0 && r != last && base + period - r < letters.size()) {
                put(letters[base + period - r]);
            }
        }
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
    const std::string letters = capitalsOnly(ciphertext);
    if (rails < 2) {
        return letters;
    }
    std::vector<std::size_t> railLength(static_cast<std::size_t>(rails), 0);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        ++railLength[static_cast<std::size_t>(railOf(i, rails))];
    }
    std::vector<std::size_t> next(static_cast<std::size_t>(rails), 0);
    for (std::size_t r = 1; r < next.size(); ++r) {
        next[r] = next[r - 1] + railLength[r - 1];
    }
    std::string out(letters.size(), '\0');
    for (std::size_t i = 0; i < letters.size(); ++i) {
        out[i] = letters[next[static_cast<std::size_t>(railOf(i, rails))]++];
    }
    return out;
}
