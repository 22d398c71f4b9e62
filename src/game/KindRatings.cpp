#include "KindRatings.h"

#include "GameHints.h"
#include "PuzzleCheck.h"

KindRatings::KindRatings(QObject* parent) : QObject(parent) {}

KindRatings::~KindRatings() = default;

void KindRatings::useModelFile(std::filesystem::path file)
{
    m_model.setFile(std::move(file));
}

void KindRatings::useEngine(RatingEngine engine)
{
    m_check.reset(); // it rates with the engine being replaced
    m_handedIn = std::move(engine);
    setEngine(&*m_handedIn);
}

void KindRatings::setEngine(const RatingEngine* engine)
{
    m_check.reset();
    m_engine = engine;
    m_check = std::make_unique<PuzzleCheck>(*m_engine);
    connect(m_check.get(), &PuzzleCheck::finished, this, &KindRatings::finished);
}

bool KindRatings::ensureEngine()
{
    if (m_engine || !m_unavailable.isEmpty()) {
        return m_engine != nullptr;
    }
    if (const RatingEngine* engine = m_model.Get()) {
        setEngine(engine);
        return true;
    }
    if (!m_model.Error().empty()) {
        std::error_code error;
        m_unavailable = std::filesystem::exists(m_model.File(), error)
                            ? QString::fromStdString(m_model.Error())
                            : QStringLiteral("the solver's language model %1 is missing")
                                  .arg(QString::fromStdString(m_model.File().filename().string()));
    }
    return false;
}

void KindRatings::rate(const GamePuzzle& puzzle)
{
    cancel();
    m_states.fill(State::None);
    const bool engine = ensureEngine();
    for (int i = 0; i < CipherKindCount; ++i) {
        const CipherKind kind = KindFromIndex(i);
        if (std::optional<RatedCryptogram> cryptogram = RatedKind(puzzle, kind)) {
            m_states[static_cast<std::size_t>(i)] = engine                    ? State::Waiting
                                                    : m_unavailable.isEmpty() ? State::None
                                                                              : State::Unknown;
            if (engine) {
                m_queue.emplace_back(kind, std::move(*cryptogram));
            }
        }
    }
    startNext();
    Q_EMIT changed();
}

void KindRatings::cancel()
{
    if (m_check) {
        m_check->Cancel();
    }
    for (State& state : m_states) {
        state = state == State::Waiting ? State::None : state;
    }
    m_queue.clear();
    m_running = CipherKind::None;
    Q_EMIT changed();
}

bool KindRatings::isRating() const
{
    return m_running != CipherKind::None;
}

void KindRatings::startNext()
{
    m_running = CipherKind::None;
    if (m_queue.empty()) {
        return;
    }
    m_running = m_queue.front().first;
    const RatedCryptogram cryptogram = std::move(m_queue.front().second);
    m_queue.pop_front();
    m_check->Start(cryptogram, m_options);
}

void KindRatings::finished(const PuzzleRating& rating)
{
    if (m_running == CipherKind::None) {
        return;
    }
    const auto index = static_cast<std::size_t>(m_running);
    m_ratings[index] = rating;
    m_states[index] = State::Rated;
    startNext();
    Q_EMIT changed();
}

QString KindRatings::toolTip(CipherKind kind, const QString& caption) const
{
    if (kind == CipherKind::None) {
        return caption;
    }
    const auto index = static_cast<std::size_t>(kind);
    switch (m_states[index]) {
    case State::None:
        break;
    case State::Waiting:
        return caption + QStringLiteral("\nDifficulty: being rated...");
    case State::Rated: {
        const PuzzleRating& rating = m_ratings[index];
        const std::string_view step = DifficultyStepName(rating.step);
        return caption + QStringLiteral("\nDifficulty: %1 (%2 of 100)")
                             .arg(QString::fromLatin1(step.data(), static_cast<qsizetype>(step.size())))
                             .arg(rating.number);
    }
    case State::Unknown:
        return caption + QStringLiteral("\nDifficulty unknown: ") + m_unavailable;
    }
    return caption;
}
