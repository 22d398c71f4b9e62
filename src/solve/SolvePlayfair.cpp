#include "SolvePlayfair.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <unordered_map>

#include "Alphabet.h"
#include "LanguageModel.h"
#include "PlayfairSearch.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double defaultSeconds = 30;
constexpr std::size_t keywordSeeds = 6;

struct Attempt
{
    PlayfairCodeSquare square;
    double score = 0;
    std::string plaintext;
};

// Keyword squares by their score, best first, and the first keyword that built each.
struct KeywordSquares
{
    std::vector<std::pair<double, std::string>> best;
    std::unordered_map<std::string, std::string> keywordOf;
};

KeywordSquares tryKeywords(PlayfairSearch& search, const LanguageModel& model)
{
    KeywordSquares found;
    for (const std::string& keyword : KeywordCandidates(model)) {
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
            if (found.best.size() > keywordSeeds) {
                found.best.pop_back();
            }
        }
    }
    return found;
}

PlayfairCodeSquare randomSquare(std::uint64_t seed)
{
    std::mt19937_64 random(seed);
    PlayfairCodeSquare square;
    for (std::size_t i = 0; i < 25; ++i) {
        square.cell[i] = static_cast<std::uint8_t>(i);
    }
    std::shuffle(square.cell.begin(), square.cell.end(), random);
    square.Reindex();
    return square;
}

SolveCandidate candidateOf(const Attempt& attempt, const KeywordSquares& keywords, double quadgrams)
{
    SolveCandidate candidate;
    candidate.plaintext = attempt.plaintext;
    candidate.key.form = "playfair";
    const PlayfairKeyedForm form = PlayfairKeyedFormOf(attempt.square.Letters());
    candidate.key.square = form.square;
    const auto word = keywords.keywordOf.find(form.square);
    candidate.key.keyword = word != keywords.keywordOf.end() ? word->second : form.keyword;
    candidate.score = attempt.score / quadgrams;
    return candidate;
}

} // namespace

SolveResult SolvePlayfair(std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options)
{
    const Clock::time_point start = Clock::now();
    const double seconds = options.seconds > 0 ? options.seconds : defaultSeconds;
    const Clock::time_point deadline =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    PlayfairSearch search(ciphertext, model);
    if (search.Size() < 8) {
        throw SolveRefused("The Playfair ciphertext is too short to solve");
    }
    const double quadgrams = static_cast<double>(search.Size() - 3);
    const ScoreScale scale(model);
    const KeywordSquares keywords = tryKeywords(search, model);

    // Annealing restarts: the first ones polish the best keyword squares, the others start from random squares.
    // A restart that reaches English-like text, or two restarts that agree, end the search.
    const std::size_t steps = 40000 + search.Size() * 400;
    const double temperature = 0.06 * static_cast<double>(search.Size());
    auto attempt = [&](std::size_t index) {
        PlayfairSearch own = search;
        const bool seeded = index < keywords.best.size();
        const PlayfairCodeSquare from = seeded ? PlayfairCodeSquare::FromLetters(keywords.best[index].second)
                                               : randomSquare(MixSeed(options.seed, index));
        const PlayfairSearch::Found found =
            own.Anneal(from, MixSeed(options.seed ^ 0x5bd1e995ULL, index), seeded ? steps / 4 : steps,
                       seeded ? temperature / 4 : temperature, deadline, options.cancel);
        if (options.progress) {
            options.progress(std::min(1.0, std::chrono::duration<double>(Clock::now() - start).count() / seconds));
        }
        return Attempt{found.square, found.score, own.Decrypt(found.square)};
    };
    auto enough = [&](const std::vector<Attempt>& done) {
        const auto best = std::max_element(done.begin(), done.end(),
                                           [](const Attempt& a, const Attempt& b) { return a.score < b.score; });
        if (scale.Level(best->score / quadgrams) > 0.93) {
            return true;
        }
        return std::count_if(done.begin(), done.end(),
                             [&](const Attempt& a) { return a.plaintext == best->plaintext; }) >= 2;
    };
    const unsigned threads = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    std::vector<Attempt> attempts = RunRestarts<Attempt>(threads, deadline, options.cancel, SIZE_MAX, attempt, enough);
    if (attempts.empty()) {
        attempts.push_back(attempt(0));
    }
    std::stable_sort(attempts.begin(), attempts.end(),
                     [](const Attempt& a, const Attempt& b) { return a.score > b.score; });

    SolveResult result;
    result.best = candidateOf(attempts.front(), keywords, quadgrams);
    const auto agreeing = std::count_if(attempts.begin(), attempts.end(),
                                        [&](const Attempt& a) { return a.plaintext == attempts.front().plaintext; });
    const double level = scale.Level(result.best.score);
    result.confidence = std::clamp((level - 0.6) / 0.35, 0.0, 1.0) * (agreeing >= 2 ? 1.0 : 0.9);
    for (const Attempt& other : attempts) {
        if (other.plaintext != attempts.front().plaintext) {
            if (scale.Level(other.score / quadgrams) > level - 0.03) {
                result.alternative = candidateOf(other, keywords, quadgrams);
            }
            break;
        }
    }
    result.cancelled = options.cancel != nullptr && *options.cancel;
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}
