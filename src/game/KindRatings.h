#pragma once

#include <array>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <utility>

#include <QObject>
#include <QString>

#include "GamePuzzle.h"
#include "ModelEngine.h"
#include "PuzzleRating.h"

class PuzzleCheck;

/// The difficulty of each kind of the open puzzle, for the kind buttons' tooltips. The kinds are rated one after
/// another in the background with PuzzleCheck; a new puzzle cancels the ratings of the last one, and the window
/// never waits for them. Without an engine or a model file nothing is rated and the tooltips stay plain.
class KindRatings : public QObject
{
    Q_OBJECT
public:
    explicit KindRatings(QObject* parent = nullptr);
    ~KindRatings() override;

    /// Rates with the solver and the language model in file, read when the first puzzle is rated. A file that
    /// cannot be read leaves every kind's difficulty unknown, and the tooltips say why.
    void useModelFile(std::filesystem::path file);
    /// Rates with engine (tests hand in a fast one).
    void useEngine(RatingEngine engine);
    /// The bound on each rating (the solver's defaults when left alone).
    void setOptions(const RatingOptions& options) { m_options = options; }

    /// Cancels the ratings under way and rates every kind the puzzle holds, in kind order.
    void rate(const GamePuzzle& puzzle);
    /// Cancels the ratings under way; the kinds not rated yet are left without a difficulty.
    void cancel();
    /// True while a kind is being rated.
    bool isRating() const;

    /// The tooltip of a kind button whose plain tooltip is caption: the caption, and on a second line the kind's
    /// difficulty, that it is being rated, or why it is unknown. The caption alone for a kind not in the puzzle.
    QString toolTip(CipherKind kind, const QString& caption) const;

Q_SIGNALS:
    /// A kind's rating started, finished or was given up: the tooltips need updating.
    void changed();

private:
    enum class State
    {
        None,    ///< not in the puzzle, or not rated
        Waiting, ///< queued or being rated
        Rated,
        Unknown ///< no engine: m_unavailable says why
    };

    bool ensureEngine();
    void setEngine(const RatingEngine* engine);
    void startNext();
    void finished(const PuzzleRating& rating);

    RatingOptions m_options;
    // Declared in this order so that the check (which uses the engine) goes first.
    ModelEngine m_model;
    std::optional<RatingEngine> m_handedIn;
    const RatingEngine* m_engine = nullptr;
    std::unique_ptr<PuzzleCheck> m_check;
    QString m_unavailable;
    std::array<State, CipherKindCount> m_states{};
    std::array<PuzzleRating, CipherKindCount> m_ratings;
    std::deque<std::pair<CipherKind, RatedCryptogram>> m_queue;
    CipherKind m_running = CipherKind::None;
};
