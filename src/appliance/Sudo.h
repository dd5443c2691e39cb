#pragma once

#include <QStringList>

// Privileged steps of the mobile-remote service, for users other than the
// built-in "admin" account: "/usr/bin/sudo" with the command, given 5 s before
// it is killed (a sudo that waits for a password would hang the screen).
namespace Sudo {

// How a command that ran and failed is logged: the General page names the
// command, the home screen's first-run step only the exit code and stderr.
enum class FailureLine { WithCommand, WithoutCommand };

// True when the command exited with status 0. Every other outcome is logged
// as a warning ("Padlink: sudo command ...").
bool run(const QStringList& command, FailureLine line = FailureLine::WithCommand);

} // namespace Sudo
