// The package model and its readers; screens update single tiles from its signals, so only differences are signalled.
#include "DataRows.h"
#include "PlantedFifo.h"
#include "ScratchSysroot.h"
#include "packages/DownloadManager.h"
#include "packages/UiLanguage.h"
#include "packages/bentoconf.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>

namespace {

// "k=v|k=v" in key order.
template<class V> QString dump(const QMap<QString, V>& m)
{
    QStringList parts;
    for (auto it = m.cbegin(); it != m.cend(); ++it)
        parts << it.key() + '=' + QVariant::fromValue(it.value()).toString();
    return parts.join('|');
}

// The model's signals in arrival order: "conf pkg_add A, avail pkg_add A".
struct EventLog : QStringList {
    explicit EventLog(AggPkgInfo& m)
    {
        for (const auto& s : {std::pair {&AggPkgInfo::webPkgChanged, "web"}, {&AggPkgInfo::confPkgChanged, "conf"},
                 {&AggPkgInfo::availPkgChanged, "avail"}})
            QObject::connect(&m, s.first, &m, [this, source = s.second](const QString& e) {
                append(QString(source) + ' ' + e.section('\n', 0, 0) + ' ' + e.section('\n', 1));
            });
    }
    QString take() { return std::exchange<QStringList>(*this, {}).join(", "); }
};

// Operations separated by ", ": "conf NAME k=v @x=v" inserts an installed record (xmlInfo keys after "@"; keys not
// given as below), "web NAME ..." a catalog record, "put2 ..." one of source 2; "rm NAME SOURCE"; "clear SOURCE".
void apply(AggPkgInfo& model, const QString& ops)
{
    for (const QString& op : ops.split(", ", Qt::SkipEmptyParts)) {
        const QStringList w = op.split(' ');
        if (w[0] == "rm" || w[0] == "clear") {
            w[0] == "rm" ? model.removePkg(w[1], w[2].toInt()) : model.clearAggPkgInfo(w[1].toInt());
            continue;
        }
        PkgInfo_s pkg {w.value(1), {}, {}};
        const QStringList base {"Version=1", "Enable=TRUE", "Display_Name=A", "AdminOnly=FALSE", "@start=r"};
        for (const QString& kv : (w[0] == "conf" ? base : QStringList()) + w.mid(2)) {
            const QString key = kv.section('=', 0, 0);
            (key.startsWith('@') ? pkg.xmlInfo : pkg.confInfo).insert(key.mid(key.startsWith('@')), kv.section('=', 1));
        }
        model.insertPkg(pkg, QStringList {"conf", "web", "put2"}.indexOf(w[0]));
    }
}

const QString kConf = "/etc/config/bento.conf";
const QByteArray kRun = "<IVO><start>run.sh</start></IVO>";

QByteArray section(const char* name, const QByteArray& extra = {})
{
    return QByteArray("[") + name + "]\nClass = Tellora\nInstall_Path = /apps/" + name + "\n" + extra;
}

QByteArray platform(const char* id, const char* location = "http://dl/a.pkg", const char* req = "")
{
    return QByteArray("<platform><platformID>") + id + "</platformID><location>" + location + "</location><platformReq>"
        + req + "</platformReq></platform>";
}

QByteArray item(const QByteArray& name, const QByteArray& body = {}, const QByteArray& platforms = platform("TLR-440"))
{
    return "<item><internalName>" + name + "</internalName><class>Tellora</class>" + body + platforms + "</item>\n";
}

QByteArray catalog(const QByteArray& items) { return "<?xml version=\"1.0\"?>\n<plugins>\n" + items + "</plugins>\n"; }
QString catalogFile() { return AggPkgInfo::CatalogFolder() + "/c.xml"; }

// Writes at an appliance path or, for "catalog", the catalog file (null: removes); gives the local path.
QString put(const ScratchSysroot& root, QString path, const QByteArray& text)
{
    path = path == "catalog" ? catalogFile().mid(root.root().size()) : path;
    text.isNull() ? QFile::remove(root.path(path)) : root.write(path, text);
    return root.path(path);
}

} // namespace

class TstPackages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("BENTO_CLASS", "Tellora");
        qputenv("MODEL_NAME", "TLR-440");
        qputenv("DISPLAY_NAME", "TLR 440");
    }

    void changeEvents_data()
    {
        columns<QString, QString, QString, QString>(); // setup, ops, events, avail
        row("other source", "conf A, web B", "web A, conf B", "web pkg_add A, conf pkg_add B", "A=257|B=257");
        // Keys nobody shows, the case of Enable and versions, missing against empty, a catalog's Version.
        row("non-changes", "conf A Version=1a, web B @version=2a Version=1",
            "conf A Version=1A Enable=true Shell= Other=x, web B @version=2A Version=9", "", "A=1|B=256");
        for (const char* to :
            {"Version=2", "Enable=FALSE", "Display_Name=a", "AdminOnly=false", "Shell=/s", "@start=R"})
            row(QByteArray("changed ") + to, "conf A", QString("conf A ") + to, "conf pkg_upd A", "A=1");
        row("no-ops", "conf A", "conf, web, put2 C @start=x, rm A 1, rm B -1, rm A 2, clear 1", "", "A=1");
        row("remove", "conf A, web A, conf B, web B", "rm A 0, rm B -1",
            "conf pkg_del A, conf pkg_del B, web pkg_del B, avail pkg_del B", "A=256");
        row("clear all", "conf A, web A, conf B", "clear -1",
            "conf pkg_del A, conf pkg_del B, avail pkg_del B, web pkg_del A, avail pkg_del A", "");
    }
    void changeEvents()
    {
        const auto [setup, ops, events, avail] = fetch<QString, QString, QString, QString>();
        AggPkgInfo model;
        apply(model, setup);
        EventLog log(model);
        apply(model, ops);
        QCOMPARE(log.take(), events);
        QCOMPARE(dump(model.AvailPkgMap()), avail);
    }

    void launchable_data()
    {
        columns<QString, QByteArray, bool, bool>(); // record, NasGroupID (null: unset), launchable, listed
        row("plain", "conf A", QByteArray("MQ=="), true, true);
        row("disabled", "conf A Enable=FALSE", QByteArray(), true, false);
        row("any case", "conf A Enable=tRuE AdminOnly=fAlSe", QByteArray(), true, true);
        row("no start", "conf A @start=", QByteArray("MA=="), false, false);
        // Administrators only: the group, blanks around it dropped, decodes strictly to exactly "0".
        for (const auto& [group, admin] :
            {std::pair {"MA==", true}, {"MA==\n", true}, {" \tMA== ", true}, {"MQ==", false}, {"MAo=", false},
                {"MDA=", false}, {"M*A==", false}, {"0", false}, {"", false}, {nullptr, false}})
            row(QByteArray("admin-only, group ") + (group ? group : "unset"), "conf A AdminOnly=true",
                QByteArray(group), admin, admin);
    }
    void launchable()
    {
        const auto [record, group, launchable, listed] = fetch<QString, QByteArray, bool, bool>();
        group.isNull() ? qunsetenv("NasGroupID") : qputenv("NasGroupID", group);
        AggPkgInfo model;
        apply(model, record + ", conf Z, conf Z Other=x, web Y"); // a silent replace stores all the same
        QCOMPARE(model.PkgByName("Z", 0).confInfo.value("Other"), QString("x"));
        QCOMPARE(model.isPkgAvail("A", 0, 1), launchable);
        QCOMPARE(model.PkgNames(0, 1), listed ? QStringList({"A", "Z"}) : QStringList({"Z"}));
        QVERIFY(model.isPkgAvail("A", 0, 0) && model.isPkgAvail("A", -1, 1) && model.isPkgAvail("Y", 1, 0));
        QVERIFY(!model.isPkgAvail("A", 1, 0) && !model.isPkgAvail("A", 2, 0) && !model.isPkgAvail("Y", 0, 0));
        QVERIFY(model.PkgByName("Y", -1).name.isEmpty() && model.PkgByName("Y", 1).name == "Y");
        QCOMPARE(model.PkgNames(0, 0) + model.PkgNames(1, 0) + model.PkgNames(-1, 1) + model.PkgNames(3, 0),
            QStringList({"A", "Z", "Y", "A", "Y", "Z"}));
    }

    void records_data()
    {
        columns<QStringList, QString, QString>(); // "appliance path=text" files, names, first name's record
        auto file = [](const QString& path, const QByteArray& text) { return QStringList {path + '=' + text}; };
        auto conf = [&](const QByteArray& text) { return file(kConf, text); };
        auto desc = [&](const QByteArray& text) { return file("/apps/P/.ivo/ivo.xml", text); };
        auto cat = [&](const QByteArray& items) { return file("catalog", catalog(items)); };
        const QString p = "AdminOnly=FALSE|Class=Tellora|Install_Path=/apps/P", run = " / start=run.sh";
        // Keys above headers, empty and repeated sections; a package needs class, folder and descriptor.
        row("sections",
            conf("Class=Tellora\nInstall_Path=/apps/Q\n[]\nClass=Tellora\n[S]\n"
                + section("P", "Version=1\nAdminOnly=TRUE\n") + section("Q").replace("Tellora", "tellora")
                + "[R]\nClass=Office\nInstall_Path=/apps/R\n[T]\nClass=Tellora\n" + section("U")
                + "[VMKIT]\nName=VMKIT\nTELLORA_VMKIT_NUM=two\nTELLORA_VMKIT_PATH_0=/vm/Beta\n" + section("P")),
            "P", p + run);
        row("descriptor elements",
            conf(section("P"))
                + desc("<ivo><start>one</start><start>go</start><name>A</name><name lang=\"eng\">B</name>"
                       "<name lang='cht'>C</name><icon_tv></icon_tv><TaskBar>1</TaskBar></ivo>"),
            "P", p + " / TaskBar=1|icon_tv=|name=A|name<cht>=C|name<eng>=B|start=go");
        row("other root", conf(section("P")) + desc("<APP><start>go</start></APP>"), "P", p + " / ");
        // Machines numbered plainly below the count, with a folder and descriptor (<name> the title); a huge count.
        auto vm = [&](const QByteArray& count) {
            return conf("[VMKIT]\nName=VMKIT\nClass=vm\nTELLORA_VMKIT_NUM=" + count
                + "\nTELLORA_VMKIT_PATH_0=/vm/Beta\nTELLORA_VMKIT_PATH_1=/vm/Alpha\nTELLORA_VMKIT_PATH_2=/vm/None\n"
                  "TELLORA_VMKIT_PATH_3=/Gamma\nTELLORA_VMKIT_PATH_04=/vm/Zeta\nTELLORA_VMKIT_PATH_99999=/vm/Delta\n");
        };
        row("one machine", vm("1"), "Beta",
            "AdminOnly=FALSE|Class=TELLORA_VMKIT|Display_Name=Beta VM|Enable=TRUE|Install_Path=/vm/Beta|"
            "Name=Beta / name=Beta VM|name<eng>=B|start=vm");
        row("machines, huge count", vm("2000000000"), "Alpha Beta Delta",
            "AdminOnly=FALSE|Class=TELLORA_VMKIT|Enable=TRUE|Install_Path=/vm/Alpha|Name=Alpha" + run);
        // Catalog items. A's record when the build of this identity, location and requirement is taken:
        auto taken = [](const char* id, const char* location, const char* req = "") {
            return QString("Class=Tellora|Install_Path=%1/A|NASInstall=no|location=%2 / class=Tellora|internalName=A|"
                           "location=%2|platform=|platformID=%3|platformReq=%4")
                .arg("%1", location, id, req);
        };
        const QStringList extended = cat(item("A", {}, platform("TLR-440", "b", "1")));
        const QStringList pro = file("/etc/model.conf", "[System Enclosure]\nMODEL = TLR-440 pro\n");
        auto hw = [&](const QByteArray& text) { return file("/proc/tsinfo/hw_version", text); };
        row("system model",
            file("/etc/config/corvex.conf", "[System]\nModel = TLR-440A\n")
                + cat(item("A", {}, platform("TLR-440A", "b"))),
            "A", taken("TLR-440A", "b"));
        row("first usable build",
            cat(item("A", {},
                platform("<![CDATA[]]>", "a") + platform("tlr-440", "a") + platform("TLR-440", "")
                    + platform("TLR-440", "b", "1") + platform("TLR 440", "c") + platform("TLR-440", "d"))),
            "A", taken("TLR 440", "c"));
        row("hw 3", hw("HW  3 x\n") + extended, "A", taken("TLR-440", "b", "1"));
        row("hw 2 over model file", hw("HW 2") + pro + extended, "", " / ");
        row("pro model", pro + extended, "A", taken("TLR-440", "b", "1"));
        row("all fields",
            cat(item("A",
                "<maintainer>Bob</maintainer><MAINTAINER>Ann</MAINTAINER><version>1.2</version><publishedDate>2024"
                "</publishedDate><NASInstall>yes</NASInstall><description><![CDATA[<b>big</b> & bold]]></description>"
                "<summary>one</summary><summary>two</summary><icon_tv>http://img/x/a.png</icon_tv>"
                "<TVInstall>No</TVInstall><note><!-- c --></note>")),
            "A",
            "Author=Ann|Class=Tellora|Date=2024|Install_Path=%1/A|NASInstall=yes|Version=1.2|icon_tv=http://img/x/"
            "a.png|location=http://dl/a.pkg / MAINTAINER=Ann|NASInstall=yes|TVInstall=No|class=Tellora|description="
            "<b>big</b> & bold|icon_tv=a.png|internalName=A|location=a.pkg|maintainer=Bob|note=|platform=|platformID="
            "TLR-440|platformReq=|publishedDate=2024|summary=two|version=1.2");
        // Hidden from the television, another product's, the product itself.
        row("skipped",
            cat(item("A", "<TVInstall>no</TVInstall>") + item("C").replace("<class>Tellora", "<class>Office")
                + item("Tellora")),
            "", " / ");
    }
    void records()
    {
        const auto [files, names, record] = fetch<QStringList, QString, QString>();
        ScratchSysroot root;
        for (const char* dir : {"", "/apps/P", "/apps/Q", "/apps/R", "/vm/Alpha", "/vm/Delta", "/vm/Zeta", "/Gamma"})
            root.write(dir + QString("/.ivo/ivo.xml"), kRun);
        root.write(
            "/vm/Beta/.ivo/ivo.xml", "<IVO><name>Beta VM</name><name lang=\"eng\">B</name><start>vm</start></IVO>");
        for (const QString& file : files)
            put(root, file.section('=', 0, 0), file.mid(file.indexOf('=') + 1).toUtf8());
        AggPkgInfo model;
        model.ReadConf(kConf);
        model.ReadXml(catalogFile(), nullptr);
        const QString first = names.section(' ', 0, 0);
        const int source = model.isPkgAvail(first, 0, 0) ? 0 : 1;
        const PkgInfo_s pkg = model.PkgByName(first, source);
        QCOMPARE(model.PkgNames(-1, 0).join(' '), names);
        QCOMPARE(dump(pkg.confInfo) + " / " + dump(pkg.xmlInfo), record.arg(AggPkgInfo::CatalogFolder()));
        // Installed records name appliance folders, catalog records local ones.
        const QString folder = pkg.confInfo.value("Install_Path");
        QCOMPARE(AggPkgInfo::localInstallPath(pkg, source), source || first.isEmpty() ? folder : root.path(folder));
    }

    void readersApplyDifferences()
    {
        ScratchSysroot root;
        for (const char* p : {"A", "B", "C"})
            root.write(QString("/apps/%1/.ivo/ivo.xml").arg(p), kRun);
        AggPkgInfo model;
        EventLog log(model);
        const QByteArray ab = section("A", "Version=1\n") + section("B"),
                         ac = section("A", "Version=2\n") + section("C");
        const QByteArray b1 = item("B", "<version>1</version>"), a1b1 = catalog(item("A", "<version>1</version>") + b1);
        // What is written (null: removed), and the signals when both readers read again.
        const std::tuple<QString, QByteArray, QString> steps[] = {
            {"catalog", catalog(b1 + item("W")), "web pkg_add B, avail pkg_add B, web pkg_add W, avail pkg_add W"},
            {kConf, ab, "conf pkg_add B, conf pkg_add A, avail pkg_add A"}, // known names first
            {kConf, section("A", "Version=1\nNote=x\n") + section("B"), ""},
            {kConf, ac, "conf pkg_upd A, conf pkg_del B, conf pkg_add C, avail pkg_add C"},
            {"/apps/A/.ivo/ivo.xml", "<IVO><start>other</start></IVO>", "conf pkg_upd A"},
            {"catalog", a1b1, "web pkg_add A, web pkg_del W, avail pkg_del W"},
            {"catalog", catalog(item("A", "<version>1</version><description>new</description>") + b1), ""},
            {"catalog", catalog(item("A", "<version>2</version>") + item("C")),
                "web pkg_upd A, web pkg_del B, avail pkg_del B, web pkg_add C"},
            {"catalog", "<broken", "web pkg_del A, web pkg_del C"},
            {"catalog", {}, ""},
            {kConf, "[Q]\n\n[]\nClass=Tellora\n", "conf pkg_del A, avail pkg_del A, conf pkg_del C, avail pkg_del C"},
        };
        for (const auto& [path, text, events] : steps) {
            put(root, path, text);
            model.ReadConf(kConf);
            model.ReadXml(catalogFile(), nullptr);
            QCOMPARE(log.take(), events);
        }
        QVERIFY(model.AvailPkgMap().isEmpty() && model.ConfFile().isEmpty() && model.XmlFile().isEmpty());
    }

    void icons()
    {
        ScratchSysroot root;
        QTcpServer closed; // a port nobody listens on: every download ends at once, without a file
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QByteArray url = "http://127.0.0.1:" + QByteArray::number(closed.serverPort());
        closed.close();
        const QString dir = AggPkgInfo::CatalogFolder();
        // An icon younger than five minutes is not fetched again.
        for (const auto& [file, age] : {std::pair {"/fresh/f.png", -295}, {"/stale/s.png", -302}}) {
            QFile icon(put(root, dir.mid(root.root().size()) + file, "old"));
            QVERIFY(icon.open(QIODevice::ReadWrite)
                && icon.setFileTime(QDateTime::currentDateTime().addSecs(age), QFileDevice::FileModificationTime));
        }
        // The rest are hostile (escapes count as what they stand for): offered, but no icon is fetched.
        const std::pair<QByteArray, QByteArray> icons[] = {{"fresh", url + "/f.png"}, {"stale", url + "/s.png"},
            {"good", url + "/i/g.png"}, {"../../evil", url + "/a.png"}, {"sub/dir", url + "/a.png"},
            {"..", url + "/a.png"}, {".", url + "/a.png"}, {"dots", url + "/x/.."}, {"escaped dots", url + "/x/%2E%2E"},
            {"escaped slash", url + "/..%2F..%2Fpwn.png"}, {"local", "file:///etc/passwd"}, {"no file", url + "/x/"},
            {"~c.xml", url + "/a.png"}, {"tilde icon", url + "/~g.png"}}; // the catalog's own temporary name
        QByteArray items;
        for (const auto& [name, icon] : icons)
            items += item(name, "<icon_tv>" + icon + "</icon_tv>");
        AggPkgInfo model;
        DownloadManager dm;
        QStringList done; // package, address and destination of each download
        connect(&dm, qOverload<const dlresult_st&>(&DownloadManager::finished), &dm, [&](const dlresult_st& r) {
            done << r.task.name + " " + r.task.url.mid(url.size()) + " in " + r.task.dstDir.mid(dir.size());
        });
        model.ReadXml(put(root, "catalog", catalog(items)), &dm);
        QCOMPARE(model.PkgNames(1, 0).size(), int(std::size(icons)));
        // The manager works its queue in order: once a download queued after the catalog's ends, theirs have too.
        QVERIFY(dm.append({"last", url + "/l.png", dir + "/last", "BENTO.ICON", {}}));
        QTRY_VERIFY_WITH_TIMEOUT(done.size() && done.last().startsWith("last"), 60000);
        QCOMPARE(done, QStringList({"stale /s.png in /stale", "good /i/g.png in /good", "last /l.png in /last"}));
    }

    // A configuration or descriptor that is no regular file reads at once as none; the state is told when it changes.
    void specialFiles()
    {
        ScratchSysroot root;
        for (const char* state : {" is not a regular file", " is readable"}) // each once, no other warning
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(kConf + state) + "$"));
        QTest::failOnWarning(QRegularExpression(".*"));
        root.write(kConf, section("A", "Enable = TRUE\n") + section("B", "Enable = TRUE\n"));
        root.write("/apps/A/.ivo/ivo.xml", kRun);
        AggPkgInfo model;
        {
            PlantedFifo fifo(root.path("/apps/B/.ivo/ivo.xml"));
            model.ReadConf(kConf);
            QVERIFY(fifo.isValid() && !fifo.wasOpened());
        }
        QCOMPARE(model.PkgNames(0, 0).join(' ') + " / " + model.PkgNames(0, 1).join(' '), "A B / A");
        const QString conf = root.path(kConf);
        // Replaced by a folder (read twice), then a regular file again.
        QVERIFY(QFile::remove(conf) && QDir().mkpath(conf));
        model.ReadConf(kConf);
        model.ReadConf(kConf);
        QCOMPARE(model.PkgNames(0, 0), QStringList());
        QVERIFY(QDir().rmdir(conf) && root.write(kConf, section("A")));
        model.ReadConf(kConf);
        QCOMPARE(model.PkgNames(0, 0), QStringList {"A"});
    }

    void catalogAddress()
    {
        ScratchSysroot root;
        const QString dir = root.home() + "/Vendra/IVO/BENTO/";
        QCOMPARE(AggPkgInfo::CatalogFile(UiLanguage::current()), dir + "bentocenter_eng.xml"); // nothing set
        // Only the [System] group counts; the defaults stand in for a missing value.
        UiLanguage::store(" cht ");
        root.write("/etc/config/corvex.conf", "[System]\nModel=x\n[Other]\nBENTO CENTER XML=http://wrong\n");
        root.write("/etc/default_config/corvex.conf", "[System]\nBENTO CENTER XML=http://d/%s.xml\n");
        QCOMPARE(AggPkgInfo::CatalogAddress(UiLanguage::current()), QString("http://d/cht.xml"));
        root.write("/etc/config/corvex.conf", "[System]\nBENTO CENTER XML = http://c/cat_%s.xml?v=2\n");
        QCOMPARE(AggPkgInfo::CatalogAddress("cht"), QString("http://c/cat_cht.xml?v=2"));
        QCOMPARE(AggPkgInfo::CatalogFile("cht"), dir + "cat_cht.xml?v=2");
    }
};

QTEST_GUILESS_MAIN(TstPackages)
#include "tst_packages.moc"
