// The Applications pages: version order, what the one-application page
// offers for a package, auto-run links, installing, and tiles that follow
// the model and the downloads.
#include "DataRows.h"
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "home/ImageResources.h"
#include "home/InfoDialog.h"
#include "home/MultiIconViewV.h"
#include "settings/AppTiles.h"
#include "settings/AppsPage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>

namespace {

// Package "name" from "key=value;key=value" texts: configuration keys, and
// descriptor keys after a "|".
PkgInfo_s package(const QString& name, const QString& spec)
{
    PkgInfo_s p;
    p.name = name;
    const QStringList halves = spec.split('|');
    for (int half = 0; half < halves.size(); ++half) {
        for (const QString& pair : halves[half].split(';', Qt::SkipEmptyParts)) {
            auto& map = half == 0 ? p.confInfo : p.xmlInfo;
            map.insert(pair.section('=', 0, 0), pair.section('=', 1));
        }
    }
    return p;
}

std::unique_ptr<AggPkgInfo> model(const QMap<QString, QString>& installed, const QMap<QString, QString>& offered)
{
    QMap<QString, PkgInfo_s> conf, web;
    for (auto it = installed.begin(); it != installed.end(); ++it)
        conf.insert(it.key(), package(it.key(), it.value()));
    for (auto it = offered.begin(); it != offered.end(); ++it)
        web.insert(it.key(), package(it.key(), it.value()));
    return std::make_unique<AggPkgInfo>(conf, web);
}

// Shell text run through "sh" really runs (the auto-run folder is cleared
// that way); everything else is only recorded.
struct ShellRunner : RecordingRunner {
    CommandResult_s run(const QString& program, const QStringList& args, int timeoutMs) override
    {
        RecordingRunner::run(program, args, timeoutMs);
        return program.endsWith("/bin/sh") ? ProcessRunner().run("/bin/sh", args, timeoutMs) : CommandResult_s {};
    }
};

// The names of the enabled widgets among the page's buttons and box.
QString enabledActions(Ui::SettingsDialog& ui)
{
    QStringList on;
    for (QWidget* w :
        {static_cast<QWidget*>(ui.pbtUpdate), static_cast<QWidget*>(ui.pbtInstall), static_cast<QWidget*>(ui.pbtEnable),
            static_cast<QWidget*>(ui.pbtSetAuto), static_cast<QWidget*>(ui.cbxAdminOnly)})
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
    void versionCompare_data()
    {
        columns<QString, QString, bool>(); // installed, offered, an update
        row("1.2 < 1.10", QString("1.2"), QString("1.10"), true);
        row("1.2 < 1.2.0", QString("1.2"), QString("1.2.0"), true);
        row("1.2.0 = 1.2", QString("1.2.0"), QString("1.2"), false);
        row("2.0 > 1.9.9", QString("2.0"), QString("1.9.9"), false);
        row("letters count as 0", QString("1.b"), QString("1.1"), true);
    }

    void versionCompare()
    {
        const auto [installed, offered, newer] = fetch<QString, QString, bool>();
        QCOMPARE(SettingsDialog::VersionCompare(installed, offered), newer);
    }

    void onePage_data()
    {
        // Installed and offered (empty: not), the enabled actions, the focused one, the version and the switch shown.
        columns<QString, QString, QString, QString, QString, QString>();
        const QString run = "Shell=/apps/A/A.sh;Enable=TRUE;Version=1.9.9;Display_Name="
            + QString("Workbench ").repeated(12) + "|start=/apps/A/start.sh";
        row("update offered", run, QString("Version=2.0;location=http://x/a.qpkg"),
            QString("pbtUpdate pbtEnable pbtSetAuto cbxAdminOnly"), QString("pbtUpdate"), QString("1.9.9 --> 2.0"),
            QString("Disable"));
        row("same version offered", run, QString("Version=1.9.9;location=http://x/a.qpkg"),
            QString("pbtEnable pbtSetAuto cbxAdminOnly"), QString("pbtEnable"), QString("1.9.9"), QString("Disable"));
        row("only in the catalog", QString(), QString("Version=2.0;location=http://x/a.qpkg"), QString("pbtInstall"),
            QString("pbtInstall"), QString("2.0"), QString("Enable"));
        row("catalog without a file", QString(), QString("Version=2.0"), QString(), QString("pgAppOne"), QString("2.0"),
            QString("Enable"));
        row("no Shell", QString("Enable=TRUE;Version=1|start=s"), QString(), QString("pbtSetAuto cbxAdminOnly"),
            QString("pbtSetAuto"), QString("1"), QString("Disable"));
        row("disabled", QString("Shell=/a;Enable=false;Version=1;AdminLock=TRUE|start=s"), QString(),
            QString("pbtEnable"), QString("pbtEnable"), QString("1"), QString("Enable"));
    }

    void onePage()
    {
        const auto [installed, offered, enabled, focus, version, enableText]
            = fetch<QString, QString, QString, QString, QString, QString>();
        SettingsScene_s scene;
        QMap<QString, QString> conf, web;
        if (!installed.isEmpty())
            conf.insert("A", installed);
        if (!offered.isEmpty())
            web.insert("A", offered);
        scene.build(model(conf, web));
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
        QStringList reached {QApplication::focusWidget()->objectName()};
        for (Qt::Key key :
            {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Up}) {
            pressKey(key);
            reached << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reached.join(' '),
            QString("pbtUpdate pbtEnable pbtSetAuto cbxAdminOnly cbxAdminOnly pbtSetAuto pbtSetAuto pbtEnable"));
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
        InfoDialog& progress = *d.messageDialog();
        QCOMPARE(progress.mode(), 3);
        // Over the middle of the settings, not where a new window would go.
        QTRY_VERIFY((progress.geometry().center() - d.geometry().center()).manhattanLength() < 4);
        d.downloadProgress(40);
        QCOMPARE(QList<int>({progress.value(), progress.maximum()}), QList<int>({40, 100}));
        QCOMPARE(progress.findChild<QLabel*>("labInfoText")->text(), QString("Downloading "));
        d.installProgress(2);
        QCOMPARE(QList<int>({progress.value(), progress.maximum()}), QList<int>({2, 4}));
        // Finished: the plain message for three seconds, then gone.
        QString shown;
        QTimer::singleShot(1000, [&] {
            if (progress.isVisible() && progress.mode() == 0)
                shown = progress.findChild<QLabel*>("labInfoText")->text();
        });
        QElapsedTimer clock;
        clock.start();
        d.bentoInstallfinished();
        QCOMPARE(shown, QString("Installation completed"));
        QVERIFY2(clock.elapsed() >= 2900, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!progress.isVisible());
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
        QCOMPARE(scene.runner.lines().size(), commands.size());
        for (int i = 0; i < commands.size(); ++i) {
            const QString line = scene.runner.lines()[i];
            QVERIFY2(line.endsWith(commands[i].replace('@', scene.root.root())), qPrintable(line));
        }
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
