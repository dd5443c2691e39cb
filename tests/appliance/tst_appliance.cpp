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

#include <optional>

Q_DECLARE_METATYPE(Budget)

class TstAppliance : public QObject
{
    Q_OBJECT

private slots:
    // Absolute paths go under the sysroot (trailing slashes dropped), relative and empty ones stay; empty is unset.
    void pathMapping()
    {
        qputenv("IVO_SYSROOT", "/tmp/sr//");
        QCOMPARE(QStringList({Appliance::path(QStringLiteral("/dev/lirc0")),
                     Appliance::path(QStringLiteral("images/a.png")), Appliance::path(QStringLiteral(""))}),
            QStringList({"/tmp/sr/dev/lirc0", "images/a.png", ""}));
        qputenv("IVO_SYSROOT", "");
        QCOMPARE(Appliance::path(QStringLiteral("/dev/lirc0")), "/dev/lirc0");
    }

    // Exact lines, with and without a sysroot. (Other lines: the installer's, start-up's and the Applications page's.)
    void commandLines()
    {
        for (bool mapped : {false, true}) {
            std::optional<ScratchSysroot> root;
            if (mapped)
                root.emplace();
            const QString r = mapped ? root->root() : QString(), sudo = "sudo " + r + "/opt/bin/privrun ";
            RecordingRunner rec;
            ApplianceCmd::startTandem();
            ApplianceCmd::bentoSetEnabled("K", true);
            ApplianceCmd::bentoSetEnabled("K", false);
            QCOMPARE(rec.lines(),
                QStringList({sudo + "tandem_start", sudo + "\"" + r + "/sbin/bento_cli --enable K\"",
                    sudo + "\"" + r + "/sbin/bento_cli --disable K\""}));
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

    // The plant ("zero": a link to /dev/zero), its read bounded to 8, then "kind:text outside" after each writer.
    void guardedFiles_data()
    {
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
        const QString path = root.path("/x");
        const QByteArray name = QFile::encodeName(path);
        std::optional<PlantedFifo> fifo;
        const auto put = [&] {
            QFile::remove(path);
            QDir(path).removeRecursively();
            root.write("/outside", plant.startsWith("link:") ? plant.mid(5).toUtf8() : "keep");
            if (plant.startsWith("text:"))
                root.write("/x", plant.mid(5).toUtf8());
            else if (plant == "dir")
                QDir().mkpath(path);
            else if (plant == "fifo")
                fifo.emplace(path);
            else if (plant != "none")
                QFile::link(plant == "zero" ? "/dev/zero" : root.path("/outside"), path);
        };
        const auto seen = [&] {
            const QFileInfo i(path);
            const QString kind = i.isSymLink() ? "link" : i.isDir() ? "dir" : i.isFile() ? "file" : "fifo";
            return kind + ':' + (i.isFile() && !i.isSymLink() ? root.read("/x") : "") + ' ' + root.read("/outside");
        };
        put();
        std::string bytes = "stale";
        const GuardedFile::State state = GuardedFile::read(name.constData(), bytes, 8);
        QCOMPARE(QString::number(int(state)) + ':' + QString::fromStdString(bytes), read);
        QCOMPARE(GuardedFile::check(name.constData(), 8), state);
        const std::pair<std::function<void()>, QString> writers[]
            = {{[&] { GuardedFile::makeEmpty(name.constData()); }, emptied},
                {[&] { GuardedFile::replaceContent(name.constData(), "new", 3); }, replaced},
                {[&] { GuardedFile::replaceWhole(name.constData(), "new", 3, false); }, whole},
                {[&] { GuardedFile::replaceWhole(name.constData(), "new", 3, true); }, followed}};
        for (const auto& [write, expected] : writers) {
            write();
            QCOMPARE(seen(), expected);
            QVERIFY(!fifo || !fifo->wasOpened());
            put();
        }
        QCOMPARE(QDir(root.root()).entryList({".*.ivo-*"}, QDir::Files | QDir::Hidden), QStringList());
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

    // Past its budget a command's process group is ended (or left running, by budget), logged, then skipped a while.
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

    // A sudo'd command running as root outlives its kill: the unprivileged caller comes back while it still runs.
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
