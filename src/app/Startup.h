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
// Sets openbox's title-bar layout for the task bar setting and runs
// "ivomargin -u"; false when there is no rc.xml with a theme to edit.
bool applyTitleLayout(bool taskBar);
// Asks the window manager to keep the window off the task bar and tells the
// task bar to look again.
void hideFromTaskBar(QWidget* window);
// The wallpaper style sheet for the user's "Wallpaper/Image".
QString wallpaperStyleSheet();
// Starts the enabled entries of ~/.autorun, waiting for link targets to appear.
void startAutoRun(const Sleeper& sleep);

struct Options {
    Sleeper sleep; // default: really sleep
    // Called once the window is shown, before the steps that follow it.
    std::function<void(MainMWindow&)> windowShown;
};

// Every step before the event loop. Null when no user is logged in (the
// process should then end with status 0).
std::unique_ptr<MainMWindow> prepare(QApplication& app, const QElapsedTimer& sinceStart, const Options& options = {});
// prepare(), then the event loop; the exit code of the process.
int run(QApplication& app, const QElapsedTimer& sinceStart, const Options& options = {});

} // namespace Startup
