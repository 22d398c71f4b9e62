#include "QuagmireSearch.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "Alphabet.h"
#include "LanguageModel.h"
#include "PlayfairSearch.h"
#include "SearchRunner.h"
#include "SolveText.h"

namespace {

using Histogram = QuagmireSearch::Histogram;

// The shift s that best lays histogram column (read at y + s) over total.
int bestShift(const Histogram& total, const Histogram& column)
{
    int best = 0;
    long bestSum = -1;
    for (int s = 0; s < 26; ++s) {
        long sum = 0;
        for (int y = 0; y < 26; ++y) {
            sum +=
                static_cast<long>(total[static_cast<std::size_t>(y)]) * column[static_cast<std::size_t>((y + s) % 26)];
        }
        if (sum > bestSum) {
            bestSum = sum;
            best = s;
        }
    }
    return best;
}

void addShifted(Histogram& total, const Histogram& column, int shift, int sign)
{
    for (int y = 0; y < 26; ++y) {
        total[static_cast<std::size_t>(y)] += sign * column[static_cast<std::size_t>((y + shift) % 26)];
    }
}

double scoreWith(const std::vector<std::uint8_t>& text, const std::array<std::uint8_t, 26>& key, const float* quad)
{
    float sum = 0;
    for (std::size_t i = 0; i + 3 < text.size(); ++i) {
        sum += quad[((key[text[i]] * 26u + key[text[i + 1]]) * 26u + key[text[i + 2]]) * 26u + key[text[i + 3]]];
    }
    return sum;
}

// The keyed alphabet of keyword (distinct letter codes) in codes.
QuagmireSearch::Alphabet keyedCodes(const std::vector<std::uint8_t>& keyword)
{
    QuagmireSearch::Alphabet alphabet{};
    std::array<bool, 26> used{};
    std::size_t n = 0;
    for (std::uint8_t c : keyword) {
        alphabet[n++] = c;
        used[c] = true;
    }
    for (std::uint8_t c = 0; c < 26; ++c) {
        if (!used[c]) {
            alphabet[n++] = c;
        }
    }
    return alphabet;
}

// Annealing over keyword edits (a letter put in, taken out or replaced, two letters swapped) from a random
// keyword of four to eight letters, each keyed alphabet valued by fitness; the best alphabet met and its value.
// stopped, when given, is asked every stepsBetweenChecks steps (fewer where a step scores the whole text) and ends
// the climb early.
TableClimb annealKeyword(const std::function<double(const QuagmireSearch::Alphabet&)>& fitness, std::uint64_t seed,
                         int steps, double startTemperature, const std::function<bool()>& stopped = {},
                         int stepsBetweenChecks = 4096)
{
    constexpr std::size_t longestKeyword = 12;
    SearchRandom random(seed);
    const auto unusedLetter = [&](const std::vector<std::uint8_t>& keyword) {
        for (;;) {
            const auto c = static_cast<std::uint8_t>(random.below(26));
            if (std::find(keyword.begin(), keyword.end(), c) == keyword.end()) {
                return c;
            }
        }
    };
    std::vector<std::uint8_t> keyword;
    for (std::size_t n = 4 + random.below(5); keyword.size() < n;) {
        keyword.push_back(unusedLetter(keyword));
    }
    double current = fitness(keyedCodes(keyword));
    TableClimb best{keyedCodes(keyword), current};
    for (int step = 0; step < steps; ++step) {
        if (stopped && step % stepsBetweenChecks == 0 && stopped()) {
            break;
        }
        const double temperature = startTemperature * (1.0 - static_cast<double>(step) / steps);
        std::vector<std::uint8_t> trial = keyword;
        const unsigned move = random.below(4);
        if ((move == 0 || trial.empty()) && trial.size() < longestKeyword) {
            trial.insert(trial.begin() + random.below(static_cast<unsigned>(trial.size() + 1)), unusedLetter(trial));
        } else if (move == 1 && trial.size() > 1) {
            trial.erase(trial.begin() + random.below(static_cast<unsigned>(trial.size())));
        } else if (move == 2 && trial.size() >= 2) {
            std::swap(trial[random.below(static_cast<unsigned>(trial.size()))],
                      trial[random.below(static_cast<unsigned>(trial.size()))]);
        } else {
            trial[random.below(static_cast<unsigned>(trial.size()))] = unusedLetter(trial);
        }
        const QuagmireSearch::Alphabet alphabet = keyedCodes(trial);
        const double value = fitness(alphabet);
        if (value >= current || random.unit() < std::exp((value - current) / temperature)) {
            keyword = std::move(trial);
            current = value;
            if (current > best.score) {
                best = {alphabet, current};
            }
        }
    }
    return best;
}

// The natural logarithms of English letter frequencies (per mille), A to Z.
const std::array<double, 26>& englishLogFrequency()
{
    static const std::array<double, 26> logFrequency = [] {
        constexpr std::array<double, 26> english{82, 15, 28, 43, 127, 22, 20, 61, 70, 2,  8, 40, 24,
                                                 67, 75, 19, 1,  60,  63, 91, 28, 10, 24, 2, 20, 1};
        std::array<double, 26> logs{};
        for (std::size_t c = 0; c < 26; ++c) {
            logs[c] = std::log(english[c]);
        }
        return logs;
    }();
    return logFrequency;
}

} // namespace

QuagmireSearch::QuagmireSearch(std::string_view ciphertext)
{
    for (const char c : AsciiLettersUpper(ciphertext)) {
        m_cipher.push_back(static_cast<std::uint8_t>(c - 'A'));
    }
}

double QuagmireSearch::ColumnCoincidence(std::size_t period) const
{
    return MeanColumnCoincidence(m_cipher, period);
}

std::vector<QuagmireSearch::Histogram> QuagmireSearch::Columns(std::size_t period) const
{
    std::vector<Histogram> columns(period, Histogram{});
    for (std::size_t k = 0; k < m_cipher.size(); ++k) {
        ++columns[k % period][m_cipher[k]];
    }
    return columns;
}

QuagmireSearch::Alignment QuagmireSearch::Align(const Alphabet& C, const std::vector<Histogram>& letterColumns,
                                                bool everyStart)
{
    // Column counts by position in C.
    const std::size_t period = letterColumns.size();
    std::vector<Histogram> columns(period);
    int size = 0;
    for (std::size_t i = 0; i < period; ++i) {
        for (std::size_t x = 0; x < 26; ++x) {
            columns[i][x] = letterColumns[i][C[x]];
            size += columns[i][x];
        }
    }
    // The columns laid one by one over the total from column first on, then each laid again over the others.
    const auto alignFrom = [&](std::size_t first, std::vector<int>& shifts) {
        shifts.assign(period, 0);
        Histogram total = columns[first];
        for (std::size_t n = 1; n < period; ++n) {
            const std::size_t i = (first + n) % period;
            shifts[i] = bestShift(total, columns[i]);
            addShifted(total, columns[i], shifts[i], 1);
        }
        // One pass again, or (every start) passes until no shift moves (a few at most: ties could swing).
        bool moved = true;
        for (int pass = 0; moved && pass < 6; ++pass) {
            moved = false;
            for (std::size_t n = 1; n < period; ++n) {
                const std::size_t i = (first + n) % period;
                const int was = shifts[i];
                addShifted(total, columns[i], was, -1);
                shifts[i] = bestShift(total, columns[i]);
                addShifted(total, columns[i], shifts[i], 1);
                moved = everyStart && (moved || shifts[i] != was);
            }
        }
        long pairs = 0;
        for (int count : total) {
            pairs += static_cast<long>(count) * (count - 1);
        }
        return pairs;
    };
    // The greedy alignment can lock in a wrong shift of an early column; every column as the first one finds the
    // frequencies' best fit far more often.
    Alignment alignment;
    long bestPairs = alignFrom(0, alignment.shifts);
    std::vector<int> shifts;
    for (std::size_t first = 1; everyStart && first < period; ++first) {
        const long pairs = alignFrom(first, shifts);
        if (pairs > bestPairs) {
            bestPairs = pairs;
            for (std::size_t i = 0; i < period; ++i) {
                alignment.shifts[i] = (shifts[i] - shifts[0] + 26) % 26;
            }
        }
    }
    const double n = size;
    alignment.coincidence = n > 1 ? static_cast<double>(bestPairs) / (n * (n - 1)) : 0;
    return alignment;
}

std::vector<std::uint8_t> QuagmireSearch::Aligned(const Alphabet& C, const std::vector<int>& shifts) const
{
    std::array<int, 26> position{};
    for (std::size_t x = 0; x < 26; ++x) {
        position[C[x]] = static_cast<int>(x);
    }
    std::vector<std::uint8_t> aligned(m_cipher.size());
    for (std::size_t k = 0; k < m_cipher.size(); ++k) {
        aligned[k] = static_cast<std::uint8_t>((position[m_cipher[k]] - shifts[k % shifts.size()] + 26) % 26);
    }
    return aligned;
}

long QuagmireSearch::PairCoincidence(const Alphabet& C, const std::vector<int>& shifts) const
{
    const std::vector<std::uint8_t> aligned = Aligned(C, shifts);
    std::array<int, 26 * 26> pairs{};
    for (std::size_t k = 0; k + 1 < aligned.size(); ++k) {
        ++pairs[aligned[k] * 26u + aligned[k + 1]];
    }
    long sum = 0;
    for (int count : pairs) {
        sum += static_cast<long>(count) * (count - 1);
    }
    return sum;
}

SubstitutionBreak BreakSubstitution(const std::vector<std::uint8_t>& text, const LanguageModel& model,
                                    std::uint64_t seed, int restarts,
                                    const std::optional<std::array<std::uint8_t, 26>>& start,
                                    const std::function<bool()>& stopped)
{
    const float* quad = model.QuadgramTable();
    // First guess: the text's letters by frequency onto English letters by frequency.
    constexpr std::string_view english = "ETAOINSHRDLCUMWFGYPBVKJXQZ";
    std::array<int, 26> counts{};
    for (std::uint8_t y : text) {
        ++counts[y];
    }
    std::array<std::uint8_t, 26> byCount{};
    for (std::size_t y = 0; y < 26; ++y) {
        byCount[y] = static_cast<std::uint8_t>(y);
    }
    std::stable_sort(byCount.begin(), byCount.end(),
                     [&](std::uint8_t a, std::uint8_t b) { return counts[a] > counts[b]; });
    SubstitutionBreak best;
    for (std::size_t i = 0; i < 26; ++i) {
        best.key[byCount[i]] = static_cast<std::uint8_t>(english[i] - 'A');
    }
    if (start) {
        best.key = *start;
    }
    best.score = scoreWith(text, best.key, quad);
    std::mt19937_64 random(seed);
    for (int restart = 0; restart < restarts && (restart == 0 || !stopped || !stopped()); ++restart) {
        // Restarts climb in turn from a random key and from the best key so far shaken by a few random swaps.
        SubstitutionBreak current = best;
        if (restart % 2 == 1) {
            std::shuffle(current.key.begin(), current.key.end(), random);
        }
        for (int shake = 0; restart > 0 && restart % 2 == 0 && shake < 3 + restart % 5; ++shake) {
            std::swap(current.key[random() % 26], current.key[random() % 26]);
        }
        current.score = scoreWith(text, current.key, quad);
        for (bool improved = true; improved;) {
            improved = false;
            for (std::size_t a = 0; a < 25; ++a) {
                for (std::size_t b = a + 1; b < 26; ++b) {
                    std::swap(current.key[a], current.key[b]);
                    const double score = scoreWith(text, current.key, quad);
                    if (score > current.score) {
                        current.score = score;
                        improved = true;
                    } else {
                        std::swap(current.key[a], current.key[b]);
                    }
                }
            }
        }
        if (current.score > best.score) {
            best = current;
        }
    }
    return best;
}

KeyedRotation KeyedRotationOf(std::string_view alphabet)
{
    KeyedRotation found;
    std::size_t shortest = 27;
    for (int turn = 0; turn < 26; ++turn) {
        const std::string turned = RotateLeft(alphabet, static_cast<std::size_t>(turn));
        const std::optional<std::size_t> length = KeywordLengthOf(turned, StandardAlphabet);
        if (length && *length < shortest) {
            shortest = *length;
            found = {turned.substr(0, *length), turn};
        }
    }
    return found;
}

std::string KeywordMaking(std::string_view alphabet, const KeyedRotation& form)
{
    return form.turn >= 0 ? form.keyword : std::string(alphabet);
}

double SubstitutionScore(const std::vector<std::uint8_t>& text, const std::array<std::uint8_t, 26>& key,
                         const LanguageModel& model)
{
    return scoreWith(text, key, model.QuadgramTable());
}

KeywordClimb ClimbCipherKeyword(const QuagmireSearch& search, std::size_t period, std::uint64_t seed, int restarts,
                                const std::function<bool()>& stopped)
{
    constexpr int stepsBetweenChecks = 16; // each step counts the pairs of the whole text
    constexpr std::size_t longestKeyword = 14;
    constexpr int steps = 4000;
    constexpr double annealStart = 10;
    std::mt19937_64 random(seed);
    KeywordClimb best;
    best.coincidence = -1;
    const std::vector<QuagmireSearch::Histogram> columns = search.Columns(period);
    const auto fitness = [&](const std::vector<std::uint8_t>& keyword) {
        const QuagmireSearch::Alphabet alphabet = keyedCodes(keyword);
        return static_cast<double>(search.PairCoincidence(alphabet, QuagmireSearch::Align(alphabet, columns).shifts));
    };
    const auto unusedLetter = [&](const std::vector<std::uint8_t>& keyword) {
        for (;;) {
            const auto c = static_cast<std::uint8_t>(random() % 26);
            if (std::find(keyword.begin(), keyword.end(), c) == keyword.end()) {
                return c;
            }
        }
    };
    const double scale = static_cast<double>(search.Size()) / 300.0;
    for (int restart = 0; restart < restarts; ++restart) {
        std::vector<std::uint8_t> keyword;
        if (restart % 2 == 1) {
            for (std::size_t n = 3 + random() % 6; keyword.size() < n;) {
                keyword.push_back(unusedLetter(keyword));
            }
        }
        double current = fitness(keyword);
        std::vector<std::uint8_t> bestHere = keyword;
        double bestHereFit = current;
        // Annealing over single-letter edits: a letter put in, taken out or replaced, two letters swapped.
        for (int step = 0; step < steps; ++step) {
            if (stopped && step % stepsBetweenChecks == 0 && stopped()) {
                break;
            }
            const double temperature = annealStart * scale * (1.0 - static_cast<double>(step) / steps);
            std::vector<std::uint8_t> trial = keyword;
            const unsigned move = static_cast<unsigned>(random() % 4);
            if ((move == 0 || trial.empty()) && trial.size() < longestKeyword) {
                trial.insert(trial.begin() + static_cast<long>(random() % (trial.size() + 1)), unusedLetter(trial));
            } else if (move == 1 && !trial.empty()) {
                trial.erase(trial.begin() + static_cast<long>(random() % trial.size()));
            } else if (move == 2 && trial.size() >= 2) {
                std::swap(trial[random() % trial.size()], trial[random() % trial.size()]);
            } else if (!trial.empty()) {
                trial[random() % trial.size()] = unusedLetter(trial);
            }
            const double value = fitness(trial);
            if (value >= current || (temperature > 0 && std::uniform_real_distribution<double>(0, 1)(random) <
                                                            std::exp((value - current) / temperature))) {
                keyword = std::move(trial);
                current = value;
                if (current > bestHereFit) {
                    bestHereFit = current;
                    bestHere = keyword;
                }
            }
        }
        if (bestHereFit > best.coincidence) {
            best.coincidence = bestHereFit;
            best.alphabet = keyedCodes(bestHere);
            best.keyword.clear();
            for (std::uint8_t c : bestHere) {
                best.keyword += static_cast<char>('A' + c);
            }
        }
    }
    return best;
}

TableClimb ClimbTableKeyword(const QuagmireSearch& search, std::size_t period, const LanguageModel& model,
                             bool rowIsTable, std::uint64_t seed, int steps, const std::function<bool()>& stopped)
{
    constexpr int stepsBetweenChecks = 16; // each step fits the table to the whole text
    constexpr double tableTemperature = 10;
    const std::vector<QuagmireSearch::Histogram> columns = search.Columns(period);
    const QuagmireSearch::Alphabet straight = keyedCodes({});
    const auto fitness = [&](const QuagmireSearch::Alphabet& alphabet) {
        return FitTable(search, alphabet, rowIsTable ? alphabet : straight, columns, model).score;
    };
    return annealKeyword(fitness, seed, steps, tableTemperature * static_cast<double>(search.Size()) / 300.0, stopped,
                         stepsBetweenChecks);
}

TableClimb ClimbSelfKeyedTable(const QuagmireSearch& search, std::size_t period, std::uint64_t seed, int steps,
                               const std::function<bool()>& stopped)
{
    constexpr double frequencyTemperature = 6;
    const std::vector<QuagmireSearch::Histogram> columns = search.Columns(period);
    const auto fitness = [&](const QuagmireSearch::Alphabet& alphabet) {
        return FrequencyFit(alphabet, alphabet, columns).fit;
    };
    return annealKeyword(fitness, seed, steps, frequencyTemperature * static_cast<double>(search.Size()) / 300.0,
                         stopped);
}

TableState ClimbTable(const QuagmireSearch& search, const LanguageModel& model, const TableState& start, RowRule rule,
                      const std::function<bool()>& stopped)
{
    const auto stop = [&] { return stopped && stopped(); };
    const float* quad = model.QuadgramTable();
    const std::vector<std::uint8_t>& cipher = search.Letters();
    const std::size_t period = start.shifts.size();
    std::vector<std::uint8_t> plain(cipher.size());
    std::vector<std::array<std::uint8_t, 26>> readAs(period);
    std::array<std::uint8_t, 26> same{};
    for (std::size_t c = 0; c < 26; ++c) {
        same[c] = static_cast<std::uint8_t>(c);
    }
    const auto evaluate = [&](TableState& state) {
        std::array<std::uint8_t, 26> position{};
        for (std::size_t x = 0; x < 26; ++x) {
            position[state.table[x]] = static_cast<std::uint8_t>(x);
        }
        for (std::size_t j = 0; j < period; ++j) {
            for (std::size_t c = 0; c < 26; ++c) {
                readAs[j][c] = state.row[(position[c] + static_cast<std::size_t>(state.shifts[j])) % 26];
            }
        }
        for (std::size_t k = 0; k < cipher.size(); ++k) {
            plain[k] = readAs[k % period][cipher[k]];
        }
        state.score = scoreWith(plain, same, quad);
    };
    // Climbs state's key row by swaps of two letters, where the rule lets it move; true when any swap helped.
    const auto climbRow = [&](TableState& state) {
        bool any = false;
        if (rule != RowRule::Free) {
            return any;
        }
        for (bool improved = true; improved;) {
            improved = false;
            for (std::size_t a = 0; a < 25; ++a) {
                for (std::size_t b = a + 1; b < 26; ++b) {
                    const double was = state.score;
                    std::swap(state.row[a], state.row[b]);
                    evaluate(state);
                    if (state.score > was + 1e-9) {
                        improved = any = true;
                    } else {
                        std::swap(state.row[a], state.row[b]);
                        state.score = was;
                    }
                }
            }
        }
        return any;
    };
    TableState best = start;
    if (rule == RowRule::SameAsTable) {
        best.row = best.table;
    }
    evaluate(best);
    climbRow(best);
    for (bool improved = true; improved && !stop();) {
        improved = false;
        // A column's shift moved.
        for (std::size_t j = 0; j < period; ++j) {
            for (int shift = 0; shift < 26; ++shift) {
                TableState trial = best;
                trial.shifts[j] = shift;
                evaluate(trial);
                if (trial.score > best.score + 1e-9) {
                    best = trial;
                    improved = true;
                }
            }
        }
        // Two letters of the cipher table swapped, the key row climbed after them: the key of the aligned text
        // has learnt to make up for the misplaced letters, so a swap alone reads worse.
        for (std::size_t a = 0; a < 25; ++a) {
            for (std::size_t b = a + 1; b < 26 && !stop(); ++b) {
                TableState trial = best;
                std::swap(trial.table[a], trial.table[b]);
                if (rule == RowRule::SameAsTable) {
                    trial.row = trial.table;
                }
                evaluate(trial);
                climbRow(trial);
                if (trial.score > best.score + 1e-9) {
                    best = trial;
                    improved = true;
                }
            }
        }
    }
    return best;
}

ColumnsFit FrequencyFit(const QuagmireSearch::Alphabet& C, const QuagmireSearch::Alphabet& R,
                        const std::vector<QuagmireSearch::Histogram>& columns)
{
    const std::array<double, 26>& logFrequency = englishLogFrequency();
    // The log frequency of the letter at each position of R, twice over so that a shifted position needs no wrap.
    std::array<double, 52> rowLog{};
    std::array<std::uint8_t, 26> position{};
    for (std::size_t x = 0; x < 26; ++x) {
        rowLog[x] = rowLog[x + 26] = logFrequency[R[x]];
        position[C[x]] = static_cast<std::uint8_t>(x);
    }
    ColumnsFit fitted;
    fitted.shifts.reserve(columns.size());
    for (const QuagmireSearch::Histogram& column : columns) {
        // The letters the column holds, by their position in C, with their counts.
        std::array<std::pair<std::size_t, double>, 26> held{};
        std::size_t kinds = 0;
        for (std::size_t c = 0; c < 26; ++c) {
            if (column[c] > 0) {
                held[kinds++] = {position[c], column[c]};
            }
        }
        double bestFit = -1e300;
        int bestShift = 0;
        for (std::size_t shift = 0; shift < 26; ++shift) {
            double fit = 0;
            for (std::size_t i = 0; i < kinds; ++i) {
                fit += held[i].second * rowLog[held[i].first + shift];
            }
            if (fit > bestFit) {
                bestFit = fit;
                bestShift = static_cast<int>(shift);
            }
        }
        fitted.shifts.push_back(bestShift);
        fitted.fit += bestFit;
    }
    return fitted;
}

TableState FitTable(const QuagmireSearch& search, const QuagmireSearch::Alphabet& C, const QuagmireSearch::Alphabet& R,
                    const std::vector<QuagmireSearch::Histogram>& columns, const LanguageModel& model)
{
    std::array<std::uint8_t, 26> position{};
    for (std::size_t x = 0; x < 26; ++x) {
        position[C[x]] = static_cast<std::uint8_t>(x);
    }
    TableState table{C, R, FrequencyFit(C, R, columns).shifts, 0};
    const std::vector<std::uint8_t>& cipher = search.Letters();
    std::vector<std::uint8_t> plain(cipher.size());
    for (std::size_t k = 0; k < cipher.size(); ++k) {
        const auto shift = static_cast<std::size_t>(table.shifts[k % columns.size()]);
        plain[k] = R[(position[cipher[k]] + shift) % 26];
    }
    table.score = model.ScoreQuadgrams(plain.data(), plain.size());
    return table;
}

std::vector<NearestKeyed> NearestKeyedRows(const QuagmireSearch::Alphabet& row, const std::array<int, 26>& weight,
                                           int margin)
{
    // Each keyword letter costs as much as three wrong letters: the shortest keyword that nearly fits wins, so a
    // longer keyword that merely copies the row's misplaced rare letters does not.
    constexpr int letterCost = 3;
    constexpr std::size_t longestKeyword = 18;
    constexpr int unreachable = 1 << 29;
    std::vector<std::pair<int, NearestKeyed>> fits;
    int bestCost = unreachable;
    for (std::size_t turn = 0; turn < 26; ++turn) {
        // The row read from turn: letter r[i] at position i, weighing w[i]; where each letter stands.
        std::array<std::uint8_t, 26> r{};
        std::array<int, 26> w{};
        std::array<std::size_t, 26> at{};
        for (std::size_t i = 0; i < 26; ++i) {
            r[i] = row[(turn + i) % 26];
            w[i] = weight[(turn + i) % 26];
            at[r[i]] = i;
        }
        for (std::size_t length = 0; length <= longestKeyword; ++length) {
            // Letters A to Z in turn go to the tail (at its next place) or to the keyword. A letter that leaves a
            // keyword place for the tail costs that place's weight (another letter must fill it); a letter landing
            // on a tail place the row holds otherwise costs that place's weight. cost[n][c]: the first n letters
            // decided, c of them in the tail.
            std::array<std::array<int, 27>, 27> cost;
            for (auto& line : cost) {
                line.fill(unreachable);
            }
            cost[0][0] = 0;
            const std::size_t tailSize = 26 - length;
            for (std::uint8_t letter = 0; letter < 26; ++letter) {
                const int leaving = at[letter] < length ? w[at[letter]] : 0;
                for (std::size_t c = 0; c <= tailSize; ++c) {
                    const int was = cost[letter][c];
                    if (was == unreachable) {
                        continue;
                    }
                    cost[letter + 1u][c] = std::min(cost[letter + 1u][c], was);
                    if (c < tailSize) {
                        const std::size_t place = length + c;
                        const int landing = r[place] != letter ? w[place] : 0;
                        cost[letter + 1u][c + 1] = std::min(cost[letter + 1u][c + 1], was + leaving + landing);
                    }
                }
            }
            const int total = cost[26][tailSize] + letterCost * static_cast<int>(length);
            if (total > bestCost + margin) {
                continue;
            }
            bestCost = std::min(bestCost, total);
            // Back through the table: which letters went to the tail.
            std::array<bool, 26> inTail{};
            for (std::size_t letter = 26, c = tailSize; letter > 0; --letter) {
                if (cost[letter][c] != cost[letter - 1][c]) {
                    inTail[letter - 1] = true;
                    --c;
                }
            }
            std::array<std::uint8_t, 26> fitted{};
            std::vector<std::uint8_t> fillers;
            std::size_t place = length;
            for (std::uint8_t letter = 0; letter < 26; ++letter) {
                if (inTail[letter]) {
                    fitted[place++] = letter;
                } else if (at[letter] >= length) {
                    fillers.push_back(letter);
                }
            }
            NearestKeyed fit{{}, cost[26][tailSize], {}, total};
            for (std::size_t i = 0, next = 0; i < length; ++i) {
                fitted[i] = inTail[r[i]] ? fillers[next++] : r[i];
                if (inTail[r[i]]) {
                    fit.filled.push_back((turn + i) % 26);
                }
            }
            for (std::size_t i = 0; i < 26; ++i) {
                fit.row[(turn + i) % 26] = fitted[i];
            }
            fits.emplace_back(total, std::move(fit));
        }
    }
    // The fits within margin of the best, cheapest first, each row once.
    std::stable_sort(fits.begin(), fits.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<NearestKeyed> nearest;
    for (auto& entry : fits) {
        NearestKeyed& fit = entry.second;
        const bool seen = std::any_of(nearest.begin(), nearest.end(),
                                      [&](const NearestKeyed& other) { return other.row == fit.row; });
        if (entry.first <= bestCost + margin && !seen) {
            nearest.push_back(std::move(fit));
        }
    }
    return nearest;
}
