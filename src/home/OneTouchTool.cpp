#include "home/OneTouchTool.h"

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"
#include "appliance/ConfigFile.h"
#include "appliance/Paths.h"
#include "home/ApplianceWatch.h"

#include <QDebug>
#include <QFileInfo>

namespace {

bool isTrue(const QString& value) { return value.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0; }

} // namespace

OneTouchTool::OneTouchTool(ApplianceWatch& watch)
    : m_watch(watch)
{
}

bool OneTouchTool::enabled()
{
    const QString conf = Paths::BentoConf.local();
    return isTrue(ConfigFile::value(conf, QStringLiteral("Keybolt/Enable")))
        || isTrue(ConfigFile::value(conf, QStringLiteral("KeyboltUtil/Enable")));
}

void OneTouchTool::launch(const QString& language)
{
    if (!QFileInfo::exists(Paths::KeyboltMarker.local())) {
        m_watch.restore(Paths::KeyboltMarker);
        return;
    }
    if (m_pid != 0) {
        const QString proc = QStringLiteral("/proc/%1/cmdline").arg(m_pid);
        qDebug().noquote() << proc;
        if (QFileInfo::exists(proc))
            return; // the tool is still up
        m_pid = 0;
    }
    const QString tongue = language == QLatin1String("cht") ? QStringLiteral("TCH")
        : language == QLatin1String("chs")                  ? QStringLiteral("SCH")
                                                            : language.toUpper();
    const QString word = ConfigFile::firstLine(Paths::KeyboltMarker.local());
    static const QStringList words {QStringLiteral("red"), QStringLiteral("blue"), QStringLiteral("green"),
        QStringLiteral("yellow"), QStringLiteral("vol_up"), QStringLiteral("vol_down")};
    if (!words.contains(word, Qt::CaseInsensitive))
        return;
    qint64 pid = 0;
    if (Appliance::runner().startDetachedPid(Appliance::path(QStringLiteral("/opt/keybolt/keyBolt")),
            CommandRunner::splitAtBlanks(QStringLiteral("-b %1 -l %2").arg(word, tongue)),
            Appliance::path(QStringLiteral("/")), &pid))
        m_pid = pid;
}
