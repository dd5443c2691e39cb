// The catalog reader: which items this appliance takes, the records built
// from them, icon downloads (fresh ones skipped, hostile names refused) and
// one signal per real change.
#include "PkgTestUtil.h"
#include "ScratchSysroot.h"
#include "packages/DownloadManager.h"
#include "packages/UiLanguage.h"

#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Answers every GET with a four-byte body, or 404 for paths with "missing".
class TinyHttp : public QTcpServer
{
public:
    TinyHttp()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* s = nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [s] {
                const QByteArray request = s->readAll();
                s->write(request.contains("missing") ? "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"
                                                     : "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nicon");
                s->disconnectFromHost();
            });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        });
    }
    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(serverPort()).arg(path);
    }
};

// "name<-url" for each finished download, after the manager went quiet.
QStringList finishedTasks(DownloadManager& dm, int expected)
{
    QStringList done;
    const QMetaObject::Connection c = QObject::connect(&dm, qOverload<const dlresult_st&>(&DownloadManager::finished),
        &dm, [&](const dlresult_st& r) { done << r.task.name + "<-" + r.task.url.section('/', 3); });
    if (!QTest::qWaitFor([&] { return done.size() >= expected; }, 10000))
        qWarning("download manager still busy");
    QTest::qWait(150); // nothing more may follow
    QObject::disconnect(c);
    return done;
}

QString dump(const QMap<QString, QString>& m)
{
    QStringList parts;
    for (auto it = m.cbegin(); it != m.cend(); ++it)
        parts << it.key() + QLatin1Char('=') + it.value();
    return parts.join(QLatin1Char('|'));
}

QByteArray item(const QByteArray& name, const QByteArray& body, const QByteArray& platformId = "TLR-440")
{
    return "<item><internalName>" + name + "</internalName><class>Tellora</class>" + body + "<platform><platformID>"
        + platformId + "</platformID><location>http://dl/p/" + name + ".pkg</location></platform></item>\n";
}

QByteArray catalog(const QByteArray& items) { return "<?xml version=\"1.0\"?>\n<plugins>\n" + items + "</plugins>\n"; }

QStringList files(const QString& dir)
{
    QStringList all;
    QDirIterator it(
        dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        all << it.next().mid(dir.size());
    all.sort();
    return all;
}

} // namespace

class TstReadXml : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void platformMatch_data();
    void platformMatch();
    void record_data();
    void record();
    void iconFreshness();
    void hostileCatalog();
    void onlyDifferencesSignal();
    void catalogAddress_data();
    void catalogAddress();
    void languageCode();
};

void TstReadXml::init()
{
    qputenv("BENTO_CLASS", "Tellora");
    qputenv("MODEL_NAME", "TLR-440");
    qputenv("DISPLAY_NAME", "TLR 440");
}

void TstReadXml::platformMatch_data()
{
    QTest::addColumn<QByteArray>("systemModel");
    QTest::addColumn<QByteArray>("hwVersion"); // "-": no file
    QTest::addColumn<QByteArray>("modelConf"); // "-": no file
    QTest::addColumn<QByteArray>("platforms");
    QTest::addColumn<QString>("chosen"); // platformID of the build taken, empty: item skipped

    auto p = [](const char* id, const char* loc, const char* req = "") {
        return QByteArray("<platform><platformID>") + id + "</platformID><location>" + loc + "</location><platformReq>"
            + req + "</platformReq></platform>";
    };
    const QByteArray no("-");
    QTest::newRow("model name") << QByteArray() << no << no << p("X", "a") + p("TLR-440", "b") << "TLR-440";
    QTest::newRow("display name") << QByteArray() << no << no << p("TLR 440", "b") << "TLR 440";
    QTest::newRow("system model") << QByteArray("TLR-440A") << no << no << p("TLR-440A", "b") << "TLR-440A";
    QTest::newRow("ids are case-sensitive") << QByteArray() << no << no << p("tlr-440", "b") << "";
    QTest::newRow("first with location") << QByteArray() << no << no << p("TLR-440", "") + p("TLR 440", "c")
                                         << "TLR 440";
    QTest::newRow("extended hw 3") << QByteArray() << QByteArray("HW  3 x\n") << no << p("TLR-440", "b", "1")
                                   << "TLR-440";
    QTest::newRow("extended hw 1") << QByteArray() << QByteArray("a 1") << QByteArray("[System Enclosure]\nMODEL=x\n")
                                   << p("TLR-440", "b", "1") << "TLR-440";
    QTest::newRow("plain hw 2") << QByteArray() << QByteArray("HW 2") << QByteArray("[System Enclosure]\nMODEL=Pro\n")
                                << p("TLR-440", "b", "1") << "";
    QTest::newRow("Pro model") << QByteArray() << no << QByteArray("[System Enclosure]\nMODEL = TLR-440 pro\n")
                               << p("TLR-440", "b", "yes") + p("TLR-440", "c") << "TLR-440";
    QTest::newRow("no hw facts") << QByteArray() << no << no << p("TLR-440", "b", "yes") << "";
    QTest::newRow("empty id never matches") << QByteArray() << no << no << p("", "b") << "";
}

void TstReadXml::platformMatch()
{
    QFETCH(QByteArray, systemModel);
    QFETCH(QByteArray, hwVersion);
    QFETCH(QByteArray, modelConf);
    QFETCH(QByteArray, platforms);
    QFETCH(QString, chosen);

    ScratchSysroot root;
    if (systemModel.isEmpty())
        qputenv("DISPLAY_NAME", "TLR 440");
    else
        qunsetenv("DISPLAY_NAME");
    root.write("/etc/config/corvex.conf", "[System]\nModel = " + systemModel + "\n");
    if (hwVersion != "-")
        root.write("/proc/tsinfo/hw_version", hwVersion);
    if (modelConf != "-")
        root.write("/etc/model.conf", modelConf);
    const QString file = root.home() + "/Vendra/IVO/BENTO/c.xml";
    root.write(file.mid(root.root().size()),
        catalog("<item><internalName>A</internalName><class>Tellora</class>" + platforms + "</item>"));
    if (!systemModel.isEmpty())
        qputenv("MODEL_NAME", "");

    AggPkgInfo model;
    model.ReadXml(file, nullptr);
    QCOMPARE(model.PkgByName("A", 1).xmlInfo.value("platformID"), chosen);
    QCOMPARE(model.isPkgAvail("A", 1, 0), !chosen.isEmpty());
}

void TstReadXml::record_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("confInfo"); // empty: the item is skipped
    QTest::addColumn<QString>("xmlInfo");

    const QString folder = "Install_Path=%1/A|";
    QTest::newRow("plain") << item("A", "<version>1.2</version>")
                           << "Class=Tellora|" + folder + "NASInstall=no|Version=1.2|location=http://dl/p/A.pkg"
                           << "class=Tellora|internalName=A|location=A.pkg|platform=|platformID=TLR-440|platformReq=|"
                              "version=1.2";
    QTest::newRow("all fields")
        << item("A",
               "<maintainer>Ann</maintainer><publishedDate>2024-05-01</publishedDate><NASInstall>yes</NASInstall>"
               "<description><![CDATA[<b>big</b> & bold]]></description><summary>one</summary><summary>two</summary>"
               "<icon_tv>http://img/x/a.png</icon_tv><TVInstall>No</TVInstall><note><!-- c --></note>")
        << "Author=Ann|Class=Tellora|Date=2024-05-01|" + folder
            + "NASInstall=yes|icon_tv=http://img/x/a.png|location=http://dl/p/A.pkg"
        << "NASInstall=yes|TVInstall=No|class=Tellora|description=<b>big</b> & bold|icon_tv=a.png|internalName=A|"
           "location=A.pkg|maintainer=Ann|note=|platform=|platformID=TLR-440|platformReq=|publishedDate=2024-05-01|"
           "summary=two";
    QTest::newRow("names in any case")
        << QByteArray("<ITEM><INTERNALNAME>A</INTERNALNAME><Class>Tellora</Class><PLATFORM><PlatformId>TLR-440"
                      "</PlatformId><LOCATION>L</LOCATION></PLATFORM></ITEM>")
        << "Class=Tellora|" + folder + "NASInstall=no|location=L"
        << "Class=Tellora|INTERNALNAME=A|PLATFORM=|location=L|platformID=TLR-440|platformReq=";
    QTest::newRow("hidden from the television") << item("A", "<TVInstall>no</TVInstall>") << ""
                                                << "";
    QTest::newRow("other class") << QByteArray(item("A", "").replace("<class>Tellora", "<class>Office")) << ""
                                 << "";
    QTest::newRow("no platform") << item("A", "", "TLR-999") << ""
                                 << "";
    QTest::newRow("the product itself") << QByteArray(item("A", "").replace("<internalName>A", "<internalName>Tellora"))
                                        << ""
                                        << "";
}

void TstReadXml::record()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, confInfo);
    QFETCH(QString, xmlInfo);

    ScratchSysroot root;
    const QString dir = root.home() + "/Vendra/IVO/BENTO";
    root.write(dir.mid(root.root().size()) + "/c.xml", catalog(xml));
    AggPkgInfo model;
    model.ReadXml(dir + "/c.xml", nullptr);
    QCOMPARE(model.PkgNames(1, 0), confInfo.isEmpty() ? QStringList() : QStringList {"A"});
    QCOMPARE(model.XmlFile(), dir + "/c.xml");
    if (confInfo.isEmpty())
        return;
    const PkgInfo_s pkg = model.PkgByName("A", 1);
    QCOMPARE(dump(pkg.confInfo), confInfo.arg(dir));
    QCOMPARE(dump(pkg.xmlInfo), xmlInfo);
    QCOMPARE(AggPkgInfo::localInstallPath(pkg, 1), dir + "/A");
}

void TstReadXml::iconFreshness()
{
    ScratchSysroot root;
    TinyHttp http;
    const QString dir = root.home() + "/Vendra/IVO/BENTO";
    const QString file = dir + "/c.xml";
    root.write(file.mid(root.root().size()),
        catalog(item("A", "<icon_tv>" + http.url("i/a.png").toUtf8() + "</icon_tv>")
            + item("B", "<icon_tv>" + http.url("b.png").toUtf8() + "</icon_tv>") + item("C", "")));
    AggPkgInfo model;
    DownloadManager dm;

    model.ReadXml(file, &dm);
    QCOMPARE(finishedTasks(dm, 2), QStringList({"A<-i/a.png", "B<-b.png"}));
    QCOMPARE(QFile(dir + "/A/a.png").size(), 4);
    model.ReadXml(file, &dm); // both icons are fresh now
    QCOMPARE(finishedTasks(dm, 0), QStringList());

    QFile icon(dir + "/A/a.png");
    QVERIFY(icon.open(QIODevice::ReadWrite));
    QVERIFY(icon.setFileTime(QDateTime::currentDateTime().addSecs(-302), QFileDevice::FileModificationTime));
    icon.close();
    QFile fresh(dir + "/B/b.png");
    QVERIFY(fresh.open(QIODevice::ReadWrite));
    QVERIFY(fresh.setFileTime(QDateTime::currentDateTime().addSecs(-295), QFileDevice::FileModificationTime));
    fresh.close();
    model.ReadXml(file, &dm);
    QCOMPARE(finishedTasks(dm, 1), QStringList({"A<-i/a.png"}));
}

void TstReadXml::hostileCatalog()
{
    ScratchSysroot root;
    TinyHttp http;
    const QString dir = root.home() + "/Vendra/IVO/BENTO";
    const QString file = dir + "/c.xml";
    const QList<std::pair<QByteArray, QString>> hostile {
        {"../../evil", http.url("a.png")},
        {"sub/dir", http.url("a.png")},
        {"..", http.url("a.png")},
        {".", http.url("a.png")},
        {"dots", http.url("x/..")},
        {"encoded-dots", http.url("x/%2E%2E")},
        {"encoded-slash", http.url("..%2F..%2Fpwn.png")},
        {"local-file", "file:///etc/passwd"},
        {"trailing-slash", http.url("x/")},
        {"good", http.url("good.png")},
    };
    QByteArray items;
    for (const auto& [name, icon] : hostile)
        items += item(name, "<icon_tv>" + icon.toUtf8() + "</icon_tv>");
    root.write(file.mid(root.root().size()), catalog(items));
    const QStringList before = files(root.root());

    AggPkgInfo model;
    EventLog log(model);
    DownloadManager dm;
    model.ReadXml(file, &dm);
    // Every item is still offered, with its record and signals as usual.
    QCOMPARE(model.PkgNames(1, 0).size(), hostile.size());
    QCOMPARE(log.take().size(), 2 * hostile.size());
    QCOMPARE(model.PkgByName("../../evil", 1).confInfo.value("Install_Path"), dir + "/../../evil");
    // ... but only the plain one fetched its icon (escaped dots and slashes
    // count as what they stand for), and nothing appeared anywhere else.
    QCOMPARE(finishedTasks(dm, 1), QStringList({"good<-good.png"}));
    QStringList after = before;
    for (const char* added : {"/good", "/good/good.png"})
        after << "/home/admin/Vendra/IVO/BENTO" + QLatin1String(added);
    after.sort();
    QCOMPARE(files(root.root()), after);
}

void TstReadXml::onlyDifferencesSignal()
{
    ScratchSysroot root;
    const QString file = root.home() + "/c.xml";
    AggPkgInfo model;
    model.insertPkg(PkgInfo_s {"A", {}, {{"start", "x"}}}, 0);
    EventLog log(model);
    auto read = [&](const QByteArray& items) {
        if (items.isNull())
            QFile::remove(file);
        else
            root.write(file.mid(root.root().size()), catalog(items));
        model.ReadXml(file, nullptr);
        return log.take();
    };
    const QByteArray a1 = item("A", "<version>1</version>"), b1 = item("B", "<version>1</version>");
    QCOMPARE(read(a1 + b1), QStringList({"web pkg_add A", "web pkg_add B", "avail pkg_add B"}));
    QCOMPARE(read(a1 + b1), QStringList());
    QCOMPARE(read(item("A", "<version>1</version><description>new</description>") + b1), QStringList());
    QCOMPARE(read(item("A", "<version>2</version>") + item("C", "")),
        QStringList({"web pkg_upd A", "web pkg_del B", "avail pkg_del B", "web pkg_add C", "avail pkg_add C"}));
    QCOMPARE(model.XmlFile(), file);
    QCOMPARE(read("<broken"), QStringList({"web pkg_del A", "web pkg_del C", "avail pkg_del C"}));
    QCOMPARE(read(QByteArray()), QStringList());
    QCOMPARE(model.XmlFile(), QString());
    QCOMPARE(availText(model), QString("A=1"));
}

void TstReadXml::catalogAddress_data()
{
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<QByteArray>("defaults");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("language marker") << QByteArray("[System]\nBENTO CENTER XML = http://c.example/tv/cat_%s.xml?v=2\n")
                                     << QByteArray() << "http://c.example/tv/cat_cht.xml?v=2"
                                     << "cat_cht.xml?v=2";
    QTest::newRow("no marker") << QByteArray("[System]\nModel=x\nBENTO CENTER XML=http://c/all.xml\n") << QByteArray()
                               << "http://c/all.xml"
                               << "all.xml";
    QTest::newRow("from defaults") << QByteArray("[System]\nModel=x\n[Other]\nBENTO CENTER XML=http://wrong\n")
                                   << QByteArray("[System]\nBENTO CENTER XML=http://d/%s.xml\n") << "http://d/cht.xml"
                                   << "cht.xml";
    QTest::newRow("none") << QByteArray() << QByteArray() << ""
                          << "bentocenter_cht.xml";
}

void TstReadXml::catalogAddress()
{
    QFETCH(QByteArray, conf);
    QFETCH(QByteArray, defaults);
    QFETCH(QString, address);
    QFETCH(QString, fileName);

    ScratchSysroot root;
    if (!conf.isEmpty())
        root.write("/etc/config/corvex.conf", conf);
    if (!defaults.isEmpty())
        root.write("/etc/default_config/corvex.conf", defaults);
    QCOMPARE(AggPkgInfo::CatalogAddress("cht"), address);
    QCOMPARE(AggPkgInfo::CatalogFile("cht"), root.home() + "/Vendra/IVO/BENTO/" + fileName);
}

void TstReadXml::languageCode()
{
    ScratchSysroot root;
    QCOMPARE(UiLanguage::current(), QString("eng"));
    QSettings(root.home() + "/.config/Vendra/IVO.conf", QSettings::IniFormat).setValue("Preference/Language", "cht");
    QCOMPARE(UiLanguage::current(), QString("cht"));
}

QTEST_MAIN(TstReadXml)
#include "tst_readxml.moc"
