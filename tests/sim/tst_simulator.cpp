// The stand-ins the product talks to in every flow test behave as the appliance's programs do.
#include "ScratchSysroot.h"
#include "appliance/CommandRunner.h"
#include "packages/BentoInstaller.h"
#include "settings/PadlinkService.h"

#include <QtTest>

class TstSimulator : public QObject
{
    Q_OBJECT

    ScratchSysroot m_root; // also IVO_SYSROOT and HOME, as the simulator's own environment

private slots:
    void initTestCase()
    {
        qputenv("IVO_SIM_ROOT", m_root.root().toLocal8Bit());
        QProcess setup; // says nothing on standard error when all went well
        setup.start(qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim", {"setup"});
        QVERIFY(setup.waitForFinished(180000) && setup.exitStatus() == QProcess::NormalExit && setup.exitCode() == 0);
        QCOMPARE(setup.readAllStandardError(), QByteArray());
        qputenv("PATH", (m_root.root() + "/sim/bin:").toLocal8Bit() + qgetenv("PATH"));
    }
    void init() { QVERIFY(m_root.write("/sim/commands.log", {})); }

    // The installer thread drives the package tool: a new package, then an update.
    void packageTool()
    {
#ifdef __SANITIZE_THREAD__
        QSKIP("ThreadSanitizer cannot follow a process that forks from several threads");
#endif
        // Each phase's end waits for a poll to read it: the once-a-second polling sees both, however loaded.
        QVERIFY(m_root.write("/sim/settings", "BENTO_STEP_MS=100\nBENTO_LOCKSTEP=yes\n"));
        QStringList events;
        BentoInstaller job;
        connect(&job, &BentoInstaller::downloadProgress, &job, [&](int p) { events << "D" + QString::number(p); });
        connect(&job, &BentoInstaller::installProgress, &job, [&](int p) { events << "I" + QString::number(p); });
        connect(&job, &BentoInstaller::finished, &job, [&] { events << "F"; });
        QCOMPARE(job.Install("Lumen"), 0); // download, then install, each rising, then the end
        QTRY_COMPARE_WITH_TIMEOUT(events.count("F"), 1, 60000);
        QList<int> download, install;
        for (const QString& e : events.mid(0, events.size() - 1))
            (e[0] == 'D' ? download : install) << e.mid(1).toInt();
        QVERIFY2(QRegularExpression("^(D\\d+ )+D[1-9]\\d* (I[1-4] )+F$").match(events.join(' ')).hasMatch()
                && std::is_sorted(download.begin(), download.end()) && std::is_sorted(install.begin(), install.end()),
            qPrintable(events.join(' ')));
        QCOMPARE(job.Install("Cinema"), 0); // an update of an installed package
        QTRY_COMPARE_WITH_TIMEOUT(events.count("F"), 2, 60000);
    }

    // The mobile remote as the General page switches it for a user other than "admin": through the sudo stand-in,
    // the daemon under its own name for the real pidof and killall. A sudo that hangs is given up after 5 s.
    void padlinkDaemon()
    {
        qputenv("NasUser", QByteArray("john").toBase64());
        const QString pidof = m_root.path("/bin/pidof");
        PadlinkService service(true);
        QVERIFY(service.enable());
        QTRY_VERIFY_WITH_TIMEOUT(Appliance::runner().run(pidof, {"remotepad"}, Budget::Query).ok(), 30000);
        QVERIFY(!service.disable());
        QTRY_VERIFY_WITH_TIMEOUT(!Appliance::runner().run(pidof, {"remotepad"}, Budget::Query).ok(), 30000);
        QStringList lines = QString::fromUtf8(m_root.read("/sim/commands.log")).split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.removeAll("/bin/pidof remotepad") >= 2); // the looks above, through the real pidof's wrapper
        QCOMPARE(lines.join('|'),
            "/usr/bin/sudo /bin/ln -s /etc/Tellora/xinit/start_remotepad /etc/Tellora/xorg_rcS.d/S03remotepad|"
            "/opt/bin/remotepad|/usr/bin/sudo /bin/killall remotepad|/bin/killall remotepad|/usr/bin/sudo /bin/rm -f "
            "/etc/Tellora/xorg_rcS.d/S03remotepad");

        QVERIFY(m_root.write("/sim/settings", "SUDO_HANG=yes\n"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Padlink: sudo command timeout or failed to finish: .*"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Padlink: sudo symlink 建立失敗: .*"));
        QVERIFY(!service.enable());
        QVERIFY(!PadlinkService::isEnabled());
    }
};

QTEST_GUILESS_MAIN(TstSimulator)
#include "tst_simulator.moc"
