#include "display/DpmsConfig.h"

#include "appliance/CommandRunner.h"
#include "appliance/UserSettings.h"

#include <QStringList>

#include <algorithm>

namespace {

const char* const kGroup = "DPMS";

// The number after a label of a "Standby: 600    Suspend: 600    Off: 600"
// line; -1 when the label or its number is missing.
int numberAfter(const QStringList& words, const char* label)
{
    for (qsizetype i = 0; i + 1 < words.size(); ++i) {
        if (words[i].compare(QLatin1String(label), Qt::CaseInsensitive) != 0)
            continue;
        bool ok = false;
        const int n = words[i + 1].toInt(&ok, 10);
        return ok ? n : -1;
    }
    return -1;
}

// A stored time-out; -1 (no preset) when absent or not a number.
int storedSeconds(const QSettings& settings, const QString& key)
{
    bool ok = false;
    const int n = settings.value(key, -1).toInt(&ok);
    return ok ? n : -1;
}

} // namespace

DpmsConfig::DpmsConfig() { refresh(); }

DpmsConfig::state_s DpmsConfig::parse(const QString& xsetOutput)
{
    state_s s;
    const QStringList lines = xsetOutput.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    qsizetype i = 0;
    while (i < lines.size() && !lines[i].startsWith(QLatin1String("DPMS")))
        ++i;
    s.reported = i < lines.size();
    // The section's body: the indented lines below its title.
    for (++i; i < lines.size() && lines[i].startsWith(QLatin1Char(' ')); ++i) {
        const QString& line = lines[i];
        if (line.contains(QLatin1String("DPMS"), Qt::CaseInsensitive)
            && line.contains(QLatin1String("Disabled"), Qt::CaseInsensitive)) {
            return state_s {0, 0, 0, 0, true};
        }
        if (!line.contains(QLatin1String("Standby"), Qt::CaseInsensitive))
            continue;
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (const int n = numberAfter(words, "Standby:"); n >= 0)
            s.standby = n;
        if (const int n = numberAfter(words, "Suspend:"); n >= 0)
            s.suspend = n;
        if (const int n = numberAfter(words, "Off:"); n >= 0)
            s.off = n;
    }
    return s;
}

void DpmsConfig::refresh()
{
    const state_s s
        = parse(QString::fromUtf8(Appliance::runner().runLine(QStringLiteral("xset q"), Budget::Query).out));
    m_enabled = s.enabled;
    m_standby = s.standby;
    m_suspend = s.suspend;
    m_off = s.off;
    m_reported = s.reported;
}

void DpmsConfig::mode(int* standby, int* suspend, int* off) const
{
    if (standby)
        *standby = m_standby;
    if (suspend)
        *suspend = m_suspend;
    if (off)
        *off = m_off;
}

void DpmsConfig::setMode(int standby, int suspend, int off)
{
    CommandRunner& runner = Appliance::runner();
    state_s chosen {0, 0, 0, 0, false};
    if (standby > 0) {
        const int s = std::max(standby, suspend);
        chosen = {1, standby, s, std::max(off, s), false};
        runner.runLine(QStringLiteral("xset +dpms"), Budget::Setting);
        runner.runLine(QStringLiteral("xset dpms %1 %2 %3").arg(standby).arg(s).arg(chosen.off), Budget::Setting);
    } else {
        runner.runLine(QStringLiteral("xset -dpms"), Budget::Setting);
        runner.runLine(QStringLiteral("xset s off"), Budget::Setting);
    }
    refresh();
    if (m_reported)
        return;
    // Nothing to read back from this server: the choice stands, or the
    // preset would store "never" and the next start turn blanking off.
    qWarning("DPMS: \"xset q\" reports no DPMS section; the chosen time-outs %d %d %d are kept", chosen.standby,
        chosen.suspend, chosen.off);
    m_enabled = chosen.enabled;
    m_standby = chosen.standby;
    m_suspend = chosen.suspend;
    m_off = chosen.off;
}

void DpmsConfig::loadPreset()
{
    const auto settings = UserSettings::open();
    settings->beginGroup(QLatin1String(kGroup));
    const int standby = storedSeconds(*settings, QStringLiteral("Standby"));
    if (standby < 0)
        return;
    const int suspend = std::max(standby, storedSeconds(*settings, QStringLiteral("Suspend")));
    const int off = std::max(storedSeconds(*settings, QStringLiteral("Off")), suspend);
    settings->setValue(QStringLiteral("Standby"), standby);
    settings->setValue(QStringLiteral("Suspend"), suspend);
    settings->setValue(QStringLiteral("Off"), off);
    settings->sync();
    setMode(standby, suspend, off);
}

void DpmsConfig::savePreset()
{
    const auto settings = UserSettings::open();
    settings->beginGroup(QLatin1String(kGroup));
    settings->setValue(QStringLiteral("Standby"), m_standby);
    settings->setValue(QStringLiteral("Suspend"), m_suspend);
    settings->setValue(QStringLiteral("Off"), m_off);
    settings->sync();
}
