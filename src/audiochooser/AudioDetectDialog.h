#pragma once

#include "appliance/FileRewatch.h"
#include "audiochooser/AudioOutputList.h"
#include "widgets/BusySign.h"

#include <QDialog>
#include <QList>

#include <memory>

class LircInput;
class QFileSystemWatcher;
class QRadioButton;
class QSignalMapper;
class QTestAudioButton;
namespace Ui {
class AudioDetectDialog;
}

// The full-screen chooser of the audio output: one row per device with a
// radio button and a "Test" button, applied with "Apply". HDMI rows carry the
// name of the connected television and follow a monitor change. It is driven
// by the remote through its own IR daemon client, by keys and by the mouse.
class AudioDetectDialog : public QDialog
{
    Q_OBJECT

public:
    // audio: the model to show and change, the process's when null; monitor:
    // how a monitor is named (from its EDID unless a test says otherwise).
    explicit AudioDetectDialog(QWidget* parent = nullptr, AudioConfig* audio = nullptr,
        MonitorNameLookup monitor = AudioOutputList::monitorModelName);
    ~AudioDetectDialog() override;

    // The form and the rows' buttons, for tests.
    Ui::AudioDetectDialog* form() const { return ui; }
    const AudioOutputList& outputs() const { return m_outputs; }
    QRadioButton* radioButton(int row) const { return m_radios.value(row); }
    QTestAudioButton* testButton(int row) const { return m_tests.value(row); }
    LircInput* lircInput() const { return m_lircInput; }

public slots:
    void getSelectedAudioOutput(int index);
    void applySetting();
    void initFocus();
    void ad_irkeyPressed(const QString& key);
    void updateDevList(const QString& path);

protected:
    // Return clicks the focused button; the arrows move over the grid.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildList_();
    // Style sheets, margins and fonts for a screen of that size.
    void scaleTo_(const QSize& screen);
    bool placeOf_(QObject* watched, AudioOutputList::Focus_s* place) const;
    QWidget* widgetAt_(const AudioOutputList::Focus_s& place) const;

    std::unique_ptr<BusySign::Scope> m_busy; // while it is built
    Ui::AudioDetectDialog* ui;
    AudioOutputList m_outputs;
    QSignalMapper* m_mapper;
    QFileSystemWatcher* m_watcher;
    FileRewatch m_rewatch;
    LircInput* m_lircInput = nullptr;
    QList<QRadioButton*> m_radios;
    QList<QTestAudioButton*> m_tests;
};
