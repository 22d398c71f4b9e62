#include "SolveQuagmire.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <unordered_map>

#include "Alphabet.h"
#include "LanguageModel.h"
#include "PlayfairSearch.h"
#include "QuagmireSearch.h"
#include "SearchRunner.h"
#include "SolveText.h"

namespace {

using Clock = std::chrono::steady_clock;
using Alphabet = QuagmireSearch::Alphabet;

constexpr double defaultSeconds = 30;
constexpr std::size_t longestPeriod = 7;
constexpr std::size_t rankedAlphabets = 24;
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

// Periods to try, most likely first: those whose columns look like English, shortest first (a multiple of the
// period looks as good), then the rest by their columns' coincidence.
std::vector<std::size_t> candidatePeriods(const QuagmireSearch& search)
{
    std::vector<std::pair<double, std::size_t>> byCoincidence;
    for (std::size_t period = 1; period <= longestPeriod && period * 4 <= search.Size(); ++period) {
        byCoincidence.emplace_back(search.ColumnCoincidence(period), period);
    }
    std::vector<std::size_t> periods;
    for (const auto& [coincidence, period] : byCoincidence) {
        if (coincidence >= 0.055) {
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

// The cipher alphabets under which the columns align best, best first.
std::vector<Alphabet> rankAlphabets(const QuagmireSearch& search, const std::vector<Alphabet>& alphabets,
                                    std::size_t period, unsigned threads)
{
    const std::vector<QuagmireSearch::Histogram> columns = search.Columns(period);
    using Ranked = std::vector<std::pair<double, std::size_t>>;
    std::vector<Ranked> parts(threads);
    auto rank = [&](unsigned part) {
        Ranked& best = parts[part];
        for (std::size_t i = part; i < alphabets.size(); i += threads) {
            const double coincidence = QuagmireSearch::Align(alphabets[i], columns).coincidence;
            if (best.size() < rankedAlphabets || coincidence > best.back().first) {
                best.emplace_back(coincidence, i);
                std::sort(best.begin(), best.end(), std::greater<>());
                best.resize(std::min(best.size(), rankedAlphabets));
            }
        }
    };
    std::vector<std::thread> pool;
    for (unsigned part = 1; part < threads; ++part) {
        pool.emplace_back(rank, part);
    }
    rank(0);
    for (std::thread& thread : pool) {
        thread.join();
    }
    Ranked all;
    for (const Ranked& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    std::sort(all.begin(), all.end(), std::greater<>());
    std::vector<Alphabet> ranked;
    for (std::size_t i = 0; i < std::min(all.size(), rankedAlphabets); ++i) {
        ranked.push_back(alphabets[all[i].second]);
    }
    return ranked;
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
    constexpr int rareLetters = 4;
    int fewest = rareLetters + 1;
    Alphabet best{};
    for (const Alphabet& alphabet : alphabets) {
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
    if (fewest > rareLetters || best == attempt.key) {
        return;
    }
    attempt.key = best;
    for (std::size_t k = 0; k < aligned.size(); ++k) {
        attempt.plaintext[k] = static_cast<char>('A' + best[aligned[k]]);
    }
    std::vector<std::uint8_t> codes(aligned.size());
    for (std::size_t k = 0; k < aligned.size(); ++k) {
        codes[k] = best[aligned[k]];
    }
    attempt.score = model.ScoreQuadgrams(codes.data(), codes.size());
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
        return word != keyed.keywordOf.end() ? word->second : rotation.keyword;
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

SolveCandidate makerKey(const SolveCandidate& raw, const QuagmireSearch& search, const KeyedAlphabets& keyed,
                        const LanguageModel& model)
{
    Attempt attempt;
    attempt.cipherAlphabet = codesOf(raw.key.cipherTable);
    attempt.key = codesOf(raw.key.keyRow);
    for (char shift : raw.key.indicator) {
        attempt.shifts.push_back(shift - 'A');
    }
    attempt.plaintext = raw.plaintext;
    attempt.score = raw.score;
    const double quadgrams = static_cast<double>(search.Size() - 3);
    attempt.score *= quadgrams;
    snapKeyRow(attempt, keyed.alphabets, search, model);
    SolveCandidate candidate;
    candidate.plaintext = attempt.plaintext;
    candidate.key = keyOf(attempt, keyed, model);
    candidate.score = attempt.score / quadgrams;
    return candidate;
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

    // Per period, each ranked cipher alphabet is broken by two restarts with their own seeds; two restarts that
    // reach the same text end the search, and a period whose best text reads as English ends the periods.
    SearchOutcome outcome;
    for (const std::size_t period : candidatePeriods(search)) {
        SolveOptions remaining = options;
        remaining.seconds = seconds - std::chrono::duration<double>(Clock::now() - start).count();
        if (remaining.seconds <= 0 || outcome.cancelled) {
            break;
        }
        const std::vector<Alphabet> ranked = rankAlphabets(search, keyed.alphabets, period, threads);
        const std::vector<QuagmireSearch::Histogram> columns = search.Columns(period);
        SearchSchedule schedule;
        schedule.agree = 2;
        schedule.maxRestarts = 2 * ranked.size();
        const Restart restart = [&](const RestartContext& context) -> std::optional<SolveCandidate> {
            if (context.stopped()) {
                return std::nullopt;
            }
            Attempt found;
            found.cipherAlphabet = ranked[context.index() / 2];
            found.shifts = QuagmireSearch::Align(found.cipherAlphabet, columns).shifts;
            std::vector<std::uint8_t> aligned = search.Aligned(found.cipherAlphabet, found.shifts);
            SubstitutionBreak broken = BreakSubstitution(aligned, model, context.seed(), 12);
            // A column that the letter counts laid wrong spoils its share of the text: try every shift of each
            // column under the key found, and break again when one moved.
            if (refineShifts(found.shifts, search, found.cipherAlphabet, broken, model)) {
                aligned = search.Aligned(found.cipherAlphabet, found.shifts);
                broken = BreakSubstitution(aligned, model, context.seed() + 1, 8, broken.key);
            }
            found.key = broken.key;
            found.score = broken.score;
            return candidateOf(found, aligned, quadgrams);
        };
        const SearchOutcome more = RunSearch(remaining, seconds, schedule, restart);
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
    if (outcome.ranked.empty()) {
        return result;
    }
    TakeOutcome(outcome, SegmentedWordShare(model, outcome.ranked.front().candidate.plaintext), 0.05, result);
    result.best = makerKey(result.best, search, keyed, model);
    if (result.alternative) {
        result.alternative = makerKey(*result.alternative, search, keyed, model);
    }
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}
