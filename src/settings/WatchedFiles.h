#pragma once

#include <QString>

class QFileSystemWatcher;
class SettingsDialog;

// The files other programs change under the open settings: the screen
// configuration (the Display page reads it again), the user settings (the
// task bar switched from the web restarts the home screen) and the login
// configuration (a log-out request of the mobile remote, automatic login
// switched elsewhere). A watched file that goes away is created again empty.
class WatchedFiles
{
public:
    // Watches the three files; a change reaches the dialog's fileChanged.
    explicit WatchedFiles(SettingsDialog& dialog);

    void changed(const QString& path);

private:
    void screenConf_(const QString& path);
    void userSettings_(const QString& path);
    void loginConf_(const QString& path);
    // A watched file that was replaced (written anew and renamed over) lost
    // its watch: it is set again on what is there now.
    void rewatch_(const QString& path);

    SettingsDialog& m_dialog;
    QFileSystemWatcher* m_watcher;
};
