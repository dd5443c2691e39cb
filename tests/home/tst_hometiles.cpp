#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "home/MainMWindow.h"
#include "home/MultiIconViewV.h"
#include "packages/bentoconf.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QTest>

#include <cstdio>

// A scratch appliance whose checksum pipeline answers as md5sum and awk would.
struct Home_s : RecordingRunner {
    ScratchSysroot root;
    Home_s(const QString& packages)
    {
        qputenv("BENTO_CLASS", "Tellora");
        root.write(QStringLiteral("/etc/config/bento.conf"), conf(packages));
    }
    CommandResult_s run(const QString& program, const QStringList& args, int timeoutMs) override
    {
        CommandResult_s r = RecordingRunner::run(program, args, timeoutMs);
        QFile f(args.value(1).section(' ', 1, 1));
        if (args.value(1).startsWith("md5sum ") && f.open(QIODevice::ReadOnly))
            r.out = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5).toHex();
        return r;
    }
    // "Key[:flag[:start]]", flag d (disabled) or t (task-bar companion).
    QByteArray conf(const QString& packages) const
    {
        QByteArray text(packages.contains("T:") ? "[Tandem]\nEnable = TRUE\n" : "");
        for (const QString& spec : packages.split(' ', Qt::SkipEmptyParts)) {
            const QStringList p = spec.split(':');
            const QString dir = "/apps/" + p[0], on = p.value(1) == "d" ? "FALSE" : "TRUE";
            text += ("[" + p[0] + "]\nClass = Tellora\nInstall_Path = " + dir + "\nEnable = " + on + "\n").toUtf8();
            root.write(dir + "/run.sh", {});
            const QString taskBar = p.value(1) == "t" ? "<TaskBar>1</TaskBar>" : "";
            root.write(dir + "/.ivo/ivo.xml",
                ("<IVO>" + taskBar + "<start>" + p.value(2, dir + "/run.sh") + "</start></IVO>").toUtf8());
        }
        return text;
    }
};

class TstHomeTiles : public QObject
{
    Q_OBJECT

private slots:
    // A left-out package shifts no later tile. The animation ends when the
    // application takes over (odd tiles) or after about ten seconds.
    void tilesLineUpAndLaunch()
    {
        Home_s h(QStringLiteral("A B:t C::run.sh Cantora D::nothere E:d"));
        MainMWindow w;
        auto* waiting = w.findChild<QWidget*>(QStringLiteral("labwaiting"));
        QCOMPARE(w.tileNames(), QStringList({"A", "C", "Cantora", "D"}));
        QVERIFY(w.iconView()->count() == 4 && w.iconView()->text(1) == "C" && w.karaokeIndex() == 2);
        for (int i = 0; i < 4; ++i) {
            w.mviewitemEntered(i);
            const RecordingRunner::Call_s c = h.calls().last();
            QVERIFY(c.detached && c.workingDirectory.isEmpty());
            QCOMPARE(c.program + ' ' + c.args.join(' '),
                "sh -c " + (i == 3 ? "nothere" : h.root.path("/apps/" + w.tileNames()[i] + "/run.sh")));
            QEvent deactivated(i % 2 ? QEvent::ActivationChange : QEvent::None);
            QApplication::sendEvent(&w, &deactivated);
            for (int tick = i % 2 ? 1 : 48; tick > 1; --tick)
                w.refreshWaiting();
            QVERIFY(!w.isEnabled() && !waiting->isHidden() && QApplication::overrideCursor());
            w.refreshWaiting();
            QVERIFY(w.isEnabled() && waiting->isHidden() && w.waitingStep() == 0 && !QApplication::overrideCursor());
            w.reloadApps();
            QCOMPARE(w.iconView()->select(), i);
        }
    }

    // Even steps rewrite the package configuration in place, odd ones rename
    // a new file over it; only real changes rebuild the tiles.
    void followsTheConfiguration()
    {
        Home_s h(QStringLiteral("A C"));
        MainMWindow w;
        const char* steps[][2] = {{"A C", "A C"}, {"A B C", "A B C"}, {"A:d B C", "B C"}, {"A B C", "A B C"},
            {"A B", "A B"}, {"A B T:t", "A B"}, {"A B T:t", "A B"}, {"A B T:t", "A B"}};
        for (int i = 0; i < 8; ++i) {
            const QByteArray text = h.conf(QLatin1String(steps[i][0]));
            const bool same = text == h.root.read(QStringLiteral("/etc/config/bento.conf"));
            w.iconView()->setSelect(1);
            const QString chosen = w.tileNames()[1];
            const qsizetype before = h.lines().filter("md5sum").size();
            const QString file = h.root.path(QStringLiteral("/etc/config/bento.conf")),
                          fresh = file.chopped(10) + "new";
            QVERIFY(i % 2 ? (h.root.write("/etc/config/new", text), !std::rename(qPrintable(fresh), qPrintable(file)))
                          : h.root.write(QStringLiteral("/etc/config/bento.conf"), text));
            // The model's own report first: single tiles, the viewer stays.
            w.packages()->ReadConf(QStringLiteral("/etc/config/bento.conf"));
            QVERIFY(w.tileNames().join(' ') == steps[i][1] && w.iconView()->count() == w.tileNames().size());
            QCOMPARE(w.tileNames().value(w.iconView()->select()), chosen);
            QTRY_VERIFY(h.lines().filter("md5sum").size() > before);
            QTest::qWait(100);
            QCOMPARE(w.iconView()->select(), same ? 1 : 0); // a rebuild selects tile 0
        }
        QVERIFY(w.findChild<QWidget*>(QStringLiteral("frmtandem"))->isVisibleTo(&w)); // hidden at start
    }
};

QTEST_MAIN(TstHomeTiles)
#include "tst_hometiles.moc"
