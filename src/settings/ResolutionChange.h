#pragma once

#include <QString>

#include <functional>

// A new mode for one output, which the viewer must confirm: the mode is
// written to the screen configuration file and applied by the hot-plug
// script, the task bar is sized for it, and then the viewer is asked. A
// rejection, which is also what the question's count-down answers when
// nobody does, brings the previous mode back the same way, so a mode the
// television cannot show never stays. Either way the margin tool runs last.
class ResolutionChange
{
public:
    enum Outcome {
        Unchanged, // the chosen mode and rate are the current ones
        Kept,
        TakenBack
    };

    struct Hooks_s {
        // Sizes the task bar for a screen height.
        std::function<void(int height)> setTaskbarHeight;
        // Asks the viewer and waits; true to keep the new mode.
        std::function<bool()> confirm;
    };

    explicit ResolutionChange(Hooks_s hooks);

    // Output 0 ... 4 ("Screen1" ...) to `mode` at `rate` (empty when the mode
    // has no rates).
    Outcome apply(int output, const QString& mode, const QString& rate);

private:
    void applyMode_(int output, const QString& mode, const QString& rate);

    Hooks_s m_hooks;
};
