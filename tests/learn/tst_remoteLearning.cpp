// The steps of learning a remote, driven tick by tick without a window or a thread, and what saving and resetting a
// slot leave in its key table and in the user settings.
#include "DataRows.h"
#include "ScratchSysroot.h"
#include "appliance/UserSettings.h"
#include "learning/remoteLearning.h"
#include "lirc/rcMapTable.h"

#include <QSettings>
#include <QTest>

namespace {

// What the steps ask for; its worker switches learning on, as the real one does.
struct Port_s final : RemoteLearning::Port {
    bool worker = false, learning = false, timer = false;
    int page = -1, shown = -2, progress = -1, workerRuns = 0;
    void startWorker() override { worker = learning = true, ++workerRuns; }
    void stopWorker() override { worker = false; }
    void enableLearning(bool on) override { learning = on; }
    void setTimerActive(bool on) override { timer = on; }
    void showPage(RemoteLearning::Page p) override { page = p; }
    void showStep(int step) override { shown = step; }
    void showProgress(int value) override { progress = value; }
};

using Codes = std::array<std::uint64_t, LearnedRemotes::StepCount>;
// Seven buttons of a remote whose codes need all 48 bits.
constexpr Codes Remote {
    0x400401000809, 0x400401008889, 0x40040100CACB, 0x40040100C9C8, 0x400401004A4B, 0x40040100A1A0, 0x40040100F4F5};

} // namespace

class TstRemoteLearning : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScratchSysroot> m_root;
    Port_s m_port;
    std::atomic<std::uint64_t> m_handOver {0};
    std::unique_ptr<RemoteLearning> m_steps;

    // n ticks of the timer, with a sample after each while a button is held.
    void ticks(int n, bool samples = false)
    {
        for (int i = 0; i < n; ++i)
            samples ? (m_steps->tick(), m_steps->irActivity()) : m_steps->tick();
    }
    // A button pressed and taken at the next tick, then let go.
    void press(std::uint64_t code, bool release = true)
    {
        m_steps->irActivity();
        m_handOver = code;
        ticks(1 + (release ? RemoteLearning::ReleaseTicks : 0));
    }

private slots:
    void init()
    {
        m_root.reset();
        m_root = std::make_unique<ScratchSysroot>();
        m_port = {};
        m_handOver = 0;
        m_steps = std::make_unique<RemoteLearning>(m_port, m_handOver);
        m_steps->setMode(true, 0);
        QCOMPARE(m_port.page, RemoteLearning::StartPage);
        m_steps->start();
    }

    // The bar starts with the first sample, fills to 90 in 4.4 s, is full when the code comes; the next button is
    // asked for one second after the last sample, not while the button is still held.
    void heldButton()
    {
        QVERIFY(m_port.page == RemoteLearning::LearnPage && m_port.worker && m_port.timer && m_port.shown == 0);
        ticks(30);
        QCOMPARE(m_port.progress, 0);
        m_steps->irActivity();
        QCOMPARE(m_port.progress, 2);
        ticks(43, true);
        QCOMPARE(m_port.progress, 88);
        ticks(10, true);
        QCOMPARE(m_port.progress, 90);
        press(0x20DF10EF, false);
        QVERIFY(m_port.progress == 100 && m_steps->codes()[0] == 0x20DF10EF && m_handOver == 0);
        QVERIFY(!m_port.worker && m_port.timer && m_port.learning);
        ticks(RemoteLearning::NoSignalTicks + 10, true); // still held
        ticks(RemoteLearning::ReleaseTicks - 1);
        QCOMPARE(m_steps->step(), 0);
        ticks(1);
        QVERIFY(m_steps->step() == 1 && m_port.shown == 1 && m_port.progress == 0);
        QVERIFY(m_port.worker && m_port.workerRuns == 2 && m_port.timer);
    }

    void noSignal_data()
    {
        columns<int>(); // ticks with samples before it all goes quiet
        row("nothing pressed", 0);
        row("bar full at 90, no code", 60);
    }

    // Five quiet seconds show the no-signal line and restart the worker for the same button; a sample clears it.
    void noSignal()
    {
        const auto [held] = fetch<int>();
        press(0x1, true); // at the second button
        ticks(held, true);
        ticks(RemoteLearning::NoSignalTicks - 1);
        QVERIFY(m_port.shown == 1 && m_port.workerRuns == 2);
        ticks(1);
        QVERIFY(m_port.shown == RemoteLearning::NoSignal && m_port.progress == 0 && m_steps->step() == 1);
        QVERIFY(m_port.workerRuns == 3 && m_port.worker && m_port.timer);
        m_steps->irActivity();
        QVERIFY(m_port.shown == 1 && m_port.progress == 2);
    }

    // An earlier button's code is refused, and no code left over from that refusal is taken after "Try again".
    void duplicate()
    {
        press(0xAA);
        press(0xAA, false);
        QVERIFY(m_port.page == RemoteLearning::DuplicatePage && !m_port.timer && !m_port.worker && m_port.learning);
        QVERIFY(m_steps->codes()[1] == 0 && m_steps->isExistScanCode(0xAA) && !m_steps->isExistScanCode(0xBB));
        m_steps->tryAgain();
        QVERIFY(m_port.page == RemoteLearning::LearnPage && m_port.shown == 1 && m_port.timer && m_port.worker);
        ticks(RemoteLearning::NoSignalTicks - 1);
        QCOMPARE(m_port.page, RemoteLearning::LearnPage);
        press(0xBB);
        QVERIFY(m_steps->step() == 2 && m_steps->codes()[0] == 0xAA && m_steps->codes()[1] == 0xBB);
    }

    void saveAndReset_data()
    {
        columns<int, int, bool>(); // the slot, the slot stored, the settings folder gone before saving
        row("slot 2", 2, 2, false);
        row("no such slot", 7, 0, false);
        row("no settings folder yet", 1, 1, true);
    }

    // The last button completes; saving adds seven lines to the slot's table and replaces its settings group; reset
    // empties both; the other slots keep theirs.
    void saveAndReset()
    {
        const auto [slot, stored, fresh] = fetch<int, int, bool>();
        const int other = stored == 0 ? 1 : 0;
        const auto file
            = [&](int s) { return QStringLiteral("/home/admin/.config/Vendra/lirckeytable%1.conf").arg(s + 1); };
        for (int s = 0; s < LearnedRemotes::SlotCount; ++s) {
            RcMapTable& table = LearnedRemotes::table(s);
            table.clear();
            QVERIFY(m_root->write(file(s), "5 1C\n"));
            QCOMPARE(table.loadRcMapTable(m_root->path(file(s)).toStdString()), 0);
        }
        QVERIFY(m_root->write("/home/admin/.config/Vendra/IVO.conf",
            QStringLiteral("[RemoteKeySet%1]\nkey0=5\nkey9=6\n[RemoteKeySet%2]\nkey0=5\n")
                .arg(stored)
                .arg(other)
                .toUtf8()));
        if (fresh)
            QVERIFY(QDir(m_root->path("/home/admin/.config")).removeRecursively());

        m_steps->setMode(true, slot);
        m_steps->start();
        for (std::uint64_t code : Remote)
            press(code, code != Remote.back());
        QVERIFY(m_port.page == RemoteLearning::CompletePage && !m_port.timer && !m_port.worker && !m_port.learning);
        m_steps->tick(); // a stray tick changes nothing
        QVERIFY(m_steps->codes() == Remote && m_port.page == RemoteLearning::CompletePage);
        m_steps->save();
        QByteArray lines = "5 1C\n";
        for (int step = 0; step < LearnedRemotes::StepCount; ++step)
            lines += QByteArray::number(qulonglong(Remote[step]), 16).toUpper() + ' '
                + QByteArray::number(LearnedRemotes::Steps[step].keyCode, 16).toUpper() + '\n';
        QCOMPARE(m_root->read(file(stored)), lines);
        QCOMPARE(m_root->read(file(other)), QByteArray(fresh ? "" : "5 1C\n"));
        auto settings = UserSettings::open();
        settings->beginGroup(UserSettings::remoteKeySetGroup(stored));
        QCOMPARE(settings->childKeys(), QStringList({"key0", "key1", "key2", "key3", "key4", "key5", "key6"}));
        QCOMPARE(settings->value("key1").toString(), QString::number(qulonglong(Remote[1])));

        m_steps->setMode(false, slot);
        QCOMPARE(m_port.page, RemoteLearning::ResetPage);
        m_steps->reset();
        QVERIFY(QFile::exists(m_root->path(file(stored))) && m_root->read(file(stored)).isEmpty());
        QVERIFY(LearnedRemotes::table(stored).entries().empty() && !LearnedRemotes::isLearned(stored));
        QVERIFY(LearnedRemotes::isLearned(other) != fresh && LearnedRemotes::table(other).entries().size() == 1);
    }
};

QTEST_GUILESS_MAIN(TstRemoteLearning)
#include "tst_remoteLearning.moc"
