#include "PuzzleCheck.h"

#include <QMetaObject>
#include <QPointer>

PuzzleCheck::PuzzleCheck(const RatingEngine& engine, QObject* parent) : QObject(parent), m_engine(engine) {}

PuzzleCheck::~PuzzleCheck()
{
    for (Job& job : m_jobs) {
        job.cancel->store(true);
    }
    for (Job& job : m_jobs) {
        job.thread.join();
    }
}

void PuzzleCheck::Start(const RatedCryptogram& cryptogram, const RatingOptions& options)
{
    for (Job& running : m_jobs) {
        running.cancel->store(true);
    }
    reapFinishedJobs();
    const unsigned generation = ++m_generation;
    Job job{{},
            std::make_shared<std::atomic<bool>>(false),
            std::make_shared<std::atomic<bool>>(false),
            std::make_shared<std::atomic<double>>(0.0)};
    RatingOptions own = options;
    own.cancel = job.cancel.get();
    own.progress = [progress = job.progress](double fraction) { progress->store(fraction); };
    // The thread keeps its own copies of the flags; a result reaches the window thread as a queued call, which Qt
    // drops when this object is gone (the destructor joins every thread first anyway).
    job.thread = std::thread([this, generation, cryptogram, own, cancel = job.cancel, done = job.done] {
        const PuzzleRating rating = RateCryptogram(cryptogram, m_engine, own);
        if (!cancel->load()) {
            QMetaObject::invokeMethod(
                this, [this, generation, rating] { deliver(generation, rating); }, Qt::QueuedConnection);
        }
        done->store(true);
    });
    m_jobs.push_back(std::move(job));
    setRunning(true);
}

const PuzzleCheck::Job* PuzzleCheck::runningJob() const
{
    return m_running && !m_jobs.empty() ? &m_jobs.back() : nullptr; // the newest job is the last
}

double PuzzleCheck::Progress() const
{
    const Job* job = runningJob();
    return job != nullptr ? job->progress->load() : 0.0;
}

double PuzzleCheck::Seconds() const
{
    const Job* job = runningJob();
    return job != nullptr ? std::chrono::duration<double>(std::chrono::steady_clock::now() - job->started).count()
                          : 0.0;
}

void PuzzleCheck::Cancel()
{
    ++m_generation;
    for (Job& job : m_jobs) {
        job.cancel->store(true);
    }
    setRunning(false);
}

void PuzzleCheck::deliver(unsigned generation, const PuzzleRating& rating)
{
    reapFinishedJobs();
    if (generation != m_generation || rating.cancelled) {
        return; // a newer check has started since, or this one was cancelled
    }
    m_result = rating;
    setRunning(false);
    Q_EMIT finished(rating);
}

void PuzzleCheck::reapFinishedJobs()
{
    for (auto it = m_jobs.begin(); it != m_jobs.end();) {
        if (it->done->load()) {
            it->thread.join();
            it = m_jobs.erase(it);
        } else {
            ++it;
        }
    }
}

void PuzzleCheck::setRunning(bool running)
{
    if (running != m_running) {
        m_running = running;
        Q_EMIT runningChanged(running);
    }
}
