#pragma once

#include <QString>
#include <string>

// Every file, device and program path of the appliance is written in the code
// exactly as the appliance has it and passed through Appliance::path(). With
// IVO_SYSROOT unset or empty the path comes back unchanged; with it set the
// path is taken under that folder, which is how the simulator and the tests
// run the program against a scratch appliance.
//
// Paths of this very process (/proc/self/...) and the user's home directory
// are not appliance paths and never go through here.
namespace Appliance {

QString sysroot();
QString path(const QString& appliancePath);
std::string path(const std::string& appliancePath);
inline std::string path(const char* appliancePath) { return path(std::string(appliancePath)); }
// A command line named by a package or another program of the appliance:
// when it starts with an absolute path, that is an appliance path.
QString command(const QString& commandLine);

} // namespace Appliance
