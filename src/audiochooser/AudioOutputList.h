#pragma once

#include "audio/AudioConfig.h"

#include <QString>
#include <QStringList>

// What the audio output chooser shows and decides, apart from its widgets:
// the rows (one per device of the audio model, HDMI outputs named after their
// monitor), the viewer's selection and its application, where an arrow key
// moves the focus, and what a line of the IR daemon asks for.
class AudioOutputList
{
public:
    // audio: the model to show and change (not owned); monitor: how an HDMI
    // output's monitor is named, from its EDID unless a test says otherwise.
    explicit AudioOutputList(AudioConfig* audio, MonitorNameLookup monitor = monitorModelName);

    AudioConfig* audio() const { return m_audio; }

    // Reads the devices again and makes the chosen one the default sink
    // again; the label of each row afterwards.
    QStringList refresh();
    QStringList labels() const;
    int count() const { return m_audio->count(); }
    // The row of the device chosen now (checked when the list is built).
    int current() const { return m_audio->currentIndex(); }

    // The viewer's pick; -1 until a row is picked. A row past the devices
    // listed now (one went while the chooser was open) is ignored.
    void select(int row);
    int selected() const { return m_selected; }
    // Makes the picked device the chosen one; false when nothing was picked.
    bool apply();

    // A focus place: the close button, a row's radio or Test button, or the
    // apply button.
    enum class Place { Close, Radio, Test, Apply };
    struct Focus_s {
        Place place = Place::Close;
        int row = 0;
        bool operator==(const Focus_s& o) const { return place == o.place && row == o.row; }
    };
    // Where an arrow key moves the focus from `from`; `from` itself when the
    // key has nowhere to go, so the focus never wanders off the chooser.
    Focus_s next(const Focus_s& from, int key) const;

    // What a line of the IR daemon asks for: a key to post to the focused
    // widget, Qt::Key_Escape to close the chooser, or 0 for nothing (other
    // keys, and OK held down beyond its first report).
    static int remoteKey(const QString& line);

    // The model name of the monitor behind an HDMI output, from its EDID;
    // empty when none is known.
    static QString monitorModelName(const MonitorRef_s& ref);

private:
    AudioConfig* m_audio;
    MonitorNameLookup m_monitor;
    int m_selected = -1;
};
