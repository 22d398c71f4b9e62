#pragma once
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

class LanguageModel;

/// A Playfair square in letter codes: code k is the k-th letter of PlayfairAlphabet (A to Z without Q).
struct PlayfairCodeSquare
{
    std::array<std::uint8_t, 25> cell{}; ///< position (row * 5 + column) -> letter code
    std::array<std::uint8_t, 25> at{};   ///< letter code -> position

    static PlayfairCodeSquare FromLetters(std::string_view square);
    std::string Letters() const;
    void Reindex();
};

/// The exact Playfair decryption and its quadgram score over one ciphertext, and the annealing that searches
/// squares for it. The ciphertext's letters are held as codes; an odd last letter is dropped.
class PlayfairSearch
{
public:
    PlayfairSearch(std::string_view ciphertext, const LanguageModel& model);

    std::size_t Size() const { return m_cipher.size(); }
    /// The working letters that square gives.
    std::string Decrypt(const PlayfairCodeSquare& square) const;
    /// Sum of the quadgram scores of the decryption under square.
    double Score(const PlayfairCodeSquare& square);

    struct Found
    {
        PlayfairCodeSquare square;
        double score = 0;
    };
    /// Simulated annealing from start over the given number of steps, the temperature falling linearly from
    /// startTemperature to zero. Stops early when cancel is set or the deadline passes; returns the best square.
    Found Anneal(const PlayfairCodeSquare& start, std::uint64_t seed, std::size_t steps, double startTemperature,
                 std::chrono::steady_clock::time_point deadline, const std::atomic<bool>* cancel);

private:
    std::vector<std::uint8_t> m_cipher; // letter codes, even length
    std::vector<std::uint8_t> m_plain;  // A-Z codes of the last decryption
    const float* m_quadgrams;
};

/// The square of keyword among the 50 arrangements that encrypt alike (rows and columns turned cyclically, the
/// square transposed): the one built by the shortest keyword, and that keyword; the square itself and an empty
/// keyword when no arrangement is a keyword square.
struct PlayfairKeyedForm
{
    std::string square;
    std::string keyword;
};
PlayfairKeyedForm PlayfairKeyedFormOf(std::string_view square);

/// Runs attempt(index) for index 0, 1, 2, ... below limit on the given number of threads until enough(results) holds
/// for the results of a complete prefix of indices, the deadline passes or cancel is set. Returns that prefix (the same
/// for the same attempts, whatever the threads' timing) or, when stopped by time, every result finished.
template <class Result, class Attempt, class Enough>
std::vector<Result> RunRestarts(unsigned threads, std::chrono::steady_clock::time_point deadline,
                                const std::atomic<bool>* cancel, std::size_t limit, Attempt attempt, Enough enough)
{
    std::mutex lock;
    std::vector<std::optional<Result>> done;
    std::size_t prefix = 0;
    bool stop = false;
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (;;) {
            const std::size_t index = next++;
            if (index >= limit) {
                return;
            }
            {
                std::lock_guard guard(lock);
                if (stop) {
                    return;
                }
            }
            if (std::chrono::steady_clock::now() > deadline || (cancel != nullptr && *cancel)) {
                return;
            }
            Result result = attempt(index);
            std::lock_guard guard(lock);
            if (stop) {
                return;
            }
            if (done.size() <= index) {
                done.resize(index + 1);
            }
            done[index] = std::move(result);
            while (prefix < done.size() && done[prefix]) {
                ++prefix;
                std::vector<Result> finished;
                for (std::size_t i = 0; i < prefix; ++i) {
                    finished.push_back(*done[i]);
                }
                if (enough(finished)) {
                    stop = true;
                    done.resize(prefix);
                    return;
                }
            }
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < std::max(threads, 1u); ++t) {
        pool.emplace_back(work);
    }
    work();
    for (std::thread& thread : pool) {
        thread.join();
    }
    std::vector<Result> results;
    for (std::optional<Result>& result : done) {
        if (result) {
            results.push_back(std::move(*result));
        }
    }
    return results;
}

/// Candidate keywords for dictionary attacks on keyed alphabets: the model's words and the system's word list
/// (/usr/share/dict/words when present), in capitals A-Z, each once, the model's most frequent first.
std::vector<std::string> KeywordCandidates(const LanguageModel& model);

/// The length of the shortest keyword whose keyed alphabet over base is arrangement, or nothing.
std::optional<std::size_t> KeywordLengthOf(std::string_view arrangement, std::string_view base);

/// The mean quadgram score of English text under the model (the model's own expectation) and of random letters:
/// the two ends of the scale on which a plaintext's score per quadgram becomes a confidence.
struct ScoreScale
{
    double english = 0;
    double random = 0;

    explicit ScoreScale(const LanguageModel& model);
    /// Where a score per quadgram lies between random letters (0) and English (1).
    double Level(double perQuadgram) const { return (perQuadgram - random) / (english - random); }
};

/// A seed for restart index drawn from seed, well spread for neighbouring indices.
std::uint64_t MixSeed(std::uint64_t seed, std::uint64_t index);
