#include "SFXUnit.h"

#include <QSoundEffect>
#include <QUrl>

namespace {

QSoundEffect* loadSound(const QString& resource, QObject* parent)
{
    auto* sound = new QSoundEffect(parent);
    sound->setSource(QUrl(QStringLiteral("qrc") + resource));
    return sound;
}

} // namespace

TSoundFX::TSoundFX(QObject* parent)
    : QObject(parent), m_question(loadSound(questionSoundResource(), this)),
      m_error(loadSound(errorSoundResource(), this))
{}

TSoundFX::~TSoundFX() = default;

QString TSoundFX::questionSoundResource()
{
    return QStringLiteral(":/shell/sounds/WAVE_1.wav");
}

QString TSoundFX::errorSoundResource()
{
    return QStringLiteral(":/shell/sounds/WAVE_7.wav");
}

void TSoundFX::playQuestion()
{
    play(m_question);
}

void TSoundFX::playError()
{
    play(m_error);
}

void TSoundFX::play(QSoundEffect* sound)
{
    m_question->stop();
    m_error->stop();
    sound->play();
}
