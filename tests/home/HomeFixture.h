#pragma once
// What the home tests share: widget look-ups, answering popups, and a scratch appliance described in one string.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <functional>

template<typename T = QWidget> T* part(const QWidget& w, const QString& name) { return w.findChild<T*>(name); }
inline QString text(const QWidget& w, const QString& name) { return part<QLabel>(w, name)->text(); }

// Runs fn on the next popup menu or modal dialog once it is up.
inline void onModal(const std::function<void(QWidget*)>& fn)
{
    QTimer::singleShot(20, [fn] {
        QWidget* w = QApplication::activePopupWidget();
        w = w ? w : QApplication::activeModalWidget();
        w ? fn(w) : onModal(fn);
    });
}

// A scratch appliance (user admin, HOME /home/admin) with a recording runner, from "@name\ncontent" pieces: appliance
// paths ("settings" the user's, "rc" the window manager's rc.xml, "run/X" .autorun/X; content "->PATH" links there),
// "ir" the receiver check's answer, other names set that variable (Nas* ones base64-encoded, %R the sysroot).
struct Appliance_s : RecordingRunner {
    ScratchSysroot root;
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
};
