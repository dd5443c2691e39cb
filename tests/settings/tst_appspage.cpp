// The Applications pages: one package's page, auto run, installing, and the tiles.
#include "DataRows.h"
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "settings/AppTiles.h"
#include "settings/AppsPage.h"
#include "widgets/ImageResources.h"
#include "widgets/InfoDialog.h"
#include "widgets/MultiIconViewV.h"

#include <QDir>
#include <QSettings>

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

// Packages by name, installed and offered (an empty text: none).
std::unique_ptr<AggPkgInfo> model(const QMap<QString, QString>& installed, const QMap<QString, QString>& offered)
{
    QMap<QString, PkgInfo_s> records[2];
    for (int source = 0; source < 2; ++source)
        for (const auto& [name, spec] : (source ? offered : installed).asKeyValueRange())
            if (!spec.isEmpty())
                records[source].insert(name, package(name, spec));
    return std::make_unique<AggPkgInfo>(records[0], records[1]);
}

QString enabledActions(Ui::SettingsDialog& ui)
{
    QStringList on;
    for (QWidget* w :
        std::initializer_list<QWidget*> {ui.pbtUpdate, ui.pbtInstall, ui.pbtEnable, ui.pbtSetAuto, ui.cbxAdminOnly})
        if (w->isEnabled())
            on << w->objectName();
    return on.join(' ');
}

// Back to the grid and into the package's page.
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
        // Installed, offered, the enabled actions, the focused one, the version, the switch and the description shown.
        columns<QString, QString, QString, QString, QString, QString, QString>();
        const QString run = "Shell=/apps/A/A.sh;Enable=TRUE;Version=1.9.9;Display_Name="
            + QString("Workbench ").repeated(12) + "|start=/apps/A/start.sh";
        row("update offered", run, "Version=1.10;location=http://x/a.qpkg",
            "pbtUpdate pbtEnable pbtSetAuto cbxAdminOnly", "pbtUpdate", "1.9.9 --> 1.10", "Disable", "");
        row("same version offered", run, "Version=1.9.9;location=http://x/a.qpkg", "pbtEnable pbtSetAuto cbxAdminOnly",
            "pbtEnable", "1.9.9", "Disable", "");
        row("catalog without a file", "", "Version=2.0", "", "pgAppOne", "2.0", "Enable", "");
        row("no Shell", "Enable=TRUE;Version=1|start=s;description<eng>=Plays films", "", "pbtSetAuto cbxAdminOnly",
            "pbtSetAuto", "1", "Disable", "Plays films");
        row("disabled",
            "Shell=/a;Enable=false;Version=1;AdminLock=TRUE|start=s;description=Plays;description<eng>=Plays films", "",
            "pbtEnable", "pbtEnable", "1", "Enable", "Plays");
    }

    void onePage()
    {
        const auto [installed, offered, enabled, focus, version, enableText, description]
            = fetch<QString, QString, QString, QString, QString, QString, QString>();
        SettingsScene_s scene;
        scene.build(model({{"A", installed}}, {{"A", offered}}));
        SettingsDialog& d = scene.open();
        enter(d, "A");
        Ui::SettingsDialog& ui = *d.form();
        QCOMPARE(ui.stwgSub->currentIndex(), int(SettingsDialog::PageAppOne));
        QCOMPARE(enabledActions(ui), enabled);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(ui.txtVersion->text(), version);
        QCOMPARE(ui.pbtEnable->text(), enableText);
        QCOMPARE(ui.txtDesc->text(), description);
        QCOMPARE(ui.txtSummary->text(), QString("A"));
        const QLabel* name = ui.txtAppName; // a long name wraps rather than running off the screen
        QTRY_VERIFY(name->mapTo(&d, QPoint(name->width(), 0)).x() <= d.width()
            && name->fontMetrics()
                    .boundingRect(QRect(0, 0, name->width(), d.height()), Qt::TextWordWrap, name->text())
                    .height()
                <= name->height());
        const bool locked = installed.contains("AdminLock");
        QCOMPARE(ui.labAdminOnly->isVisible(), locked);
        QCOMPARE(ui.cbxAdminOnly->isVisible(), !locked && installed.contains("start"));
    }

    // Auto run keeps one link, the last set, with its key and badge; unset clears all three.
    void autoRunKeepsOneLink()
    {
        SettingsScene_s scene;
        LiveRunner shell; // shell text really runs: the auto-run folder is cleared that way
        shell.real = [](const QString& program, const QStringList& args) {
            return program.endsWith("/bin/sh") ? QStringList {"/bin/sh"} + args : QStringList();
        };
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
        QVERIFY(QDir(folder).isEmpty(QDir::System | QDir::NoDotAndDotDot) && !key().isValid() && !badge("B"));
        QCOMPARE(d.form()->pbtSetAuto->text(), QString("Set Auto Run"));
    }

    // Install and update ask first, show progress then completion; a model rewrite meanwhile refreshes the page.
    void install_data()
    {
        // Installed version, offered, answer, question, model rewritten (-1 never, 1 installing, 0 on completion).
        columns<QString, QString, QString, QString, int>();
        const QString offered = "Version=2.1;location=http://x/a.qpkg";
        row("update, rewritten while installing", "1.9.9", offered, "pbtYes", "Update A 2.1 ?", 1);
        row("update, rewritten while the completion shows", "1.9.9", offered, "pbtYes", "Update A 2.1 ?", 0);
        row("install, no", "", offered, "pbtNo", "Install A 2.1 ?", -1);
        row("no file to fetch", "", "Version=2.1", "pbtYes", "Installation failed", -1);
    }
    void install()
    {
        const auto [installed, offered, answer, question, rewritten] = fetch<QString, QString, QString, QString, int>();
        const QString app = "Shell=/s;Enable=TRUE;Version=%1|start=s";
        SettingsScene_s scene;
        scene.build(model({{"A", installed.isEmpty() ? QString() : app.arg(installed)}}, {{"A", offered}}));
        SettingsDialog& d = scene.open();
        enter(d, "A");
        scene.runner.clear();
        QString asked;
        onModal([&](QWidget* w) {
            asked = w->findChild<QLabel*>("labInfoText")->text();
            w->findChild<QPushButton*>(answer)->click();
        });
        installed.isEmpty() ? d.on_pbtInstall_clicked() : d.on_pbtUpdate_clicked();
        QCOMPARE(asked, question);
        QTRY_COMPARE(scene.runner.lines().join('\n').contains("bento_cli -a A"), rewritten >= 0);
        if (rewritten < 0)
            return;
        InfoDialog& progress = *d.messageDialog();
        QCOMPARE(progress.mode(), 3);
        QTRY_VERIFY((progress.geometry().center() - d.geometry().center()).manhattanLength() < 4);
        d.installProgress(2);
        QCOMPARE(QList<int>({progress.value(), progress.maximum()}), QList<int>({2, 4}));
        const auto rewrite = [&] { d.packages()->insertPkg(package("A", app.arg("2.1")), 0); };
        if (rewritten)
            rewrite();
        else
            QTimer::singleShot(500, &d, rewrite);
        QString shown;
        QTimer::singleShot(1000, [&] {
            if (progress.isVisible() && progress.mode() == 0)
                shown = progress.findChild<QLabel*>("labInfoText")->text();
        });
        d.bentoInstallfinished();
        QCOMPARE(shown, QString("Installation completed"));
        QVERIFY(!progress.isVisible());
        QCOMPARE(
            d.form()->txtVersion->text() + " | " + enabledActions(*d.form()) + " | " + d.focusWidget()->objectName(),
            "2.1 | pbtEnable pbtSetAuto cbxAdminOnly | pbtEnable");
    }

    void actions_data()
    {
        columns<QString, QString, QStringList>(); // Enable before, the control, the commands
        row("enable", "FALSE", "pbtEnable", QStringList {"--enable A\"", "@/apps/A/A.sh start"});
        row("disable", "true", "pbtEnable", QStringList {"@/apps/A/A.sh stop", "--disable A\""});
        row("administrators only", "true", "cbxAdminOnly",
            QStringList {"@/sbin/setcfg A AdminOnly TRUE -f @/etc/config/bento.conf"});
    }

    // The commands behind the page's switches, in their order (each line's end compared).
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
        QStringList tails;
        for (qsizetype i = 0; i < scene.runner.lines().size(); ++i)
            tails << scene.runner.lines()[i].right(commands.value(i).size());
        QCOMPARE(tails, commands);
    }

    // Tiles: a disabled package's lock, a downloaded icon, packages coming and going, enabled elsewhere.
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
        QCOMPARE(grid.flag(0), 1);
        QVERIFY(!grid.icon(0, AppTiles::LockSlot).isNull() && !grid.icon(0, AppTiles::OffSlot).isNull());
        QCOMPARE(grid.flag(1), 0);
        // Without an icon an installed package shows the default picture, an offered one an empty tile for now.
        const auto opaque = [&](int tile) {
            const QImage picture = grid.icon(tile, 0).toImage();
            return picture.pixelColor(picture.rect().center()).alpha() > 0;
        };
        QVERIFY(opaque(0) && !opaque(1));
        QVERIFY(QDir().mkpath(folder));
        QImage red(64, 64, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(folder + "/icon.png"));
        dlresult_st done;
        done.task = {"C", "http://x/icons/icon.png", folder, "BENTO.ICON", {}};
        d.finished(done);
        const QImage after = grid.icon(1, 0).toImage();
        QCOMPARE(after.pixelColor(after.rect().center()), QColor(Qt::red));
        grid.setSelect(1); // stays on its package as tiles come in the model's order
        d.packages()->insertPkg(package("B", "Shell=/s;Enable=TRUE|name=Beta"), 0);
        QCOMPARE(tiles.names(), (QStringList {"A", "B", "C"}));
        QCOMPARE(grid.select(), 2);
        d.packages()->removePkg("A", 0);
        QCOMPARE(tiles.names(), (QStringList {"B", "C"}));
        QCOMPARE(QApplication::focusWidget(), d.form()->rbtApp);
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
