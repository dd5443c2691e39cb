#include "audiochooser/QTestAudioButton.h"

#include "audio/AudioConfig.h"
#include "widgets/BusySign.h"

QTestAudioButton::QTestAudioButton(int index, const QString& text, QWidget* parent, AudioConfig* audio)
    : QPushButton(text, parent)
    , m_audio(audio ? audio : AudioConfig::GetInstance())
    , m_index(index)
{
    connect(this, &QPushButton::clicked, this, &QTestAudioButton::testAudio);
}

// The sound plays while the click is handled: the screen waits for it, as the
// viewer listens anyway, and shows the wait.
void QTestAudioButton::testAudio()
{
    const BusySign::Scope busy(window());
    m_audio->testDevice(m_index);
}
