#include "appliance/UserSettings.h"

#include "appliance/ConfigFile.h"

namespace UserSettings {

namespace {

const QString kTaskBar = QStringLiteral("TaskBar/Enable");
const QString kFromWeb = QStringLiteral("TaskBar/setfromweb");

// The keys of the title bar's labels, in the order of UserSettings::Label.
const char* const kLabelKeys[] = {"UIControl/DisplayDatetime", "UIControl/DisplayIP", "UIControl/DisplayServername"};

void store(const QString& key, const QString& value)
{
    const std::unique_ptr<QSettings> settings = open();
    settings->setValue(key, value);
    settings->sync();
}

bool equals(const QVariant& value, const char* word)
{
    return value.toString().compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

} // namespace

QString path() { return QString::fromLocal8Bit(qgetenv("HOME")) + QStringLiteral("/.config/Vendra/IVO.conf"); }

std::unique_ptr<QSettings> open() { return ConfigFile::settings(path()); }

bool taskBarEnabled() { return taskBarEnabled(*open()); }

bool taskBarEnabled(const QSettings& settings)
{
    return equals(settings.value(kTaskBar, QStringLiteral("False")), "True");
}

void setTaskBarEnabled(bool enabled) { store(kTaskBar, enabled ? QStringLiteral("True") : QStringLiteral("False")); }

bool storeTaskBarDefault()
{
    const std::unique_ptr<QSettings> settings = open();
    if (!settings->value(kTaskBar).toString().isEmpty())
        return false;
    settings->setValue(kTaskBar, QStringLiteral("False"));
    settings->sync();
    return true;
}

bool taskBarTurnedOnFromWeb()
{
    const std::unique_ptr<QSettings> settings = open();
    return equals(settings->value(kTaskBar, QStringLiteral("no")), "yes")
        && settings->value(kFromWeb, QStringLiteral("0")).toInt() != 0;
}

void forgetTaskBarFromWeb()
{
    const std::unique_ptr<QSettings> settings = open();
    settings->remove(kFromWeb);
    settings->sync();
}

int wallpaper() { return open()->value(QStringLiteral("Wallpaper/Image"), 0).toInt(); }

void setWallpaper(int image)
{
    const std::unique_ptr<QSettings> settings = open();
    settings->setValue(QStringLiteral("Wallpaper/Image"), image);
    if (image >= 1 && image <= 3)
        settings->setValue(
            QStringLiteral("Wallpaper/Path"), QStringLiteral("/opt/ivo/wallpaper_image%1_4K.jpg").arg(image));
    settings->sync();
}

Labels_s labels() { return labels(*open()); }

Labels_s labels(const QSettings& settings)
{
    auto shown
        = [&](const char* key) { return !equals(settings.value(QLatin1String(key), QStringLiteral("yes")), "no"); };
    return {shown(kLabelKeys[0]), shown(kLabelKeys[1]), shown(kLabelKeys[2])};
}

void setLabelShown(Label label, bool shown)
{
    store(QLatin1String(kLabelKeys[static_cast<int>(label)]), shown ? QStringLiteral("yes") : QStringLiteral("no"));
}

QString lastRun() { return open()->value(QStringLiteral("BENTO/LastRun")).toString(); }

void setLastRun(const QString& package) { store(QStringLiteral("BENTO/LastRun"), package); }

QString remoteKeySetGroup(int slot) { return QStringLiteral("RemoteKeySet%1").arg(slot); }

QString remoteKeySetKey(int slot, int step) { return QStringLiteral("RemoteKeySet%1/key%2").arg(slot).arg(step); }

int internalIr() { return open()->value(QStringLiteral("Preference/InternalIR"), 0).toInt(); }

void setInternalIr(int mode)
{
    const std::unique_ptr<QSettings> settings = open();
    settings->setValue(QStringLiteral("Preference/InternalIR"), mode);
    settings->sync();
}

} // namespace UserSettings
