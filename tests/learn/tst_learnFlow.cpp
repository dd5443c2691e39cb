// Remote learning on the receiver pipeline of a simulated appliance: the worker, the dialog's keys, and the whole
// dialog driven by the simulator's remote. IVO_LEARN_SHOTS=DIR keeps a picture of each page (under tests/run-xvfb).
#include "../ircapture/irTestSupport.h"
#include "DataRows.h"
#include "WidgetFixture.h"
#include "appliance/Appliance.h"
#include "appliance/ApplianceCommands.h"
#include "learning/CustomRemoteDialog.h"
#include "lirc/irPipeline.h"
#include "lirc/rcMapTable.h"
#include "widgets/ImageResources.h"

#include <QElapsedTimer>
#include <QStackedWidget>
#include <QTimer>
#include <QWheelEvent>

#include <sys/wait.h>

namespace {

QString page(const QWidget& dialog) { return part<QStackedWidget>(dialog, "stwgCR")->currentWidget()->objectName(); }
QString focused(const QWidget& dialog) { return dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString(); }

} // namespace

class TstLearnFlow : public QObject
{
    Q_OBJECT

    ScratchSysroot m_root; // also IVO_SYSROOT and HOME: the simulator's sysroot
    SpawnRunner m_runner; // the simulator's programs run for real, without fork()
    std::unique_ptr<IrPipeline> m_pipeline;
    int m_writer = -1, m_keys = -1;
    QString m_shots;

    // Presses a button (once more every 200 ms) until the keyboard types: the keys typed, each once.
    QList<int> typedAfter(const std::function<bool()>& press)
    {
        QList<int> typed;
        QElapsedTimer t;
        for (t.start(); typed.isEmpty() && t.elapsed() < 20000;) {
            if (!press())
                return {-1};
            (void)QTest::qWaitFor([&] { return !(typed += typedKeys(m_keys)).isEmpty(); }, 200);
        }
        std::sort(typed.begin(), typed.end());
        typed.erase(std::unique(typed.begin(), typed.end()), typed.end());
        return typed;
    }
    // The simulator's remote; the event loop runs while it is held, and so does whileHeld.
    bool simPress(const char* protocol, std::uint64_t code, const char* holdMs, std::function<void()> whileHeld = {})
    {
        const pid_t pid = spawnProgram({qgetenv("IVO_SOURCE_DIR") + "/sim/ivo-sim", "press", protocol,
            QByteArray::number(qulonglong(code), 16), "--hold", holdMs});
        int status = -1;
        const auto released = [&] { return whileHeld ? whileHeld() : void(), waitpid(pid, &status, WNOHANG) == pid; };
        return pid > 0 && QTest::qWaitFor(released, 30000) && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    // The simulator's remote holds a button for a second until done() holds, again when the receiver missed it (a
    // loaded machine can stretch the signal past the pause that abandons a frame).
    bool holdUntil(std::uint64_t code, const std::function<bool()>& done, const std::function<void()>& whileHeld = {})
    {
        for (int press = 0; press < 3; ++press)
            if (simPress("nec", code, "1000", whileHeld) && QTest::qWaitFor(done, 6000))
                return true;
        return false;
    }
    void shot(QWidget* dialog, const char* name)
    {
        if (m_shots.isEmpty())
            return;
        QVERIFY(QTest::qWaitForWindowActive(dialog)); // the focused button lit
        const QString size = dialog->height() >= 2160 ? "2160p" : "1080p";
        QVERIFY(dialog->grab().save(QStringLiteral("%1/learn-%2-%3.png").arg(m_shots, name, size)));
    }

private slots:
    // The simulated appliance reports its receiver, and the pipeline is built as the home window builds it, its
    // keyboard a pipe.
    void initTestCase()
    {
        ImageResources::registerAll();
        m_shots = qEnvironmentVariable("IVO_LEARN_SHOTS");
        const QString bin = qEnvironmentVariable("IVO_BINARY_DIR");
        qputenv("IVO_SIM_ROOT", m_root.root().toLocal8Bit());
        qputenv("IVO_SIM_IR", "yes");
        qputenv("IVO_IRENCODE", (bin + "/bin/ivo-irencode").toLocal8Bit());
        qputenv("IVO_ARTGEN", (bin + "/resources/artgen").toLocal8Bit());
        int status = -1;
        const pid_t setup = spawnProgram({qgetenv("IVO_SOURCE_DIR") + "/sim/ivo-sim", "setup"});
        QVERIFY(setup > 0 && waitpid(setup, &status, 0) == setup && status == 0);
        qputenv("PATH", (m_root.root() + "/sim/bin:").toLocal8Bit() + qgetenv("PATH"));
        QVERIFY(ApplianceCmd::hasIrReceiver());

        IrPipeline::Parts_s parts;
        parts.sink = pipeKeyboard(&m_keys);
        QVERIFY((m_pipeline = IrPipeline::assemble(std::move(parts))));
        m_writer = ::open(qPrintable(m_root.path("/dev/lirc0")), O_WRONLY | O_CLOEXEC); // the receiver never sees EOF
        QVERIFY(m_writer >= 0);
    }

    void cleanupTestCase()
    {
        m_pipeline.reset();
        ::close(m_writer);
        ::close(m_keys);
    }

    void init() { g_lircLearning.enableLearning(false); }

    void worker_data()
    {
        columns<int, int, int>(); // the try that finds a code (0: none does), the pause between tries, the tries
        row("code at the third try", 3, 1, 3);
        row("ten tries, then it gives up", 0, 1, 10);
        row("stopped in its pause", 0, 600000, 1);
    }

    void worker()
    {
        const auto [codeAt, pauseMs, tries] = fetch<int, int, int>();
        Lirc lirc("");
        ScriptedDecoder decoder("counting", ~0u, 0x4004C0DE0809, codeAt);
        lirc.registerDecoder(&decoder);
        std::atomic<std::uint64_t> handOver {0xDEAD}; // left from an earlier run
        learnkeyThread worker(nullptr, &lirc, &handOver);
        worker.setPause(std::chrono::milliseconds(pauseMs));
        worker.launch();
        QTRY_VERIFY(decoder.pops >= 1);
        QElapsedTimer stopping;
        stopping.start();
        if (pauseMs > 1000)
            worker.stopAndWait();
        QVERIFY(worker.wait(30000) && stopping.elapsed() < 20000);
        QCOMPARE(decoder.pops.load(), tries);
        QCOMPARE(handOver.load(), codeAt ? 0x4004C0DE0809u : 0u);
        QVERIFY(lirc.isLearning());
    }

    // Arrows and the wheel move between the page's two buttons (the learning page's one keeps the focus), Tab does
    // nothing, Escape closes and ends learning; the frame marks the button being learned.
    void dialogKeys()
    {
        CustomRemoteDialog dialog;
        dialog.setmode(false, 2);
        QCOMPARE(focused(dialog), "frmCR4_reset");
        dialog.setmode(true, 0);
        dialog.show();
        QCOMPARE(focused(dialog), "frmCR0_start");
        const auto arrows = [&](const char* from, const char* to) {
            for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
                part(dialog, from)->setFocus();
                QTest::keyClick(part(dialog, from), key);
                QCOMPARE(focused(dialog), to);
            }
        };
        arrows("frmCR0_start", "frmCR0_cancel");
        arrows("frmCR0_cancel", "frmCR0_start");
        part(dialog, "frmCR0_cancel")->setFocus();
        QTest::keyClick(part(dialog, "frmCR0_cancel"), Qt::Key_Tab);
        QCOMPARE(focused(dialog), "frmCR0_cancel");
        for (int delta : {60, 120}) {
            QWheelEvent wheel(QPointF(5, 5), dialog.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&dialog, &wheel);
            QCoreApplication::processEvents();
        }
        QCOMPARE(focused(dialog), "frmCR0_start"); // the notch, not the nudge
        QTest::keyClick(part(dialog, "frmCR0_start"), Qt::Key_Return);
        QVERIFY(page(dialog) == "pgCR_learn" && focused(dialog) == "frmCR1_cancel");
        arrows("frmCR1_cancel", "frmCR1_cancel");
        QTRY_VERIFY(g_lircLearning.isLearning());
        for (int step = 0; step < LearnedRemotes::StepCount; ++step) {
            dialog.learn_status(step);
            const QRect frame = part(dialog, "labCR1_focus")->geometry();
            for (int key = 0; key < LearnedRemotes::StepCount; ++key) {
                const QRect picture = part(dialog, qPrintable(QStringLiteral("labCR1_key%1").arg(key)))->geometry();
                QCOMPARE(frame.contains(picture), key == step);
            }
        }
        QTest::keyClick(part(dialog, "frmCR1_cancel"), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible() && !g_lircLearning.isLearning() && !dialog.findChild<QTimer*>()->isActive());
        QVERIFY(!dialog.findChild<learnkeyThread*>()->isRunning());
    }

    // The whole dialog with the simulator's remote, each button held for a second: five quiet seconds first, the up
    // button given again for down, then saved; the learned up button types, and after a reset it no longer does.
    void dialogThroughSimulator()
    {
        std::array<std::uint64_t, LearnedRemotes::StepCount> remote {}; // seven NEC buttons, distinct codes
        for (int i = 0; i < LearnedRemotes::StepCount; ++i)
            remote[i] = 0x20DF10EF ^ (std::uint64_t(i) << 8);
        const int slot = 1;
        const QString table = "/home/admin/.config/Vendra/lirckeytable2.conf";
        {
            CustomRemoteDialog dialog;
            const RemoteLearning& steps = dialog.learning();
            dialog.setmode(true, slot);
            dialog.show();
            shot(&dialog, "start");
            QTest::keyClick(part(dialog, "frmCR0_start"), Qt::Key_Return);
            QTRY_VERIFY_WITH_TIMEOUT(
                part(dialog, "labCR1_errText")->isVisible() && !part(dialog, "labCR1_step")->isVisible(), 20000);
            shot(&dialog, "nosignal");
            for (int step = 0; step < LearnedRemotes::StepCount; ++step) {
                QTRY_VERIFY_WITH_TIMEOUT(steps.step() == step && steps.progress() < 100, 20000);
                if (step == 1) {
                    QVERIFY(holdUntil(remote[0], [&] { return page(dialog) == "pgCR_duplicate"; }));
                    shot(&dialog, "duplicate");
                    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return); // "Try again"
                    QCOMPARE(page(dialog), "pgCR_learn");
                }
                bool filling = false; // a picture of the bar filling
                QVERIFY(holdUntil(
                    remote[step], [&] { return steps.codes()[step] == remote[step]; },
                    [&] {
                        if (step == 2 && !filling && steps.progress() >= 12 && steps.progress() < 100)
                            filling = true, shot(&dialog, "learn");
                    }));
            }
            QTRY_COMPARE_WITH_TIMEOUT(page(dialog), "pgCR_complete", 20000);
            QCOMPARE(m_root.read(table).size(), 0); // nothing written before the viewer confirms
            shot(&dialog, "complete");
            QCOMPARE(focused(dialog), "frmCR2_OK");
            QTest::keyClick(part(dialog, "frmCR2_OK"), Qt::Key_Enter);
            QVERIFY(!dialog.isVisible() && !g_lircLearning.isLearning());
        }
        QVERIFY(LearnedRemotes::isLearned(slot)); // the table's lines are the learning suite's
        QCOMPARE(typedAfter([&] { return simPress("nec", remote[0], "0"); }), QList<int> {KEY_UP});
        {
            CustomRemoteDialog dialog;
            dialog.setmode(false, slot);
            dialog.show();
            shot(&dialog, "reset");
            QTest::mouseClick(part(dialog, "frmCR4_reset"), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        }
        QVERIFY(!LearnedRemotes::isLearned(slot));
    }
};

QTEST_MAIN(TstLearnFlow)
#include "tst_learnFlow.moc"
