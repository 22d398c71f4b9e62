#pragma once
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include <QObject>

#include "PuzzleRating.h"

/// Rates the maker's newest cryptogram in the background: each Start cancels the check still running and starts
/// a new one on a thread of its own, so the window keeps turning its events. Only the newest check reports.
class PuzzleCheck : public QObject
{
    Q_OBJECT

public:
    /// engine must outlive the check.
    explicit PuzzleCheck(const RatingEngine& engine, QObject* parent = nullptr);
    ~PuzzleCheck() override;

    /// Cancels the running check and starts rating cryptogram.
    void Start(const RatedCryptogram& cryptogram, const RatingOptions& options);
    /// Cancels the running check; it will not report.
    void Cancel();
    bool IsRunning() const { return m_running; }
    /// The running check's share of the solver's time bound (0 to 1): 0 before its solver has reported.
    double Progress() const;
    /// How long the running check has been running, in seconds; 0 when none runs.
    double Seconds() const;
    /// The newest result, or nothing before the first check has finished.
    const std::optional<PuzzleRating>& Result() const { return m_result; }

Q_SIGNALS:
    void runningChanged(bool running);
    void finished(const PuzzleRating& rating);

private:
    struct Job
    {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> cancel;
        std::shared_ptr<std::atomic<bool>> done;
        std::shared_ptr<std::atomic<double>> progress;
        std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    };

    /// The newest job while the check runs, else nullptr.
    const Job* runningJob() const;
    void deliver(unsigned generation, const PuzzleRating& rating);
    void reapFinishedJobs();
    void setRunning(bool running);

    const RatingEngine& m_engine;
    std::vector<Job> m_jobs;
    unsigned m_generation = 0;
    bool m_running = false;
    std::optional<PuzzleRating> m_result;
};
