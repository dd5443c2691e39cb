#include "lirc/platformVersion.h"

#include "appliance/Paths.h"
#include "util/IniParser.h"

std::string platformSystemVersion()
{
    lumo::IniParser ini;
    if (ini.ParseFile(Paths::SystemConf.localStd()) != 0)
        return {};
    return ini.Get("System", "Version", "");
}

bool platformUsesLongEndSpaces()
{
    const std::string version = platformSystemVersion();
    return !version.empty() && version.front() == '4';
}
