// Files replaced whole: owners and modes kept, killed writers' leftovers cleared, each writer killed mid-save.
#include "DataRows.h"
#include "ScratchSysroot.h"
#include "appliance/ConfigFile.h"
#include "appliance/WholeFile.h"
#include "util/GuardedFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <optional>
#include <random>
#include <thread>

#include <grp.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kKills = 200;

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "<unreadable>";
}

// The file's folder and its link target's; a killed settings save's lock waits for the next one (not the INI writer).
QString folders(const QString& file)
{
    QStringList names;
    for (const QString& path : {file, QFileInfo(file).symLinkTarget()}) {
        if (!path.isEmpty())
            names += QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    }
    names.removeAll("login.conf.lock");
    return names.join(' ');
}

constexpr uid_t kNobody = 65534;

} // namespace

class TstWholeFile : public QObject
{
    Q_OBJECT

private slots:
    // Writer, as user, folder and file owners, mode: the content, new file or same, mode and owner, what is logged.
    void owners_data()
    {
        columns<QString, uint, uint, uint, int, QString, QString, QString>();
        row("owner kept", "file", 0u, 0u, kNobody, 0604, "new", "new 604 65534", "");
        row("owner not kept", "file", kNobody, kNobody, 0u, 0666, "new", "new 666 65534",
            "owner 0:0 could not be kept, now 65534:65534");
        row("folder takes no new file", "file", kNobody, 0u, 0u, 0666, "new", "same 666 0",
            "takes no new file; the file is written in place");
        row("settings in a folder that takes no new file", "settings", kNobody, 0u, 0u, 0666, "[a]\nk=new\n",
            "same 666 0", "takes no new file; the file is written in place");
        row("file not writable", "file", kNobody, kNobody, 0u, 0644, "[a]\nk=old\n", "same 644 0", "");
    }
    void owners()
    {
        const auto [writer, user, folderOwner, fileOwner, mode, content, after, logged]
            = fetch<QString, uint, uint, uint, int, QString, QString, QString>();
        if (::geteuid() != 0 && (user || folderOwner || fileOwner))
            QSKIP("other users' files need root");
        ScratchSysroot root;
        const QString path = root.path("/w/x.conf");
        const QByteArray name = QFile::encodeName(path);
        root.write("/w/x.conf", "[a]\nk=old\n");
        QVERIFY(::chmod(qPrintable(root.root()), 0755) == 0 && ::chown(qPrintable(root.path("/w")), folderOwner, 0) == 0
            && ::chown(name, fileOwner, fileOwner) == 0 && ::chmod(name, mode_t(mode)) == 0);
        QFile old(path); // open, so that a replaced file shows as one no longer linked
        QVERIFY(old.open(QIODevice::ReadOnly));
        const pid_t pid = ::fork();
        if (pid == 0) { // as the user, twice: the second save in place is not logged again
            if (!std::freopen(qPrintable(root.path("/log")), "w", stderr)
                || (user && (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0)))
                ::_exit(100);
            for (int i = 0; i < 2; ++i) {
                if (writer == "file") {
                    GuardedFile::replaceWhole(name.constData(), "new", 3);
                } else {
                    const auto settings = ConfigFile::settings(path);
                    settings->setValue("a/k", "new");
                    settings->sync();
                }
            }
            ::_exit(std::fflush(stderr));
        }
        int status = -1;
        QVERIFY(::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0);
        const QByteArray log = root.read("/log");
        struct stat now = {}, before = {};
        QVERIFY(::stat(name, &now) == 0 && ::fstat(old.handle(), &before) == 0);
        QCOMPARE(QString(root.read("/w/x.conf")), content);
        const QString seen = QString(before.st_nlink ? "same " : "new ") + QString::number(now.st_mode & 07777, 8);
        QCOMPARE(seen + ' ' + QString::number(now.st_uid), after);
        QCOMPARE(log.count('\n'), logged.isEmpty() ? 0 : 1);
        QVERIFY2(log.contains(logged.toUtf8()), log.constData());
    }

    // Killed writers' temporary and lock files go; one a live writer holds, and other names, stay.
    void leftovers()
    {
        ScratchSysroot root;
        const QStringList planted {".x.conf.ivo-AbC123", ".x.conf.ivo-Held12", ".x.conf.ivo-short",
            ".y.conf.ivo-AbC123", "x.conf.ivo-AbC123", "x.conf.AbC123", "x.conf.lock", "x.conf.lock.rmlock",
            "x.conf.backup1"};
        for (const QString& name : planted)
            root.write("/w/" + name, name == "x.conf.lock" ? QByteArray() : "1234@host");
        const int held = ::open(qPrintable(root.path("/w/.x.conf.ivo-Held12")), O_RDONLY | O_CLOEXEC);
        QVERIFY(::flock(held, LOCK_EX) == 0);
        QVERIFY(WholeFile::write(root.path("/w/x.conf"), "[a]\nk=1\n"));
        ConfigFile::settings(root.path("/w/x.conf"))->setValue("a/k", "2");
        ::close(held);
        QCOMPARE(root.read("/w/x.conf"), "[a]\nk=2\n");
        QCOMPARE(QDir(root.path("/w")).entryList(QDir::Files | QDir::Hidden),
            QStringList({".x.conf.ivo-Held12", ".x.conf.ivo-short", ".y.conf.ivo-AbC123", "x.conf", "x.conf.backup1",
                "x.conf.ivo-AbC123"}));
    }

    void killedSaves_data()
    {
        columns<QString>();
        for (const char* kind : {"screen.conf", "key table", "settings", "rc.xml", "login.conf"})
            row(kind, QString(kind));
    }
    void killedSaves()
    {
        const auto [kind] = fetch<QString>();
        // On a RAM file system the kills try the order of the steps, not a busy disk's delays.
        const std::optional<QByteArray> tmp
            = qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
        if (QFileInfo("/dev/shm").isWritable())
            qputenv("TMPDIR", "/dev/shm");
        ScratchSysroot root;
        tmp ? qputenv("TMPDIR", *tmp) : qunsetenv("TMPDIR");
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationDirPath() + "/ivo_savechild", {kind});
        const auto line = [&] {
            while (!child.canReadLine() && child.waitForReadyRead(60000)) { }
            return child.readLine().trimmed();
        };
        const QList<QByteArray> ready = line().split(' ');
        QCOMPARE(ready.size(), 5);
        const QString file = QFile::decodeName(QByteArray::fromBase64(ready[1]));
        const QByteArray a = QByteArray::fromBase64(ready[2]), b = QByteArray::fromBase64(ready[3]);
        QVERIFY(!a.isEmpty() && !b.isEmpty() && a != b);
        const QString neighbours = folders(file);
        const std::uint32_t seed = qHash(kind);
        std::mt19937 random(seed);
        // Kills spread over about three saves, so that they land in every step of one.
        std::uniform_int_distribution<int> moment(0, 3 * std::max(ready[4].toInt(), 1));
        int left[2] = {0, 0}; // kills that left a, and b
        int halfway = 0; // kills that left a temporary or lock file, in the middle of a save
        const auto eachSeen = [&] { return left[0] > 0 && left[1] > 0 && halfway > 0; };
        // On a loaded machine the moments drift: more kills, up to ten times as many, until each outcome was seen.
        for (int kill = 1; kill <= kKills || (!eachSeen() && kill <= 10 * kKills); ++kill) {
            child.write("go\n");
            const QByteArray saving = line();
            QVERIFY2(saving.startsWith("saving "), saving.constData());
            // The random moment itself, not a wait for anything.
            std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
            ::kill(saving.mid(7).toInt(), SIGKILL);
            QCOMPARE(line(), "dead " + QByteArray::number(SIGKILL));
            const QByteArray found = contentOf(file);
            QVERIFY2(found == a || found == b,
                qPrintable(QString("kill %1 of seed %2 left: \"%3\"").arg(kill).arg(seed).arg(found)));
            ++left[found == b];
            halfway += folders(file) != neighbours;
            child.write("save\n");
            QCOMPARE(line(), "saved");
            QCOMPARE(contentOf(file), found == a ? b : a);
            QCOMPARE(folders(file), neighbours);
        }
        QVERIFY(eachSeen());
        child.closeWriteChannel();
        QVERIFY(child.waitForFinished(60000));
    }
};

QTEST_GUILESS_MAIN(TstWholeFile)
#include "tst_wholefile.moc"
