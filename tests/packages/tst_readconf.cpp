// The installed-package reader: its own INI rules, the product filter, the
// descriptors, the virtual machines, and one signal per real change.
#include "PkgTestUtil.h"
#include "ScratchSysroot.h"
#include "appliance/Appliance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

const QString kConf = QStringLiteral("/etc/config/bento.conf");
const QByteArray kStartDescriptor = "<?xml version=\"1.0\"?>\n<IVO><start>run.sh</start></IVO>\n";

QByteArray pkgSection(const char* name, const QByteArray& extra = {})
{
    return QByteArray("[") + name + "]\nClass = Tellora\nInstall_Path = /share/apps/" + name + "\n" + extra;
}

// "k=v|k=v" in key order.
QString dump(const QMap<QString, QString>& m)
{
    QStringList parts;
    for (auto it = m.cbegin(); it != m.cend(); ++it)
        parts << it.key() + QLatin1Char('=') + it.value();
    return parts.join(QLatin1Char('|'));
}

} // namespace

class TstReadConf : public QObject
{
    Q_OBJECT

private slots:
    void init() { qputenv("BENTO_CLASS", "Tellora"); }
    void iniRules_data();
    void iniRules();
    void descriptor_data();
    void descriptor();
    void virtualMachines_data();
    void virtualMachines();
    void onlyDifferencesSignal();
    void simulatorPackages();
};

void TstReadConf::iniRules_data()
{
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("firstConf"); // confInfo of the first name

    const QString base = "AdminOnly=FALSE|Class=Tellora|Install_Path=/share/apps/P";
    QTest::newRow("blanks around equals")
        << QByteArray("  [P]  \n Class =  Tellora \nInstall_Path\t=\t/share/apps/P\nVersion = 1 . 0 \n")
        << QStringList {"P"} << base + "|Version=1 . 0";
    QTest::newRow("second equals cuts value")
        << pkgSection("P", "Shell = a=b=c\nEnable==TRUE\n") << QStringList {"P"}
        << "AdminOnly=FALSE|Class=Tellora|Enable=|Install_Path=/share/apps/P|Shell=a";
    QTest::newRow("no equals, empty key, repeat")
        << pkgSection("P", "Flag\n= x\nVersion=1\nVersion=2\n") << QStringList {"P"}
        << "AdminOnly=FALSE|Class=Tellora|Flag=|Install_Path=/share/apps/P|Version=2";
    QTest::newRow("crlf and blank lines")
        << QByteArray("[P]\r\n\r\nClass=Tellora\r\nInstall_Path=/share/apps/P\r\n") << QStringList {"P"} << base;
    QTest::newRow("keys before any header")
        << QByteArray("Class=Tellora\nInstall_Path=/share/apps/Q\n") + pkgSection("P") << QStringList {"P"} << base;
    QTest::newRow("later section replaces whole")
        << pkgSection("P", "Version=1\nAdminOnly=TRUE\n") + pkgSection("Q") + pkgSection("P") << QStringList {"P", "Q"}
        << base;
    QTest::newRow("empty sections do not exist") << QByteArray("[Q]\n\n[]\nClass=Tellora\n") << QStringList() << "";
    QTest::newRow("product class only") << pkgSection("P")
            + "[Q]\nClass=tellora\nInstall_Path=/share/apps/Q\n[R]\nClass=Office\nInstall_Path=/share/apps/R\n"
                                        << QStringList {"P"} << base;
    QTest::newRow("install path and descriptor needed")
        << QByteArray("[Q]\nClass=Tellora\n[S]\nClass=Tellora\nInstall_Path=/share/apps/none\n") + pkgSection("R")
        << QStringList {"R"} << "AdminOnly=FALSE|Class=Tellora|Install_Path=/share/apps/R";
}

void TstReadConf::iniRules()
{
    QFETCH(QByteArray, conf);
    QFETCH(QStringList, names);
    QFETCH(QString, firstConf);

    ScratchSysroot root;
    for (const char* p : {"P", "Q", "R"})
        root.write(QStringLiteral("/share/apps/%1/.ivo/ivo.xml").arg(QLatin1String(p)), kStartDescriptor);
    root.write(kConf, conf);
    AggPkgInfo model;
    model.ReadConf(kConf);
    QCOMPARE(model.PkgNames(0, 0), names);
    QCOMPARE(dump(model.PkgByName(names.value(0), 0).confInfo), firstConf);
    // The file counts as read when it held at least one section with keys
    // (here: every file with a package, and not the one without).
    QCOMPARE(model.ConfFile(), names.isEmpty() ? QString() : kConf);
}

void TstReadConf::descriptor_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("xmlInfo");
    QTest::addColumn<bool>("launchable");

    QTest::newRow("language variants") << QByteArray(
        "<IVO><start>go</start><name>A</name><name lang=\"eng\">B</name><name lang='cht'>C</name></IVO>")
                                       << "name=A|name<cht>=C|name<eng>=B|start=go" << true;
    QTest::newRow("later element wins, empty text")
        << QByteArray("<ivo><start>one</start><start>two</start><icon_tv></icon_tv><TaskBar>1</TaskBar></ivo>")
        << "TaskBar=1|icon_tv=|start=two" << true;
    QTest::newRow("broken") << QByteArray("<IVO><start>go</start></IVX>") << "" << false;
    QTest::newRow("other root") << QByteArray("<APP><start>go</start></APP>") << "" << false;
    QTest::newRow("root below another") << QByteArray("<x><IVO><start>go</start></IVO></x>") << "start=go" << true;
    QTest::newRow("empty file") << QByteArray() << "" << false;
}

void TstReadConf::descriptor()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, xmlInfo);
    QFETCH(bool, launchable);

    ScratchSysroot root;
    root.write(QStringLiteral("/share/apps/P/.ivo/ivo.xml"), xml);
    root.write(kConf, pkgSection("P", "Enable=TRUE\n"));
    AggPkgInfo model;
    model.ReadConf(kConf);
    // A broken descriptor still makes the package installed, just not launchable.
    QCOMPARE(model.PkgNames(0, 0), QStringList {"P"});
    QCOMPARE(dump(model.PkgByName("P", 0).xmlInfo), xmlInfo);
    QCOMPARE(model.isPkgAvail("P", 0, 1), launchable);
    QCOMPARE(model.PkgByName("P", 0).confInfo.value("Display_Name"), QString()); // only machines take <name>
}

void TstReadConf::virtualMachines_data()
{
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("two") << QByteArray("2") << QStringList {"Alpha", "Beta"};
    QTest::newRow("one") << QByteArray("1") << QStringList {"Alpha"};
    QTest::newRow("folder without inner slash") << QByteArray("4") << QStringList {"Alpha", "Beta"};
    QTest::newRow("not a number") << QByteArray("two") << QStringList();
    QTest::newRow("huge count") << QByteArray("2000000000") << QStringList {"Alpha", "Beta", "Delta"};
}

void TstReadConf::virtualMachines()
{
    QFETCH(QByteArray, count);
    QFETCH(QStringList, names);

    ScratchSysroot root;
    root.write("/share/vm/Alpha/.ivo/ivo.xml", "<IVO><name>Alpha Linux</name><start>vm a</start></IVO>");
    root.write("/share/vm/Beta/.ivo/ivo.xml", "<IVO><start>vm b</start></IVO>");
    root.write("/Gamma/.ivo/ivo.xml", "<IVO><name>G</name></IVO>");
    root.write("/share/vm/Delta/.ivo/ivo.xml", "<IVO/>");
    root.write(kConf,
        "[VMKIT]\nName = VMKIT\nClass = vm\nTELLORA_VMKIT_NUM = " + count
            + "\nTELLORA_VMKIT_PATH_0 = /share/vm/Alpha\nTELLORA_VMKIT_PATH_1 = /share/vm/Beta\n"
              "TELLORA_VMKIT_PATH_2 = /share/vm/None\nTELLORA_VMKIT_PATH_3 = /Gamma\n"
              "TELLORA_VMKIT_PATH_04 = /share/vm/Zeta\nTELLORA_VMKIT_PATH_99999 = /share/vm/Delta\n");
    root.write("/share/vm/Zeta/.ivo/ivo.xml", "<IVO/>");
    AggPkgInfo model;
    QElapsedTimer timer;
    timer.start();
    model.ReadConf(kConf);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(model.PkgNames(0, 0), names);
    if (names.isEmpty())
        return;
    QCOMPARE(dump(model.PkgByName("Alpha", 0).confInfo),
        QString("AdminOnly=FALSE|Class=TELLORA_VMKIT|Display_Name=Alpha Linux|Enable=TRUE|Install_Path=/share/vm/Alpha|"
                "Name=Alpha"));
    if (names.size() > 1)
        QVERIFY(!model.PkgByName("Beta", 0).confInfo.contains("Display_Name"));
}

void TstReadConf::onlyDifferencesSignal()
{
    ScratchSysroot root;
    const QString a = "/share/apps/A/.ivo/ivo.xml";
    root.write(a, kStartDescriptor);
    root.write("/share/apps/B/.ivo/ivo.xml", kStartDescriptor);
    root.write("/share/apps/C/.ivo/ivo.xml", kStartDescriptor);
    AggPkgInfo model;
    model.insertPkg(PkgInfo_s {"B", {}, {{"version", "1"}}}, 1);
    model.insertPkg(PkgInfo_s {"W", {}, {{"version", "1"}}}, 1);
    EventLog log(model);

    struct Step {
        const char* what;
        QByteArray conf; // empty: delete the file
        QByteArray descriptorA; // empty: delete A's descriptor
        QStringList events;
    };
    const QByteArray ab = pkgSection("A", "Version=1\n") + pkgSection("B");
    const QList<Step> steps {
        // Names the model knew come first, then the new ones.
        {"first read", ab, kStartDescriptor, {"conf pkg_add B", "conf pkg_add A", "avail pkg_add A"}},
        {"same again", ab, kStartDescriptor, {}},
        {"key nobody shows", pkgSection("A", "Version=1\nNote=x\n") + pkgSection("B"), kStartDescriptor, {}},
        {"version, removal, addition", pkgSection("A", "Version=2\n") + pkgSection("C"), kStartDescriptor,
            {"conf pkg_upd A", "conf pkg_del B", "conf pkg_add C", "avail pkg_add C"}},
        {"start command", pkgSection("A", "Version=2\n") + pkgSection("C"), "<IVO><start>other</start></IVO>",
            {"conf pkg_upd A"}},
        {"descriptor gone", pkgSection("A", "Version=2\n") + pkgSection("C"), {},
            {"conf pkg_del A", "avail pkg_del A"}},
        {"file gone", {}, kStartDescriptor, {"conf pkg_del C", "avail pkg_del C"}},
    };
    for (const Step& step : steps) {
        if (step.conf.isEmpty())
            QFile::remove(root.path(kConf));
        else
            root.write(kConf, step.conf);
        if (step.descriptorA.isEmpty())
            QFile::remove(root.path(a));
        else
            root.write(a, step.descriptorA);
        model.ReadConf(kConf);
        const QStringList events = log.take();
        QVERIFY2(events == step.events, qPrintable(step.what + (": " + events.join(", "))));
    }
    QCOMPARE(model.PkgByName("B", 1).xmlInfo.value("version"), QString("1")); // catalog side untouched
    QCOMPARE(availText(model), QString("B=256 W=256"));
    QCOMPARE(model.ConfFile(), QString());
}

void TstReadConf::simulatorPackages()
{
    // The simulated appliance's packages are what every flow test and every
    // look at the screen starts from: keep them what they claim to be.
    if (qEnvironmentVariableIsEmpty("IVO_SOURCE_DIR"))
        QSKIP("IVO_SOURCE_DIR (set by ctest) names the source tree with the simulator");
    const QString sim = QStringLiteral("/tmp/ivpk-%1").arg(QCoreApplication::applicationPid());
    QProcess setup;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("IVO_SIM_ROOT", sim);
    setup.setProcessEnvironment(env);
    setup.start(qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim", {"setup"});
    QVERIFY(setup.waitForFinished(120000));
    QVERIFY2(setup.exitCode() == 0, setup.readAllStandardError().constData());
    qputenv("IVO_SYSROOT", sim.toLocal8Bit());

    AggPkgInfo model;
    model.ReadConf(kConf);
    qputenv("NasGroupID", "MA==");
    const QStringList forAdmin = model.PkgNames(0, 1);
    qputenv("NasGroupID", "MQ==");
    const QStringList forUser = model.PkgNames(0, 1);
    qunsetenv("NasGroupID");
    const QStringList installed = model.PkgNames(0, 0);
    const bool taskBar = !model.PkgByName("Weather", 0).xmlInfo.value("TaskBar").isEmpty();
    const QString vmTitle = model.PkgByName("Workbench", 0).confInfo.value("Display_Name");
    QStringList missing;
    for (const QString& name : installed) {
        const PkgInfo_s pkg = model.PkgByName(name, 0);
        const QString dir = AggPkgInfo::localInstallPath(pkg, 0);
        const QString start = pkg.xmlInfo.value("start");
        if (!QFile::exists(dir + "/" + pkg.xmlInfo.value("icon_tv")))
            missing << name + " icon";
        if (!QFileInfo(start.startsWith('/') ? Appliance::path(start) : dir + "/" + start).isExecutable())
            missing << name + " start";
    }
    qunsetenv("IVO_SYSROOT");
    QDir(sim).removeRecursively();

    QCOMPARE(installed, QStringList({"Arcade", "Cinema", "Gallery", "Radio", "Sandbox", "Weather", "Workbench"}));
    QCOMPARE(forAdmin, QStringList({"Arcade", "Cinema", "Gallery", "Sandbox", "Weather", "Workbench"}));
    QCOMPARE(forUser, QStringList({"Arcade", "Cinema", "Sandbox", "Weather", "Workbench"}));
    QVERIFY(taskBar);
    QCOMPARE(vmTitle, QString("Workbench VM"));
    QCOMPARE(missing, QStringList());
}

QTEST_GUILESS_MAIN(TstReadConf)
#include "tst_readconf.moc"
