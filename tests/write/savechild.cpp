// One writer (argv[1]) for tst_wholefile: "ready <file> <A> <B> <us>" (Base64); "go": a worker says "saving <pid>",
// saves until killed, then "dead <status>"; "save": one save, "saved".
#include "RecordingRunner.h"
#include "app/Startup.h"
#include "appliance/Login.h"
#include "appliance/Paths.h"
#include "appliance/UserSettings.h"
#include "display/ScreenConfFile.h"
#include "lirc/rcMapTable.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>

#include <functional>
#include <iostream>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int g_out = -1; // the protocol's standard output; the real one takes what the writers echo

void say(const QByteArray& line)
{
    const QByteArray text = line + '\n';
    if (::write(g_out, text.constData(), size_t(text.size())) != text.size())
        ::_exit(3);
}

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The file as the simulator's set-up puts it at an appliance path (its here-document).
QByteArray simFile(const QString& appliancePath)
{
    const QRegularExpression put("put_file " + QRegularExpression::escape(appliancePath) + " <<'(\\w+)'\\n");
    const QString dir = qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/setup.d/";
    for (const QString& script : QDir(dir).entryList({"*.sh"})) {
        const QByteArray text = contentOf(dir + script);
        const QRegularExpressionMatch m = put.match(QString::fromUtf8(text));
        if (m.hasMatch()) {
            const QByteArray rest = text.mid(m.capturedEnd());
            return rest.left(rest.indexOf("\n" + m.captured(1).toUtf8() + "\n") + 1);
        }
    }
    return {};
}

QString seed(const QString& appliancePath)
{
    const QString path = Appliance::path(appliancePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(simFile(appliancePath)) <= 0)
        ::_exit(2);
    return path;
}

struct Kind_s {
    QString file;
    std::function<void(int turn)> save; // the contents alternate with the turn's parity
};

Kind_s kind(const QString& name)
{
    const QString home = qEnvironmentVariable("HOME");
    if (name == "screen.conf") {
        return {seed(Paths::ScreenConf.text()), [](int turn) {
                    ScreenConfFile f;
                    f.load();
                    f.setMode(0, turn % 2 ? "3840x2160" : "1920x1080", turn % 2 ? "30" : "60");
                    f.save();
                }};
    }
    if (name == "key table") {
        // A link to a table kept elsewhere: replaced at the link's end, the link left as it is.
        const QString link = home + "/.config/Vendra/lirckeytable1.conf", table = home + "/keys/table1.conf";
        QDir().mkpath(QFileInfo(link).absolutePath());
        QDir().mkpath(QFileInfo(table).absolutePath());
        static RcMapTable tables[2];
        for (int t = 0; t < 2; ++t) {
            QFile f(table);
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            for (int i = 0; i < 40; ++i)
                f.write(QByteArray::number(0x800F0400 + i * (t + 1), 16).toUpper() + ' '
                    + QByteArray::number(100 + i, 16).toUpper() + '\n');
            f.close();
            QFile::link(table, link);
            tables[t].loadRcMapTable(link.toStdString());
        }
        return {link, [](int turn) { tables[turn % 2].writeBack_(); }};
    }
    if (name == "settings") {
        return {
            seed("/home/admin/.config/Vendra/IVO.conf"), [](int turn) { UserSettings::setTaskBarEnabled(turn % 2); }};
    }
    if (name == "rc.xml") {
        return {seed("/home/admin/.config/openbox/rc.xml"), [](int turn) { Startup::applyTitleLayout(turn % 2); }};
    }
    if (name == "login.conf") {
        // Both of its writers: the settings form and the appliance's INI form.
        return {seed(Paths::LoginConf.text()), [](int turn) {
                    if (turn % 2)
                        Login::requireAtNextStartWhenReadable();
                    else
                        Login::setAutoLogin(true);
                }};
    }
    ::_exit(2);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    ::prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlives the test
    g_out = ::dup(STDOUT_FILENO);
    ::dup2(::open("/dev/null", O_WRONLY | O_CLOEXEC), STDOUT_FILENO);
    RecordingRunner runner; // the writers' commands go nowhere
    const Kind_s k = kind(QString::fromUtf8(argv[1]));
    k.save(0);
    const QByteArray a = contentOf(k.file);
    k.save(1);
    const QByteArray b = contentOf(k.file);
    QElapsedTimer timer;
    timer.start();
    for (int turn = 0; turn < 10; ++turn)
        k.save(turn);
    say("ready " + QFile::encodeName(k.file).toBase64() + ' ' + a.toBase64() + ' ' + b.toBase64() + ' '
        + QByteArray::number(timer.nsecsElapsed() / 10000));
    for (std::string command; std::getline(std::cin, command);) {
        // Each save changes the file, from whatever the last kill left.
        const int turn = contentOf(k.file) == a ? 1 : 0;
        if (command == "save") {
            k.save(turn);
            say("saved");
        } else if (command == "go") {
            const pid_t worker = ::fork();
            if (worker == 0) {
                ::prctl(PR_SET_PDEATHSIG, SIGKILL);
                // Said after a first save, so that the kills fall among saves under way.
                k.save(turn);
                say("saving " + QByteArray::number(::getpid()));
                for (int t = turn + 1;; ++t)
                    k.save(t);
            }
            int status = 0;
            ::waitpid(worker, &status, 0);
            say("dead " + QByteArray::number(status));
        }
    }
    return 0;
}
