// The stand-ins the product talks to in every flow test behave as the appliance's programs do.
#include "DataRows.h"
#include "ScratchSysroot.h"
#include "appliance/Appliance.h"
#include "appliance/ApplianceCommands.h"
#include "packages/BentoInstaller.h"
#include "settings/PadlinkService.h"

#include <QImageReader>
#include <QtTest>

#include <csignal>
#include <unistd.h>

class TstSimulator : public QObject
{
    Q_OBJECT

    ScratchSysroot m_root; // also IVO_SYSROOT and HOME, as the simulator's own environment

    // What the setup said on standard error: nothing when all went well.
    QByteArray setup() const
    {
        QProcess p;
        p.start(qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim", {"setup"});
        const bool ok = p.waitForFinished(180000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        return (ok ? "" : "(setup failed) ") + p.readAllStandardError();
    }
    QStringList log() const
    {
        return QString::fromUtf8(m_root.read("/sim/commands.log")).split('\n', Qt::SkipEmptyParts);
    }
    // A program of the simulator (found on PATH unless an appliance path) in a process group of its own.
    static void startAlone(QProcess& p, const QString& program, const QStringList& args)
    {
        p.setChildProcessModifier([] { ::setsid(); });
        p.start(program, args);
    }
    // Exit code, standard output and standard error of a program the product runs by name.
    static QString answer(const QString& program, const QStringList& args)
    {
        QProcess p;
        p.start(program, args);
        p.waitForFinished(60000);
        return QString::number(p.exitCode()) + '|' + p.readAllStandardOutput() + '|' + p.readAllStandardError();
    }

private slots:
    void initTestCase()
    {
        qputenv("IVO_SIM_ROOT", m_root.root().toLocal8Bit());
        QCOMPARE(setup(), QByteArray());
        // Package and catalog icons drawn at the tile's size, so the grid never scales them.
        for (const char* icon : {"/share/vol1/.tellora/apps/Arcade/icon_tv.png",
                 "/share/vol1/.tellora/vm/Sandbox/icon_tv.png", "/sim/catalog/www/icons/lumen_tv.png"})
            QCOMPARE(QImageReader(m_root.path(icon)).size(), QSize(380, 380));
        QVERIFY(m_root.write("/sim/settings", "EDITED\n")); // a new setup keeps edits
        QCOMPARE(setup(), QByteArray());
        QCOMPARE(m_root.read("/sim/settings"), QByteArray("EDITED\n"));
        qputenv("PATH", (m_root.root() + "/sim/bin:").toLocal8Bit() + qgetenv("PATH"));
    }
    void init() { QVERIFY(m_root.write("/sim/commands.log", {})); }

    // The answers follow the settings; sudo, the runner and the action each record the line they were given.
    void hardwareAnswers()
    {
        QVERIFY(m_root.write("/sim/settings", "IR_SUPPORT=yes\nEC_SUPPORT=0\n")); // both unlike the defaults
        QVERIFY(ApplianceCmd::hasIrReceiver() && !ApplianceCmd::canLearnRemotes());
        QCOMPARE(log().join('|'),
            "sudo /opt/bin/privrun hal_app --check_ir_support|/opt/bin/privrun hal_app "
            "--check_ir_support|hal_app --check_ir_support|sudo /opt/bin/privrun hal_app "
            "--check_ec_support|/opt/bin/privrun hal_app --check_ec_support|hal_app --check_ec_support");
    }

    void setcfgEditsOneKey_data()
    {
        columns<QByteArray, QString, QByteArray>(); // the file before, the section given, the file after
        row("replace", QByteArray("[A]\nK = 0\n[B]\nK = 0\n"), "B", QByteArray("[A]\nK = 0\n[B]\nK = 1\n"));
        row("in a section", QByteArray("[A]\nx = 1\n\n[B]\n"), "A", QByteArray("[A]\nx = 1\nK = 1\n\n[B]\n"));
        row("the last section", QByteArray("[A]\nx = 1\n"), "A", QByteArray("[A]\nx = 1\nK = 1\n"));
        row("new section", QByteArray("[A]\nx = 1\n"), "C", QByteArray("[A]\nx = 1\n\n[C]\nK = 1\n"));
        row("missing file", QByteArray(), "C", QByteArray("[C]\nK = 1\n"));
    }
    // Through the runner's one-argument form, which carries a whole line.
    void setcfgEditsOneKey()
    {
        const auto [before, section, after] = fetch<QByteArray, QString, QByteArray>();
        QFile::remove(m_root.path("/etc/config/s.conf"));
        QVERIFY(before.isEmpty() || m_root.write("/etc/config/s.conf", before));
        const QString line
            = QStringLiteral("%1/sbin/setcfg %2 K 1 -f %1/etc/config/s.conf").arg(m_root.root(), section);
        QVERIFY(Appliance::runner().run("sudo", {m_root.path("/opt/bin/privrun"), line}, Budget::Setting).ok());
        QCOMPARE(m_root.read("/etc/config/s.conf"), after);
        QCOMPARE(log().last(), "/sbin/setcfg " + section + " K 1 -f /etc/config/s.conf");
    }

    // The installer thread drives the package tool: a new package, then an update.
    void packageTool()
    {
#ifdef __SANITIZE_THREAD__
        QSKIP("ThreadSanitizer cannot follow a process that forks from several threads");
#endif
        QByteArray expected = m_root.read("/etc/config/bento.conf");
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
        // Exactly those edits, each in its own section, and the new one at the end.
        expected.replace("Version = 3.2.1", "Version = 3.3.0");
        expected.replace("Cinema/service.sh\nDate = 2025-02-11", "Cinema/service.sh\nDate = 2025-03-10");
        expected += "\n[Lumen]\nName = Lumen\nDisplay_Name = Lumen\nVersion = 1.2.0\nAuthor = Brightfield Studio\n"
                    "Class = Tellora\nInstall_Path = /share/vol1/.tellora/apps/Lumen\n"
                    "Shell = /share/vol1/.tellora/apps/Lumen/service.sh\nDate = 2025-03-02\nEnable = TRUE\n";
        QCOMPARE(m_root.read("/etc/config/bento.conf"), expected);
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
        QStringList lines = log();
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

    void hangSwitches_data()
    {
        columns<QString, QString, QString>(); // the program as the product runs it, as the log names it, its switch
        row("stand-in on PATH", QString("pw-cat"), QString("pw-cat"), QString("PW_CAT_HANG"));
        row("script by path", QString("/etc/Tellora/init.d/xrandr-hotplug.sh"),
            QString("/etc/Tellora/init.d/xrandr-hotplug.sh"), QString("XRANDR_HOTPLUG_HANG"));
        row("stand-in in Python", QString("/sbin/bento_cli"), QString("/sbin/bento_cli"), QString("BENTO_CLI_HANG"));
        const QString run("/share/vol1/.tellora/apps/Cinema/run.sh");
        row("link, its own name", run, run, QString("RUN_HANG"));
        row("link, the stand-in's name", run, run, QString("TVAPP_HANG"));
        row("real program on PATH", QString("xdotool"), QString("xdotool"), QString("XDOTOOL_HANG"));
        row("real program by path", QString("/bin/pidof"), QString("/bin/pidof"), QString("PIDOF_HANG"));
        row("sudo", QString("sudo"), QString("sudo"), QString("SUDO_HANG"));
    }
    // With its switch (the file name in upper case, the extension dropped, other characters "_", then "_HANG") a
    // program logs its line, reports the hang and stays; a TERM to its process group ends it and leaves nothing.
    void hangSwitches()
    {
        const auto [program, logged, key] = fetch<QString, QString, QString>();
        QVERIFY(m_root.write("/sim/settings", key.toUtf8() + "=yes\n"));
        QFile::remove(m_root.path("/sim/hangs.log"));
        QProcess p;
        startAlone(p, program.startsWith('/') ? m_root.path(program) : program, {"-x", "two words"});
        QVERIFY(p.waitForStarted());
        const pid_t pid = pid_t(p.processId());
        QTRY_COMPARE_WITH_TIMEOUT(
            m_root.read("/sim/hangs.log"), QByteArray::number(pid) + ' ' + key.toUtf8() + '\n', 30000);
        QCOMPARE(log(), QStringList {logged + " -x \"two words\""});
        QCOMPARE(p.state(), QProcess::Running);
        QCOMPARE(::kill(-pid, SIGTERM), 0);
        QVERIFY(p.waitForFinished(10000));
        // No process of the group left (its last ones may take a moment to be reaped).
        QTRY_VERIFY_WITH_TIMEOUT(::kill(-pid, 0) != 0, 10000);
    }

    // A real program behind its wrapper: logged, and its own answer.
    void wrappedProgram()
    {
        QVERIFY(m_root.write("/sim/settings", "MD5SUM_HANG=no\n"));
        QVERIFY(m_root.write("/tmp/sum", "abc"));
        QCOMPARE(answer("md5sum", {m_root.path("/tmp/sum")}),
            "0|900150983cd24fb0d6963f7d28e17f72  " + m_root.path("/tmp/sum") + "\n|");
        QCOMPARE(log(), QStringList {"md5sum /tmp/sum"});
    }

    // The sound stand-ins answer alike with their resident server and without it (then the server's code runs in
    // the client's stead); with the server, the client hands the command over the server's socket.
    void soundServer()
    {
        const auto session = [this] {
            QFile::remove(m_root.path("/sim/audio/pulse.json"));
            QFile::remove(m_root.path("/sim/audio/played.log"));
            QStringList answers;
            for (const QStringList& c : QList<QStringList> {{"load-module", "module-alsa-sink", "device=hw:0,3"},
                     {"load-module", "module-alsa-sink", "device=hw:0,3"},
                     {"load-module", "module-alsa-sink", "device=hw:0,7"}, {"-f", "json", "list", "sinks", "short"},
                     {"set-default-sink", "41"}, {"unload-module", "536870912"}, {"get-default-sink"},
                     {"list", "sinks", "short"}})
                answers << answer("pactl", c);
            answers << answer("pw-cat", {"-p", m_root.path("/usr/share/sounds/alsa/Front_Left.wav")})
                    << answer("pw-cat", {"-p", "/none.wav"});
            return answers << m_root.read("/sim/audio/played.log");
        };
        QVERIFY(m_root.write("/sim/settings", "AUDIO_CARDS=appliance\n"));
        const QStringList alone = session();
        QCOMPARE(alone.mid(0, 4),
            QStringList({"0|536870912\n|", "1||Failure: Module initialization failed\n", "0|536870913\n|",
                "0|[{\"index\":38,\"name\":\"alsa_output.pci-0000_00_1f.3.analog-stereo\",\"driver\":\"PipeWire\","
                "\"state\":\"SUSPENDED\"},{\"index\":40,\"name\":\"alsa_output.hw:0,3\",\"driver\":\"PipeWire\","
                "\"state\":\"SUSPENDED\"},{\"index\":41,\"name\":\"alsa_output.hw:0,7\",\"driver\":\"PipeWire\","
                "\"state\":\"SUSPENDED\"}]\n|"}));
        QCOMPARE(alone.mid(6),
            QStringList({"0|alsa_output.hw:0,7\n|",
                "0|38\talsa_output.pci-0000_00_1f.3.analog-stereo\tPipeWire\ts32le 2ch 48000Hz\tSUSPENDED\n"
                "41\talsa_output.hw:0,7\tPipeWire\ts32le 2ch 48000Hz\tSUSPENDED\n|",
                "0||",
                "1||sndfile: failed to open audio file \"/none.wav\": System error : No such file or directory\n",
                "/usr/share/sounds/alsa/Front_Left.wav\talsa_output.hw:0,7\n"}));

        QCOMPARE(QProcess::execute(qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim", {"services", "audio"}), 0);
        const QByteArray server = m_root.read("/sim/pids/audio.pid").split(' ').value(0);
        QVERIFY(!server.isEmpty());
        QCOMPARE(session(), alone);
        // Held up, the server keeps a client waiting on its connection.
        QCOMPARE(::kill(server.toInt(), SIGSTOP), 0);
        QProcess client;
        client.start("pactl", {"get-default-sink"});
        QVERIFY(client.waitForStarted());
        const QByteArray fd = "/proc/" + QByteArray::number(client.processId()) + "/fd/3";
        const auto connected = [&fd] {
            char target[64] = {};
            return ::readlink(fd.constData(), target, sizeof target - 1) > 0 && qstrncmp(target, "socket:", 7) == 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(connected(), 30000);
        QCOMPARE(::kill(server.toInt(), SIGCONT), 0);
        QVERIFY(client.waitForFinished(30000));
        QCOMPARE(client.readAllStandardOutput(), "alsa_output.hw:0,7\n");
        ::kill(server.toInt(), SIGTERM);
    }

    void budgetScale_data()
    {
        columns<QByteArray, QByteArray>(); // the simulator's setting, the program's variable ("-": refused)
        row("unset", QByteArray(), QByteArray());
        row("factor", QByteArray("0.05"), QByteArray("0.05"));
        row("zero", QByteArray("0"), QByteArray("-"));
        row("not a number", QByteArray("fast"), QByteArray("-"));
    }
    // IVO_SIM_BUDGET_SCALE reaches the program's environment as IVO_BUDGET_SCALE.
    void budgetScale()
    {
        const auto [setting, variable] = fetch<QByteArray, QByteArray>();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("IVO_SIM_BUDGET_SCALE", setting);
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim", {"env"});
        QVERIFY(p.waitForFinished(60000));
        if (variable == "-") {
            QCOMPARE(p.exitCode(), 1);
            return;
        }
        QCOMPARE(p.exitCode(), 0);
        QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
        lines.removeIf([](const QByteArray& l) { return !l.contains("IVO_BUDGET_SCALE"); });
        QCOMPARE(lines,
            variable.isEmpty() ? QList<QByteArray>()
                               : QList<QByteArray> {"export IVO_BUDGET_SCALE='" + variable + "'"});
    }
};

QTEST_GUILESS_MAIN(TstSimulator)
#include "tst_simulator.moc"
