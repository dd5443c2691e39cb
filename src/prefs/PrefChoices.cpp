#include "prefs/PrefChoices.h"

#include "appliance/ApplianceCommands.h"
#include "audio/AudioConfig.h"
#include "i18n/UiLanguage.h"
#include "im/SystemInputMethod.h"
#include "prefs/AlsaDefaults.h"
#include "prefs/SettingsTexts.h"

#include <QCoreApplication>

namespace PrefChoices {

namespace {

int indexOf(const QStringList& entries, const QString& shown)
{
    return shown.isEmpty() ? -1 : int(entries.indexOf(shown));
}

// The page's language table is read down its columns, which puts Deutsch
// after Polski; otherwise it is the code order the home screen's menu keeps.
const QStringList& menuCodes()
{
    static const QStringList codes
        = QStringLiteral("chs cht cze dan dut eng fin fre grk hun ita jpn kor nor pol ger por rom rus spa swe tha tur")
              .split(QLatin1Char(' '));
    return codes;
}

// Reading the outputs reloads the sound server's sinks when the cards changed,
// which leaves its default wherever it fell: the chosen output keeps the sound.
void reread(AudioConfig& audio)
{
    audio.refresh();
    audio.SetPulseAudioDefaultSink();
}

} // namespace

PrefMenu_s languages(const QString& currentCode)
{
    PrefMenu_s menu;
    for (const QString& code : menuCodes()) {
        if (code == currentCode)
            menu.current = int(menu.entries.size());
        menu.entries << UiLanguage::nameOf(code);
    }
    return menu;
}

QString languageAt(int index) { return menuCodes().value(index); }

PrefMenu_s inputMethods(SystemInputMethod& model, const QString& shown)
{
    PrefMenu_s menu;
    for (const IMInfo& im : model.getRemovableList())
        menu.entries << im.name;
    menu.current = indexOf(menu.entries, shown);
    menu.entries << SettingsTexts::tr("Add") << SettingsTexts::tr("Remove");
    return menu;
}

ImChoice chooseInputMethod(SystemInputMethod& model, int index)
{
    const QList<IMInfo>& on = model.getRemovableList();
    if (index >= 0 && index < on.size()) {
        model.setActiveIM(IMInfo(on.at(index)));
        return ImChoice::Activated;
    }
    if (index == on.size())
        return ImChoice::Add;
    if (index == on.size() + 1)
        return ImChoice::Remove;
    return ImChoice::None;
}

PrefMenu_s audioOutputs(AudioConfig& audio)
{
    reread(audio);
    PrefMenu_s menu;
    for (const st_audiohwinfo& d : audio.devices())
        menu.entries << d.setDevName;
    menu.current = audio.currentIndex();
    return menu;
}

std::optional<QString> chooseAudioOutput(AudioConfig& audio, int index, const QString& alsaConf)
{
    if (!audio.set(index))
        return std::nullopt;
    // Every output the model lists is an ALSA device.
    AlsaDefaults::setDefaultDevice(alsaConf, audio.GetDevIndex(index));
    return audio.GetSetDevName(index);
}

PrefMenu_s receiverModes(const QList<IrReceiverMode::Mode_s>& modes, const QString& shown)
{
    PrefMenu_s menu;
    for (const IrReceiverMode::Mode_s& m : modes)
        menu.entries << m.name;
    menu.current = indexOf(menu.entries, shown);
    return menu;
}

View_s read(AudioConfig& audio)
{
    View_s view;
    reread(audio);
    if (const st_audiohwinfo* chosen = audio.get(audio.currentIndex()))
        view.audioOutput = chosen->setDevName;
    view.receiverMode = IrReceiverMode::currentName();
    view.customRemotes = ApplianceCmd::canLearnRemotes();
    return view;
}

QString slotText(bool learned) { return learned ? SettingsTexts::tr("Reset") : SettingsTexts::tr("Learn now"); }

} // namespace PrefChoices
