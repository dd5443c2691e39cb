// The Applications pages: version order, what the one-application page
// offers for a package, auto-run links, installing, and tiles that follow
// the model and the downloads.
#include "DataRows.h"
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "settings/AppTiles.h"
#include "settings/AppsPage.h"
#include "widgets/ImageResources.h"
#include "widgets/InfoDialog.h"
#include "widgets/MultiIconViewV.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>

namespace {

// Package "name" from "key=value;key=value" texts: configuration keys, and descriptor keys after a "|".
PkgInfo_s package(const QString& name, const QString& spec)
{
    PkgInfo_s p {name, {}, {}};
    for (int half = 0; half < 2; ++half)
        for (const QString& pair : spec.section('|', half, half).split(';', Qt::SkipEmptyParts))
            (half ? p.xmlInfo : p.confInfo).insert(pair.section('=', 0, 0), pair.section('=', 1));
    return p;
}

std::unique_ptr<AggPkgInfo> model(const QMap<QString, QString>& installed, const QMap<QString, QString>& offered)
{
    QMap<QString, PkgInfo_s> records[2];
    for (int source = 0; source < 2; ++source)
        for (const auto& [name, spec] : (source ? offered : installed).asKeyValueRange())
            records[source].insert(name, package(name, spec));
    return std::make_unique<AggPkgInfo>(records[0], records[1]);
}

// Shell text run through "sh" really runs (the auto-run folder is cleared that way); everything else is only recorded.
struct ShellRunner : RecordingRunner {
    CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) override
    {
        RecordingRunner::execute(program, args, budget);
        return program.endsWith("/bin/sh") ? ProcessRunner().run("/bin/sh", args, budget) : CommandResult_s {};
    }
};

// The names of the enabled widgets among the page's buttons and box.
QString enabledActions(Ui::SettingsDialog& ui)
{
    QStringList on;
    for (QWidget* w :
        std::initializer_list<QWidget*> {ui.pbtUpdate, ui.pbtInstall, ui.pbtEnable, ui.pbtSetAuto, ui.cbxAdminOnly})
        if (w->isEnabled())
            on << w->objectName();
    return on.join(' ');
}

// Back to the grid and into the package's page, as the remote goes.
void enter(SettingsDialog& d, const QString& name)
{
    d.form()->stwgSub->setCurrentIndex(SettingsDialog::PageAppAll);
    d.iconView()->setSelect(d.appsPage().tiles().indexOf(name));
    d.mviewitemEntered(d.iconView()->select());
}

} // namespace

class TestAppsPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }
    void onePage_data()
    {
        // Installed and offered (empty: not), the enabled actions, the focused one, the version and the switch shown.
        columns<QString, QString, QString, QString, QString, QString>();
        const auto r = [](const char* tag, QString conf, QString web, QString on, QString focus, QString version,
                           QString enable) { row(tag, conf, web, on, focus, version, enable); };
        const QString run = "Shell=/apps/A/A.sh;Enable=TRUE;Version=1.9.9;Display_Name="
            + QString("Workbench ").repeated(12) + "|start=/apps/A/start.sh";
        // Versions compare part by part as numbers: 1.10 is newer than 1.9.9.
        r("update offered", run, "Version=1.10;location=http://x/a.qpkg", "pbtUpdate pbtEnable pbtSetAuto cbxAdminOnly",
            "pbtUpdate", "1.9.9 --> 1.10", "Disable");
        r("same version offered", run, "Version=1.9.9;location=http://x/a.qpkg", "pbtEnable pbtSetAuto cbxAdminOnly",
            "pbtEnable", "1.9.9", "Disable");
        r("only in the catalog", "", "Version=2.0;location=http://x/a.qpkg", "pbtInstall", "pbtInstall", "2.0",
            "Enable");
        r("catalog without a file", "", "Version=2.0", "", "pgAppOne", "2.0", "Enable");
        r("no Shell", "Enable=TRUE;Version=1|start=s", "", "pbtSetAuto cbxAdminOnly", "pbtSetAuto", "1", "Disable");
        r("disabled", "Shell=/a;Enable=false;Version=1;AdminLock=TRUE|start=s", "", "pbtEnable", "pbtEnable", "1",
            "Enable");
    }

    void onePage()
    {
        const auto [installed, offered, enabled, focus, version, enableText]
            = fetch<QString, QString, QString, QString, QString, QString>();
        SettingsScene_s scene;
        scene.build(model(installed.isEmpty() ? QMap<QString, QString>() : QMap<QString, QString> {{"A", installed}},
            offered.isEmpty() ? QMap<QString, QString>() : QMap<QString, QString> {{"A", offered}}));
        SettingsDialog& d = scene.open();
        enter(d, "A");
        Ui::SettingsDialog& ui = *d.form();
        QCOMPARE(ui.stwgSub->currentIndex(), int(SettingsDialog::PageAppOne));
        QCOMPARE(enabledActions(ui), enabled);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(ui.txtVersion->text(), version);
        QCOMPARE(ui.pbtEnable->text(), enableText);
        QCOMPARE(ui.txtSummary->text(), QString("A"));
        // A long name wraps on the screen rather than running off it.
        const QLabel* name = ui.txtAppName;
        auto fits = [&] {
            const QRect needed = name->fontMetrics().boundingRect(
                QRect(0, 0, name->width(), d.height()), Qt::TextWordWrap, name->text());
            return name->mapTo(&d, QPoint(name->width(), 0)).x() <= d.width() && needed.height() <= name->height();
        };
        QTRY_VERIFY(fits());
        // An administrator lock shows the label instead of the box.
        const bool locked = installed.contains("AdminLock");
        QCOMPARE(ui.labAdminOnly->isVisible(), locked);
        QCOMPARE(ui.cbxAdminOnly->isVisible(), !locked && installed.contains("start"));
    }

    // Through the page of an installed package and back to the grid with the remote's keys alone.
    void onePageKeys()
    {
        SettingsScene_s scene;
        scene.build(model({{"A", "Shell=/s;Enable=TRUE;Version=1|start=s"}}, {{"A", "Version=2;location=http://x/a"}}));
        SettingsDialog& d = scene.open();
        pressKey(Qt::Key_Right);
        pressKey(Qt::Key_Return);
        QTRY_COMPARE(d.form()->stwgSub->currentIndex(), int(SettingsDialog::PageAppOne));
        QStringList reached {focused()};
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Up,
                 Qt::Key_Up, Qt::Key_Up}) {
            pressKey(key);
            reached << focused();
        }
        // Up stops on the top button: the page above it shows no focus.
        QCOMPARE(reached.join(' '),
            QString(
                "pbtUpdate pbtEnable pbtSetAuto cbxAdminOnly cbxAdminOnly pbtSetAuto pbtSetAuto pbtEnable pbtUpdate "
                "pbtUpdate"));
        pressKey(Qt::Key_Escape);
        QCOMPARE(d.form()->stwgSub->currentIndex(), int(SettingsDialog::PageAppAll));
        QTRY_COMPARE(QApplication::focusWidget(), d.iconView());
        pressKey(Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), d.form()->rbtApp);
        QVERIFY(d.isVisible());
    }

    void autoRunKeepsOneLink()
    {
        SettingsScene_s scene;
        ShellRunner shell;
        const QString app = "Shell=/s;Enable=TRUE|start=/apps/%1/start.sh";
        scene.build(model({{"A", app.arg("A")}, {"B", app.arg("B")}}, {}));
        SettingsDialog& d = scene.open();
        const QString folder = scene.root.home() + "/.autorun";
        auto badge = [&](const QString& name) {
            return !d.iconView()->icon(d.appsPage().tiles().indexOf(name), AppTiles::AutoRunSlot).isNull();
        };
        auto key = [&] {
            return QSettings(scene.root.home() + "/.config/Vendra/IVO.conf", QSettings::IniFormat)
                .value("BENTO/AutoRun");
        };

        for (const char* name : {"A", "B"}) {
            enter(d, name);
            d.form()->pbtSetAuto->click();
        }
        QCOMPARE(QDir(folder).entryList(QDir::System | QDir::NoDotAndDotDot), QStringList {"B"});
        QCOMPARE(QFileInfo(folder + "/B").symLinkTarget(), QString("/apps/B/start.sh"));
        QCOMPARE(key().toString(), QString("B"));
        QVERIFY(badge("B") && !badge("A"));
        QCOMPARE(d.form()->pbtSetAuto->text(), QString("Unset Auto Run"));

        d.form()->pbtSetAuto->click();
        QVERIFY(QDir(folder).isEmpty(QDir::System | QDir::NoDotAndDotDot));
        QVERIFY(!key().isValid());
        QVERIFY(!badge("B"));
        QCOMPARE(d.form()->pbtSetAuto->text(), QString("Set Auto Run"));
    }

    void install_data()
    {
        columns<QString, bool, QString, QString, bool>(); // offered, an update, the answer, the question, installed
        const QString offered = "Version=2.1;location=http://x/a.qpkg";
        row("update, yes", offered, true, QString("pbtYes"), QString("Update A 2.1 ?"), true);
        row("install, no", offered, false, QString("pbtNo"), QString("Install A 2.1 ?"), false);
        row("no file to fetch", QString("Version=2.1"), false, QString("pbtYes"), QString("Installation failed"),
            false);
    }

    void install()
    {
        const auto [offered, update, answer, question, installs] = fetch<QString, bool, QString, QString, bool>();
        SettingsScene_s scene;
        scene.build(model({}, {{"A", offered}}));
        SettingsDialog& d = scene.open();
        enter(d, "A");
        scene.runner.clear();
        QString asked;
        onModal([&](QWidget* w) {
            asked = w->findChild<QLabel*>("labInfoText")->text();
            w->findChild<QPushButton*>(answer)->click();
        });
        update ? d.on_pbtUpdate_clicked() : d.on_pbtInstall_clicked();
        QCOMPARE(asked, question);
        QTRY_COMPARE(scene.runner.lines().join('\n').contains("bento_cli -a A"), installs);
        if (!installs)
            return;
        // The progress over the middle of the settings, not where a new window would go; once finished, the plain
        // message, then gone.
        InfoDialog& progress = *d.messageDialog();
        QCOMPARE(progress.mode(), 3);
        QTRY_VERIFY((progress.geometry().center() - d.geometry().center()).manhattanLength() < 4);
        d.installProgress(2);
        QCOMPARE(QList<int>({progress.value(), progress.maximum()}), QList<int>({2, 4}));
        QString shown;
        QTimer::singleShot(1000, [&] {
            if (progress.isVisible() && progress.mode() == 0)
                shown = progress.findChild<QLabel*>("labInfoText")->text();
        });
        d.bentoInstallfinished();
        QCOMPARE(shown, QString("Installation completed"));
        QVERIFY(!progress.isVisible());
    }

    // An update from the open package's page: the package tool's rewrite reaches the model while the progress shows,
    // or while the completion does. Once it is over the page offers what is left to do, shows the new version and
    // keeps its focus on the first action (the dialog's, for when it is active again).
    void updateFinished_data()
    {
        columns<bool>(); // the model changes before the completion shows
        row("rewritten while installing", true);
        row("rewritten while the completion shows", false);
    }
    void updateFinished()
    {
        const auto [early] = fetch<bool>();
        SettingsScene_s scene;
        const QString app = "Shell=/s;Enable=TRUE;Version=%1|start=s";
        scene.build(model({{"A", app.arg("1.9.9")}}, {{"A", "Version=2.0;location=http://x/a.qpkg"}}));
        SettingsDialog& d = scene.open();
        enter(d, "A");
        Ui::SettingsDialog& ui = *d.form();
        QTRY_COMPARE(focused(), "pbtUpdate");
        onModal([](QWidget* question) { question->findChild<QPushButton*>("pbtYes")->click(); });
        d.on_pbtUpdate_clicked();
        const auto rewrite = [&] { d.packages()->insertPkg(package("A", app.arg("2.0")), 0); };
        if (early)
            rewrite();
        else
            QTimer::singleShot(500, &d, rewrite);
        d.bentoInstallfinished();
        QCOMPARE(ui.txtVersion->text() + " | " + enabledActions(ui) + " | " + d.focusWidget()->objectName(),
            "2.0 | pbtEnable pbtSetAuto cbxAdminOnly | pbtEnable");
    }

    void actions_data()
    {
        columns<QString, QString, QStringList>(); // Enable before, the control, the commands
        row("enable", QString("FALSE"), QString("pbtEnable"), QStringList {"--enable A\"", "@/apps/A/A.sh start"});
        row("disable", QString("true"), QString("pbtEnable"), QStringList {"@/apps/A/A.sh stop", "--disable A\""});
        row("administrators only", QString("true"), QString("cbxAdminOnly"),
            QStringList {"@/sbin/setcfg A AdminOnly TRUE -f @/etc/config/bento.conf"});
    }

    // The commands behind the page's switches, in their order.
    void actions()
    {
        auto [enable, control, commands] = fetch<QString, QString, QStringList>();
        SettingsScene_s scene;
        QVERIFY(scene.root.write("/etc/config/bento.conf",
            "[A]\nInstall_Path = /apps/A\nShell = /apps/A/A.sh\nEnable = " + enable.toUtf8() + "\n"));
        QVERIFY(scene.root.write("/apps/A/.ivo/ivo.xml", "<IVO><start>s</start></IVO>"));
        SettingsDialog& d = scene.open();
        enter(d, "A");
        scene.runner.clear();
        part<QAbstractButton>(d, control)->click();
        commands.replaceInStrings("@", scene.root.root());
        QStringList tails; // each line's end, as long as the command expected in its place
        for (qsizetype i = 0; i < scene.runner.lines().size(); ++i)
            tails << scene.runner.lines()[i].right(commands.value(i).size());
        QCOMPARE(tails, commands);
    }

    void tilesFollowModelAndDownloads()
    {
        SettingsScene_s scene;
        const QString folder = scene.root.home() + "/Vendra/IVO/BENTO/C";
        scene.build(model({{"A", "Shell=/s;Enable=FALSE|name=Alpha"}},
            {{"C", "Install_Path=" + folder + "|name=Gamma;icon_tv=icon.png"}}));
        SettingsDialog& d = scene.open();
        const AppTiles& tiles = d.appsPage().tiles();
        MultiIconViewV& grid = *d.iconView();
        QCOMPARE(tiles.names(), (QStringList {"A", "C"}));
        QCOMPARE(grid.text(0), QString("Alpha"));
        // A disabled application carries the lock and the off picture.
        QCOMPARE(grid.flag(0), 1);
        QVERIFY(!grid.icon(0, AppTiles::LockSlot).isNull() && !grid.icon(0, AppTiles::OffSlot).isNull());
        QCOMPARE(grid.flag(1), 0);

        // The catalog's icon arrives after the grid was built.
        const QImage before = grid.icon(1, 0).toImage();
        QVERIFY(QDir().mkpath(folder));
        QImage red(64, 64, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(folder + "/icon.png"));
        dlresult_st done;
        done.task = {"C", "http://x/icons/icon.png", folder, "BENTO.ICON", {}};
        d.finished(done);
        const QImage after = grid.icon(1, 0).toImage();
        QVERIFY(after != before);
        QCOMPARE(after.pixelColor(after.rect().center()), QColor(Qt::red));

        // A package that goes away loses its tile; one that comes gets one in
        // the model's order, and the selection stays on its package.
        grid.setSelect(1);
        d.packages()->insertPkg(package("B", "Shell=/s;Enable=TRUE|name=Beta"), 0);
        QCOMPARE(tiles.names(), (QStringList {"A", "B", "C"}));
        QCOMPARE(grid.select(), 2);
        d.packages()->removePkg("A", 0);
        QCOMPARE(tiles.names(), (QStringList {"B", "C"}));
        // Tiles coming and going leave the focus in the left column.
        QCOMPARE(QApplication::focusWidget(), d.form()->rbtApp);

        // A package enabled elsewhere: its open page and its tile follow.
        d.packages()->insertPkg(package("B", "Shell=/s;Enable=FALSE|name=Beta"), 0);
        enter(d, "B");
        QCOMPARE(d.form()->pbtEnable->text(), QString("Enable"));
        QCOMPARE(grid.flag(tiles.indexOf("B")), 1);
        d.packages()->insertPkg(package("B", "Shell=/s;Enable=TRUE|name=Beta"), 0);
        QCOMPARE(d.form()->pbtEnable->text(), QString("Disable"));
        QCOMPARE(grid.flag(tiles.indexOf("B")), 0);
    }
};

QTEST_MAIN(TestAppsPage)
#include "tst_appspage.moc"
