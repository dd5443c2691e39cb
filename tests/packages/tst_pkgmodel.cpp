// The package model's change signals drive single-tile updates on two
// screens: a missing, extra or misordered signal shows as a stale or doubled
// tile. These cases pin which signals each change emits, in which order.
#include "PkgTestUtil.h"

#include <QTest>

namespace {

// "NAME k=v @x=v": confInfo keys, and xmlInfo keys after "@".
PkgInfo_s record(const QStringList& words)
{
    PkgInfo_s pkg;
    pkg.name = words.value(1);
    for (const QString& w : words.mid(2)) {
        const QString key = w.section(QLatin1Char('='), 0, 0), value = w.section(QLatin1Char('='), 1);
        if (key.startsWith(QLatin1Char('@')))
            pkg.xmlInfo.insert(key.mid(1), value);
        else
            pkg.confInfo.insert(key, value);
    }
    return pkg;
}

// One operation: "conf ...", "web ...", "put2 ..." (source 2), "rm NAME SRC", "clear SRC".
void apply(AggPkgInfo& model, const QString& op)
{
    const QStringList w = op.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (w[0] == QLatin1String("conf"))
        model.insertPkg(record(w), 0);
    else if (w[0] == QLatin1String("web"))
        model.insertPkg(record(w), 1);
    else if (w[0] == QLatin1String("put2"))
        model.insertPkg(record(w), 2);
    else if (w[0] == QLatin1String("rm"))
        model.removePkg(w[1], w[2].toInt());
    else if (w[0] == QLatin1String("clear"))
        model.clearAggPkgInfo(w[1].toInt());
    else
        QFAIL(qPrintable(QStringLiteral("bad operation ") + op));
}

const QString kA
    = QStringLiteral("conf A Version=1.0 Enable=TRUE Shell=/s.sh Display_Name=Aa AdminOnly=FALSE @start=run");

} // namespace

class TstPkgModel : public QObject
{
    Q_OBJECT

private slots:
    void changeEvents_data();
    void changeEvents();
    void replacedSilently();
    void launchable_data();
    void launchable();
    void administrator_data();
    void administrator();
    void seededAndLookups();
};

void TstPkgModel::changeEvents_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QStringList>("ops");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("avail");

    const QStringList none;
    QTest::newRow("new installed") << none << QStringList {kA} << QStringList {"conf pkg_add A", "avail pkg_add A"}
                                   << "A=1";
    QTest::newRow("new catalog") << none << QStringList {"web B @version=2"}
                                 << QStringList {"web pkg_add B", "avail pkg_add B"} << "B=256";
    QTest::newRow("catalog for installed")
        << QStringList {kA} << QStringList {"web A @version=2"} << QStringList {"web pkg_add A"} << "A=257";
    QTest::newRow("installed for catalog")
        << QStringList {"web A"} << QStringList {kA} << QStringList {"conf pkg_add A"} << "A=257";
    QTest::newRow("same values") << QStringList {kA} << QStringList {kA + " Other=x"} << none << "A=1";
    QTest::newRow("enable case only") << QStringList {kA}
                                      << QStringList {QString(kA).replace("Enable=TRUE", "Enable=true")} << none
                                      << "A=1";
    QTest::newRow("missing equals empty")
        << QStringList {"conf A @start=x"} << QStringList {"conf A Shell= Version= @start=x"} << none << "A=1";
    for (const auto& [from, to] : {std::pair {"Version=1.0", "Version=1.1"}, {"Enable=TRUE", "Enable=FALSE"},
             {"Shell=/s.sh", "Shell=/S.sh"}, {"Display_Name=Aa", "Display_Name=aa"},
             {"AdminOnly=FALSE", "AdminOnly=false"}, {"@start=run", "@start=Run"}}) {
        QTest::addRow("changed %s", to) << QStringList {kA} << QStringList {QString(kA).replace(from, to)}
                                        << QStringList {"conf pkg_upd A"} << "A=1";
    }
    QTest::newRow("catalog version case")
        << QStringList {"web B @version=2a"} << QStringList {"web B @version=2A x=1"} << none << "B=256";
    QTest::newRow("catalog version") << QStringList {"web B @version=2"} << QStringList {"web B @version=3"}
                                     << QStringList {"web pkg_upd B"} << "B=256";
    QTest::newRow("catalog ignores conf keys")
        << QStringList {"web B @version=2 Version=1"} << QStringList {"web B @version=2 Version=9"} << none << "B=256";
    QTest::newRow("empty name, bad source") << none << QStringList {"conf", "web", "put2 C @start=x"} << none << "";
    QTest::newRow("remove installed of both")
        << QStringList {kA, "web A"} << QStringList {"rm A 0"} << QStringList {"conf pkg_del A"} << "A=256";
    QTest::newRow("remove both") << QStringList {kA, "web A"} << QStringList {"rm A -1"}
                                 << QStringList {"conf pkg_del A", "web pkg_del A", "avail pkg_del A"} << "";
    QTest::newRow("remove last source") << QStringList {"web A"} << QStringList {"rm A 1"}
                                        << QStringList {"web pkg_del A", "avail pkg_del A"} << "";
    QTest::newRow("remove absent source")
        << QStringList {kA} << QStringList {"rm A 1", "rm B -1", "rm A 2"} << none << "A=1";
    QTest::newRow("clear all") << QStringList {kA, "web A", "conf B", "web C"} << QStringList {"clear -1"}
                               << QStringList {"conf pkg_del A", "conf pkg_del B", "avail pkg_del B", "web pkg_del A",
                                      "avail pkg_del A", "web pkg_del C", "avail pkg_del C"}
                               << "";
    QTest::newRow("clear installed") << QStringList {kA, "web A", "conf B"} << QStringList {"clear 0"}
                                     << QStringList {"conf pkg_del A", "conf pkg_del B", "avail pkg_del B"} << "A=256";
    QTest::newRow("clear catalog") << QStringList {kA, "web A", "web C"} << QStringList {"clear 1"}
                                   << QStringList {"web pkg_del A", "web pkg_del C", "avail pkg_del C"} << "A=1";
    QTest::newRow("clear empty") << none << QStringList {"clear -1", "clear 0", "clear 1"} << none << "";
}

void TstPkgModel::changeEvents()
{
    QFETCH(QStringList, setup);
    QFETCH(QStringList, ops);
    QFETCH(QStringList, events);
    QFETCH(QString, avail);

    AggPkgInfo model;
    EventLog log(model);
    for (const QString& op : setup)
        apply(model, op);
    log.take();
    for (const QString& op : ops)
        apply(model, op);
    QCOMPARE(log.take(), events);
    QCOMPARE(availText(model), avail);
    // The invariant between the word and the two record maps.
    const QMap<QString, int> words = model.AvailPkgMap();
    for (const QString& name : words.keys()) {
        QCOMPARE(bool(words[name] & 1), model.ConfPkgInfos().contains(name));
        QCOMPARE(bool(words[name] & 256), model.WebPkgInfos().contains(name));
    }
}

void TstPkgModel::replacedSilently()
{
    // Receivers see the model already changed; a silent replace still stores.
    AggPkgInfo model;
    apply(model, kA);
    QString seen;
    connect(&model, &AggPkgInfo::confPkgChanged, &model,
        [&](const QString&) { seen = model.PkgByName("A", 0).confInfo.value("Version"); });
    apply(model, kA + " Other=x");
    QCOMPARE(model.PkgByName("A", 0).confInfo.value("Other"), QString("x"));
    apply(model, QString(kA).replace("Version=1.0", "Version=2.0"));
    QCOMPARE(seen, QString("2.0"));
}

void TstPkgModel::launchable_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<bool>("avail01");
    QTest::addColumn<bool>("listed");

    QTest::newRow("plain") << kA << QByteArray("MQ==") << true << true;
    QTest::newRow("disabled still avail")
        << QString(kA).replace("Enable=TRUE", "Enable=FALSE") << QByteArray("MA==") << true << false;
    QTest::newRow("enable any case") << QString(kA).replace("Enable=TRUE", "Enable=tRuE") << QByteArray() << true
                                     << true;
    QTest::newRow("no start") << QString(kA).remove(" @start=run") << QByteArray("MA==") << false << false;
    QTest::newRow("admin-only, admin") << QString(kA).replace("AdminOnly=FALSE", "AdminOnly=true") << QByteArray("MA==")
                                       << true << true;
    QTest::newRow("admin-only, user") << QString(kA).replace("AdminOnly=FALSE", "AdminOnly=TRUE") << QByteArray("MTAw")
                                      << false << false;
}

void TstPkgModel::launchable()
{
    QFETCH(QString, record);
    QFETCH(QByteArray, group);
    QFETCH(bool, avail01);
    QFETCH(bool, listed);

    qputenv("NasGroupID", group);
    AggPkgInfo model;
    apply(model, record);
    apply(model, "conf Z Enable=TRUE @start=z");
    apply(model, "web Y");
    QCOMPARE(model.isPkgAvail("A", 0, 1), avail01);
    QVERIFY(model.isPkgAvail("A", 0, 0));
    QVERIFY(model.isPkgAvail("A", -1, 1));
    QVERIFY(!model.isPkgAvail("A", 1, 0));
    QVERIFY(!model.isPkgAvail("A", 2, 0));
    QVERIFY(!model.isPkgAvail("Y", 0, 0));
    QCOMPARE(model.PkgNames(0, 1), listed ? QStringList({"A", "Z"}) : QStringList({"Z"}));
    QCOMPARE(model.PkgNames(0, 0), QStringList({"A", "Z"}));
    QCOMPARE(model.PkgNames(1, 0), QStringList {"Y"});
    QCOMPARE(model.PkgNames(-1, 1), QStringList({"A", "Y", "Z"}));
    QCOMPARE(model.PkgNames(3, 0), QStringList());
    qunsetenv("NasGroupID");
}

void TstPkgModel::administrator_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("set");
    QTest::addColumn<bool>("admin");

    QTest::newRow("zero") << QByteArray("MA==") << true << true;
    QTest::newRow("one") << QByteArray("MQ==") << true << false;
    QTest::newRow("zero and line feed") << QByteArray("MAo=") << true << false;
    QTest::newRow("zero zero") << QByteArray("MDA=") << true << false;
    QTest::newRow("not base64") << QByteArray("M*A==") << true << false;
    QTest::newRow("plain zero") << QByteArray("0") << true << false;
    QTest::newRow("empty") << QByteArray() << true << false;
    QTest::newRow("unset") << QByteArray() << false << false;
}

void TstPkgModel::administrator()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, set);
    QFETCH(bool, admin);
    if (set)
        qputenv("NasGroupID", value);
    else
        qunsetenv("NasGroupID");
    QCOMPARE(AggPkgInfo::isAdministrator(), admin);
    qunsetenv("NasGroupID");
}

void TstPkgModel::seededAndLookups()
{
    QMap<QString, PkgInfo_s> conf, web;
    conf["b"] = PkgInfo_s {"b", {}, {}};
    conf["B"] = PkgInfo_s {"B", {}, {}};
    web["b"] = PkgInfo_s {"b", {{"Version", "2"}}, {}};
    web["a"] = PkgInfo_s {"a", {}, {}};
    AggPkgInfo model(conf, web);
    QCOMPARE(availText(model), QString("B=1 a=256 b=257")); // code-unit order: upper case first
    QCOMPARE(model.PkgByName("b", 1).confInfo.value("Version"), QString("2"));
    QVERIFY(model.PkgByName("b", -1).name.isEmpty());
    QVERIFY(model.PkgByName("x", 0).name.isEmpty());
    model.insertPkg(PkgInfo_s {"c", {}, {}}, 0);
    model.rebuildAvailPkgs();
    QCOMPARE(availText(model), QString("B=1 a=256 b=257 c=1"));
}

QTEST_GUILESS_MAIN(TstPkgModel)
#include "tst_pkgmodel.moc"
