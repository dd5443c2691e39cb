#include "appliance/CommandBudget.h"

#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <array>
#include <chrono>
#include <cmath>

namespace CommandBudget {

namespace {

constexpr std::array<BudgetRule_s, 7> kRules {{
    {Budget::Query, "query", 5000, false, 500},
    {Budget::Setting, "setting", 10000, false, 500},
    {Budget::Sound, "sound", 15000, false, 500},
    {Budget::Screen, "screen change", 30000, true, 0},
    {Budget::Package, "package operation", 120000, true, 0},
    {Budget::Service, "service", 30000, true, 0},
    // Killed at once, then waited for another second.
    {Budget::Sudo, "sudo", 5000, false, 0},
}};

double scale()
{
    bool ok = false;
    const double f = qEnvironmentVariable("IVO_BUDGET_SCALE").toDouble(&ok);
    return ok && f > 0 && std::isfinite(f) ? f : 1.0;
}

int scaled(int ms) { return std::max(1, int(std::lround(ms * scale()))); }

QMutex s_mutex;
QHash<QString, qint64> s_overruns; // program, when (ms on the monotonic clock)

qint64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

const BudgetRule_s& rule(Budget budget) { return kRules[std::size_t(budget)]; }

int ms(Budget budget) { return scaled(rule(budget).ms); }

int graceMs(Budget budget) { return rule(budget).graceMs > 0 ? scaled(rule(budget).graceMs) : 0; }

int afterKillMs() { return scaled(1000); }

QString programOf(const QString& program, const QStringList& args)
{
    QStringList words = QStringList {program} + args;
    while (!words.isEmpty()) {
        // An argument holding blanks is a command line of its own.
        const QStringList first = words.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString name = QFileInfo(first.value(0)).fileName();
        words = first.mid(1) + words.mid(1);
        if ((name == QLatin1String("sh") || name == QLatin1String("bash")) && words.value(0) == QLatin1String("-c")) {
            words = words.mid(1, 1);
        } else if (name == QLatin1String("sudo")) {
            while (!words.isEmpty() && words.first().startsWith(QLatin1Char('-')))
                words.removeFirst();
        } else if (name != QLatin1String("privrun") || words.isEmpty()) {
            return name;
        }
    }
    return QString();
}

void noteOverrun(const QString& program)
{
    QMutexLocker lock(&s_mutex);
    s_overruns.insert(program, nowMs());
}

int overrunAge(const QString& program)
{
    QMutexLocker lock(&s_mutex);
    const auto it = s_overruns.constFind(program);
    if (it == s_overruns.constEnd())
        return -1;
    const qint64 age = (nowMs() - *it) / 1000;
    if (age >= kOverrunMemorySeconds || age < 0) {
        s_overruns.erase(it);
        return -1;
    }
    return int(age);
}

void forgetOverruns()
{
    QMutexLocker lock(&s_mutex);
    s_overruns.clear();
}

} // namespace CommandBudget
