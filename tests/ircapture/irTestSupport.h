#pragma once

// What the IR capture suites share: standard error captured, a clock set by hand, a scripted decoder, the keys typed.
#include "ScratchSysroot.h"
#include "SpawnRunner.h"
#include "lirc/decoder.h"
#include "lirc/irClock.h"
#include "lirc/uinputSink.h"

#include <QTemporaryFile>
#include <QTest>

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

// Standard error into a file while the object lives: the IR log lines any thread wrote.
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

// Completes `code` on the sample `trigger`, or at the codeAt-th call of popScanCode (which it counts).
class ScriptedDecoder final : public Decoder
{
public:
    ScriptedDecoder(const char* name, unsigned int trigger, std::uint64_t code, int codeAt = 0)
    {
        m_name = name, m_trigger = trigger, m_code = code, m_codeAt = codeAt;
    }
    const std::string& getDecoderName() const override { return m_name; }
    void pushRawData(unsigned int sample) override { m_sample = sample; }
    unsigned int popRawData() override { return std::exchange(m_sample, 0); }
    std::uint64_t popScanCode() override { return ++pops == m_codeAt ? m_code : std::exchange(m_pending, 0); }
    void decode() override { m_pending = popRawData() == m_trigger ? m_code : m_pending; }
    void clear() override { m_sample = 0, m_pending = 0; }
    std::atomic<int> pops {0};

private:
    std::string m_name;
    unsigned int m_trigger, m_sample = 0;
    std::uint64_t m_code, m_pending = 0;
    int m_codeAt;
};

// The keys typed into a non-blocking pipe: one per press and release written as exactly four 24-byte events with
// zero times, -1 for anything else.
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

// A virtual keyboard typing into a non-blocking pipe, whose read end goes to *keys.
inline std::unique_ptr<UinputSink> pipeKeyboard(int* keys)
{
    int fds[2];
    *keys = ::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0 ? fds[0] : -1;
    return std::make_unique<UinputSink>("uinput", *keys < 0 ? -1 : fds[1]);
}
