#pragma once

class MultiIconViewV;
class QWidget;
class SettingsDialog;

// The home screen's one-time notices: their markers, their removal, and the
// notices themselves.
namespace FirstRun {

// "root/.firstTime" beside the program: the installation removed the older
// generation's applications.
bool olderGenerationRemoved();
// That notice was shown: its marker and the removal list go.
void forgetOlderGeneration();

// The mobile-remote notice is due: "/.padlinkfirst" exists and the user is
// an administrator.
bool padlinkNoticeDue();
// Removes "/.padlinkfirst", directly for the "admin" account and through
// sudo (5 s at most) for any other. A failure is logged and leaves the
// marker, so the notice comes again at the next start.
void removePadlinkMarker();

// The notices that are due, modal over the home window, one after the
// other: the older generation's, then the mobile remote's. Its "Go to
// Settings" clears the grid's selection and opens the settings dialog,
// maximized on the primary screen, at the General page's Padlink switch.
void showDue(QWidget* window, SettingsDialog& settings, MultiIconViewV& grid);
// The notice that the mobile remote is off by default; true when the viewer
// chose "Go to Settings".
bool askPadlinkSettings(QWidget* window);

} // namespace FirstRun
