// The Display page: its rows and arrows, texts and choice menus, what it reads and the steps that apply a choice.
#include "DataRows.h"
#include "SettingsFixture.h"
#include "appliance/Paths.h"
#include "display/ScreenConfFile.h"
#include "settings/DisplayChoices.h"
#include "settings/DisplayState.h"

#include <QFrame>
#include <QSettings>
#include <QSignalSpy>

namespace {

// A screen.conf with `n` connected outputs HDMI-1 ... in 1920x1080 at 60.00, plus `extra` lines.
QByteArray screenConf(int n, const QByteArray& extra = {})
{
    QByteArray conf;
    for (int i = 1; i <= n; ++i)
        conf += "[Screen" + QByteArray::number(i) + "]\nConnected = True\nName = HDMI-" + QByteArray::number(i)
            + "\nMode = 1920x1080\nRate = 60.00\n\n";
    return conf + extra;
}

QString conf(const ScratchSysroot& root, const QString& key)
{
    ScreenConfFile file(root.path(Paths::ScreenConf.text()));
    file.load();
    return file.value(key.section('/', 0, 0), key.section('/', 1));
}

// Each "key=value" of expect against what `seen` gives for that key.
void compareFields(const QString& expect, const std::function<QString(const QString&)>& seen)
{
    for (const QString& e : expect.split(';'))
        QCOMPARE(e.section('=', 0, 0) + '=' + seen(e.section('=', 0, 0)), e);
}

} // namespace

class TstDisplayPage : public QObject
{
    Q_OBJECT

private slots:
    // Value texts, a menu's current choice, and monitor labels by connector (swapped on the ZR7 case).
    void texts_data()
    {
        columns<QString, QString>(); // the text, the one expected
        using namespace DisplayChoices;
        auto menu = [](const Menu_s& m) { return QString::number(m.current) + ':' + m.entries.join('|'); };
        auto monitor = [](int connector) { return QStringLiteral("monitor %1").arg(connector); };
        row("61 s rounds up", screenOffText(61), "2 min");
        row("rates without the preferred marker", menu(rates("1920x1080", {"60.00+", "50.00"}, "60.00")),
            "0: 1920x1080@60.00Hz | 1920x1080@50.00Hz ");
        row("label without the preferred marker", resolutionText("1920x1080", "60.00+"), "1920x1080@60.00Hz");
        row("HDMI-A-1", monitorLabel("HDMI-A-1", "MV-700", monitor), "HDMI2: monitor 1");
        row("ZR7 swaps 1", monitorLabel("HDMI-1", "XZR7-4", monitor), "HDMI-2: monitor 1");
        row("ZR7 swaps 2", monitorLabel("HDMI-2", "ZR7", monitor), "HDMI-1: monitor 2");
        row("no digit is connector 1", monitorLabel("DP", "", monitor), "DP: monitor 1");
    }
    void texts()
    {
        const auto [text, expect] = fetch<QString, QString>();
        QCOMPARE(text, expect);
    }

    // Connected outputs (five at most), arrangement, overscan only with one output (else the margin goes to 0).
    void readState_data()
    {
        columns<QByteArray, QString>(); // screen.conf, what is read from it
        row("one output, hexadecimal margin", screenConf(1, "[Overscan]\nMargin = 0x23\n"),
            "outputs=HDMI-1;arr=-1;ovs=1 35;margin=0x23");
        row("margin in no base", screenConf(1, "[Overscan]\nMargin = 3.5\n"), "ovs=1 0 field is not an int;margin=3.5");
        row("two, a margin left, extended left",
            screenConf(2, "[Overscan]\nMargin = 35\n[OverScan]\nMargin = 35\n[Screen2]\nExtendMode = Left\n"),
            "outputs=HDMI-1 HDMI-2;arr=2;ovs=0 0;margin=0");
        row("six connected, five shown", screenConf(6), "outputs=HDMI-1 HDMI-2 HDMI-3 HDMI-4 HDMI-5");
    }
    void readState()
    {
        const auto [file, expect] = fetch<QByteArray, QString>();
        ScratchSysroot root;
        RecordingRunner runner;
        if (!file.isEmpty())
            QVERIFY(root.write(Paths::ScreenConf.text(), file));
        const DisplayState::View_s v = DisplayState::read();
        QStringList outputs;
        for (const auto& s : v.screens)
            outputs << s.name;
        const QMap<QString, QString> seen {{"outputs", outputs.join(' ')}, {"arr", QString::number(v.arrangement)},
            {"ovs",
                QStringLiteral("%1 %2 %3").arg(v.overscanOffered).arg(v.overscanMargin).arg(v.overscanError).trimmed()},
            {"margin", conf(root, "Overscan/Margin")}};
        compareFields(expect, [&](const QString& key) { return seen.value(key); });
    }

    // Rows shown (five at most), focus and arrows after "d"own/"u"p keys; overscan greyed without a menu if several.
    void pageRows_data()
    {
        columns<int, QString, QString>(); // outputs, keys, what shows
        row("no output", 0, "", "rows=frmDispTnOff frmDispOvscan frmWallPaper frmWallPaperImage;focus=frmDispTnOff");
        row("no output, up on the first row", 0, "uudd",
            "rows=frmDispTnOff frmDispOvscan frmWallPaper frmWallPaperImage;focus=frmWallPaper;more=00");
        row("one output", 1, "dd",
            QString("rows=frmDispRes frmDispTnOff frmDispOvscan frmWallPaper frmWallPaperImage;focus=frmDispOvscan;"
                    "arrows=labDispOvscanUp labDispOvscanDown;ovs=3.5 % white;menu=1;more=00"));
        row("two outputs", 2, "dddd",
            QString("rows=frmDispRes frmDispSecMon frmDispSecMonRes frmDispTnOff frmDispOvscan;focus=frmDispOvscan;"
                    "arrows=;ovs=Off grey;menu=0;more=01"));
        row("two outputs, down on the fifth moves by two", 2, "ddddd",
            QString("rows=frmDispSecMonRes frmDispTnOff frmDispOvscan frmWallPaper frmWallPaperImage;"
                    "focus=frmWallPaper;arrows=labWallPaperUp labWallPaperDown;more=10"));
        row("two outputs, down on the wallpaper stays", 2, "dddddd",
            QString("rows=frmDispSecMonRes frmDispTnOff frmDispOvscan frmWallPaper frmWallPaperImage;"
                    "focus=frmWallPaper;more=10"));
        row("two outputs, up from the wallpaper", 2, "dddddu",
            QString("rows=frmDispRes frmDispSecMon frmDispSecMonRes frmDispTnOff frmDispOvscan;focus=frmDispOvscan;"
                    "more=01"));
        row("three outputs, down past the fifth scrolls by one", 3, "ddddd",
            QString("rows=frmDispSecMon frmDispSecMonRes frmDisp3thMonRes frmDispTnOff frmDispOvscan;"
                    "focus=frmDispOvscan;more=11"));
        row("five outputs, up below the window's top moves it", 5, "ddddddddduuu",
            QString("rows=frmDispSecMon frmDispSecMonRes frmDisp3thMonRes frmDisp4thMonRes frmDisp5thMonRes;"
                    "focus=frmDisp5thMonRes;more=11"));
    }
    void pageRows()
    {
        const auto [outputs, keys, expect] = fetch<int, QString, QString>();
        SettingsScene_s scene;
        QVERIFY(scene.root.write(
            Paths::ScreenConf.text(), screenConf(outputs, "[Overscan]\nMargin = 35\n[OverScan]\nMargin = 35\n")));
        SettingsDialog& d = scene.enter("rbtDisp");
        QTRY_VERIFY(part(d, "pgDisplay")->isAncestorOf(QApplication::focusWidget()));
        for (QChar k : keys)
            pressKey(k == 'd' ? Qt::Key_Down : Qt::Key_Up);
        QStringList rows, arrows;
        for (QFrame* f : part(d, "pgDisplay")
                             ->findChildren<QFrame*>(QRegularExpression("^frm(Disp.*(Res|Mon|Off|scan)|WallPaper.*)$")))
            if (f->isVisible())
                rows << f->objectName();
        for (QLabel* l :
            part(d, "pgDisplay")->findChildren<QLabel*>(QRegularExpression("^lab(Disp|WallPaper).*(Up|Down)$")))
            if (l->isVisible())
                arrows << l->objectName();
        // Return on the overscan row: a menu opens (and is closed again), or nothing.
        bool opened = false;
        QWidget* focus = QApplication::focusWidget();
        if (focus == part(d, "frmDispOvscan")) {
            onModal([&](QWidget* menu) { opened = menu->close(); });
            pressKey(Qt::Key_Return);
        }
        auto* ovs = part<QLabel>(d, "txtDispOvscan");
        const QMap<QString, QString> seen {{"rows", rows.join(' ')}, {"focus", focus->objectName()},
            {"arrows", arrows.join(' ')},
            {"ovs", ovs->text() + (ovs->styleSheet().contains("255") ? " white" : " grey")},
            {"menu", QString::number(opened)},
            {"more",
                QString::number(part(d, "labPrefDispArrowUp")->isVisible())
                    + QString::number(part(d, "labPrefDispArrowDown")->isVisible())}};
        compareFields(expect, [&](const QString& key) { return seen.value(key); });
    }

    // A leftover margin with two outputs is saved as 0 before the watcher starts, so the page is not read again.
    void readingSavesOnce()
    {
        SettingsScene_s scene;
        QVERIFY(scene.root.write(Paths::ScreenConf.text(), screenConf(2, "[OverScan]\nMargin = 35\n")));
        QVERIFY(scene.root.write(Paths::LoginConf.text(), "[UIControl]\nRequireLogin=yes\n"));
        SettingsDialog& d = scene.open(); // built: "Overscan" saved as 0 before anything is watched
        QSignalSpy restarts(&d, &SettingsDialog::IVOrestart);
        scene.enter("rbtDisp");
        QCOMPARE(conf(scene.root, "Overscan/Margin"), "0");
        auto* overscan = part<QLabel>(d, "txtDispOvscan");
        overscan->setText("not read since");
        QVERIFY(scene.root.write(Paths::LoginConf.text(), "[Padlink]\nLogout=yes\n"));
        QTRY_COMPARE(restarts.size(), 1);
        QCOMPARE(overscan->text(), "not read since");
    }

    // The other rows' menus: the current choice marked, the choice shown and applied; Back changes nothing.
    void rowMenus_data()
    {
        columns<int, QString, QString, QString>(); // outputs, the row, the entry picked, what follows
        row("resolution", 1, "frmDispRes", "[Back]",
            "entries=*1920x1080|1280x720|1920x1080|[Back];label=1920x1080@60.00Hz;ran=");
        row("overscan", 1, "frmDispOvscan", "3.5 %", "marked=Off;label=3.5 %;Overscan/Margin=35;ran=ivomargin -u");
        row("screen off", 1, "frmDispTnOff", "30 min",
            QString(
                "marked=20 min;label=20 min;ran=xset +dpms,xset dpms 1800 1800 1800;DPMS/Standby=1200;DPMS/Off=1800"));
        row("extend to left, three outputs", 3, "frmDispSecMon", "Extend to left",
            QString("marked=Duplicate;label=Extend to left;Screen2/ExtendMode=left;Screen3/ExtendMode=left;"
                    "Screen3/ExtendFrom=HDMI-2;Overscan/Margin=0;x=1920;ran=xrandr-hotplug.sh -fg,grep primary"));
        row("wallpaper", 1, "frmWallPaper", "Template 2",
            QString("marked=Default;label=Template 2;Wallpaper/Image=2;Wallpaper/Path=/opt/ivo/wallpaper_image2_4K.jpg;"
                    "border=labImage2;signals=1"));
        row("back", 1, "frmWallPaper", "[Back]", "label=Default;Wallpaper/Image=;signals=0;ran=");
    }
    void rowMenus()
    {
        const auto [outputs, row, entry, expect] = fetch<int, QString, QString, QString>();
        SettingsScene_s scene;
        QVERIFY(scene.root.write(Paths::ScreenConf.text(), screenConf(outputs)));
        scene.runner.answer("xset q", "DPMS (Energy Star):\n  Standby: 1200    Suspend: 1200    Off: 1800\n");
        scene.runner.answer(".*grep primary.*", "1920\n");
        scene.runner.answer(
            ".*xrandr -q.*", "HDMI-1 connected\n   1920x1080 60.00*+\n   1280x720 60.00\n   1920x1080 50.00\n");
        SettingsDialog& d = scene.open();
        QSignalSpy wallpaper(&d, &SettingsDialog::WallpaperChange);
        scene.enter("rbtDisp");
        QTRY_VERIFY(part(d, "frmDispRes")->hasFocus());
        part(d, row)->setFocus();
        QString marked, shown;
        onModal([&](QWidget* menu) {
            shown = entries(menu);
            marked = shown.section('*', 1).section('|', 0, 0);
            pick(menu, entry);
        });
        scene.runner.clear();
        pressKey(Qt::Key_Return);
        QSettings user(scene.root.home() + "/.config/Vendra/IVO.conf", QSettings::IniFormat);
        QStringList ran, borders;
        for (const QString& l : scene.runner.lines())
            for (const char* word :
                {"ivomargin -u", "xset +dpms", "xset dpms", "xrandr-hotplug.sh -fg", "grep primary"})
                if (l.contains(word))
                    ran << (QString(word) == "xset dpms" ? l : QString(word));
        for (const char* p : {"labImage1", "labImage2", "labImage3"})
            if (part(d, p)->styleSheet().contains("solid"))
                borders << p;
        const QMap<QString, QString> seen {{"marked", marked}, {"entries", shown},
            {"label", part(d, row)->findChildren<QLabel*>(QRegularExpression("^txt")).value(0)->text()},
            {"ran", ran.join(',')}, {"x", QString::number(d.x())}, {"border", borders.join(' ')},
            {"signals", QString::number(wallpaper.size())}};
        compareFields(expect, [&](const QString& key) {
            return seen.contains(key)                                   ? seen.value(key)
                : key.startsWith("Wallpaper") || key.startsWith("DPMS") ? user.value(key).toString()
                                                                        : conf(scene.root, key);
        });
    }
};

QTEST_MAIN(TstDisplayPage)
#include "tst_displaypage.moc"
