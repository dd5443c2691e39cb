#include "lirc/learnedRemotes.h"

#include "appliance/UserSettings.h"
#include "lirc/rcMapTable.h"

#include <QDir>
#include <QFileInfo>

namespace LearnedRemotes {

int normalSlot(int slot) { return slot == 1 || slot == 2 ? slot : 0; }

RcMapTable& table(int slot)
{
    switch (normalSlot(slot)) {
    case 1:
        return g_rcMapTable2;
    case 2:
        return g_rcMapTable3;
    default:
        return g_rcMapTable1;
    }
}

void save(int slot, std::span<const std::uint64_t, StepCount> codes)
{
    slot = normalSlot(slot);
    const auto settings = UserSettings::open();
    settings->remove(UserSettings::remoteKeySetGroup(slot));
    RcMapTable& keys = table(slot);
    // The table's folder is the settings' own, which may not exist before
    // the first setting is stored.
    if (const std::string file = keys.path(); !file.empty())
        QDir().mkpath(QFileInfo(QString::fromLocal8Bit(file.c_str())).absolutePath());
    for (int step = 0; step < StepCount; ++step) {
        keys.setMapping(codes[step], Steps[step].keyCode);
        settings->setValue(UserSettings::remoteKeySetKey(slot, step), QString::number(quint64(codes[step])));
    }
    settings->sync();
}

void reset(int slot)
{
    slot = normalSlot(slot);
    RcMapTable& keys = table(slot);
    keys.clear();
    keys.writeBack_();
    const auto settings = UserSettings::open();
    settings->remove(UserSettings::remoteKeySetGroup(slot));
    settings->sync();
}

bool isLearned(int slot)
{
    return !UserSettings::open()->value(UserSettings::remoteKeySetKey(slot, 0)).toString().isEmpty();
}

} // namespace LearnedRemotes
