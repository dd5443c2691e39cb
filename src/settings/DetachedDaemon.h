#pragma once

// Starts a daemon that belongs to nobody here: fork, new session, fork again,
// so it outlives the settings dialog and the home screen and is never a
// zombie of ours. A close-on-exec pipe carries the errno of a failed exec
// back, so a missing or broken program is told from a started one without
// waiting for the daemon itself.
namespace DetachedDaemon {

// The step that failed; None when the program was executed.
enum class Failure { None, Pipe, CloseOnExec, Fork, Exec, Intermediate };

struct Result_s {
    Failure failure = Failure::None;
    int error = 0; // errno of the failed step (Pipe, CloseOnExec, Fork, Exec)
};

// Executes program (a local path) with argv[0] = name and no arguments. The
// daemon keeps standard input, output and error; every other descriptor is
// closed. Waits only for the short-lived intermediate process.
Result_s start(const char* program, const char* name);

} // namespace DetachedDaemon
