// Runs under Xvfb with openbox: the window manager must really take the home
// window off the task bar when the task bar is on, and leave it alone when not.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "app/Startup.h"
#include "home/ImageResources.h"
#include "home/MainMWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

QString windowState(WId window)
{
    QProcess xprop;
    xprop.start(
        QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), QStringLiteral("_NET_WM_STATE")});
    xprop.waitForFinished(5000);
    return QString::fromLocal8Bit(xprop.readAllStandardOutput());
}

} // namespace

class TstTaskBarHint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ImageResources::registerAll();
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server with a window manager (run under tests/run-xvfb)");
    }
    void skipTaskBar_data();
    void skipTaskBar();
};

void TstTaskBarHint::skipTaskBar_data()
{
    QTest::addColumn<QByteArray>("enable");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("task bar on") << QByteArray("true") << true;
    QTest::newRow("task bar off") << QByteArray("False") << false;
}

void TstTaskBarHint::skipTaskBar()
{
    QFETCH(QByteArray, enable);
    QFETCH(bool, hidden);
    ScratchSysroot root;
    RecordingRunner runner;
    const QByteArray oldUser = qgetenv("NasUser");
    qputenv("NasUser", "YWRtaW4=");
    QDir().mkpath(root.home() + QStringLiteral("/.config/Vendra"));
    QFile settings(root.home() + QStringLiteral("/.config/Vendra/IVO.conf"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[TaskBar]\nEnable=" + enable + "\n");
    settings.close();

    QElapsedTimer t;
    t.start();
    Startup::Options options;
    options.sleep = [](int) {};
    std::unique_ptr<MainMWindow> w = Startup::prepare(*qApp, t, options);
    qputenv("NasUser", oldUser);
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    const QString killall = root.path(QStringLiteral("/usr/bin/killall")) + QStringLiteral(" -USR1 tint2");
    QCOMPARE(runner.lines().contains(killall), hidden);

    if (hidden) {
        QTRY_VERIFY_WITH_TIMEOUT(windowState(w->winId()).contains(QLatin1String("_NET_WM_STATE_SKIP_TASKBAR")), 5000);
    } else {
        QTest::qWait(500);
        const QString state = windowState(w->winId());
        QVERIFY2(state.contains(QLatin1String("_NET_WM_STATE")), qPrintable(state)); // managed, maximised
        QVERIFY2(!state.contains(QLatin1String("SKIP_TASKBAR")), qPrintable(state));
    }
}

QTEST_MAIN(TstTaskBarHint)
#include "tst_taskbarhint.moc"
