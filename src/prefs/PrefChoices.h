#pragma once

#include "prefs/IrReceiverMode.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class AudioConfig;
class SystemInputMethod;

// One row's choice menu on the Preferences page: its entries in order and the
// one that matches the current setting (-1: none does).
struct PrefMenu_s {
    QStringList entries;
    int current = -1;
};

// What the Preferences page shows and offers, and what choosing an entry
// does, apart from the widgets: each row's menu, its apply step, and the
// values read again whenever the page is entered.
namespace PrefChoices {

// Every supported language under its own name, in the order of the page's
// language table read down its columns (Deutsch after Polski); the current
// code's entry is the default.
PrefMenu_s languages(const QString& currentCode);
// The code of the language at a menu position; empty outside the list.
QString languageAt(int index);

// The switched-on input methods by name (the one shown on the row is the
// default), then "Add" and "Remove".
PrefMenu_s inputMethods(SystemInputMethod& model, const QString& shown);
enum class ImChoice { None, Activated, Add, Remove };
// Applies a choice of that menu: a method is made active at once; Add and
// Remove are the list dialog's to do.
ImChoice chooseInputMethod(SystemInputMethod& model, int index);

// Reads the audio outputs again (the chosen one stays the sound server's
// default) and lists them by shown name; the chosen one is the default.
PrefMenu_s audioOutputs(AudioConfig& audio);
// Makes an output the chosen one (its sink becomes the sound server's
// default) and ALSA's default device follows it in alsaConf. The output's
// name, or nothing outside the list.
std::optional<QString> chooseAudioOutput(AudioConfig& audio, int index, const QString& alsaConf);

// The receiver's modes by name; the one shown on the row is the default.
PrefMenu_s receiverModes(const QList<IrReceiverMode::Mode_s>& modes, const QString& shown);

// The values the page shows, read again each time it is entered.
struct View_s {
    std::optional<QString> audioOutput; // the chosen output's name
    std::optional<QString> receiverMode; // none: the receiver row hides
    bool customRemotes = false; // the appliance can learn remotes
};
// Reads them: the audio outputs are listed again (the chosen one stays the
// sound server's default), the receiver's files read and the hardware asked
// whether it can learn remotes.
View_s read(AudioConfig& audio);

// A learned-remote slot's value: "Reset" once learned, "Learn now" before.
QString slotText(bool learned);

} // namespace PrefChoices
