// Under Xvfb with openbox: the window manager really takes the home window off the task bar only when that is on.
#include "HomeFixture.h"
#include "app/Startup.h"
#include "home/ImageResources.h"
#include "home/MainMWindow.h"

#include <QProcess>

class TstTaskBarHint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }
    void skipTaskBar_data()
    {
        QTest::addColumn<QByteArray>("enable");
        QTest::newRow("task bar on") << QByteArray("true");
        QTest::newRow("task bar off") << QByteArray("False");
    }
    void skipTaskBar()
    {
        QFETCH(QByteArray, enable);
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server with a window manager (run under tests/run-xvfb)");
        auto xprop = [](const QStringList& args) {
            QProcess p;
            p.start("xprop", args);
            return p.waitForFinished(5000) ? QString::fromLocal8Bit(p.readAllStandardOutput()) : QString();
        };
        QTRY_VERIFY2_WITH_TIMEOUT(
            xprop({"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window"), "no window manager", 10000);
        Appliance_s a("@settings\n[TaskBar]\nEnable=" + enable + "\n");
        QElapsedTimer t;
        std::unique_ptr<MainMWindow> w = Startup::prepare(*qApp, t, {[](int) {}, {}});
        QVERIFY(w && QTest::qWaitForWindowExposed(w.get()));
        const QStringList state {"-id", QString::number(w->winId()), "_NET_WM_STATE"};
        QTRY_VERIFY_WITH_TIMEOUT(xprop(state).contains("_NET_WM_STATE_MAXIMIZED"), 10000); // managed
        if (enable == "False")
            QTest::qWait(500); // time enough for a hint that should not come
        QTRY_COMPARE_WITH_TIMEOUT(xprop(state).contains("_NET_WM_STATE_SKIP_TASKBAR"), enable == "true", 10000);
    }
};

QTEST_MAIN(TstTaskBarHint)
#include "tst_taskbarhint.moc"
