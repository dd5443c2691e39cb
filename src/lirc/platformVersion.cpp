#include "lirc/platformVersion.h"

#include "appliance/Appliance.h"
#include "util/IniParser.h"

std::string platformSystemVersion()
{
    lumo::IniParser ini;
    if (ini.ParseFile(Appliance::path("/etc/config/corvex.conf")) != 0)
        return {};
    return ini.Get("System", "Version", "");
}

bool platformUsesLongEndSpaces()
{
    const std::string version = platformSystemVersion();
    return !version.empty() && version.front() == '4';
}
