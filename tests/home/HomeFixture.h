#pragma once
// What the home tests share: a scratch appliance described in one string.
#include "CommandSettle.h"
#include "DataRows.h"
#include "PlantedFifo.h"
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "WidgetFixture.h"
#include "home/MainMWindow.h"
#include "packages/bentoconf.h"
#include "widgets/ImageResources.h"
#include "widgets/MultiIconViewV.h"
#include "widgets/Wallpaper.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileSystemWatcher>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

#include <unistd.h>

// The grid's labels, in order.
inline QString tiles(const MultiIconViewV& grid)
{
    QStringList labels;
    for (int i = 0; i < grid.count(); ++i)
        labels << grid.text(i);
    return labels.join(' ');
}

// A scratch appliance (user admin, HOME /home/admin) with a recording runner, from "@name\ncontent" pieces: appliance
// paths ("settings" the user's, "rc" the window manager's rc.xml, "run/X" .autorun/X; content "->PATH" links there),
// "ir" the receiver check's answer, other names set that variable (Nas* ones base64-encoded, %R the sysroot). Programs
// started detached get the process id `pid`.
struct Appliance_s : RecordingRunner {
    ScratchSysroot root;
    qint64 pid = 0;
    explicit Appliance_s(const QByteArray& files = {})
    {
        for (const char* v :
            {"MODEL_NAME", "PLATFORM_NAME", "DISPLAY_NAME", "BENTO_CLASS", "NasUserIcon", "NasGroupID"})
            qunsetenv(v);
        qputenv("NasUser", "YWRtaW4=");
        const QMap<QByteArray, QString> alias {{"settings", "/home/admin/.config/Vendra/IVO.conf"},
            {"rc", "/home/admin/.config/openbox/rc.xml"}, {"run", "/home/admin/.autorun"}};
        for (const QByteArray& f : files.split('@')) {
            const QByteArray name = f.left(f.indexOf('\n')), content = f.mid(name.size() + 1);
            const qsizetype slash = name.indexOf('/');
            const QString path = slash < 0 ? alias.value(name) : alias.value(name.left(slash)) + name.mid(slash);
            if (name == "ir")
                answer(".*hal_app --check_ir_support", content);
            else if (content.startsWith("->"))
                QVERIFY(QDir().mkpath(QFileInfo(root.path(path)).path())
                    && QFile::link(root.path(content.mid(2)), root.path(path)));
            else if (path.startsWith('/'))
                root.write(path, content);
            else if (!name.isEmpty())
                qputenv(name,
                    name.startsWith("Nas") ? QByteArray(content).replace("%R", root.root().toUtf8()).toBase64()
                                           : content);
        }
    }
    bool startDetachedPid(const QString& program, const QStringList& args, const QString& wd, qint64* p) override
    {
        *p = pid;
        return startDetached(program, args, wd);
    }
    // The programs started detached, with their arguments.
    QStringList detached() const
    {
        QStringList l;
        for (const Call_s& c : calls())
            if (c.detached)
                l << c.program + ' ' + c.args.join(' ');
        return l;
    }
};

// The scratch appliance with a stale command file, a runner answering the checksum pipeline, and packages (conf()).
struct PackageHome_s : Appliance_s {
    explicit PackageHome_s(const QByteArray& files = {}, const QString& packages = {})
        : Appliance_s("@BENTO_CLASS\nTellora@/tmp/ivo.cmd\nSettings Open\n" + files)
    {
        if (!packages.isEmpty())
            root.write("/etc/config/bento.conf", conf(packages));
    }
    CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) override
    {
        CommandResult_s r = RecordingRunner::execute(program, args, budget);
        QFile f(args.value(1).section(' ', 1, 1));
        if (args.value(1).startsWith("md5sum ") && f.open(QIODevice::ReadOnly))
            r.out = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5).toHex();
        return r;
    }
    // The configuration and files of packages "Key[:d(isabled)|t(ask-bar companion)[:start]] ..."; T sets Tandem.
    QByteArray conf(const QString& packages) const
    {
        QByteArray text(packages.contains("T:") ? "[Tandem]\nEnable = TRUE\n" : "");
        for (const QString& package : packages.split(' ', Qt::SkipEmptyParts)) {
            const QStringList p = package.split(':');
            const QString dir = "/apps/" + p[0], on = p.value(1) == "d" ? "FALSE" : "TRUE";
            text += ("[" + p[0] + "]\nClass = Tellora\nInstall_Path = " + dir + "\nEnable = " + on + "\n").toUtf8();
            root.write(dir + "/run.sh", {});
            const QString taskBar = p.value(1) == "t" ? "<TaskBar>1</TaskBar>" : "";
            root.write(dir + "/.ivo/ivo.xml",
                ("<IVO>" + taskBar + "<icon_tv>icon.png</icon_tv><start>" + p.value(2, dir + "/run.sh")
                    + "</start></IVO>")
                    .toUtf8());
        }
        return text;
    }
};
