#pragma once

#include "lirc/irClock.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryFile>

#include <cstdint>
#include <tuple>

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

// Standard error redirected into a file while the object lives, so a test
// can read the IR log lines written by any thread.
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        ::dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { restore(); }
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }
    QByteArray text()
    {
        std::fflush(stderr);
        QFile f(m_file.fileName());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    int count(const QByteArray& message) { return int(text().count(message)); }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

// A clock the test sets by hand.
class ManualClock final : public IrClock
{
public:
    std::int64_t nowNs() override { return ns; }
    std::int64_t ns = 0;
};

// The events waiting in a non-blocking pipe, as (type, code, value).
using KeyEvent = std::tuple<int, int, int>;
inline QList<KeyEvent> readEvents(int fd, QByteArray* raw = nullptr)
{
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    if (raw)
        *raw = bytes;
    QList<KeyEvent> events;
    for (qsizetype at = 0; at + qsizetype(sizeof(input_event)) <= bytes.size(); at += sizeof(input_event)) {
        input_event e;
        std::memcpy(&e, bytes.constData() + at, sizeof e);
        events.append({e.type, e.code, e.value});
    }
    return events;
}

// The four events of one key press and release.
inline QList<KeyEvent> keyPress(int key)
{
    return {{EV_KEY, key, 1}, {EV_SYN, 0, 0}, {EV_KEY, key, 0}, {EV_SYN, 0, 0}};
}
