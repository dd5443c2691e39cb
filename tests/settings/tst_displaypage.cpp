// The Display page: its row window and arrows, the texts and choice menus of its rows, what it reads from the
// appliance and the steps that apply a choice, each against a scratch appliance and the recording runner.
#include "DataRows.h"
#include "SettingsFixture.h"
#include "appliance/Paths.h"
#include "display/ScreenConfFile.h"
#include "settings/DisplayChoices.h"
#include "settings/DisplayRowWindow.h"
#include "settings/DisplayState.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {

using W = DisplayRowWindow;

const char* const kRowNames[] = {"res1", "sec", "res2", "res3", "res4", "res5", "off", "ovs", "wall", "prev"};

QString rowName(W::Row r) { return r == W::RowCount ? "-" : kRowNames[r]; }

// The window as the viewer sees it: the visible rows, an arrow above ("^") and below ("v") when shown.
QString window(const W& w)
{
    QStringList shown;
    for (W::Row r : w.rows())
        if (w.isVisible(r))
            shown << rowName(r);
    return (w.moreAbove() ? "^ " : "") + shown.join(' ') + (w.moreBelow() ? " v" : "");
}

// A screen.conf with `n` connected outputs HDMI-1 ... in 1920x1080 at 60.00, plus `extra` lines.
QByteArray screenConf(int n, const QByteArray& extra = {})
{
    QByteArray conf;
    for (int i = 1; i <= n; ++i)
        conf += QStringLiteral("[Screen%1]\nConnected = True\nName = HDMI-%1\nMode = 1920x1080\nRate = 60.00\n\n")
                    .arg(i)
                    .toUtf8();
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

// Into the Display page from its button in the left column, as the remote goes.
void enterPage(SettingsDialog& d)
{
    part<QRadioButton>(d, "rbtDisp")->setChecked(true);
    part(d, "rbtDisp")->setFocus();
    pressKey(Qt::Key_Right);
}

} // namespace

class TstDisplayPage : public QObject
{
    Q_OBJECT

private slots:
    // Keys walk the rows: "d" Down, "u" Up, from the main resolution row. The window keeps the focused row in view.
    // Down onto the wallpaper row places the window so that the preview under it shows too: with seven rows (two
    // outputs) Down on the fifth row lands there and the window moves by two, not one, or the preview would be cut.
    void rowWindow_data()
    {
        columns<int, QString, QString, QString>(); // outputs, keys, the focused row, the window shown
        row("seven rows: down on the fifth moves by two for the preview", 2, QString("ddddd"), QString("wall"),
            QString("^ res2 off ovs wall prev"));
        row("two: down on the wallpaper stays", 2, QString("dddddd"), QString("wall"),
            QString("^ res2 off ovs wall prev"));
        row("two: up from the wallpaper", 2, QString("dddddu"), QString("ovs"), QString("res1 sec res2 off ovs v"));
        row("three: down past the fifth scrolls by one", 3, QString("ddddd"), QString("ovs"),
            QString("^ sec res2 res3 off ovs v"));
        row("five: up below the window's top moves it", 5, QString("ddddddddduuu"), QString("res5"),
            QString("^ sec res2 res3 res4 res5 v"));
        row("no output, up on the first row", 0, QString("uudd"), QString("wall"), QString("off ovs wall prev"));
    }
    void rowWindow()
    {
        const auto [outputs, keys, focused, shown] = fetch<int, QString, QString, QString>();
        W w;
        w.rebuild(outputs);
        W::Row focus = w.rows().first();
        for (QChar k : keys)
            focus = k == 'd' ? w.down(focus) : w.up(focus);
        QCOMPARE(rowName(focus), focused);
        QCOMPARE(window(w), shown);
    }

    // Value texts, the choice that each menu marks as the current one, and the monitor label: the connector's name
    // as the appliance's case reads it and the name of the monitor on the connector numbered by the output name's
    // last digit.
    void texts_data()
    {
        columns<QString, QString>(); // the text, the one expected
        using namespace DisplayChoices;
        auto menu = [](const Menu_s& m) { return QString::number(m.current) + ':' + m.entries.join('|'); };
        auto monitor = [](int connector) { return QStringLiteral("monitor %1").arg(connector); };
        row("61 s rounds up", screenOffText(61), QString("2 min"));
        // xrandr's preferred marker stays on the current rate's word; the viewer never reads it.
        row("rates without the preferred marker", menu(rates("1920x1080", {"60.00+", "50.00"}, "60.00")),
            QString("0: 1920x1080@60.00Hz | 1920x1080@50.00Hz "));
        row("label without the preferred marker", resolutionText("1920x1080", "60.00+"), QString("1920x1080@60.00Hz"));
        row("HDMI-A-1", monitorLabel("HDMI-A-1", "MV-700", monitor), QString("HDMI2: monitor 1"));
        row("ZR7 swaps 1", monitorLabel("HDMI-1", "XZR7-4", monitor), QString("HDMI-2: monitor 1"));
        row("ZR7 swaps 2", monitorLabel("HDMI-2", "ZR7", monitor), QString("HDMI-1: monitor 2"));
        row("no digit is connector 1", monitorLabel("DP", "", monitor), QString("DP: monitor 1"));
    }
    void texts()
    {
        const auto [text, expect] = fetch<QString, QString>();
        QCOMPARE(text, expect);
    }

    // What the page reads: the connected outputs in section order (five at most), the arrangement of output 2,
    // overscan only with one output (a margin left in the file goes back to 0 with several), the margin in three
    // bases.
    void readState_data()
    {
        columns<QByteArray, QString>(); // screen.conf, what is read from it
        row("one output, hexadecimal margin", screenConf(1, "[Overscan]\nMargin = 0x23\n"),
            QString("outputs=HDMI-1;arr=-1;ovs=1 35;margin=0x23"));
        row("margin in no base", screenConf(1, "[Overscan]\nMargin = 3.5\n"),
            QString("ovs=1 0 field is not an int;margin=3.5"));
        row("two, a margin left, extended left",
            screenConf(2, "[Overscan]\nMargin = 35\n[OverScan]\nMargin = 35\n[Screen2]\nExtendMode = Left\n"),
            QString("outputs=HDMI-1 HDMI-2;arr=2;ovs=0 0;margin=0"));
        row("six connected, five shown", screenConf(6), QString("outputs=HDMI-1 HDMI-2 HDMI-3 HDMI-4 HDMI-5"));
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

    // The page on the dialog: which rows show with two outputs, with one and with none, the overscan row greyed with
    // "Off" and without a menu when there are several outputs, the arrows of the focused row, and Down past the fifth
    // row scrolling the window with the arrow above shown.
    void pageRows_data()
    {
        columns<int, int, QString>(); // outputs, Down presses, what shows
        // Without an output the page is entered on its first row that exists.
        row("no output", 0, 0,
            QString("rows=frmDispTnOff frmDispOvscan frmWallPaper frmWallPaperImage;focus=frmDispTnOff"));
        row("one output", 1, 2,
            QString("rows=frmDispRes frmDispTnOff frmDispOvscan frmWallPaper frmWallPaperImage;focus=frmDispOvscan;"
                    "arrows=labDispOvscanUp labDispOvscanDown;ovs=3.5 % white;menu=1;more=00"));
        row("two outputs", 2, 4,
            QString("rows=frmDispRes frmDispSecMon frmDispSecMonRes frmDispTnOff frmDispOvscan;focus=frmDispOvscan;"
                    "arrows=;ovs=Off grey;menu=0;more=01;margin=0"));
        row("two outputs, down past the fifth", 2, 5,
            QString("rows=frmDispSecMonRes frmDispTnOff frmDispOvscan frmWallPaper frmWallPaperImage;"
                    "focus=frmWallPaper;arrows=labWallPaperUp labWallPaperDown;more=10"));
    }
    void pageRows()
    {
        const auto [outputs, downs, expect] = fetch<int, int, QString>();
        SettingsScene_s scene;
        QVERIFY(scene.root.write(
            Paths::ScreenConf.text(), screenConf(outputs, "[Overscan]\nMargin = 35\n[OverScan]\nMargin = 35\n")));
        SettingsDialog& d = scene.open();
        enterPage(d);
        QTRY_VERIFY(part(d, "pgDisplay")->isAncestorOf(QApplication::focusWidget()));
        for (int i = 0; i < downs; ++i)
            pressKey(Qt::Key_Down);
        QStringList rows, arrows;
        for (QFrame* f : part(d, "pgDisplay")
                             ->findChildren<QFrame*>(QRegularExpression("^frm(Disp.*(Res|Mon|Off|scan)|WallPaper.*)$")))
            if (f->isVisible())
                rows << f->objectName();
        for (QLabel* l :
            part(d, "pgDisplay")->findChildren<QLabel*>(QRegularExpression("^lab(Disp|WallPaper).*(Up|Down)$")))
            if (l->isVisible())
                arrows << l->objectName();
        // Return on the focused row: a menu opens (and is closed again), or nothing.
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
                    + QString::number(part(d, "labPrefDispArrowDown")->isVisible())},
            {"margin", conf(scene.root, "Overscan/Margin")}};
        compareFields(expect, [&](const QString& key) { return seen.value(key); });
    }

    // With two outputs and a margin left in "OverScan", reading the page saves only until "Overscan" holds 0: each
    // save wakes the dialog's own watcher, which reads the page again. Whatever entering the page set off is queued
    // on that watcher before a later change of another file it watches (a log-out request), so once that request is
    // seen, a page not read again stays not read.
    void readingSavesOnce()
    {
        SettingsScene_s scene;
        QVERIFY(scene.root.write(Paths::ScreenConf.text(), screenConf(2, "[OverScan]\nMargin = 35\n")));
        QVERIFY(scene.root.write(Paths::LoginConf.text(), "[UIControl]\nRequireLogin=yes\n"));
        SettingsDialog& d = scene.open(); // built: "Overscan" saved as 0 before anything is watched
        QSignalSpy restarts(&d, &SettingsDialog::IVOrestart);
        enterPage(d);
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
        row("overscan", 1, QString("frmDispOvscan"), QString("3.5 %"),
            QString("marked=Off;label=3.5 %;Overscan/Margin=35;ran=ivomargin -u"));
        row("screen off", 1, QString("frmDispTnOff"), QString("30 min"),
            QString(
                "marked=20 min;label=20 min;ran=xset +dpms,xset dpms 1800 1800 1800;DPMS/Standby=1200;DPMS/Off=1800"));
        row("extend to left, three outputs", 3, QString("frmDispSecMon"), QString("Extend to left"),
            QString("marked=Duplicate;label=Extend to left;Screen2/ExtendMode=left;Screen3/ExtendMode=left;"
                    "Screen3/ExtendFrom=HDMI-2;Overscan/Margin=0;x=1920;ran=xrandr-hotplug.sh -fg,grep primary"));
        row("wallpaper", 1, QString("frmWallPaper"), QString("Template 2"),
            QString("marked=Default;label=Template 2;Wallpaper/Image=2;Wallpaper/Path=/opt/ivo/wallpaper_image2_4K.jpg;"
                    "border=labImage2;signals=1"));
        row("back", 1, QString("frmWallPaper"), QString("[Back]"),
            QString("label=Default;Wallpaper/Image=;signals=0;ran="));
    }
    void rowMenus()
    {
        const auto [outputs, row, entry, expect] = fetch<int, QString, QString, QString>();
        SettingsScene_s scene;
        QVERIFY(scene.root.write(Paths::ScreenConf.text(), screenConf(outputs)));
        scene.runner.answer("xset q", "DPMS (Energy Star):\n  Standby: 1200    Suspend: 1200    Off: 1800\n");
        scene.runner.answer(".*grep primary.*", "1920\n");
        SettingsDialog& d = scene.open();
        QSignalSpy wallpaper(&d, &SettingsDialog::WallpaperChange);
        enterPage(d);
        QTRY_VERIFY(part(d, "frmDispRes")->hasFocus());
        part(d, row)->setFocus();
        QString marked;
        onModal([&](QWidget* menu) {
            marked = entries(menu).section('*', 1).section('|', 0, 0);
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
        const QMap<QString, QString> seen {{"marked", marked},
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
