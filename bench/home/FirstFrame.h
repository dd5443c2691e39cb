#pragma once

#include <QLoggingCategory>
#include <QString>

// The line both the program and the reference window print when their first
// frame is on screen, and how the harness reads it back.
namespace FirstFrame {

// Monotonic clock in nanoseconds, the clock of the line's "monotonic_ns".
qint64 nowNs();

struct Line_s {
    qint64 monotonicNs = -1;
    double childWaitMs = 0;
};
// Parses "... first frame: monotonic_ns=N ... child_wait_ms=M"; monotonicNs
// stays -1 for any other line.
Line_s parse(const QByteArray& line);

} // namespace FirstFrame
