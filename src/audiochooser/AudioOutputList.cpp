#include "audiochooser/AudioOutputList.h"

#include "appliance/Appliance.h"
#include "display/EDIDInfo.h"

#include <QLatin1String>

AudioOutputList::AudioOutputList(AudioConfig* audio, MonitorNameLookup monitor)
    : m_audio(audio)
    , m_monitor(std::move(monitor))
{
}

QStringList AudioOutputList::refresh()
{
    m_audio->refresh();
    // A reload of the sinks (the cards changed) leaves the sound server's
    // default wherever it fell; the chosen device keeps the sound.
    m_audio->SetPulseAudioDefaultSink();
    return labels();
}

QStringList AudioOutputList::labels() const
{
    QStringList out;
    for (int i = 0; i < m_audio->count(); ++i)
        out << m_audio->outputLabel(i, m_monitor);
    return out;
}

void AudioOutputList::select(int row)
{
    // The rows stay while the chooser is open, but a device that went when the
    // list was read again took its row's place in the model with it.
    if (row >= m_audio->count()) {
        qWarning("audio chooser: row %d picked, but only %d outputs are listed now; ignored", row, m_audio->count());
        return;
    }
    m_selected = row;
}

bool AudioOutputList::apply() { return m_selected >= 0 && m_audio->set(m_selected); }

AudioOutputList::Focus_s AudioOutputList::next(const Focus_s& from, int key) const
{
    const int rows = count();
    const bool inList = from.place == Place::Radio || from.place == Place::Test;
    switch (key) {
    case Qt::Key_Left:
        return from.place == Place::Test ? Focus_s {Place::Radio, from.row} : from;
    case Qt::Key_Right:
        return from.place == Place::Radio ? Focus_s {Place::Test, from.row} : from;
    case Qt::Key_Up:
        if (from.place == Place::Apply)
            return rows > 0 ? Focus_s {Place::Test, rows - 1} : Focus_s {Place::Close, 0};
        if (inList)
            return from.row == 0 ? Focus_s {Place::Close, 0} : Focus_s {from.place, from.row - 1};
        return from;
    case Qt::Key_Down:
        if (from.place == Place::Close)
            return rows > 0 ? Focus_s {Place::Radio, 0} : Focus_s {Place::Apply, 0};
        if (inList)
            return from.row >= rows - 1 ? Focus_s {Place::Apply, 0} : Focus_s {from.place, from.row + 1};
        return from;
    default:
        return from;
    }
}

int AudioOutputList::remoteKey(const QString& line)
{
    struct Name_s {
        const char* name;
        int key;
    };
    // Tested in this order; the first name the line holds decides.
    static const Name_s names[]
        = {{"KEY_LEFT", Qt::Key_Left}, {"KEY_RIGHT", Qt::Key_Right}, {"KEY_UP", Qt::Key_Up}, {"KEY_DOWN", Qt::Key_Down},
            {"KEY_EXIT", Qt::Key_Escape}, {"KEY_OK", Qt::Key_Return}, {"KEY_ENTER", Qt::Key_Return}};
    for (const Name_s& n : names) {
        if (!line.contains(QLatin1String(n.name)))
            continue;
        // OK repeats while held; only the first report of a press counts.
        if (n.key == Qt::Key_Return && !line.contains(QLatin1String(" 00 ")))
            return 0;
        return n.key;
    }
    return 0;
}

QString AudioOutputList::monitorModelName(const MonitorRef_s& ref)
{
    EDIDInfo edid;
    if (ref.edidFile.isEmpty())
        edid.init(ref.card, ref.port);
    else
        edid.init(Appliance::path(ref.edidFile));
    return edid.getModelName();
}
