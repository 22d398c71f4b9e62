#pragma once

#include <QObject>

#include "UiServices.h"

class QSoundEffect;

/// The maker's two sounds, played from the program's resources without waiting: the question sound ("WAVE_1")
/// before the save question and the error sound ("WAVE_7") before every error report. Starting a sound stops one
/// still playing; a machine without sound output stays silent.
class TSoundFX : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit TSoundFX(QObject* parent = nullptr);
    ~TSoundFX() override;

    void playQuestion() override;
    void playError() override;

    /// The resources the two sounds come from.
    static QString questionSoundResource();
    static QString errorSoundResource();

private:
    void play(QSoundEffect* sound);

    QSoundEffect* m_question;
    QSoundEffect* m_error;
};
