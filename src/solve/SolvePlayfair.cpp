#include "SolvePlayfair.h"

#include <algorithm>
#include <chrono>
#include <unordered_map>

#include "Alphabet.h"
#include "LanguageModel.h"
#include "PlayfairSearch.h"
#include "SearchRunner.h"
#include "SolveText.h"

namespace {

constexpr double defaultSeconds = 30;
constexpr std::size_t keywordSeeds = 6;
// A polished keyword square whose text scores this far up the scale from random letters to English is taken
// without further search.
constexpr double englishLevel = 0.85;

// Keyword squares by their score, best first, and the first keyword that built each.
struct KeywordSquares
{
    std::vector<std::pair<double, std::string>> best;
    std::unordered_map<std::string, std::string> keywordOf;
};

KeywordSquares tryKeywords(PlayfairSearch& search, const LanguageModel& model, const SearchDeadline& deadline)
{
    KeywordSquares found;
    for (const std::string& keyword : KeywordCandidates(model)) {
        if (deadline.passed()) {
            break; // each square scores the whole text: a long text leaves the rest to the search
        }
        std::string square = KeyedAlphabet(keyword, PlayfairAlphabet);
        auto [place, isNew] = found.keywordOf.emplace(std::move(square), keyword);
        if (!isNew) {
            continue;
        }
        const double score = search.Score(PlayfairCodeSquare::FromLetters(place->first));
        if (found.best.size() < keywordSeeds || score > found.best.back().first) {
            found.best.emplace_back(score, place->first);
            std::sort(found.best.begin(), found.best.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
            found.best.resize(std::min(found.best.size(), keywordSeeds));
        }
    }
    return found;
}

PlayfairCodeSquare randomSquare(SearchRandom& random)
{
    PlayfairCodeSquare square;
    for (std::size_t i = 0; i < 25; ++i) {
        square.cell[i] = static_cast<std::uint8_t>(i);
    }
    for (std::size_t i = 24; i > 0; --i) {
        std::swap(square.cell[i], square.cell[random.below(static_cast<unsigned>(i + 1))]);
    }
    square.Reindex();
    return square;
}

// The square turned to the arrangement a keyword builds, with the dictionary's word for it where there is one.
void giveKeywordForm(SolveCandidate& candidate, const KeywordSquares& keywords)
{
    const PlayfairKeyedForm form = PlayfairKeyedFormOf(candidate.key.square);
    candidate.key.square = form.square;
    const auto word = keywords.keywordOf.find(form.square);
    candidate.key.keyword = word != keywords.keywordOf.end() ? word->second : form.keyword;
}

} // namespace

SolveResult SolvePlayfair(std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options)
{
    const auto start = std::chrono::steady_clock::now();
    PlayfairSearch search(ciphertext, model);
    if (search.Size() < 8) {
        throw SolveRefused("The Playfair ciphertext is too short to solve");
    }
    const double quadgrams = static_cast<double>(search.Size() - 3);
    const ScoreScale scale(model);
    // The keyword squares, and the annealing of the best of them, may take a quarter of the time bound.
    const double bound = options.seconds > 0 ? options.seconds : defaultSeconds;
    const SearchDeadline keywordDeadline(SearchDeadline::After(start, bound / 4), options.cancel);
    const KeywordSquares keywords = tryKeywords(search, model, keywordDeadline);
    const std::size_t steps = 40000 + search.Size() * 400;
    const double temperature = 0.06 * static_cast<double>(search.Size());

    auto candidateOf = [&](const PlayfairSearch& own, const PlayfairSearch::Found& found) {
        SolveCandidate candidate;
        candidate.plaintext = own.Decrypt(found.square);
        candidate.key.form = "playfair";
        candidate.key.square = found.square.Letters();
        candidate.score = found.score / quadgrams;
        return candidate;
    };
    auto finish = [&](SearchOutcome outcome) {
        SolveResult result;
        if (outcome.ranked.empty()) {
            return result;
        }
        TakeOutcome(outcome, SegmentedWordShare(model, outcome.ranked.front().candidate.plaintext), 0.05, result);
        giveKeywordForm(result.best, keywords);
        if (result.alternative) {
            giveKeywordForm(*result.alternative, keywords);
        }
        result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return result;
    };

    // The best keyword square of the dictionary is taken as it is when its text reads as English (a square that
    // a keyword builds is far likelier than any other square scoring a little higher), else polished by a short
    // cool annealing.
    std::optional<SolveCandidate> fromKeyword;
    if (!keywords.best.empty()) {
        const PlayfairCodeSquare keyed = PlayfairCodeSquare::FromLetters(keywords.best.front().second);
        PlayfairSearch::Found found{keyed, search.Score(keyed)};
        if (scale.Level(found.score / quadgrams) < englishLevel) {
            found = search.Anneal(keyed, RestartSeed(options.seed, 0), steps / 4, temperature / 4,
                                  [&] { return keywordDeadline.passed(); });
        }
        fromKeyword = candidateOf(search, found);
        if (scale.Level(found.score / quadgrams) >= englishLevel) {
            SearchOutcome outcome;
            outcome.ranked.push_back({*fromKeyword, 2});
            outcome.restarts = 1;
            return finish(outcome);
        }
    }

    // Annealing restarts on every core: the first polish the next best keyword squares, the others start from
    // random squares. Two restarts that reach the same text end the search.
    SearchSchedule schedule;
    schedule.agree = 2;
    const Restart restart = [&](const RestartContext& context) -> std::optional<SolveCandidate> {
        PlayfairSearch own = search;
        SearchRandom random(context.seed());
        const bool seeded = context.index() + 1 < keywords.best.size();
        const PlayfairCodeSquare from =
            seeded ? PlayfairCodeSquare::FromLetters(keywords.best[context.index() + 1].second) : randomSquare(random);
        const PlayfairSearch::Found found =
            own.Anneal(from, random.next(), seeded ? steps / 4 : steps, seeded ? temperature / 4 : temperature,
                       [&] { return context.stopped(); });
        return candidateOf(own, found);
    };
    SearchOutcome outcome = RunSearch(options, defaultSeconds, schedule, restart);
    if (fromKeyword) {
        const auto same = std::find_if(outcome.ranked.begin(), outcome.ranked.end(), [&](const RankedCandidate& r) {
            return r.candidate.plaintext == fromKeyword->plaintext;
        });
        if (same != outcome.ranked.end()) {
            ++same->hits;
        } else {
            outcome.ranked.push_back({*fromKeyword, 1});
        }
        std::stable_sort(outcome.ranked.begin(), outcome.ranked.end(),
                         [](const RankedCandidate& a, const RankedCandidate& b) {
                             return BetterCandidate(a.candidate, b.candidate);
                         });
    }
    return finish(outcome);
}
