#pragma once

#include <QString>

// The appliance's desktop shell service learns which program is its shell
// through a message on its socket; its reply is not used.
namespace DesktopShell {
// Sends "register_shell" with this process's name and the user; nothing
// when the service's socket does not connect.
void registerShell(const QString& user);
} // namespace DesktopShell
