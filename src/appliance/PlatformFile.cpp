#include "appliance/PlatformFile.h"

#include "appliance/ConfigFile.h"
#include "appliance/Paths.h"

namespace PlatformFile {

namespace {

QStringList nameLines()
{
    QStringList lines;
    for (const QByteArray& raw : ConfigFile::read(Paths::PlatformConf.local()).split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.contains(QLatin1String("DISPLAY_NAME")))
            lines << line;
    }
    return lines;
}

QString value(const QString& line) { return line.section(QLatin1Char('='), 1).trimmed(); }

} // namespace

std::optional<QString> firstDisplayName()
{
    for (const QString& line : nameLines()) {
        if (line.indexOf(QLatin1Char('=')) > 0)
            return value(line);
    }
    return std::nullopt;
}

std::optional<QString> lastDisplayName()
{
    const QStringList lines = nameLines();
    return lines.isEmpty() ? std::nullopt : std::optional(value(lines.last()));
}

} // namespace PlatformFile
