// Opening the settings from the remote: from the IR daemon's OK line on the
// title bar's Settings button to the dialog's first painted frame, against
// showing a bare dialog of the same size to its first frame, alternately in
// the same run. The dialog is built with the home window, as in the product;
// opening it only asks for the primary output's offset and shows it.
//
//   tests/run-xvfb build/default/bench/bench_settings_open [opens]
#include "../support/BenchSupport.h"
#include "appliance/CommandRunner.h"
#include "home/ImageResources.h"
#include "home/MainMWindow.h"
#include "settings/SettingsDialog.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFrame>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct PaintWatch_s : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// A dialog that paints the least it can.
class BareDialog : public QDialog
{
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::darkBlue); }
};

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char* argv[])
{
    const int opens = argc > 1 ? std::max(2, atoi(argv[1])) : 30;
    QTemporaryDir root;
    QDir().mkpath(root.path() + QStringLiteral("/dev"));
    QDir().mkpath(root.path() + QStringLiteral("/home/admin"));
    qputenv("IVO_SYSROOT", root.path().toUtf8());
    qputenv("HOME", (root.path() + QStringLiteral("/home/admin")).toUtf8());
    qputenv("NasUser", "YWRtaW4=");
    qputenv("NasGroupID", "MA==");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    SilentRunner runner;
    Appliance::setRunner(&runner);

    QApplication app(argc, argv);
    ImageResources::registerAll();
    QLocalServer daemon;
    if (!daemon.listen(root.path() + QStringLiteral("/dev/lircd"))) {
        std::fprintf(stderr, "cannot listen on the daemon's socket\n");
        return 1;
    }
    MainMWindow window;
    window.showMaximized();
    window.activateWindow();
    if (!daemon.waitForNewConnection(10000)) {
        std::fprintf(stderr, "the home window never connected to the daemon\n");
        return 1;
    }
    QLocalSocket* line = daemon.nextPendingConnection();
    auto* settings = window.findChild<SettingsDialog*>();
    auto* button = window.findChild<QFrame*>(QStringLiteral("frmsetting"));
    PaintWatch_s settingsPaint;
    settings->installEventFilter(&settingsPaint);
    settle(500);

    BareDialog bare;
    PaintWatch_s barePaint;
    bare.installEventFilter(&barePaint);

    std::vector<qint64> opened, references;
    for (int i = 0; i < opens; ++i) {
        window.activateWindow();
        button->setFocus();
        settle(50);
        settingsPaint.painted = false;
        QElapsedTimer t;
        t.start();
        line->write("0000000000000005 00 KEY_OK simremote\n");
        line->flush();
        opened.push_back(untilPainted(settingsPaint, t));
        const QRect geometry = settings->geometry();
        settings->close();
        settle(50);
        if (opened.back() < 0) {
            std::fprintf(stderr, "open %d: the dialog was never painted\n", i);
            return 1;
        }

        bare.setGeometry(geometry);
        barePaint.painted = false;
        QElapsedTimer r;
        r.start();
        bare.show();
        references.push_back(untilPainted(barePaint, r));
        bare.hide();
        settle(50);
    }

    const double open = median(opened) / 1e6, reference = median(references) / 1e6;
    std::printf("remote OK on Settings to the dialog's first frame, %d x %d, median of %d opens:\n", settings->width(),
        settings->height(), opens);
    std::printf(
        "  settings dialog   %.3f ms\n  bare dialog       %.3f ms\n  ratio %.2f\n", open, reference, open / reference);
    Appliance::setRunner(nullptr);
    return 0;
}
