#pragma once

// What the IR capture suites share: standard error captured, a clock set by hand, the keys typed.
#include "ScratchSysroot.h"
#include "SpawnRunner.h"
#include "lirc/irClock.h"
#include "lirc/uinputSink.h"

#include <QDir>
#include <QTemporaryFile>
#include <QTest>

#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

// Standard error redirected into a file while the object lives, so a test
// reads the IR log lines that any thread wrote.
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        m_saved = ::dup(STDERR_FILENO);
        ::dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StderrCapture()
    {
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    QByteArray text() const
    {
        QFile f(m_file.fileName());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

class ManualClock final : public IrClock
{
public:
    std::int64_t nowNs() override { return ns += step; }
    std::int64_t ns = 0, step = 0;
};

// The keys typed into a non-blocking pipe: one per press and release written
// as exactly four 24-byte events with zero times, -1 for anything else.
inline QList<int> typedKeys(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    QList<int> keys;
    for (qsizetype at = 0; at < bytes.size(); at += 4 * sizeof(input_event)) {
        input_event got[4] {};
        std::memcpy(got, bytes.constData() + at, std::min<qsizetype>(sizeof got, bytes.size() - at));
        const std::uint16_t key = got[0].code;
        const input_event press[4] {
            {{}, EV_KEY, key, 1}, {{}, EV_SYN, SYN_REPORT, 0}, {{}, EV_KEY, key, 0}, {{}, EV_SYN, SYN_REPORT, 0}};
        keys.append(std::memcmp(got, press, sizeof got) == 0 ? key : -1);
    }
    return keys;
}

// Starts the simulator's remote, "sim/ivo-sim press ARGS..." of the source tree: its process id, or -1.
inline pid_t spawnSimPress(QList<QByteArray> args)
{
    return spawnProgram(QList<QByteArray> {qgetenv("IVO_SOURCE_DIR") + "/sim/ivo-sim", "press"} + args);
}
