#pragma once
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "Solver.h"

/// A small, fast generator for the inner loops of a search (splitmix64). Each restart owns one, seeded from
/// the search's seed and the restart's index, so that a restart does the same steps on every run.
class SearchRandom
{
public:
    explicit SearchRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    /// A uniform draw from 0 to n - 1 (n >= 1).
    unsigned below(unsigned n) { return static_cast<unsigned>((next() >> 32) * n >> 32); }
    /// A uniform draw from [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t m_state;
};

/// The seed of restart index of a search seeded with seed.
std::uint64_t RestartSeed(std::uint64_t seed, std::size_t index);

/// What a restart sees: its own seed and index, and whether the search must end now.
class RestartContext
{
public:
    RestartContext(std::uint64_t seed, std::size_t index, const std::atomic<bool>& stop)
        : m_seed(seed), m_index(index), m_stop(stop)
    {}
    std::uint64_t seed() const { return m_seed; }
    std::size_t index() const { return m_index; }
    /// True once the time bound has passed or the caller cancelled; a restart then returns its best so far.
    bool stopped() const { return m_stop.load(std::memory_order_relaxed); }

private:
    std::uint64_t m_seed;
    std::size_t m_index;
    const std::atomic<bool>& m_stop;
};

/// How a search schedules its restarts. The restarts run in rounds of roundSize on every core; after each round
/// the search ends when agree restarts have reached the same best plaintext (and at least minRestarts ran), when
/// maxRestarts ran, or when the time bound or a cancellation stops it. The schedule does not depend on the number
/// of cores or on timing, so a search that ends by agreement or by maxRestarts gives the same result for the same
/// seed on any machine.
struct SearchSchedule
{
    std::size_t roundSize = 8;
    std::size_t agree = 3;
    std::size_t minRestarts = 8;
    std::size_t maxRestarts = 4096;
};

/// A distinct plaintext found by the search, with the number of restarts that reached it.
struct RankedCandidate
{
    SolveCandidate candidate;
    std::size_t hits = 0;
};

/// When work that scores the whole text at every step (and so takes long on a long text) must end: at a point in
/// time, or at once when the caller cancels.
class SearchDeadline
{
public:
    using Clock = std::chrono::steady_clock;
    /// The point seconds after from.
    static Clock::time_point After(Clock::time_point from, double seconds)
    {
        return from + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    }
    SearchDeadline() = default; ///< never passes
    SearchDeadline(Clock::time_point end, const std::atomic<bool>* cancel) : m_end(end), m_cancel(cancel) {}
    bool passed() const
    {
        return (m_cancel != nullptr && m_cancel->load(std::memory_order_relaxed)) || Clock::now() >= m_end;
    }

private:
    Clock::time_point m_end = Clock::time_point::max();
    const std::atomic<bool>* m_cancel = nullptr;
};

/// Tells options.progress the share of a time bound used since start, at most every tenth of a second, from
/// whichever thread calls it. A search whose stages report nothing of their own calls it from its checks of the
/// clock, so that a window showing the progress moves on steadily instead of waiting for the last stage.
class ProgressReport
{
public:
    using Clock = std::chrono::steady_clock;
    ProgressReport(const SolveOptions& options, Clock::time_point start, double seconds)
        : m_progress(options.progress), m_start(start), m_seconds(seconds)
    {}
    void operator()();

private:
    std::function<void(double fraction)> m_progress;
    Clock::time_point m_start;
    double m_seconds;
    std::mutex m_lock;
    Clock::time_point m_next{}; // guarded by m_lock: no report before it
};

struct SearchOutcome
{
    std::vector<RankedCandidate> ranked; ///< distinct plaintexts, best score first (ties by plaintext)
    std::size_t restarts = 0;            ///< restarts that returned a candidate
    bool cancelled = false;              ///< the caller cancelled
    bool timedOut = false;               ///< the time bound ended the search
    double seconds = 0;
    /// The end of the polish after the search: the end of the time bound, but never less than a quarter of the bound
    /// after the search ended (a search that used its whole bound is still polished); the caller's cancellation too.
    SearchDeadline polishDeadline;
};

/// One restart: a full search from a start drawn with context.seed(); nothing when it found no candidate.
using Restart = std::function<std::optional<SolveCandidate>(const RestartContext& context)>;

/// Runs restarts until the schedule, the time bound (options.seconds, or defaultSeconds when that is 0) or
/// options.cancel ends the search. Candidates compare by score, then by plaintext, so ties end the same way.
SearchOutcome RunSearch(const SolveOptions& options, double defaultSeconds, const SearchSchedule& schedule,
                        const Restart& restart);

/// True when a is the better candidate: the higher score, or on equal scores the smaller plaintext.
bool BetterCandidate(const SolveCandidate& a, const SolveCandidate& b);

/// Fills result.best, alternative and confidence from a search: the runner-up is offered when its score per
/// letter is within closeScore of the best; the confidence joins the restarts' agreement with wordShare (0..1,
/// the share of the best plaintext made of known words).
void TakeOutcome(const SearchOutcome& outcome, double wordShare, double closeScore, SolveResult& result);
