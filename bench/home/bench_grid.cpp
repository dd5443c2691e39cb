// Cost of a page change of the tile grid: setSelect alternating between an
// entry on the first page and one on the last, with 1,000 entries against 20,
// counted in instructions with callgrind (only the calls are collected; no
// event is processed inside the measured loop). The grid keeps a fixed pool of
// page items, so both should cost the same.
//
//   build/default/bench/bench_home_grid            (runs valgrind on itself)
//   build/default/bench/bench_home_grid --measure N ITERATIONS
#include "widgets/ImageResources.h"
#include "widgets/MultiIconViewV.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Named so that callgrind can collect exactly this function.
__attribute__((noinline)) void measuredPageChanges(MultiIconViewV& grid, int iterations, int first, int last)
{
    for (int i = 0; i < iterations; ++i) {
        grid.setSelect(first);
        grid.setSelect(last);
    }
}

int measure(int argc, char* argv[], int count, int iterations)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ImageResources::registerAll();
    MultiIconViewV grid(QSize(5, 3), QSizeF(380, 380), QSizeF(150, 200), 1.3, 0);
    QPixmap icon(512, 512);
    icon.fill(Qt::darkCyan);
    for (int i = 0; i < count; ++i)
        grid.add(icon, QStringLiteral("Application %1").arg(i + 1));
    const int first = 2, last = count - 3;
    grid.setSelect(first); // focus frames loaded, pool filled once
    grid.setSelect(last);
    measuredPageChanges(grid, iterations, first, last);
    std::printf("page starts %d and %d\n", 0, grid.pageStart());
    return 0;
}

// Instructions collected in measuredPageChanges for one run, from callgrind's
// output file.
qint64 callgrindInstructions(const QString& self, int count, int iterations)
{
    QTemporaryDir dir;
    const QString out = dir.path() + QStringLiteral("/callgrind.out");
    QProcess valgrind;
    valgrind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    valgrind.start(QStringLiteral("valgrind"),
        {QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=") + out,
            QStringLiteral("--toggle-collect=*measuredPageChanges*"), self, QStringLiteral("--measure"),
            QString::number(count), QString::number(iterations)});
    if (!valgrind.waitForStarted() || !valgrind.waitForFinished(-1) || valgrind.exitCode() != 0)
        return -1;
    QFile f(out);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression totals(
        QStringLiteral("^(?:summary|totals): (\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = totals.match(QString::fromLatin1(f.readAll()));
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--measure") == 0)
        return measure(argc, argv, atoi(argv[2]), atoi(argv[3]));

    QCoreApplication app(argc, argv);
    const int iterations = 200;
    const qint64 small = callgrindInstructions(QCoreApplication::applicationFilePath(), 20, iterations);
    const qint64 large = callgrindInstructions(QCoreApplication::applicationFilePath(), 1000, iterations);
    if (small <= 0 || large <= 0) {
        std::fprintf(stderr, "callgrind gave no figures (is valgrind installed?)\n");
        return 1;
    }
    const double perSmall = double(small) / (2 * iterations), perLarge = double(large) / (2 * iterations);
    std::printf("setSelect with a page change, instructions per call:\n");
    std::printf("  20 entries     %.0f\n  1000 entries   %.0f\n  ratio %.3f (target <= 1.2)\n", perSmall, perLarge,
        perLarge / perSmall);
    return 0;
}
