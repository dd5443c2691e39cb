#include "FirstFrame.h"

#include <QRegularExpression>

#include <ctime>

namespace FirstFrame {

qint64 nowNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

Line_s parse(const QByteArray& line)
{
    static const QRegularExpression re(
        QStringLiteral("first frame: monotonic_ns=(\\d+)(?:.*child_wait_ms=([0-9.]+))?"));
    Line_s out;
    const QRegularExpressionMatch m = re.match(QString::fromUtf8(line));
    if (!m.hasMatch())
        return out;
    out.monotonicNs = m.captured(1).toLongLong();
    out.childWaitMs = m.captured(2).toDouble();
    return out;
}

} // namespace FirstFrame
