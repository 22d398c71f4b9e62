#pragma once
#include <array>
#include <filesystem>
#include <memory>
#include <optional>

#include <QObject>
#include <QString>

#include "ModelEngine.h"
#include "PuzzleCheck.h"
#include "PuzzleDocument.h"

/// The cryptogram of kind as the puzzle holds it, with the author's plaintext and keys.
RatedCryptogram RatedCryptogramOf(const PuzzleDocument& doc, CipherKind kind);

/// The background checks of a puzzle's cryptograms, one for each kind. A kind keeps the rating of the cryptogram
/// its check was started for; when that cryptogram changes or goes, the kind's check is cancelled and its rating
/// dropped. A check starts only for the kind asked for (the one on show), so kinds nobody looks at cost nothing.
class PuzzleChecks : public QObject
{
    Q_OBJECT

public:
    enum class Status
    {
        None,    ///< no cryptogram of the kind
        Running, ///< the check runs
        Rated,   ///< RatingOf() holds the result
        NoModel  ///< the language model cannot be read: ModelError() says why
    };

    explicit PuzzleChecks(QObject* parent = nullptr);
    ~PuzzleChecks() override;

    /// The folder whose language model file the checks read, at the first check that needs it.
    void setProgramFolder(const std::filesystem::path& folder) { m_model.setFile(LanguageModel::FileBeside(folder)); }
    /// Replaces the solver and the language model (engine must outlive the checks); set before the first check.
    void setEngine(const RatingEngine* engine) { m_engine = engine; }
    void setOptions(const RatingOptions& options) { m_options = options; }

    /// Brings the checks in line with doc: every kind whose cryptogram is no longer the one its check was started
    /// for is cancelled and cleared, and the kind wanted starts a check when it holds a cryptogram that has none.
    void Update(const PuzzleDocument& doc, CipherKind wanted);

    Status StatusOf(CipherKind kind) const;
    /// The share of its time bound the solver of the kind's running check has used (0 to 1).
    double ProgressOf(CipherKind kind) const;
    /// How long the kind's running check has been running, in seconds.
    double SecondsOf(CipherKind kind) const;
    /// The rating of the kind's cryptogram, or nullptr while it has none.
    const PuzzleRating* RatingOf(CipherKind kind) const;
    /// Why the language model cannot be read, naming its file.
    const QString& ModelError() const { return m_modelError; }

Q_SIGNALS:
    /// A kind's status or rating has changed.
    void changed(CipherKind kind);

private:
    struct Slot
    {
        std::optional<RatedCryptogram> subject; ///< what the check was started for
        std::optional<PuzzleRating> rating;
        std::unique_ptr<PuzzleCheck> check;
        bool present = false; ///< the puzzle holds a cryptogram of the kind
    };

    const RatingEngine* engine();
    /// The check of kind while it runs, else nullptr.
    const PuzzleCheck* runningCheck(CipherKind kind) const;
    void start(CipherKind kind, Slot& slot);

    RatingOptions m_options;
    QString m_modelError;
    ModelEngine m_model;
    const RatingEngine* m_engine = nullptr;
    // Last: the checks' threads are cancelled and joined before the engine they use goes.
    std::array<Slot, CipherKindCount> m_slots;
};
