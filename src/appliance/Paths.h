#pragma once

#include "appliance/Appliance.h"

#include <QString>

#include <string>

// One file or program of the appliance, spelled as the appliance has it.
struct AppliancePath_s {
    const char* path;

    // The appliance's own spelling, for readers that map it themselves.
    QString text() const { return QString::fromLatin1(path); }
    // The path on this machine (Appliance::path of it).
    QString local() const { return Appliance::path(text()); }
    std::string localStd() const { return Appliance::path(path); }
};

// The appliance paths that more than one unit uses, each spelled once here.
namespace Paths {

// The installed-package configuration: the package model reads it, start-up
// looks up auto-run entries in it, the home window follows it.
inline constexpr AppliancePath_s BentoConf {"/etc/config/bento.conf"};
// The platform's system configuration (version, model, time zone).
inline constexpr AppliancePath_s SystemConf {"/etc/config/corvex.conf"};
// "DISPLAY_NAME=..." lines: start-up's environment and the title bar.
inline constexpr AppliancePath_s PlatformConf {"/etc/platform.conf"};
// The hardware model's INI file: the audio model and the catalog filter.
inline constexpr AppliancePath_s ModelConf {"/etc/model.conf"};
inline constexpr AppliancePath_s ScreenConf {"/etc/Tellora/config/screen.conf"};
inline constexpr AppliancePath_s LoginConf {"/etc/Tellora/config/login.conf"};
// The script that applies the screen configuration to the outputs.
inline constexpr AppliancePath_s HotplugScript {"/etc/Tellora/init.d/xrandr-hotplug.sh"};
// The colour word of a remote's colour key, for the one-touch button tool:
// written by the IR sink, watched by the home window.
inline constexpr AppliancePath_s KeyboltMarker {"/tmp/.tellora.keybolt.xxx"};
// The process id of a program that takes the remote's keys for itself.
inline constexpr AppliancePath_s RegistrationPidFile {"/var/run/tellora/ir_reg.pid"};
// The kernel's device for virtual input devices.
inline constexpr AppliancePath_s Uinput {"/dev/uinput"};
// The built-in IR receiver's modes ("N:name" lines) and its current mode
// (decimal text): the Preferences page offers them, the settings dialog puts
// the stored choice back each time it is built.
inline constexpr AppliancePath_s IrReceiverModes {"/proc/ite_8721f_cir/support"};
inline constexpr AppliancePath_s IrReceiverCurrentMode {"/proc/ite_8721f_cir/current"};
// ALSA's own configuration, whose default PCM device follows the chosen
// audio output.
inline constexpr AppliancePath_s AlsaConf {"/usr/share/alsa/alsa.conf"};
// The shell of the pipelines the appliance's tools are reached through.
inline constexpr AppliancePath_s Bash {"/bin/bash"};

} // namespace Paths
