#pragma once

// The markers of the home screen's one-time notices, and their removal.
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

} // namespace FirstRun
