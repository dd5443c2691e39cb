#pragma once

#include <QPushButton>

class AudioConfig;

// The "Test" button of one row of the audio output chooser: plays the test
// sound on its device and leaves the chosen device as it was.
class QTestAudioButton : public QPushButton
{
    Q_OBJECT

public:
    // audio: the model the device belongs to; the process's model when null.
    QTestAudioButton(int index, const QString& text, QWidget* parent = nullptr, AudioConfig* audio = nullptr);

    int index() const { return m_index; }

public slots:
    void testAudio();

private:
    AudioConfig* m_audio;
    int m_index;
};
