#include "PlayfairSearch.h"

#include <cmath>
#include <unordered_set>

#include "Alphabet.h"
#include "LanguageModel.h"
#include "SearchRunner.h"

namespace {

// The A-Z code of every letter code.
constexpr std::array<std::uint8_t, 25> azOf = [] {
    std::array<std::uint8_t, 25> codes{};
    for (std::size_t k = 0; k < 25; ++k) {
        codes[k] = static_cast<std::uint8_t>(PlayfairAlphabet[k] - 'A');
    }
    return codes;
}();

// The letter code of every A-Z code; 25 for Q.
constexpr std::array<std::uint8_t, 26> codeOf = [] {
    std::array<std::uint8_t, 26> codes{};
    codes.fill(25);
    for (std::size_t k = 0; k < 25; ++k) {
        codes[static_cast<std::size_t>(PlayfairAlphabet[k] - 'A')] = static_cast<std::uint8_t>(k);
    }
    return codes;
}();

constexpr std::array<std::uint8_t, 5> previous = {4, 0, 1, 2, 3};

// Rearrangements that keep most of a square: two rows or two columns swapped, the rows or the columns reversed.
void swapRows(PlayfairCodeSquare& s, int a, int b)
{
    for (int c = 0; c < 5; ++c) {
        std::swap(s.cell[static_cast<std::size_t>(a * 5 + c)], s.cell[static_cast<std::size_t>(b * 5 + c)]);
    }
}

void swapColumns(PlayfairCodeSquare& s, int a, int b)
{
    for (int r = 0; r < 5; ++r) {
        std::swap(s.cell[static_cast<std::size_t>(r * 5 + a)], s.cell[static_cast<std::size_t>(r * 5 + b)]);
    }
}

void mutate(PlayfairCodeSquare& s, SearchRandom& random)
{
    const unsigned kind = random.below(50);
    if (kind < 45) {
        const unsigned a = random.below(25);
        unsigned b = random.below(24);
        b += b >= a ? 1 : 0;
        std::swap(s.cell[a], s.cell[b]);
    } else if (kind < 47) {
        const int a = static_cast<int>(random.below(5));
        swapRows(s, a, (a + 1 + static_cast<int>(random.below(4))) % 5);
    } else if (kind < 49) {
        const int a = static_cast<int>(random.below(5));
        swapColumns(s, a, (a + 1 + static_cast<int>(random.below(4))) % 5);
    } else if (random.below(2) == 0) {
        swapRows(s, 0, 4);
        swapRows(s, 1, 3);
    } else {
        swapColumns(s, 0, 4);
        swapColumns(s, 1, 3);
    }
    s.Reindex();
}

} // namespace

PlayfairCodeSquare PlayfairCodeSquare::FromLetters(std::string_view square)
{
    PlayfairCodeSquare s;
    for (std::size_t i = 0; i < 25; ++i) {
        s.cell[i] = codeOf[static_cast<std::size_t>(square[i] - 'A')];
    }
    s.Reindex();
    return s;
}

std::string PlayfairCodeSquare::Letters() const
{
    std::string letters(25, ' ');
    for (std::size_t i = 0; i < 25; ++i) {
        letters[i] = PlayfairAlphabet[cell[i]];
    }
    return letters;
}

void PlayfairCodeSquare::Reindex()
{
    for (std::size_t i = 0; i < 25; ++i) {
        at[cell[i]] = static_cast<std::uint8_t>(i);
    }
}

PlayfairSearch::PlayfairSearch(std::string_view ciphertext, const LanguageModel& model)
    : m_quadgrams(model.QuadgramTable())
{
    for (char c : ciphertext) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        if (c >= 'A' && c <= 'Z' && c != 'Q') {
            m_cipher.push_back(codeOf[static_cast<std::size_t>(c - 'A')]);
        }
    }
    m_cipher.resize(m_cipher.size() & ~std::size_t{1});
    m_plain.resize(m_cipher.size());
}

namespace {

// Decrypts the code pairs of cipher through square into A-Z codes.
void decryptCodes(const std::vector<std::uint8_t>& cipher, const PlayfairCodeSquare& s, std::uint8_t* out)
{
    for (std::size_t i = 0; i < cipher.size(); i += 2) {
        const unsigned pa = s.at[cipher[i]];
        const unsigned pb = s.at[cipher[i + 1]];
        const unsigned ra = pa / 5, ca = pa % 5, rb = pb / 5, cb = pb % 5;
        unsigned qa, qb;
        if (ra == rb) {
            qa = ra * 5 + previous[ca];
            qb = rb * 5 + previous[cb];
        } else if (ca == cb) {
            qa = previous[ra] * 5u + ca;
            qb = previous[rb] * 5u + cb;
        } else {
            qa = ra * 5 + cb;
            qb = rb * 5 + ca;
        }
        out[i] = azOf[s.cell[qa]];
        out[i + 1] = azOf[s.cell[qb]];
    }
}

} // namespace

std::string PlayfairSearch::Decrypt(const PlayfairCodeSquare& square) const
{
    std::vector<std::uint8_t> codes(m_cipher.size());
    decryptCodes(m_cipher, square, codes.data());
    std::string letters(codes.size(), ' ');
    for (std::size_t i = 0; i < codes.size(); ++i) {
        letters[i] = static_cast<char>('A' + codes[i]);
    }
    return letters;
}

double PlayfairSearch::Score(const PlayfairCodeSquare& square)
{
    decryptCodes(m_cipher, square, m_plain.data());
    const std::uint8_t* p = m_plain.data();
    float sum = 0;
    for (std::size_t i = 0; i + 3 < m_plain.size(); ++i) {
        sum += m_quadgrams[((p[i] * 26u + p[i + 1]) * 26u + p[i + 2]) * 26u + p[i + 3]];
    }
    return sum;
}

PlayfairSearch::Found PlayfairSearch::Anneal(const PlayfairCodeSquare& start, std::uint64_t seed, std::size_t steps,
                                             double startTemperature, const std::function<bool()>& stopped)
{
    SearchRandom random(seed);
    PlayfairCodeSquare current = start;
    double currentScore = Score(current);
    Found best{current, currentScore};
    for (std::size_t step = 0; step < steps; ++step) {
        if ((step & 63) == 0 && stopped()) { // each step rescores: often enough on a long text
            break;
        }
        const double temperature = startTemperature * static_cast<double>(steps - step) / static_cast<double>(steps);
        PlayfairCodeSquare next = current;
        mutate(next, random);
        const double nextScore = Score(next);
        const double gain = nextScore - currentScore;
        if (gain >= 0 || random.unit() < std::exp(gain / temperature)) {
            current = next;
            currentScore = nextScore;
            if (currentScore > best.score) {
                best = {current, currentScore};
            }
        }
    }
    return best;
}

PlayfairKeyedForm PlayfairKeyedFormOf(std::string_view square)
{
    PlayfairKeyedForm form{std::string(square), {}};
    std::size_t shortest = 26;
    for (int transpose = 0; transpose < 2; ++transpose) {
        for (int dr = 0; dr < 5; ++dr) {
            for (int dc = 0; dc < 5; ++dc) {
                std::string turned(25, ' ');
                for (int r = 0; r < 5; ++r) {
                    for (int c = 0; c < 5; ++c) {
                        const int sr = (r + dr) % 5, sc = (c + dc) % 5;
                        turned[static_cast<std::size_t>(r * 5 + c)] =
                            square[static_cast<std::size_t>(transpose != 0 ? sc * 5 + sr : sr * 5 + sc)];
                    }
                }
                const std::optional<std::size_t> length = KeywordLengthOf(turned, PlayfairAlphabet);
                if (length && *length < shortest) {
                    shortest = *length;
                    form = {turned, turned.substr(0, *length)};
                }
            }
        }
    }
    return form;
}

std::vector<std::string> KeywordCandidates(const LanguageModel& model)
{
    std::vector<std::string> keywords;
    std::unordered_set<std::string> seen;
    auto add = [&](std::string_view word) {
        std::string letters = AsciiLettersUpper(word);
        if (!letters.empty() && seen.insert(letters).second) {
            keywords.push_back(std::move(letters));
        }
    };
    for (const LanguageModel::Word& word : model.Words()) {
        add(word.text);
    }
    return keywords;
}

std::optional<std::size_t> KeywordLengthOf(std::string_view arrangement, std::string_view base)
{
    // A keyword ends at least eight letters before the end: any arrangement is "keyed" by nearly all of itself.
    for (std::size_t length = 0; length + 8 <= arrangement.size(); ++length) {
        if (KeyedAlphabet(arrangement.substr(0, length), base) == arrangement) {
            return length;
        }
    }
    return std::nullopt;
}

ScoreScale::ScoreScale(const LanguageModel& model)
{
    const float* table = model.QuadgramTable();
    double weight = 0;
    for (std::size_t q = 0; q < 26 * 26 * 26 * 26; ++q) {
        const double p = std::pow(10.0, table[q]);
        english += p * table[q];
        weight += p;
        random += table[q];
    }
    english /= weight;
    random /= 26 * 26 * 26 * 26;
}
