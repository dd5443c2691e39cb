#include "prefs/IrReceiverMode.h"

#include "appliance/Paths.h"
#include "appliance/UserSettings.h"

#include <QFile>

namespace IrReceiverMode {

namespace {

// Writes the mode as decimal text, no line feed, as the driver expects it.
void writeCurrent(int number)
{
    QFile file(Paths::IrReceiverCurrentMode.local());
    if (!file.exists() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(QByteArray::number(number));
}

} // namespace

QList<Mode_s> parse(const QByteArray& listing)
{
    QList<Mode_s> out;
    for (const QByteArray& line : listing.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        bool ok = false;
        const int number = line.left(colon).trimmed().toInt(&ok);
        if (ok)
            out.append({number, QString::fromUtf8(line.mid(colon + 1)).trimmed()});
    }
    return out;
}

std::optional<QList<Mode_s>> modes()
{
    QFile file(Paths::IrReceiverModes.local());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll());
}

std::optional<QString> currentName()
{
    QFile file(Paths::IrReceiverCurrentMode.local());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const int number = file.readLine(64).trimmed().toInt(&ok);
    const std::optional<QList<Mode_s>> offered = modes();
    if (!ok || !offered)
        return std::nullopt;
    for (const Mode_s& m : *offered) {
        if (m.number == number)
            return m.name;
    }
    return std::nullopt;
}

void choose(int number)
{
    writeCurrent(number);
    UserSettings::setInternalIr(number);
}

void restoreStored()
{
    if (const int number = UserSettings::internalIr(); number != 0)
        writeCurrent(number);
}

} // namespace IrReceiverMode
