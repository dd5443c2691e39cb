#include "DataRows.h"
#include "PlantedFifo.h"
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "appliance/Appliance.h"
#include "appliance/ApplianceCommands.h"
#include "appliance/ConfigFile.h"

#include <QtTest>

#include <signal.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <functional>
#include <optional>

using Command = std::function<void()>;
Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(Budget)

class TstAppliance : public QObject
{
    Q_OBJECT

private slots:
    void pathMapping_data()
    {
        columns<QString, QByteArray, QString>(); // appliance path, IVO_SYSROOT, mapped path
        row("set", "/etc/config/bento.conf", QByteArray("/tmp/sr"), "/tmp/sr/etc/config/bento.conf");
        row("trailing slash", "/dev/lirc0", QByteArray("/tmp/sr//"), "/tmp/sr/dev/lirc0");
        row("relative stays", "images/a.png", QByteArray("/tmp/sr"), "images/a.png");
        row("empty stays", "", QByteArray("/tmp/sr"), "");
    }
    void pathMapping()
    {
        const auto [in, sysroot, out] = fetch<QString, QByteArray, QString>();
        qputenv("IVO_SYSROOT", sysroot);
        QCOMPARE(Appliance::path(in), out);
        QCOMPARE(QString::fromStdString(Appliance::path(in.toStdString())), out);
        qputenv("IVO_SYSROOT", ""); // empty counts as unset
        QCOMPARE(Appliance::path(in), in);
    }

    // Exact lines without a sysroot; with one, every absolute path lies inside it. (The hardware queries are run
    // through the simulator, the package tool's install, state and cancel lines by the installer's tests, the
    // detached service restart by the home screen's.)
    void commandLines_data()
    {
        // The line: "~" for "sudo /opt/bin/privrun", "&" at the end: started detached.
        columns<Command, QString>();
        using namespace ApplianceCmd;
        row("tandem", Command([] { startTandem(); }), "~ tandem_start");
        row("enable", Command([] { bentoSetEnabled("K", true); }), "~ \"/sbin/bento_cli --enable K\"");
        row("disable", Command([] { bentoSetEnabled("K", false); }), "~ \"/sbin/bento_cli --disable K\"");
        row("probe", Command([] { bentoProbe(); }), "~ ls /sbin/bento_cli");
        row("setcfg", Command([] { setcfg("K", "A", "1", "/etc/f"); }), "/sbin/setcfg K A 1 -f /etc/f");
    }
    void commandLines()
    {
        const auto [command, line] = fetch<Command, QString>();
        const QString expected = QString(line).replace("~", "sudo /opt/bin/privrun");
        for (bool mapped : {false, true}) {
            std::unique_ptr<ScratchSysroot> root(mapped ? new ScratchSysroot : nullptr);
            RecordingRunner rec;
            command();
            QString seen = rec.lines().join('|') + QLatin1String(rec.calls().constLast().detached ? " &" : "");
            if (mapped) // every absolute path, and nothing else, inside the sysroot
                QCOMPARE(seen.count(root->root() + '/'), expected.count(QRegularExpression("(^|[ \"])/")));
            QCOMPARE(seen.remove(mapped ? root->root() : QString()), expected);
        }
    }

    void answers_data()
    {
        // The tool's output; the answers: receiver ("yes" first), remotes ("1" the first non-empty line).
        columns<QByteArray, QString>();
        row("crlf, one not first", QByteArray("yes\r\n1\n"), "10");
        row("yes not first, one after a blank", QByteArray("\n1 \nyes\n"), "01");
        row("nothing", QByteArray(), "00");
    }
    void answers()
    {
        const auto [out, answers] = fetch<QByteArray, QString>();
        RecordingRunner rec;
        rec.answer(".*hal_app --check_.*", out);
        QCOMPARE(QString("%1%2").arg(ApplianceCmd::hasIrReceiver()).arg(ApplianceCmd::canLearnRemotes()), answers);
    }

    // What the guarded reads make of what may lie at a path: "text:..." a regular file, "link:..." a link to one,
    // "fifo", "dir", "zero" (a link to /dev/zero), "none"; with a bound of 8 bytes. Then what the writers do there:
    // empty it, or put "new" in it (with the text outside the folder that a link points to afterwards), in place or
    // replacing the file whole, refusing links or following them.
    void guardedFiles_data()
    {
        // What is planted; the guarded read (state: bytes); what is there after makeEmpty, and the link's target;
        // the same after replaceContent, replaceWhole and replaceWhole following links.
        columns<QString, QString, QString, QString, QString, QString>();
        row("file", "text:12345678", "0:12345678", "file: keep", "file:new keep", "file:new keep", "file:new keep");
        row("file past the bound", "text:123456789", "3:", "file: keep", "file:new keep", "file:new keep",
            "file:new keep");
        row("link to a file", "link:abc", "0:abc", "file: abc", "link: abc", "link: abc", "link: new");
        row("FIFO", "fifo", "2:", "file: keep", "fifo: keep", "fifo: keep", "fifo: keep");
        row("folder", "dir", "2:", "dir: keep", "dir: keep", "dir: keep", "dir: keep");
        row("link to a device", "zero", "2:", "file: keep", "link: keep", "link: keep", "link: keep");
        row("nothing", "none", "1:", "file: keep", "file:new keep", "file:new keep", "file:new keep");
    }
    void guardedFiles()
    {
        const auto [plant, read, emptied, replaced, whole, followed]
            = fetch<QString, QString, QString, QString, QString, QString>();
        ScratchSysroot root;
        const QString path = root.path("/x"), outside = root.path("/outside");
        const QByteArray name = QFile::encodeName(path);
        const auto put = [&] {
            QFile::remove(path);
            QDir(path).removeRecursively();
            root.write("/outside", plant.startsWith("link:") ? plant.mid(5).toUtf8() : "keep");
            if (plant.startsWith("text:"))
                root.write("/x", plant.mid(5).toUtf8());
            else if (plant == "dir")
                QDir().mkpath(path);
            else if (plant != "none" && plant != "fifo")
                QFile::link(plant == "zero" ? "/dev/zero" : outside, path);
        };
        const auto seen = [&] {
            const QFileInfo i(path);
            const QString kind = i.isSymLink() ? "link" : i.isDir() ? "dir" : i.isFile() ? "file" : "fifo";
            return kind + ':' + (i.isFile() && !i.isSymLink() ? root.read("/x") : "") + ' ' + root.read("/outside");
        };
        put();
        std::optional<PlantedFifo> fifo;
        if (plant == "fifo")
            fifo.emplace(path);
        std::string bytes = "stale";
        const GuardedFile::State state = GuardedFile::read(name.constData(), bytes, 8);
        QCOMPARE(QString::number(int(state)) + ':' + QString::fromStdString(bytes), read);
        QCOMPARE(GuardedFile::check(name.constData(), 8), state);
        GuardedFile::makeEmpty(name.constData());
        QCOMPARE(seen(), emptied);
        put();
        if (fifo)
            fifo.emplace(path);
        GuardedFile::replaceContent(name.constData(), "new", 3);
        QCOMPARE(seen(), replaced);
        for (const auto& [follow, expected] : {std::pair {false, whole}, {true, followed}}) {
            put();
            if (fifo)
                fifo.emplace(path);
            GuardedFile::replaceWhole(name.constData(), "new", 3, follow);
            QCOMPARE(seen(), expected);
        }
        QCOMPARE(QDir(root.root()).entryList({".*.ivo-*"}, QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(!fifo || !fifo->wasOpened());
        // Settings over anything but a file (or nothing) read nothing and write nothing.
        ConfigFile::settings(path)->setValue("k", "v");
        const bool usable = plant != "dir" && plant != "fifo" && plant != "zero";
        QCOMPARE(ConfigFile::settings(path)->value("k").toString(), usable ? "v" : "");
        QVERIFY(!fifo || !fifo->wasOpened());
    }

    // Lines split at blanks, shell text follows -c, arguments are quoted as typed; then real processes.
    void runners()
    {
        RecordingRunner rec;
        Appliance::runner().runLine("/bin/echo  a   b", Budget::Query);
        Appliance::runner().runShell("sh", "md5sum /etc/x | cut -c1-32", Budget::Sudo);
        Appliance::runner().startDetachedLine("");
        QCOMPARE(rec.lines(), (QStringList {"/bin/echo a b", "sh -c \"md5sum /etc/x | cut -c1-32\""}));
        QCOMPARE(rec.calls()[1].budget, Budget::Sudo);
        QCOMPARE(CommandRunner::joinLine("a", {"b c", "", "d\"e", "f"}), QStringLiteral("a \"b c\" \"\" \"d\\\"e\" f"));
        ProcessRunner p;
        const CommandResult_s r = p.run("sh", {"-c", "echo out; echo err >&2; exit 3"}, Budget::Query);
        QVERIFY(r.started && !r.timedOut && !r.ok());
        QCOMPARE(QByteArray::number(r.exitCode) + r.out + r.err, QByteArray("3out\nerr\n"));
        QVERIFY(
            !p.run("/nonexistent/program", {}, Budget::Query).started && !p.startDetached("/nonexistent/program", {}));
    }

    // Past its budget a command is ended with its process group (a child ignoring SIGTERM too), or no longer
    // waited for when its budget lets it go; the log names it, and the program is skipped for a while after.
    void overruns_data()
    {
        columns<Budget, QString>(); // budget, what becomes of it
        row("a query is ended", Budget::Query, "ended");
        row("a screen change goes on", Budget::Screen, "left running");
    }
    void overruns()
    {
        const auto [budget, fate] = fetch<Budget, QString>();
        CommandBudget::forgetOverruns();
        QTemporaryDir dir;
        const QString pidFile = dir.filePath("pid");
        const QString script = "sleep 100 & echo $! >" + pidFile + "; trap '' TERM; wait";
        qputenv("IVO_BUDGET_SCALE", "0.02");
        ProcessRunner p;
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression("command: ran past its budget of \\d+ ms \\(" + QString(CommandBudget::rule(budget).name)
                + "\\), " + fate + ": sh -c .*sleep 100.*"));
        const CommandResult_s r = p.run("sh", {"-c", script}, budget);
        QVERIFY(r.started && r.timedOut && !r.ok());
        QTRY_VERIFY(QFile(pidFile).size() > 0);
        QFile f(pidFile);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const pid_t child = f.readAll().trimmed().toInt();
        // Gone, or a zombie until the init process reaps it.
        const auto alive = [child] {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(child));
            return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
        };
        if (fate == "ended") {
            QTRY_VERIFY(!alive());
        } else {
            QVERIFY(alive());
            ::kill(child, SIGKILL);
        }
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression("command: skipped, sleep ran past its budget 0 s ago: sh -c \"sleep 0\""));
        const CommandResult_s again = p.run("sh", {"-c", "sleep 0"}, Budget::Package);
        QVERIFY(again.skipped && !again.started);
        qunsetenv("IVO_BUDGET_SCALE");
        QVERIFY(p.run("sh", {"-c", "echo $0"}, Budget::Query).ok());
        CommandBudget::forgetOverruns();
        QVERIFY(p.run("sh", {"-c", "sleep 0"}, Budget::Query).ok());
    }

    // A command under sudo that outlives its kill (a child running as root cannot be ended by the user's program)
    // holds the caller only a moment longer: the helper drops to an unprivileged user, runs a sudo that makes
    // itself root and waits until the test lets it end, and must come back while it still runs.
    void sudoOutlivesItsKill()
    {
        if (::geteuid() != 0)
            QSKIP("needs root, to make a sudo the caller cannot kill");
        ScratchSysroot root;
        const QString sudo = root.path("/usr/bin/sudo");
        QVERIFY(QDir().mkpath(root.path("/usr/bin")) && QFile::copy(helper(), sudo));
        struct statvfs fs;
        if (::statvfs(QFile::encodeName(sudo).constData(), &fs) == 0 && (fs.f_flag & ST_NOSUID))
            QSKIP("the scratch folder is mounted nosuid");
        for (const QString& folder : {root.root(), root.path("/usr"), root.path("/usr/bin")})
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(sudo).constData(), 04755) == 0);
        const QString ready = root.path("/ready"), release = root.path("/release");
        QProcess caller;
        caller.start(helper(), {"call-sudo", root.root(), ready, release});
        QVERIFY(caller.waitForFinished(60000));
        const QByteArray log = caller.readAllStandardError();
        QVERIFY2(caller.readAllStandardOutput() == "failed\n", log.constData());
        QVERIFY2(log.contains("Padlink: sudo command timeout or failed to finish:"), log.constData());
        QVERIFY2(log.contains("still running after its kill"), log.constData());
        QVERIFY(QFile::exists(ready));
        QFile(release).open(QIODevice::WriteOnly);
        QTRY_VERIFY(!QFile::exists(ready));
    }

private:
    static QString helper() { return QCoreApplication::applicationDirPath() + "/appliance_sudo_helper"; }
};

QTEST_GUILESS_MAIN(TstAppliance)
#include "tst_appliance.moc"
