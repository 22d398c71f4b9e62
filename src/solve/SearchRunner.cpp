#include "SearchRunner.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <thread>

std::uint64_t RestartSeed(std::uint64_t seed, std::size_t index)
{
    SearchRandom mix(seed ^ (0xD1B54A32D192ED03ULL * (static_cast<std::uint64_t>(index) + 1)));
    mix.next();
    return mix.next();
}

bool BetterCandidate(const SolveCandidate& a, const SolveCandidate& b)
{
    if (a.score != b.score) {
        return a.score > b.score;
    }
    return a.plaintext < b.plaintext;
}

namespace {

void addCandidate(std::vector<RankedCandidate>& ranked, SolveCandidate candidate)
{
    for (RankedCandidate& r : ranked) {
        if (r.candidate.plaintext == candidate.plaintext) {
            ++r.hits;
            if (BetterCandidate(candidate, r.candidate)) {
                r.candidate = std::move(candidate);
            }
            return;
        }
    }
    ranked.push_back({std::move(candidate), 1});
}

} // namespace

void ProgressReport::operator()()
{
    if (!m_progress) {
        return;
    }
    const std::unique_lock lock(m_lock, std::try_to_lock);
    const Clock::time_point now = Clock::now();
    if (!lock.owns_lock() || now < m_next) {
        return; // another thread is reporting, or did so just now
    }
    m_next = now + std::chrono::milliseconds(100);
    m_progress(std::min(1.0, std::chrono::duration<double>(now - m_start).count() / m_seconds));
}

SearchOutcome RunSearch(const SolveOptions& options, double defaultSeconds, const SearchSchedule& schedule,
                        const Restart& restart)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const double seconds = options.seconds > 0 ? options.seconds : defaultSeconds;
    const auto deadline = SearchDeadline::After(start, seconds);
    const unsigned cores = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());

    SearchOutcome outcome;
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};
    // The watcher turns the time bound and the caller's cancellation into the one stop flag the restarts poll.
    std::jthread watcher([&](std::stop_token token) {
        while (!token.stop_requested() && !finished.load()) {
            if (options.cancel != nullptr && options.cancel->load()) {
                outcome.cancelled = true;
                stop = true;
                return;
            }
            if (Clock::now() >= deadline) {
                outcome.timedOut = true;
                stop = true;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });

    std::size_t next = 0;
    while (!stop.load() && next < schedule.maxRestarts) {
        const std::size_t round = std::min(schedule.roundSize, schedule.maxRestarts - next);
        std::vector<std::optional<SolveCandidate>> results(round);
        std::atomic<std::size_t> claim{0};
        std::mutex progressLock;
        const auto work = [&] {
            for (std::size_t i = claim++; i < round; i = claim++) {
                const std::size_t index = next + i;
                results[i] = restart(RestartContext(RestartSeed(options.seed, index), index, stop));
                if (options.progress) {
                    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
                    const std::lock_guard lock(progressLock);
                    options.progress(std::min(1.0, elapsed / seconds));
                }
            }
        };
        {
            std::vector<std::jthread> workers;
            for (unsigned t = 1; t < std::min<std::size_t>(cores, round); ++t) {
                workers.emplace_back(work);
            }
            work();
        }
        // Results join in restart order, so the ranking does not depend on which thread finished first.
        for (auto& r : results) {
            if (r) {
                ++outcome.restarts;
                addCandidate(outcome.ranked, std::move(*r));
            }
        }
        next += round;
        std::sort(outcome.ranked.begin(), outcome.ranked.end(), [](const RankedCandidate& a, const RankedCandidate& b) {
            return BetterCandidate(a.candidate, b.candidate);
        });
        if (!outcome.ranked.empty() && outcome.ranked.front().hits >= schedule.agree && next >= schedule.minRestarts) {
            break;
        }
    }
    finished = true;
    watcher.request_stop();
    watcher.join();
    const auto end = Clock::now();
    outcome.seconds = std::chrono::duration<double>(end - start).count();
    outcome.polishDeadline =
        SearchDeadline(std::max(deadline, SearchDeadline::After(end, seconds / 4)), options.cancel);
    return outcome;
}

void TakeOutcome(const SearchOutcome& outcome, double wordShare, double closeScore, SolveResult& result)
{
    result.cancelled = outcome.cancelled;
    if (outcome.ranked.empty()) {
        return;
    }
    const RankedCandidate& best = outcome.ranked.front();
    result.best = best.candidate;
    if (outcome.ranked.size() > 1 && best.candidate.score - outcome.ranked[1].candidate.score <= closeScore) {
        result.alternative = outcome.ranked[1].candidate;
    }
    // One restart alone proves little; each further restart that reaches the same plaintext halves the doubt.
    const double agreement = 1.0 - std::pow(0.5, static_cast<double>(best.hits) - 1.0);
    double confidence = 0.4 * agreement + 0.6 * std::clamp(wordShare, 0.0, 1.0);
    if (result.alternative) {
        confidence *= 0.75;
    }
    result.confidence = std::clamp(confidence, 0.0, 1.0);
}
