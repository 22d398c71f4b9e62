#include "PuzzleChecks.h"

RatedCryptogram RatedCryptogramOf(const PuzzleDocument& doc, CipherKind kind)
{
    return {static_cast<SolveKind>(kind),
            doc.Ciphertext(kind),
            doc.PLAIN,
            doc.CIPHKEY,
            doc.PLAYKEY,
            doc.QUAGKEY,
            doc.QUAGCKEY,
            doc.QUAGINDI,
            doc.VIGENKEY};
}

PuzzleChecks::PuzzleChecks(QObject* parent) : QObject(parent)
{
    m_model.setFile(LanguageModel::FileBeside({}));
}

PuzzleChecks::~PuzzleChecks() = default;

const RatingEngine* PuzzleChecks::engine()
{
    if (m_engine == nullptr && m_modelError.isEmpty()) {
        m_engine = m_model.Get();
        m_modelError = QString::fromStdString(m_model.Error());
    }
    return m_engine;
}

void PuzzleChecks::Update(const PuzzleDocument& doc, CipherKind wanted)
{
    for (int i = 0; i < CipherKindCount; ++i) {
        const CipherKind kind = KindFromIndex(i);
        Slot& slot = m_slots[static_cast<std::size_t>(i)];
        const bool present = !doc.Ciphertext(kind).empty();
        const RatedCryptogram now = RatedCryptogramOf(doc, kind);
        bool changedNow = present != slot.present;
        slot.present = present;
        if (slot.subject && (!present || *slot.subject != now)) {
            if (slot.check) {
                slot.check->Cancel();
            }
            slot.subject.reset();
            slot.rating.reset();
            changedNow = true;
        }
        if (kind == wanted && present && !slot.subject && engine() != nullptr) {
            slot.subject = now;
            start(kind, slot);
            changedNow = true;
        }
        if (changedNow) {
            Q_EMIT changed(kind);
        }
    }
}

void PuzzleChecks::start(CipherKind kind, Slot& slot)
{
    if (!slot.check) {
        slot.check = std::make_unique<PuzzleCheck>(*m_engine);
        connect(slot.check.get(), &PuzzleCheck::finished, this, [this, kind](const PuzzleRating& rating) {
            m_slots[static_cast<std::size_t>(kind)].rating = rating;
            Q_EMIT changed(kind);
        });
    }
    slot.check->Start(*slot.subject, m_options);
}

PuzzleChecks::Status PuzzleChecks::StatusOf(CipherKind kind) const
{
    if (kind == CipherKind::None) {
        return Status::None;
    }
    const Slot& slot = m_slots[static_cast<std::size_t>(kind)];
    if (slot.rating) {
        return Status::Rated;
    }
    if (slot.subject) {
        return Status::Running;
    }
    return slot.present && !m_modelError.isEmpty() ? Status::NoModel : Status::None;
}

const PuzzleCheck* PuzzleChecks::runningCheck(CipherKind kind) const
{
    return StatusOf(kind) == Status::Running ? m_slots[static_cast<std::size_t>(kind)].check.get() : nullptr;
}

double PuzzleChecks::ProgressOf(CipherKind kind) const
{
    const PuzzleCheck* check = runningCheck(kind);
    return check != nullptr ? check->Progress() : 0;
}

double PuzzleChecks::SecondsOf(CipherKind kind) const
{
    const PuzzleCheck* check = runningCheck(kind);
    return check != nullptr ? check->Seconds() : 0;
}

const PuzzleRating* PuzzleChecks::RatingOf(CipherKind kind) const
{
    return kind == CipherKind::None || !m_slots[static_cast<std::size_t>(kind)].rating
               ? nullptr
               : &*m_slots[static_cast<std::size_t>(kind)].rating;
}
