// Under Xvfb with openbox: the window manager really takes the home window off the task bar only when that is on.
#include "HomeFixture.h"
#include "app/Startup.h"

#include <QProcess>

#include <X11/Xlib.h>

namespace {

// What xprop prints for these arguments; empty when it did not end.
QString xprop(const QStringList& args)
{
    QProcess p;
    p.start("xprop", args);
    return p.waitForFinished(60000) ? QString::fromLocal8Bit(p.readAllStandardOutput()) : QString();
}

// Asks the window manager, on the program's own X connection, to add a state to the window. Requests on one
// connection reach it in order: once this state shows, whatever the program asked for before it has been handled.
void requestState(QWidget* window, const char* state)
{
    Display* display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(window->winId());
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1; // add
    event.xclient.data.l[1] = long(XInternAtom(display, state, False));
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

} // namespace

class TstTaskBarHint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")
            || !xprop({"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window"))
            QSKIP("needs a window manager on the X server (run under tests/run-xvfb)");
        ImageResources::registerAll();
    }
    void skipTaskBar_data()
    {
        columns<QByteArray>();
        row("task bar on", QByteArray("true"));
        row("task bar off", QByteArray("False"));
    }
    void skipTaskBar()
    {
        const auto [enable] = fetch<QByteArray>();
        Appliance_s a("@settings\n[TaskBar]\nEnable=" + enable + "\n");
        QElapsedTimer t;
        std::unique_ptr<MainMWindow> w = Startup::prepare(t, {[](int) {}, {}, {}});
        QVERIFY(w && QTest::qWaitForWindowExposed(w.get(), 60000));
        const QStringList state {"-id", QString::number(w->winId()), "_NET_WM_STATE"};
        QTRY_VERIFY_WITH_TIMEOUT(xprop(state).contains("_NET_WM_STATE_MAXIMIZED"), 60000); // managed
        requestState(w.get(), "_NET_WM_STATE_ABOVE");
        QTRY_VERIFY_WITH_TIMEOUT(xprop(state).contains("_NET_WM_STATE_ABOVE"), 60000);
        QCOMPARE(xprop(state).contains("_NET_WM_STATE_SKIP_TASKBAR"), enable == "true");
    }
};

QTEST_MAIN(TstTaskBarHint)
#include "tst_taskbarhint.moc"
