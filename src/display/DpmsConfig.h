#pragma once

#include <QString>

// The X server's display power management (screen blanking) through xset:
// whether it is on and its three time-outs, in seconds. The user's choice is
// kept as a preset in the user settings, group "DPMS" ("Standby", "Suspend",
// "Off"; -1 or absent: no preset), which loadPreset() applies at start-up.
class DpmsConfig
{
public:
    // Reads the server's state at once.
    DpmsConfig();

    // Re-reads the four fields from "xset q". Output without a DPMS section
    // (no extension, no server) reads as enabled with all time-outs 0, which
    // the Display page shows as "Off".
    void refresh();
    // Copies the time-outs to the pointers that are not null.
    void mode(int* standby, int* suspend, int* off) const;
    // standby > 0: "xset +dpms", then "xset dpms S P O" with the time-outs
    // made non-decreasing (P = max(standby, suspend), O = max(off, P));
    // otherwise "xset -dpms" and "xset s off". Then refresh(); when the
    // server reports no DPMS section, the fields keep the time-outs just
    // applied (all 0 and disabled for off), so that the preset stores them.
    void setMode(int standby, int suspend, int off);
    // Applies the stored preset, written back non-decreasing; nothing when
    // there is none (or it is not a number).
    void loadPreset();
    // Stores the current time-outs as the preset.
    void savePreset();

    int enabled() const { return m_enabled; }

    // The fields as "xset q" text gives them.
    struct state_s {
        int enabled = 1;
        int standby = 0;
        int suspend = 0;
        int off = 0;
        bool reported = false; // a DPMS section was there
    };
    static state_s parse(const QString& xsetOutput);

private:
    int m_enabled = 1;
    int m_standby = 0;
    int m_suspend = 0;
    int m_off = 0;
    bool m_reported = false;
};
