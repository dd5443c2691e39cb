#pragma once

#include "packages/bentoconf.h"

#include <QStringList>

// Records the model's three signals in the order they arrive, as
// "conf pkg_add A", "avail pkg_del B", ...
class EventLog
{
public:
    explicit EventLog(AggPkgInfo& model)
    {
        auto add = [this](const char* source) {
            return [this, source](const QString& event) {
                const QStringList parts = event.split(QLatin1Char('\n'));
                m_events << QStringLiteral("%1 %2").arg(QLatin1String(source), parts.join(QLatin1Char(' ')));
            };
        };
        QObject::connect(&model, &AggPkgInfo::webPkgChanged, &model, add("web"));
        QObject::connect(&model, &AggPkgInfo::confPkgChanged, &model, add("conf"));
        QObject::connect(&model, &AggPkgInfo::availPkgChanged, &model, add("avail"));
    }
    QStringList take() { return std::exchange(m_events, {}); }

private:
    QStringList m_events;
};

// "A=1 B=256": the availability map in a form that compares and prints well.
inline QString availText(const AggPkgInfo& model)
{
    QStringList parts;
    const QMap<QString, int> avail = model.AvailPkgMap();
    for (auto it = avail.cbegin(); it != avail.cend(); ++it)
        parts << QStringLiteral("%1=%2").arg(it.key()).arg(it.value());
    return parts.join(QLatin1Char(' '));
}
