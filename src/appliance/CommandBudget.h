#pragma once

#include <QString>
#include <QStringList>

// How long the program waits for another program, by kind of command. Every
// synchronous command names one; nothing waits without a limit, since a hung
// tool must not freeze the one GUI thread a viewer with a remote depends on.
enum class Budget {
    Query, // asks and changes nothing: xrandr -q, xset q, pactl list, aplay -l, the EDID tools, ibus, pidof, ps
    Setting, // one small change: xset dpms, pactl modules and default sink, gsettings set, setcfg, touch, rm, xdotool
    Sound, // plays the test sound through a channel
    Screen, // changes the screen: the hot-plug script, ivomargin, wallpaper.sh
    Package, // the package tool's operations and a package's start or stop script
    Service, // restarts an appliance service (the IR daemon) or starts the product switch
    Sudo, // a command through sudo, which may wait for a password nobody types
};

struct BudgetRule_s {
    Budget budget;
    const char* name;
    int ms; // the wait before the command counts as overrun
    // What happens at the limit: a command that changes the appliance half-way
    // is not killed (a half-applied screen mode or package is worse than a
    // late one); the program stops waiting and it goes on detached.
    bool letGo;
    // Between SIGTERM and SIGKILL; 0 kills at once.
    int graceMs;
};

namespace CommandBudget {

// The table, in the order of the enum.
const BudgetRule_s& rule(Budget budget);
// The rule's wait, scaled by IVO_BUDGET_SCALE (a positive factor; tests and
// the simulator shrink every budget with it).
int ms(Budget budget);
// After an overrun: SIGTERM to the process group, SIGKILL after the rule's
// grace, and then at most afterKillMs() more before the program stops
// waiting; all scaled like the budget.
int graceMs(Budget budget);
int afterKillMs();

// The program a command line stands for: the first word of shell text given
// with -c, the command under sudo and the appliance's privileged runner, else
// the program itself; its file name only.
QString programOf(const QString& program, const QStringList& args);

// Programs that ran past their budget are not waited for again for a while:
// one hung tool costs one budget, not one per call.
constexpr int kOverrunMemorySeconds = 60;
void noteOverrun(const QString& program);
// Seconds since the program's overrun, or -1 when it is not remembered.
int overrunAge(const QString& program);
// Forgets every overrun (tests).
void forgetOverruns();

} // namespace CommandBudget
