// The Display page: its row window and arrows, the texts and choice menus of its rows, what it reads from the
// appliance and the steps that apply a choice, each against a scratch appliance and the recording runner.
#include "SettingsFixture.h"
#include "appliance/Paths.h"
#include "display/ScreenConfFile.h"
#include "settings/DisplayChoices.h"
#include "settings/DisplayRowWindow.h"
#include "settings/DisplayState.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {

using W = DisplayRowWindow;

const char* const kRowNames[] = {"res1", "sec", "res2", "res3", "res4", "res5", "off", "ovs", "wall", "prev"};

// A column of the current data row, as an expression.
template<class T> T fetch(const char* name) { return *static_cast<T*>(QTest::qData(name, qMetaTypeId<T>())); }

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

// The entries of a choice menu without its separators, the marked one with "*", trimmed: "*Off|10 min|...|[Back]".
QString entries(QWidget* w)
{
    QStringList l;
    auto* menu = qobject_cast<QMenu*>(w);
    for (QAction* a : menu ? menu->actions() : QList<QAction*>())
        if (!a->isSeparator())
            l << (a == menu->defaultAction() ? "*" : "") + a->text().trimmed();
    return l.join('|');
}

// Chooses the entry with that text as the viewer does: highlighted, then Return.
void pick(QWidget* w, const QString& text)
{
    auto* menu = qobject_cast<QMenu*>(w);
    for (QAction* a : menu ? menu->actions() : QList<QAction*>())
        if (a->text() == text) {
            menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
    QFAIL(qPrintable("no entry " + text));
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
        QTest::addColumn<int>("outputs");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one output fits") << 1 << "ddddd"
                                         << "wall"
                                         << "res1 off ovs wall prev";
        QTest::newRow("up on the first row stays") << 1 << "uu"
                                                   << "res1"
                                                   << "res1 off ovs wall prev";
        QTest::newRow("seven rows: down on the fifth moves by two for the preview") << 2 << "ddddd"
                                                                                    << "wall"
                                                                                    << "^ res2 off ovs wall prev";
        QTest::newRow("two: down on the wallpaper stays") << 2 << "dddddd"
                                                          << "wall"
                                                          << "^ res2 off ovs wall prev";
        QTest::newRow("two: up from the wallpaper") << 2 << "dddddu"
                                                    << "ovs"
                                                    << "res1 sec res2 off ovs v";
        QTest::newRow("three: down past the fifth scrolls by one") << 3 << "ddddd"
                                                                   << "ovs"
                                                                   << "^ sec res2 res3 off ovs v";
        QTest::newRow("three: to the end and back up") << 3 << "dddddddduuuuu"
                                                       << "sec"
                                                       << "res1 sec res2 res3 off v";
        QTest::newRow("five: up below the window's top moves it") << 5 << "ddddddddduuu"
                                                                  << "res5"
                                                                  << "^ sec res2 res3 res4 res5 v";
        QTest::newRow("no output") << 0 << "dd"
                                   << "wall"
                                   << "off ovs wall prev";
    }
    void rowWindow()
    {
        QFETCH(int, outputs);
        QFETCH(QString, keys);
        W w;
        w.rebuild(outputs);
        W::Row focus = w.rows().first();
        for (QChar k : keys)
            focus = k == 'd' ? w.down(focus) : w.up(focus);
        QCOMPARE(rowName(focus), fetch<QString>("focus"));
        QCOMPARE(window(w), fetch<QString>("shown"));
    }

    // Value texts and the choice that each menu marks as the current one.
    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expect");
        using namespace DisplayChoices;
        auto menu = [](const Menu_s& m) { return QString::number(m.current) + ':' + m.entries.join('|'); };
        QTest::newRow("61 s rounds up") << screenOffText(61) << "2 min";
        QTest::newRow("margin 35") << overscanText(35) << "3.5 %";
        QTest::newRow("overscan between steps marks none") << menu(overscan(3)).left(2) << "-1";
        QTest::newRow("left ignoring case")
            << menu(arrangements("LEFT")) << "2:Duplicate|Extend to right|Extend to left";
        // xrandr's preferred marker stays on the current rate's word; the viewer never reads it.
        QTest::newRow("rates without the preferred marker")
            << menu(rates("1920x1080", {"60.00+", "50.00"}, "60.00")) << "0: 1920x1080@60.00Hz | 1920x1080@50.00Hz ";
        QTest::newRow("label without the preferred marker")
            << resolutionText("1920x1080", "60.00+") << "1920x1080@60.00Hz";
    }
    void texts() { QCOMPARE(fetch<QString>("text"), fetch<QString>("expect")); }

    // The monitor label: the connector's name as the appliance's case reads it and the name of the monitor on the
    // connector numbered by the output name's last digit.
    void monitorLabel_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("label");
        QTest::newRow("HDMI-A-1") << "HDMI-A-1"
                                  << "MV-700"
                                  << "HDMI2: monitor 1";
        QTest::newRow("ZR7 swaps 1") << "HDMI-1"
                                     << "XZR7-4"
                                     << "HDMI-2: monitor 1";
        QTest::newRow("ZR7 swaps 2") << "HDMI-2"
                                     << "ZR7"
                                     << "HDMI-1: monitor 2";
        QTest::newRow("ZR7 case-sensitive") << "HDMI-1"
                                            << "zr7"
                                            << "HDMI-1: monitor 1";
        QTest::newRow("no digit is connector 1") << "DP"
                                                 << ""
                                                 << "DP: monitor 1";
    }
    void monitorLabel()
    {
        QFETCH(QString, output);
        QFETCH(QString, model);
        const QString label = DisplayChoices::monitorLabel(
            output, model, [](int connector) { return QStringLiteral("monitor %1").arg(connector); });
        QCOMPARE(label, fetch<QString>("label"));
    }

    // What the page reads: the connected outputs in section order (five at most), the arrangement of output 2,
    // overscan only with one output (a margin left in the file goes back to 0 with several), the margin in three
    // bases, the blanking time-out from xset.
    void readState_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expect");
        QTest::newRow("one output, hexadecimal margin")
            << screenConf(1, "[Overscan]\nMargin = 0x23\n") << "outputs=HDMI-1;arr=-1;ovs=1 35;margin=0x23";
        QTest::newRow("margin in no base")
            << screenConf(1, "[Overscan]\nMargin = 3.5\n") << "ovs=1 0 field is not an int;margin=3.5";
        QTest::newRow("two, a margin left") << screenConf(2, "[Overscan]\nMargin = 35\n[OverScan]\nMargin = 35\n")
                                            << "outputs=HDMI-1 HDMI-2;arr=0;ovs=0 0;margin=0";
        QTest::newRow("sorted, connected only, left") << QByteArray(
            "[Screen3]\nConnected = TRUE\nName = C\n[Screen2]\nConnected = False\nName = B\n[Screen1]\nConnected "
            "= true\nName = A\n[Screen3]\nExtendMode = Left\n")
                                                      << "outputs=A C;arr=2";
        QTest::newRow("six connected, five shown") << screenConf(6) << "outputs=HDMI-1 HDMI-2 HDMI-3 HDMI-4 HDMI-5";
    }
    void readState()
    {
        QFETCH(QByteArray, file);
        ScratchSysroot root;
        RecordingRunner runner;
        runner.answer("xset q", "DPMS (Energy Star):\n  Standby: 1200    Suspend: 1200    Off: 1200\n");
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
        for (const QString& e : fetch<QString>("expect").split(';'))
            QCOMPARE(e.section('=', 0, 0) + '=' + seen.value(e.section('=', 0, 0)), e);
        QCOMPARE(v.standbySeconds, 1200);
    }

    // The page on the dialog: which rows show with two outputs and which with one, the overscan row greyed with
    // "Off" and without a menu when there are several outputs, the arrows of the focused row, and Down past the fifth
    // row scrolling the window with the arrow above shown.
    void pageRows_data()
    {
        QTest::addColumn<int>("outputs");
        QTest::addColumn<QString>("downs");
        QTest::addColumn<QString>("expect");
        QTest::newRow("one output") << 1 << "2"
                                    << "rows=frmDispRes frmDispTnOff frmDispOvscan frmWallPaper frmWallPaperImage;"
                                       "focus=frmDispOvscan;arrows=labDispOvscanUp labDispOvscanDown;ovs=3.5 % white;"
                                       "menu=1;more=00";
        QTest::newRow("two outputs")
            << 2 << "4"
            << "rows=frmDispRes frmDispSecMon frmDispSecMonRes frmDispTnOff frmDispOvscan;focus=frmDispOvscan;arrows=;"
               "ovs=Off grey;menu=0;more=01;margin=0";
        QTest::newRow("two outputs, down past the fifth")
            << 2 << "5"
            << "rows=frmDispSecMonRes frmDispTnOff frmDispOvscan frmWallPaper frmWallPaperImage;focus=frmWallPaper;"
               "arrows=labWallPaperUp labWallPaperDown;more=10";
    }
    void pageRows()
    {
        QFETCH(int, outputs);
        SettingsScene_s scene;
        QVERIFY(scene.root.write(
            Paths::ScreenConf.text(), screenConf(outputs, "[Overscan]\nMargin = 35\n[OverScan]\nMargin = 35\n")));
        SettingsDialog& d = scene.open();
        enterPage(d);
        QTRY_COMPARE(QApplication::focusWidget(), part(d, "frmDispRes"));
        for (int i = 0; i < fetch<QString>("downs").toInt(); ++i)
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
            QTimer closer; // dies with the test, so nothing polls on into the next one
            connect(&closer, &QTimer::timeout, [&] {
                if (QWidget* menu = QApplication::activePopupWidget()) {
                    opened = true;
                    menu->close();
                }
            });
            closer.start(20);
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
        for (const QString& e : fetch<QString>("expect").split(';'))
            QCOMPARE(e.section('=', 0, 0) + '=' + seen.value(e.section('=', 0, 0)), e);
    }

    // A first click only focuses a row; a click on the row that has the focus opens its menu, as Return does.
    void rowByMouse()
    {
        SettingsScene_s scene;
        QVERIFY(scene.root.write(Paths::ScreenConf.text(), screenConf(1)));
        SettingsDialog& d = scene.open();
        enterPage(d);
        QTRY_VERIFY(part(d, "frmDispRes")->hasFocus());
        QString seen;
        onModal([&](QWidget* menu) {
            seen = entries(menu);
            QTest::keyClick(menu, Qt::Key_Escape);
        });
        QTest::mouseClick(part(d, "frmDispOvscan"), Qt::LeftButton);
        QVERIFY(part(d, "frmDispOvscan")->hasFocus());
        QVERIFY2(seen.isEmpty(), "the first click opened the menu");
        QTest::mouseClick(part(d, "frmDispOvscan"), Qt::LeftButton);
        QVERIFY2(seen.startsWith("*Off|"), qPrintable(seen));
    }

    // The other rows' menus: the current choice marked, the choice shown and applied; Back changes nothing.
    void rowMenus_data()
    {
        QTest::addColumn<int>("outputs");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QString>("expect");
        QTest::newRow("overscan") << 1 << "frmDispOvscan"
                                  << "3.5 %"
                                  << "marked=Off;label=3.5 %;Overscan/Margin=35;ran=ivomargin -u";
        QTest::newRow("screen off")
            << 1 << "frmDispTnOff"
            << "30 min"
            << "marked=20 min;label=20 min;ran=xset +dpms,xset dpms 1800 1800 1800;DPMS/Standby=1200";
        QTest::newRow("extend to left, three outputs")
            << 3 << "frmDispSecMon"
            << "Extend to left"
            << "marked=Duplicate;label=Extend to left;Screen2/ExtendMode=left;Screen3/ExtendMode=left;"
               "Screen3/ExtendFrom=HDMI-2;Overscan/Margin=0;x=1920;ran=xrandr-hotplug.sh -fg,grep primary";
        QTest::newRow("wallpaper") << 1 << "frmWallPaper"
                                   << "Template 2"
                                   << "marked=Default;label=Template 2;Wallpaper/Image=2;"
                                      "Wallpaper/Path=/opt/ivo/wallpaper_image2_4K.jpg;border=labImage2;signals=1";
        QTest::newRow("back") << 1 << "frmWallPaper"
                              << "[Back]"
                              << "label=Default;Wallpaper/Image=;signals=0;ran=";
    }
    void rowMenus()
    {
        QFETCH(int, outputs);
        QFETCH(QString, row);
        SettingsScene_s scene;
        QVERIFY(scene.root.write(Paths::ScreenConf.text(), screenConf(outputs)));
        scene.runner.answer("xset q", "DPMS (Energy Star):\n  Standby: 1200    Suspend: 1200    Off: 1200\n");
        scene.runner.answer(".*grep primary.*", "1920\n");
        SettingsDialog& d = scene.open();
        QSignalSpy wallpaper(&d, &SettingsDialog::WallpaperChange);
        enterPage(d);
        QTRY_VERIFY(part(d, "frmDispRes")->hasFocus());
        part(d, row)->setFocus();
        QString marked;
        onModal([&](QWidget* menu) {
            marked = entries(menu).section('*', 1).section('|', 0, 0);
            pick(menu, fetch<QString>("pick"));
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
        for (const QString& e : fetch<QString>("expect").split(';')) {
            const QString key = e.section('=', 0, 0);
            QString seen;
            if (key == "marked")
                seen = marked;
            else if (key == "label")
                seen = part(d, row)->findChildren<QLabel*>(QRegularExpression("^txt")).value(0)->text();
            else if (key == "ran")
                seen = ran.join(',');
            else if (key == "x")
                seen = QString::number(d.x());
            else if (key == "border")
                seen = borders.join(' ');
            else if (key == "signals")
                seen = QString::number(wallpaper.size());
            else if (key.startsWith("Wallpaper") || key.startsWith("DPMS"))
                seen = user.value(key).toString();
            else
                seen = conf(scene.root, key);
            QCOMPARE(key + '=' + seen, e);
        }
    }
};

QTEST_MAIN(TstDisplayPage)
#include "tst_displaypage.moc"
