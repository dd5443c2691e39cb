#pragma once

#include "packages/bentoconf.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cstdlib>

// Checks shared by the package fuzzers. A broken rule aborts, which
// libFuzzer reports as a finding with the input that caused it.
#define FUZZ_CHECK(cond)                                                                                               \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            fprintf(stderr, "check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__);                                  \
            abort();                                                                                                   \
        }                                                                                                              \
    } while (0)

// The availability word is set exactly where the record maps hold the name.
inline void checkInvariants(const AggPkgInfo& model)
{
    const QMap<QString, int> avail = model.AvailPkgMap();
    const QMap<QString, PkgInfo_s> conf = model.ConfPkgInfos(), web = model.WebPkgInfos();
    for (auto it = avail.cbegin(); it != avail.cend(); ++it) {
        FUZZ_CHECK(it.value() == ((conf.contains(it.key()) ? 1 : 0) | (web.contains(it.key()) ? 256 : 0)));
        FUZZ_CHECK(!it.key().isEmpty());
    }
    for (const QString& name : conf.keys())
        FUZZ_CHECK(avail.contains(name) && conf[name].name == name);
    for (const QString& name : web.keys())
        FUZZ_CHECK(avail.contains(name) && web[name].name == name);
}

inline void quietLog()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

inline bool writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}
