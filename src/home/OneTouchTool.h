#pragma once

#include <QString>
#include <QtGlobal>

class ApplianceWatch;

// The one-touch button tool: the IR sink writes a colour word into the
// one-touch marker, and the tool is started for it unless the one started
// last still runs.
class OneTouchTool
{
public:
    explicit OneTouchTool(ApplianceWatch& watch);

    // "Keybolt/Enable" or "KeyboltUtil/Enable" of the package configuration
    // is "TRUE" ignoring case.
    static bool enabled();
    // Starts the tool for the marker's word ("red", "blue", "green",
    // "yellow", "vol_up", "vol_down", any case) in the user-interface
    // language `language` (a code; empty when none is current). A missing
    // marker is created empty and watched again instead.
    void launch(const QString& language);

private:
    ApplianceWatch& m_watch;
    qint64 m_pid = 0;
};
