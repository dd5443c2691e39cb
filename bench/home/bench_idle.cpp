// Idle cost of the home screen: processor time (user + system, from
// /proc/PID/stat) over a window that starts some seconds after start, and the
// resident memory at its end, with 15 tiles on a 1080p screen. The reference
// window of the start-up benchmark runs beside it and is measured the same way.
//
// The tiles are fed to the grid directly by this program (the "--child" mode
// runs the home screen's own start-up and adds 15 entries once the window is
// shown), because the package model that normally fills the grid is not part
// of this measurement.
//
//   sim/ivo-sim setup && eval "$(sim/ivo-sim env)"
//   tests/run-xvfb build/default/bench/bench_home_idle [--settle 15] [--window 60]
#include "app/Startup.h"
#include "home/MainMWindow.h"
#include "widgets/ImageResources.h"
#include "widgets/MultiIconViewV.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QThread>

#include <cstdio>

#include <csignal>
#include <unistd.h>

namespace {

QPixmap tileIcon(int i)
{
    QPixmap pm(512, 512);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 512);
    g.setColorAt(0, QColor::fromHsv((i * 37) % 360, 170, 230));
    g.setColorAt(1, QColor::fromHsv((i * 37 + 20) % 360, 200, 120));
    QPainterPath path;
    path.addRoundedRect(QRectF(24, 24, 464, 464), 64, 64);
    p.fillPath(path, g);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("WenQuanYi Zen Hei"));
    f.setPixelSize(220);
    p.setFont(f);
    p.drawText(QRectF(0, 0, 512, 512), Qt::AlignCenter, QString(QChar(u'A' + i)));
    return pm;
}

int child(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    ImageResources::registerAll();
    Startup::Options options;
    options.windowShown = [](MainMWindow& w) {
        MultiIconViewV* grid = w.findChild<MultiIconViewV*>();
        for (int i = 0; i < 15; ++i)
            grid->add(tileIcon(i), QStringLiteral("Application %1").arg(i + 1));
        grid->setSelect(0);
        grid->setFocus();
    };
    return Startup::run(app, sinceStart, options);
}

struct Usage_s {
    double cpuSeconds = -1;
    double rssMiB = -1;
};

Usage_s usage(qint64 pid)
{
    Usage_s u;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        // utime and stime are the 14th and 15th fields of the line.
        if (fields.size() > 12)
            u.cpuSeconds = double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
    }
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray& l : status.readAll().split('\n')) {
            if (l.startsWith("VmRSS:"))
                u.rssMiB = l.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
    }
    return u;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv);

    QCoreApplication app(argc, argv);
    int settle = 15, window = 60;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--settle"))
            settle = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--window"))
            window = args[i + 1].toInt();
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") || qEnvironmentVariableIsEmpty("IVO_SYSROOT")) {
        std::fprintf(stderr, "needs DISPLAY (an Xvfb with openbox) and the simulator's environment\n");
        return 2;
    }
    QProcess home, reference;
    home.setStandardOutputFile(QProcess::nullDevice());
    home.setStandardErrorFile(QProcess::nullDevice());
    reference.setStandardOutputFile(QProcess::nullDevice());
    reference.setStandardErrorFile(QProcess::nullDevice());
    home.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
    reference.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_home_refwindow"), {});
    if (!home.waitForStarted() || !reference.waitForStarted()) {
        std::fprintf(stderr, "cannot start the programs\n");
        return 1;
    }
    QThread::sleep(settle);
    const Usage_s h0 = usage(home.processId()), r0 = usage(reference.processId());
    QThread::sleep(window);
    const Usage_s h1 = usage(home.processId()), r1 = usage(reference.processId());
    home.terminate();
    reference.terminate();
    home.waitForFinished();
    reference.waitForFinished();
    if (h0.cpuSeconds < 0 || h1.cpuSeconds < 0 || r1.cpuSeconds < 0) {
        std::fprintf(stderr, "a program ended early\n");
        return 1;
    }
    const double homeCpu = (h1.cpuSeconds - h0.cpuSeconds) / window * 100;
    const double refCpu = (r1.cpuSeconds - r0.cpuSeconds) / window * 100;
    std::printf("over %d s starting %d s after start:\n", window, settle);
    std::printf(
        "  ivo (15 tiles)    cpu %.3f %% of one core (target <= 0.05 %%), VmRSS %.1f MiB\n", homeCpu, h1.rssMiB);
    std::printf("  reference window  cpu %.3f %% of one core, VmRSS %.1f MiB\n", refCpu, r1.rssMiB);
    std::printf("  ratio of resident memory %.2f (target <= 1.15)\n", h1.rssMiB / r1.rssMiB);
    return 0;
}
