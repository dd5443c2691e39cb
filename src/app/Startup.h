#pragma once

#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <memory>

class MainMWindow;
class QApplication;
class QWidget;

// The start-up of the home screen, step by step, so that each step can be
// driven on its own. run() is the whole sequence the program's entry takes.
namespace Startup {

// Sleeps the given number of seconds; tests pass their own.
using Sleeper = std::function<void(int seconds)>;

// Fills MODEL_NAME, PLATFORM_NAME, DISPLAY_NAME and BENTO_CLASS from the
// model, boot and platform files unless they are set already.
void fillEnvironment();
// Without a logged-in user ("NasUser" empty) the login screen must come up
// instead: login.conf gets RequireLogin = yes and true is returned.
bool requireLoginWhenNoUser();
// "TaskBar/Enable" of the user settings, compared with "True".
bool taskBarEnabled();
// Sets openbox's title-bar layout for the task bar setting; false when there
// is no rc.xml with a theme to edit. "ivomargin -u" (applyMargins) follows
// when it was set.
bool applyTitleLayout(bool taskBar);
void applyMargins();
// Asks the window manager to keep the window off the task bar; the task bar
// is told to look again (tellTaskBar) after the first frame.
void hideFromTaskBar(QWidget* window);
void tellTaskBar();
// Starts the enabled entries of ~/.autorun, waiting for link targets to appear.
void startAutoRun(const Sleeper& sleep);

struct Options {
    Sleeper sleep; // default: really sleep
    // Called once the window is shown, before the steps that follow it.
    std::function<void(MainMWindow&)> windowShown;
    // Called on the auto-run thread once the last entry was started.
    std::function<void()> autoRunFinished;
};

// Every step before the event loop, none of which runs a program or sleeps.
// Null when no user is logged in (the process should then end with status 0).
std::unique_ptr<MainMWindow> prepare(const QElapsedTimer& sinceStart, const Options& options = {});
// Once the first frame is on the screen: every step that asks the appliance,
// on the command worker in the start-up's order (the window's and its
// settings' questions, the margins, the task bar, the hot-plug script, the
// auto-run entries), the "Step 2/3" lines logged as their turn comes.
void startAppliance(MainMWindow& window, const QElapsedTimer& sinceStart, const Options& options = {});
// prepare(), then the event loop; the exit code of the process.
int run(QApplication& app, const QElapsedTimer& sinceStart, const Options& options = {});

} // namespace Startup
