#include "SolveQuagmire.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <tuple>
#include <unordered_map>

#include "Alphabet.h"
#include "LanguageModel.h"
#include "PlayfairSearch.h"
#include "QuagmireSearch.h"
#include "SearchRunner.h"
#include "SolveText.h"
#include "SolveVigenere.h"

namespace {

using Clock = std::chrono::steady_clock;
using Alphabet = QuagmireSearch::Alphabet;

constexpr double defaultSeconds = 30;
constexpr auto longestPeriod = static_cast<std::size_t>(LongestQuagmirePeriod);
constexpr std::size_t rankedAlphabets = 160;
constexpr std::size_t fullyBroken = 3;
constexpr std::size_t polished = 2;
constexpr double solvedLevel = 0.9;

Alphabet codesOf(std::string_view letters)
{
    Alphabet codes{};
    for (std::size_t i = 0; i < 26; ++i) {
        codes[i] = static_cast<std::uint8_t>(letters[i] - 'A');
    }
    return codes;
}

std::string lettersOf(const Alphabet& codes)
{
    std::string letters(26, ' ');
    for (std::size_t i = 0; i < 26; ++i) {
        letters[i] = static_cast<char>('A' + codes[i]);
    }
    return letters;
}

// Runs part(0) to part(threads - 1) at once, part 0 on the calling thread; returns when every part is done.
void runParts(unsigned threads, const std::function<void(unsigned)>& part)
{
    std::vector<std::jthread> pool;
    for (unsigned index = 1; index < threads; ++index) {
        pool.emplace_back(part, index);
    }
    part(0);
}

// Periods to try, most likely first: those whose columns look nearly as English as the best period's, shortest
// first (a multiple of the period looks as good, and an indicator with a repeated letter makes a shorter period
// look half right), then the rest by their columns' coincidence.
std::vector<std::size_t> candidatePeriods(const QuagmireSearch& search)
{
    std::vector<std::pair<double, std::size_t>> byCoincidence;
    double best = 0;
    for (std::size_t period = 1; period <= longestPeriod && period * 4 <= search.Size(); ++period) {
        byCoincidence.emplace_back(search.ColumnCoincidence(period), period);
        best = std::max(best, byCoincidence.back().first);
    }
    std::vector<std::size_t> periods;
    for (const auto& [coincidence, period] : byCoincidence) {
        if (coincidence >= 0.92 * best) {
            periods.push_back(period);
        }
    }
    std::stable_sort(byCoincidence.begin(), byCoincidence.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& entry : byCoincidence) {
        if (std::find(periods.begin(), periods.end(), entry.second) == periods.end()) {
            periods.push_back(entry.second);
        }
    }
    return periods;
}

// The cipher alphabets to try: the straight alphabet and every keyed alphabet of the candidate keywords, with the
// first keyword that builds each.
struct KeyedAlphabets
{
    std::vector<Alphabet> alphabets;
    std::unordered_map<std::string, std::string> keywordOf;
};

KeyedAlphabets keyedAlphabets(const LanguageModel& model)
{
    KeyedAlphabets keyed;
    keyed.alphabets.push_back(codesOf(StandardAlphabet));
    keyed.keywordOf.emplace(StandardAlphabet, "");
    for (const std::string& keyword : KeywordCandidates(model)) {
        std::string alphabet = KeyedAlphabet(keyword, StandardAlphabet);
        if (keyed.keywordOf.emplace(alphabet, keyword).second) {
            keyed.alphabets.push_back(codesOf(alphabet));
        }
    }
    return keyed;
}

// How many alphabets a pass over the word list's keyed alphabets reads between two looks at the clock.
constexpr std::size_t alphabetsBetweenChecks = 512;

// Runs visit(part, i) for every index i below count, spread over the threads (part takes every threads-th index
// from its own); each part looks at stopped every alphabetsBetweenChecks indexes and ends early when it says so.
void forEachAlphabet(unsigned threads, std::size_t count, const std::function<bool()>& stopped,
                     const std::function<void(unsigned, std::size_t)>& visit)
{
    runParts(threads, [&](unsigned part) {
        for (std::size_t i = part; i < count; i += threads) {
            if ((i / threads) % alphabetsBetweenChecks == 0 && stopped()) {
                return;
            }
            visit(part, i);
        }
    });
}

// The cipher alphabets under which the columns align best, best first: aligned by their letter counts, ranked by
// how often letter pairs repeat in the aligned text. The pass over them ends early, with the best so far, when
// stopped says so.
std::vector<Alphabet> rankAlphabets(const QuagmireSearch& search, const std::vector<Alphabet>& alphabets,
                                    std::size_t period, unsigned threads, const std::function<bool()>& stopped)
{
    const std::vector<QuagmireSearch::Histogram> columns = search.Columns(period);
    using Ranked = std::vector<std::pair<double, std::size_t>>;
    // Higher coincidence first, the earlier alphabet on a tie: one order for every part, so the best of all is the
    // same however the alphabets were shared among the threads.
    const auto before = [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    };
    std::vector<Ranked> parts(threads);
    forEachAlphabet(threads, alphabets.size(), stopped, [&](unsigned part, std::size_t i) {
        Ranked& best = parts[part];
        const QuagmireSearch::Alignment alignment = QuagmireSearch::Align(alphabets[i], columns, true);
        const std::pair<double, std::size_t> entry{search.PairCoincidence(alphabets[i], alignment.shifts), i};
        if (best.size() < rankedAlphabets || before(entry, best.back())) {
            best.push_back(entry);
            std::sort(best.begin(), best.end(), before);
            best.resize(std::min(best.size(), rankedAlphabets));
        }
    });
    Ranked all;
    for (const Ranked& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    std::sort(all.begin(), all.end(), before);
    std::vector<Alphabet> ranked;
    for (std::size_t i = 0; i < std::min(all.size(), rankedAlphabets); ++i) {
        ranked.push_back(alphabets[all[i].second]);
    }
    return ranked;
}

// Cipher alphabets climbed for the columns of one period without the word list (for keywords it lacks): a fixed
// number of climbs spread over the threads, each seeded by its index, so the result does not depend on the cores.
// The quadgram climbs for a straight key row come first (they find the table or nothing), then the climbs by
// pair coincidence for any key row.
std::vector<Alphabet> climbedAlphabets(const QuagmireSearch& search, std::size_t period, const LanguageModel& model,
                                       std::uint64_t seed, unsigned threads, const std::function<bool()>& stopped)
{
    constexpr std::size_t tableClimbs = 4;
    constexpr int tableSteps = 6000;
    constexpr std::size_t pairClimbs = 8;
    constexpr int restartsPerClimb = 2;
    std::vector<Alphabet> found(tableClimbs + pairClimbs);
    std::vector<double> tableScores(tableClimbs);
    auto climb = [&](unsigned part) {
        for (std::size_t i = part; i < found.size(); i += threads) {
            if (i < tableClimbs) {
                const TableClimb table =
                    ClimbTableKeyword(search, period, model, false, RestartSeed(seed, i), tableSteps, stopped);
                found[i] = table.alphabet;
                tableScores[i] = table.score;
            } else {
                found[i] = ClimbCipherKeyword(search, period, RestartSeed(seed, i), restartsPerClimb, stopped).alphabet;
            }
        }
    };
    runParts(threads, climb);
    // The best table climb first.
    const auto best = std::max_element(tableScores.begin(), tableScores.end()) - tableScores.begin();
    std::swap(found[0], found[static_cast<std::size_t>(best)]);
    return found;
}

// Cipher tables of a Quagmire III climbed by letter frequencies (ClimbSelfKeyedTable), for keywords that neither
// the word list nor the climbs by pair coincidence find: a fixed number of climbs spread over the threads, each
// seeded by its index. The climbs end early when stopped says so (the time is up or the search is cancelled).
std::vector<Alphabet> selfKeyedAlphabets(const QuagmireSearch& search, std::size_t period, std::uint64_t seed,
                                         unsigned threads, const std::function<bool()>& stopped)
{
    constexpr std::size_t climbs = 16;
    constexpr std::size_t firstSeed = 12; // after the seeds of climbedAlphabets()
    constexpr int steps = 300000;
    std::vector<Alphabet> found(climbs);
    runParts(threads, [&](unsigned part) {
        for (std::size_t i = part; i < found.size(); i += threads) {
            found[i] = ClimbSelfKeyedTable(search, period, RestartSeed(seed, firstSeed + i), steps, stopped).alphabet;
        }
    });
    return found;
}

// Moves each column's shift to the one that scores best under the key; true when any moved.
bool refineShifts(std::vector<int>& shifts, const QuagmireSearch& search, const Alphabet& cipherAlphabet,
                  SubstitutionBreak& broken, const LanguageModel& model)
{
    bool moved = false;
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 1; i < shifts.size(); ++i) {
            const int was = shifts[i];
            int bestShift = was;
            for (int shift = 0; shift < 26; ++shift) {
                shifts[i] = shift;
                const double score = SubstitutionScore(search.Aligned(cipherAlphabet, shifts), broken.key, model);
                if (score > broken.score) {
                    broken.score = score;
                    bestShift = shift;
                }
            }
            shifts[i] = bestShift;
            moved = moved || bestShift != was;
        }
    }
    return moved;
}

struct Attempt
{
    Alphabet cipherAlphabet{};
    std::vector<int> shifts;
    Alphabet key{}; // aligned letter -> plaintext letter
    double score = 0;
    std::string plaintext;
};

// The letters a fit moved into the keyword, in the order that reads best (ZERO, not QERO), and its score.
std::pair<double, Alphabet> bestFilling(const NearestKeyed& fit, const std::vector<std::uint8_t>& aligned,
                                        const LanguageModel& model)
{
    constexpr std::size_t mostOrdered = 5;
    std::vector<std::uint8_t> moved;
    for (std::size_t y : fit.filled) {
        moved.push_back(fit.row[y]);
    }
    std::sort(moved.begin(), moved.end());
    std::pair<double, Alphabet> best{-1e300, fit.row};
    Alphabet tried = fit.row;
    std::vector<std::uint8_t> codes(aligned.size());
    do {
        for (std::size_t i = 0; i < moved.size(); ++i) {
            tried[fit.filled[i]] = moved[i];
        }
        for (std::size_t k = 0; k < aligned.size(); ++k) {
            codes[k] = tried[aligned[k]];
        }
        const double score = model.ScoreQuadgrams(codes.data(), codes.size());
        if (score > best.first) {
            best = {score, tried};
        }
    } while (moved.size() <= mostOrdered && std::next_permutation(moved.begin(), moved.end()));
    return best;
}

// The key row is a keyed alphabet, so letters that the text uses rarely or never are put right by the keyed
// alphabet of a keyword that agrees with the key found on every letter but a few rare ones (quadgrams cannot tell
// a single V from a Z). The aligned text's letters decide which positions count.
void snapKeyRow(Attempt& attempt, const std::vector<Alphabet>& alphabets, const QuagmireSearch& search,
                const LanguageModel& model)
{
    const std::vector<std::uint8_t> aligned = search.Aligned(attempt.cipherAlphabet, attempt.shifts);
    std::array<int, 26> counts{};
    for (std::uint8_t y : aligned) {
        ++counts[y];
    }
    // Up to one letter in twenty-five may be put right: a keyed alphabet that fits every frequent letter is the
    // key, even where the quadgrams prefer other rare letters (a Q not followed by U, say).
    const int rareLetters = std::max(4, static_cast<int>(aligned.size() / 25));
    int fewest = rareLetters + 1;
    Alphabet best{};
    // The cipher alphabet comes first: a key row is often the cipher table itself.
    for (std::size_t i = 0; i <= alphabets.size(); ++i) {
        const Alphabet& alphabet = i == 0 ? attempt.cipherAlphabet : alphabets[i - 1];
        for (std::size_t turn = 0; turn < 26; ++turn) {
            int wrong = 0;
            for (std::size_t y = 0; y < 26 && wrong < fewest; ++y) {
                if (alphabet[(y + turn) % 26] != attempt.key[y]) {
                    wrong += counts[y];
                }
            }
            if (wrong < fewest) {
                fewest = wrong;
                for (std::size_t y = 0; y < 26; ++y) {
                    best[y] = alphabet[(y + turn) % 26];
                }
            }
        }
    }
    std::vector<NearestKeyed> fits;
    if (fewest <= rareLetters) {
        fits.push_back({best, fewest, {}, fewest});
    } else {
        // No keyword of the list fits: the nearest keyed alphabets of any keyword, the text choosing among those
        // that fit nearly as well (a keyword letter more may be the right one).
        fits = NearestKeyedRows(attempt.key, counts, 3);
    }
    // Each fit weighed by its text less its cost: a rare letter's quadgrams barely tell PIXEL from PIZEL, but a
    // keyword letter more or a misread letter counts against a fit.
    double bestChoice = -1e300;
    double bestScore = 0;
    for (NearestKeyed& fit : fits) {
        if (fit.wrong > rareLetters) {
            continue;
        }
        const auto [score, row] = bestFilling(fit, aligned, model);
        if (score - fit.cost > bestChoice) {
            bestChoice = score - fit.cost;
            bestScore = score;
            best = row;
        }
    }
    if (bestChoice == -1e300 || best == attempt.key) {
        return;
    }
    attempt.key = best;
    attempt.score = bestScore;
    for (std::size_t k = 0; k < aligned.size(); ++k) {
        attempt.plaintext[k] = static_cast<char>('A' + best[aligned[k]]);
    }
}

bool isTurnedStraight(std::string_view alphabet)
{
    for (std::size_t i = 1; i < alphabet.size(); ++i) {
        if ((alphabet[i] - alphabet[i - 1] + 26) % 26 != 1) {
            return false;
        }
    }
    return true;
}

// The key in the maker's terms: the key row turned to its keyword form, the cipher alphabet turned with it (the
// pair turned together decrypts alike), the cipher table in its own keyword form, and the column whose indicator
// is the most frequent word of the model (column 1 when none is a word).
SolveKey keyOf(const Attempt& attempt, const KeyedAlphabets& keyed, const LanguageModel& model)
{
    SolveKey key;
    const KeyedRotation row = KeyedRotationOf(lettersOf(attempt.key));
    const std::size_t turn = row.turn >= 0 ? static_cast<std::size_t>(row.turn) : 0;
    key.keyRow = RotateLeft(lettersOf(attempt.key), turn);
    const std::string cipherTurned = RotateLeft(lettersOf(attempt.cipherAlphabet), turn);
    const KeyedRotation table = KeyedRotationOf(cipherTurned);
    key.cipherTable = table.turn >= 0 ? RotateLeft(cipherTurned, static_cast<std::size_t>(table.turn)) : cipherTurned;
    auto keywordFor = [&](const std::string& alphabet, const KeyedRotation& rotation) {
        const auto word = keyed.keywordOf.find(alphabet);
        return word != keyed.keywordOf.end() ? word->second : KeywordMaking(alphabet, rotation);
    };
    key.keyword = keywordFor(key.keyRow, row);
    key.cipherKeyword = keywordFor(key.cipherTable, table);

    if ((key.keyRow + key.keyRow).find(key.cipherTable) != std::string::npos) {
        key.cipherTable = key.keyRow;
        key.cipherKeyword = key.keyword;
    }
    if (isTurnedStraight(key.cipherTable)) {
        key.form = "quagmire1";
    } else if (isTurnedStraight(key.keyRow)) {
        key.form = "quagmire2";
    } else if (key.keyRow == key.cipherTable) {
        key.form = "quagmire3";
    } else {
        key.form = "quagmire4";
    }
    // Indicator letter i of column col sits at position shift_i + col - 1 of the turned cipher alphabet.
    float bestWord = 0;
    key.column = 0;
    for (int column = 1; column <= 26; ++column) {
        std::string indicator;
        for (int shift : attempt.shifts) {
            indicator += cipherTurned[static_cast<std::size_t>((shift + column - 1) % 26)];
        }
        const std::optional<float> word = model.WordLogProbability(indicator);
        if (key.column == 0 || (word && (bestWord == 0 || *word > bestWord))) {
            if (word || key.column == 0) {
                key.column = column;
                key.indicator = indicator;
                bestWord = word ? *word : 0;
            }
        }
    }
    return key;
}

// A restart's find as a candidate: the cipher alphabet, the key (aligned letter -> plaintext letter) and the
// shifts (as letters A + shift) ride in the key's fields until makerKey() turns them into the maker's terms.
SolveCandidate candidateOf(const Attempt& found, const std::vector<std::uint8_t>& aligned, double quadgrams)
{
    SolveCandidate candidate;
    candidate.plaintext.resize(aligned.size());
    for (std::size_t k = 0; k < aligned.size(); ++k) {
        candidate.plaintext[k] = static_cast<char>('A' + found.key[aligned[k]]);
    }
    candidate.key.cipherTable = lettersOf(found.cipherAlphabet);
    candidate.key.keyRow = lettersOf(found.key);
    for (int shift : found.shifts) {
        candidate.key.indicator += static_cast<char>('A' + shift);
    }
    candidate.score = found.score / quadgrams;
    return candidate;
}

// The restart's find back from a candidate of candidateOf().
Attempt attemptOf(const SolveCandidate& raw, const QuagmireSearch& search)
{
    Attempt attempt;
    attempt.cipherAlphabet = codesOf(raw.key.cipherTable);
    attempt.key = codesOf(raw.key.keyRow);
    for (char shift : raw.key.indicator) {
        attempt.shifts.push_back(shift - 'A');
    }
    attempt.plaintext = raw.plaintext;
    attempt.score = raw.score * static_cast<double>(search.Size() - 3);
    return attempt;
}

SolveCandidate makerKey(const SolveCandidate& raw, const QuagmireSearch& search, const KeyedAlphabets& keyed,
                        const LanguageModel& model)
{
    Attempt attempt = attemptOf(raw, search);
    const double quadgrams = static_cast<double>(search.Size() - 3);
    snapKeyRow(attempt, keyed.alphabets, search, model);
    SolveCandidate candidate;
    candidate.plaintext = attempt.plaintext;
    candidate.key = keyOf(attempt, keyed, model);
    candidate.score = attempt.score / quadgrams;
    return candidate;
}

// A quick break's cipher alphabet and shifts broken with many restarts; a column that the letter counts laid
// wrong spoils its share of the text, so every shift of each column is tried under the key found, and the text
// broken again when one moved. stopped ends the restarts early (the first of each break always runs).
SolveCandidate breakThoroughly(const SolveCandidate& quick, const QuagmireSearch& search, const LanguageModel& model,
                               std::uint64_t seed, const std::function<bool()>& stopped)
{
    Attempt found = attemptOf(quick, search);
    std::vector<std::uint8_t> aligned = search.Aligned(found.cipherAlphabet, found.shifts);
    SubstitutionBreak broken = BreakSubstitution(aligned, model, seed, 12, found.key, stopped);
    if (refineShifts(found.shifts, search, found.cipherAlphabet, broken, model)) {
        aligned = search.Aligned(found.cipherAlphabet, found.shifts);
        broken = BreakSubstitution(aligned, model, seed + 1, 8, broken.key, stopped);
    }
    found.key = broken.key;
    found.score = broken.score;
    const SolveCandidate better = candidateOf(found, aligned, static_cast<double>(search.Size() - 3));
    return BetterCandidate(better, quick) ? better : quick;
}

// A start for breaking a new alignment near an old one: each aligned letter goes to the plaintext letter it
// stands under most often in the old decryption, taken greedily by count so that the key stays a permutation.
Alphabet carriedKey(const std::vector<std::uint8_t>& aligned, const std::string& plaintext)
{
    std::array<std::array<int, 26>, 26> counts{};
    for (std::size_t k = 0; k < aligned.size(); ++k) {
        ++counts[aligned[k]][static_cast<std::size_t>(plaintext[k] - 'A')];
    }
    std::vector<std::tuple<int, std::uint8_t, std::uint8_t>> pairs;
    for (std::uint8_t y = 0; y < 26; ++y) {
        for (std::uint8_t p = 0; p < 26; ++p) {
            pairs.emplace_back(-counts[y][p], y, p);
        }
    }
    std::sort(pairs.begin(), pairs.end());
    Alphabet key{};
    std::array<bool, 26> keyed{};
    std::array<bool, 26> taken{};
    for (const auto& [negative, y, p] : pairs) {
        if (!keyed[y] && !taken[p]) {
            key[y] = p;
            keyed[y] = taken[p] = true;
        }
    }
    return key;
}

// The edits of a keyword of distinct letters: a letter put in, taken out or replaced, two letters swapped.
std::vector<std::string> keywordEdits(const std::string& keyword)
{
    constexpr std::size_t longestKeyword = 14;
    std::vector<std::string> edits;
    for (std::size_t i = 0; i <= keyword.size(); ++i) {
        for (char c = 'A'; c <= 'Z'; ++c) {
            if (keyword.find(c) != std::string::npos) {
                continue;
            }
            if (keyword.size() < longestKeyword) {
                edits.push_back(keyword.substr(0, i) + c + keyword.substr(i));
            }
            if (i < keyword.size()) {
                std::string replaced = keyword;
                replaced[i] = c;
                edits.push_back(replaced);
            }
        }
        if (i < keyword.size()) {
            edits.push_back(keyword.substr(0, i) + keyword.substr(i + 1));
            for (std::size_t j = i + 1; j < keyword.size(); ++j) {
                std::string swapped = keyword;
                std::swap(swapped[i], swapped[j]);
                edits.push_back(swapped);
            }
        }
    }
    return edits;
}

// A cipher alphabet that is nearly right leaves a text that nearly reads: every edit of its keyword is tried, the
// text aligned and broken again from the plaintext so far, and the best edit kept while the quadgrams improve.
// The edits of a step are spread over the threads and joined in order, so the result does not depend on the cores.
SolveCandidate polishCipherKeyword(const SolveCandidate& start, const QuagmireSearch& search,
                                   const LanguageModel& model, unsigned threads, Clock::time_point deadline,
                                   const std::atomic<bool>* cancel)
{
    Attempt best = attemptOf(start, search);
    const KeyedRotation form = KeyedRotationOf(lettersOf(best.cipherAlphabet));
    if (form.turn < 0) {
        return start;
    }
    const std::vector<QuagmireSearch::Histogram> columns = search.Columns(best.shifts.size());
    const auto stopped = [&] { return Clock::now() > deadline || (cancel != nullptr && cancel->load()); };
    std::string keyword = form.keyword;
    for (bool improved = true; improved && !stopped();) {
        improved = false;
        const std::vector<std::string> edits = keywordEdits(keyword);
        std::vector<Attempt> tried(edits.size());
        auto tryEdits = [&](unsigned part) {
            for (std::size_t i = part; i < edits.size() && !stopped(); i += threads) {
                // The columns aligned afresh, and kept as they were (the letter counts of a column can mislead).
                const Alphabet cipherAlphabet = codesOf(KeyedAlphabet(edits[i], StandardAlphabet));
                const std::vector<int> realigned = QuagmireSearch::Align(cipherAlphabet, columns, true).shifts;
                const std::vector<int>& kept = best.shifts;
                for (const std::vector<int>* shifts : {&realigned, &kept}) {
                    const std::vector<std::uint8_t> aligned = search.Aligned(cipherAlphabet, *shifts);
                    const SubstitutionBreak broken =
                        BreakSubstitution(aligned, model, i, 1, carriedKey(aligned, best.plaintext));
                    Attempt& attempt = tried[i];
                    if (shifts == &realigned || broken.score > attempt.score) {
                        attempt.cipherAlphabet = cipherAlphabet;
                        attempt.shifts = *shifts;
                        attempt.key = broken.key;
                        attempt.score = broken.score;
                        attempt.plaintext.resize(aligned.size());
                        for (std::size_t k = 0; k < aligned.size(); ++k) {
                            attempt.plaintext[k] = static_cast<char>('A' + broken.key[aligned[k]]);
                        }
                    }
                }
            }
        };
        runParts(threads, tryEdits);
        if (stopped()) {
            break;
        }
        for (std::size_t i = 0; i < edits.size(); ++i) {
            if (tried[i].score > best.score + 1e-9) {
                best = tried[i];
                keyword = edits[i];
                improved = true;
            }
        }
    }
    const SolveCandidate result =
        candidateOf(best, search.Aligned(best.cipherAlphabet, best.shifts), static_cast<double>(search.Size() - 3));
    return BetterCandidate(result, start) ? result : start;
}

// The table that reads as attempt does: the attempt reads aligned letter y = C^-1(c) - shift as key[y]; the table
// reads c as row[C^-1(c) + shift].
TableState tableOf(const Attempt& attempt)
{
    TableState table;
    table.table = attempt.cipherAlphabet;
    table.row = attempt.key;
    for (int shift : attempt.shifts) {
        table.shifts.push_back((26 - shift) % 26);
    }
    return table;
}

// The attempt that reads as table does (the first column's shift taken into the key).
Attempt attemptOf(const TableState& table)
{
    Attempt attempt;
    attempt.cipherAlphabet = table.table;
    for (int shift : table.shifts) {
        attempt.shifts.push_back((table.shifts[0] - shift + 26) % 26);
    }
    for (std::size_t y = 0; y < 26; ++y) {
        attempt.key[y] = table.row[(y + static_cast<std::size_t>(table.shifts[0])) % 26];
    }
    attempt.score = table.score;
    return attempt;
}

// The table of attempt with its key row replaced by row, turned to agree with the key on the most aligned letters:
// the key row of a Quagmire II or III nearly found, whose wrong letters the row held will not copy.
TableState tableWithRow(const Attempt& attempt, const Alphabet& row, const std::vector<std::uint8_t>& aligned)
{
    std::array<int, 26> counts{};
    for (std::uint8_t y : aligned) {
        ++counts[y];
    }
    int mostAgreeing = -1;
    std::size_t bestTurn = 0;
    for (std::size_t turn = 0; turn < 26; ++turn) {
        int agreeing = 0;
        for (std::size_t y = 0; y < 26; ++y) {
            agreeing += attempt.key[y] == row[(y + turn) % 26] ? counts[y] : 0;
        }
        if (agreeing > mostAgreeing) {
            mostAgreeing = agreeing;
            bestTurn = turn;
        }
    }
    // Aligned letter y reads as row[y + turn] = row[C^-1(c) - shift + turn].
    TableState table;
    table.table = attempt.cipherAlphabet;
    table.row = row;
    for (int shift : attempt.shifts) {
        table.shifts.push_back(static_cast<int>((bestTurn + 26 - static_cast<std::size_t>(shift)) % 26));
    }
    return table;
}

// A near solution whose cipher table is a few letters off (which spoils the same letters in some columns only, so
// that no key of the aligned text reads right) put right by climbing the whole table: the cipher table, the key
// row and the shifts together; and again with the key row held straight or held to the cipher table, as the
// Quagmire II and III have it, where a free row would learn to make up for a wrong table letter.
SolveCandidate climbWholeTable(const SolveCandidate& start, const QuagmireSearch& search, const LanguageModel& model,
                               const std::function<bool()>& stopped)
{
    const Attempt found = attemptOf(start, search);
    const std::vector<std::uint8_t> aligned = search.Aligned(found.cipherAlphabet, found.shifts);
    const TableState tables[] = {
        ClimbTable(search, model, tableOf(found), RowRule::Free, stopped),
        ClimbTable(search, model, tableWithRow(found, codesOf(StandardAlphabet), aligned), RowRule::Kept, stopped),
        ClimbTable(search, model, tableWithRow(found, found.cipherAlphabet, aligned), RowRule::SameAsTable, stopped),
    };
    SolveCandidate best = start;
    for (const TableState& table : tables) {
        const Attempt climbed = attemptOf(table);
        const SolveCandidate result = candidateOf(climbed, search.Aligned(climbed.cipherAlphabet, climbed.shifts),
                                                  static_cast<double>(search.Size() - 3));
        if (BetterCandidate(result, best)) {
            best = result;
        }
    }
    return best;
}

// The Quagmire II and III tables of every keyed alphabet of the word list, their shifts fixed by English letter
// frequencies (FitTable): the best of each kind as candidates. A cheap read of every keyword, and one that the
// columns' own letter counts cannot misalign. The pass ends early, with the best so far, when stopped says so.
std::vector<SolveCandidate> fittedTables(const QuagmireSearch& search, std::size_t period,
                                         const std::vector<Alphabet>& alphabets, const LanguageModel& model,
                                         unsigned threads, const std::function<bool()>& stopped)
{
    const std::vector<QuagmireSearch::Histogram> columns = search.Columns(period);
    const Alphabet straight = codesOf(StandardAlphabet);
    // Per thread, the best table with the straight row and the best with the table as row, each with the index of
    // its alphabet: on a tie the earlier alphabet wins, so the result does not depend on how many threads shared them.
    struct Fitted
    {
        TableState table;
        std::size_t index = 0;
        bool better(const Fitted& other) const
        {
            return table.score != other.table.score ? table.score > other.table.score : index < other.index;
        }
    };
    constexpr double none = -1e300; // the score while no table is fitted
    std::vector<std::array<Fitted, 2>> best(threads);
    for (auto& part : best) {
        part[0].table.score = part[1].table.score = none;
    }
    forEachAlphabet(threads, alphabets.size(), stopped, [&](unsigned part, std::size_t i) {
        for (std::size_t kind = 0; kind < 2; ++kind) {
            Fitted fitted{FitTable(search, alphabets[i], kind == 0 ? straight : alphabets[i], columns, model), i};
            if (fitted.better(best[part][kind])) {
                best[part][kind] = std::move(fitted);
            }
        }
    });
    std::vector<SolveCandidate> candidates;
    for (std::size_t kind = 0; kind < 2; ++kind) {
        const Fitted* top = &best[0][kind];
        for (const auto& part : best) {
            top = part[kind].better(*top) ? &part[kind] : top;
        }
        if (top->table.score == none) {
            continue; // stopped before any table was fitted
        }
        const Attempt attempt = attemptOf(top->table);
        candidates.push_back(candidateOf(attempt, search.Aligned(attempt.cipherAlphabet, attempt.shifts),
                                         static_cast<double>(search.Size() - 3)));
    }
    return candidates;
}

// A Quagmire whose key row and cipher table are both the straight alphabet (the maker's table when the author
// gives an indicator and no keywords) is a Vigenère whose key is the indicator. The Vigenère solver reads it at
// once, where the search would try every keyed alphabet before it gave up hope of two agreeing. The reading as a
// raw candidate (see candidateOf), and the Vigenère's confidence; nothing when its key is longer than an indicator.
std::optional<std::pair<SolveCandidate, double>> straightReading(std::string_view ciphertext,
                                                                 const QuagmireSearch& search,
                                                                 const LanguageModel& model,
                                                                 const SolveOptions& options)
{
    SolveOptions quick = options;
    quick.progress = nullptr;
    const SolveResult vigenere = SolveVigenere(ciphertext, model, quick);
    if (vigenere.best.plaintext.empty() || vigenere.best.key.keyword.size() > longestPeriod) {
        return std::nullopt;
    }
    Attempt found;
    found.cipherAlphabet = codesOf(StandardAlphabet);
    found.key = found.cipherAlphabet;
    for (char k : vigenere.best.key.keyword) {
        found.shifts.push_back(k - 'A');
    }
    const std::vector<std::uint8_t> aligned = search.Aligned(found.cipherAlphabet, found.shifts);
    found.score = SubstitutionScore(aligned, found.key, model);
    return std::pair{candidateOf(found, aligned, static_cast<double>(search.Size() - 3)), vigenere.confidence};
}

} // namespace

SolveResult SolveQuagmire(std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options)
{
    const auto start = Clock::now();
    const QuagmireSearch search(ciphertext);
    if (search.Size() < 20) {
        throw SolveRefused("The Quagmire ciphertext is too short to solve");
    }
    const double quadgrams = static_cast<double>(search.Size() - 3);
    const ScoreScale scale(model);
    const unsigned threads = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    const KeyedAlphabets keyed = keyedAlphabets(model);
    const double seconds = options.seconds > 0 ? options.seconds : defaultSeconds;
    const Clock::time_point deadline = SearchDeadline::After(start, seconds);
    const auto cancelled = [&] { return options.cancel != nullptr && options.cancel->load(); };
    ProgressReport report(options, start, seconds);
    const auto stopped = [&] {
        report();
        return Clock::now() > deadline || cancelled();
    };
    // The thorough breaks and polish of the best readings may take a quarter of the bound beyond it: a search that
    // used its whole bound still has its best put right, and a long text still ends near its bound.
    const Clock::time_point finish = SearchDeadline::After(deadline, seconds / 4);
    const auto finished = [&] {
        report();
        return Clock::now() > finish || cancelled();
    };

    if (const auto straight = straightReading(ciphertext, search, model, options);
        straight && scale.Level(straight->first.score) > solvedLevel) {
        SolveResult result;
        result.best = makerKey(straight->first, search, keyed, model);
        result.confidence = straight->second;
        result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        return result;
    }

    // Per period, each ranked cipher alphabet is broken by one restart; two alphabets that give the same text (they
    // differ only in letters the text lacks) end the search, and a period whose best text reads as English ends
    // the periods.
    SearchOutcome outcome;
    for (const std::size_t period : candidatePeriods(search)) {
        if (stopped()) {
            break;
        }
        const std::vector<QuagmireSearch::Histogram> columns = search.Columns(period);
        const std::vector<Alphabet> climbed =
            climbedAlphabets(search, period, model, options.seed * 31 + period, threads, stopped);
        std::vector<Alphabet> candidates = keyed.alphabets;
        candidates.insert(candidates.end(), climbed.begin() + 1, climbed.end());
        std::vector<Alphabet> ranked = rankAlphabets(search, candidates, period, threads, stopped);
        ranked.insert(ranked.begin(), climbed.front());
        SearchSchedule schedule;
        schedule.agree = 2;
        schedule.maxRestarts = ranked.size();
        const Restart restart = [&](const RestartContext& context) -> std::optional<SolveCandidate> {
            if (context.stopped()) {
                return std::nullopt;
            }
            Attempt found;
            found.cipherAlphabet = ranked[context.index()];
            found.shifts = QuagmireSearch::Align(found.cipherAlphabet, columns, true).shifts;
            const std::vector<std::uint8_t> aligned = search.Aligned(found.cipherAlphabet, found.shifts);
            const SubstitutionBreak broken = BreakSubstitution(aligned, model, context.seed(), 2);
            found.key = broken.key;
            found.score = broken.score;
            return candidateOf(found, aligned, quadgrams);
        };
        SolveOptions remaining = options;
        remaining.seconds = seconds - std::chrono::duration<double>(Clock::now() - start).count();
        if (remaining.progress) {
            remaining.progress = [&report](double) { report(); }; // a share of the whole bound, not of the rest
        }
        SearchOutcome more;
        if (remaining.seconds > 0 && !stopped()) {
            more = RunSearch(remaining, seconds, schedule, restart);
        } else {
            more.cancelled = cancelled();
            more.timedOut = !more.cancelled;
        }
        std::vector<Alphabet> fitting = keyed.alphabets;
        fitting.insert(fitting.end(), climbed.begin(), climbed.end());
        for (const SolveCandidate& fitted : fittedTables(search, period, fitting, model, threads, stopped)) {
            more.ranked.push_back({fitted, 1});
        }
        // While nothing reads as English yet, the table may be a Quagmire III of a keyword none of the above knew.
        const bool reads = std::any_of(more.ranked.begin(), more.ranked.end(), [&](const RankedCandidate& found) {
            return scale.Level(found.candidate.score) > solvedLevel;
        });
        if (!reads && !more.timedOut && !more.cancelled) {
            const std::vector<Alphabet> selfKeyed =
                selfKeyedAlphabets(search, period, options.seed * 31 + period, threads, stopped);
            for (const SolveCandidate& fitted : fittedTables(search, period, selfKeyed, model, threads, stopped)) {
                more.ranked.push_back({fitted, 1});
            }
        }
        const auto byScore = [](const RankedCandidate& a, const RankedCandidate& b) {
            return BetterCandidate(a.candidate, b.candidate);
        };
        std::stable_sort(more.ranked.begin(), more.ranked.end(), byScore);
        // The few best of the quick breaks are broken thoroughly.
        for (std::size_t i = 0; i < std::min(fullyBroken, more.ranked.size()); ++i) {
            more.ranked[i].candidate =
                breakThoroughly(more.ranked[i].candidate, search, model, options.seed + i, finished);
        }
        std::stable_sort(more.ranked.begin(), more.ranked.end(), byScore);
        // The best text may come from a cipher alphabet a few letters off (two such alphabets can agree on a text
        // that merely reads well); while the best does not read as English, the runners-up are polished too.
        for (std::size_t i = 0; i < std::min(polished, more.ranked.size()); ++i) {
            if (i > 0 && scale.Level(more.ranked.front().candidate.score) > solvedLevel) {
                break;
            }
            more.ranked[i].candidate = breakThoroughly(
                polishCipherKeyword(more.ranked[i].candidate, search, model, threads, finish, options.cancel), search,
                model, options.seed + i, finished);
            if (!finished()) {
                more.ranked[i].candidate = climbWholeTable(more.ranked[i].candidate, search, model, finished);
            }
            std::stable_sort(more.ranked.begin(), more.ranked.end(), byScore);
        }
        outcome.cancelled = more.cancelled;
        outcome.timedOut = more.timedOut;
        outcome.restarts += more.restarts;
        outcome.ranked.insert(outcome.ranked.end(), more.ranked.begin(), more.ranked.end());
        if (!more.ranked.empty() && scale.Level(more.ranked.front().candidate.score) > solvedLevel) {
            break;
        }
    }
    std::stable_sort(
        outcome.ranked.begin(), outcome.ranked.end(),
        [](const RankedCandidate& a, const RankedCandidate& b) { return BetterCandidate(a.candidate, b.candidate); });
    SolveResult result;
    // The periods' loop may have ended on a cancel before any search of its own saw it.
    outcome.cancelled = outcome.cancelled || cancelled();
    result.cancelled = outcome.cancelled;
    if (outcome.ranked.empty()) {
        result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        return result; // stopped before any reading was found
    }
    TakeOutcome(outcome, SegmentedWordShare(model, outcome.ranked.front().candidate.plaintext), 0.05, result);
    result.best = makerKey(result.best, search, keyed, model);
    if (result.alternative) {
        result.alternative = makerKey(*result.alternative, search, keyed, model);
    }
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}
