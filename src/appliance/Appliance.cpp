#include "appliance/Appliance.h"

#include <cstdlib>

namespace Appliance {

// Read on every call: tests switch sysroots inside one process, and the cost
// is a getenv next to file or process work that dwarfs it.
static std::string sysrootBytes()
{
    const char* root = std::getenv("IVO_SYSROOT");
    if (!root || !*root)
        return {};
    std::string r(root);
    while (r.size() > 1 && r.back() == '/')
        r.pop_back();
    return r;
}

QString sysroot() { return QString::fromStdString(sysrootBytes()); }

std::string path(const std::string& appliancePath)
{
    const std::string root = sysrootBytes();
    if (root.empty() || appliancePath.empty() || appliancePath.front() != '/')
        return appliancePath;
    return root + appliancePath;
}

QString path(const QString& appliancePath) { return QString::fromStdString(path(appliancePath.toStdString())); }

QString command(const QString& commandLine)
{
    return commandLine.startsWith(QLatin1Char('/')) ? path(commandLine) : commandLine;
}

} // namespace Appliance
