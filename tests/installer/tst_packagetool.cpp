// The simulator's package tool, run through the real process runner the way
// the installer runs it: its JSON progression, its edits of the package
// configuration, and a whole install through the installer thread.
#include "appliance/ApplianceCommands.h"
#include "packages/BentoInstaller.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <algorithm>

class TstPackageTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void jobReportsThenInstalls_data();
    void jobReportsThenInstalls();
    void failedJobWaitsForCancel();
    void enableEditsOneKey_data();
    void enableEditsOneKey();
    void installerFollowsJobToNewPackage();

private:
    QByteArray read(const QString& rel) const;
    void setStepMs(int ms) const;
    static QPair<QString, int> state(const QString& name);
    // bento.conf as section -> key -> value.
    QMap<QString, QMap<QString, QString>> sections() const;
    QMap<QString, QString> section(const QString& name) const { return sections().value(name); }

    QString m_root;
    QByteArray m_oldPath;
};

void TstPackageTool::initTestCase()
{
    m_root = QStringLiteral("/tmp/ivp-%1").arg(QCoreApplication::applicationPid());
    QDir(m_root).removeRecursively();
    QProcess setup;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("IVO_SIM_ROOT", m_root);
    setup.setProcessEnvironment(env);
    setup.start(qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim", {"setup"});
    QVERIFY(setup.waitForFinished(120000));
    QVERIFY2(setup.exitCode() == 0, setup.readAllStandardError().constData());
    qputenv("IVO_SYSROOT", m_root.toLocal8Bit());
    m_oldPath = qgetenv("PATH");
    qputenv("PATH", (m_root + "/sim/bin:").toLocal8Bit() + m_oldPath);
}

void TstPackageTool::cleanupTestCase()
{
    qputenv("PATH", m_oldPath);
    qunsetenv("IVO_SYSROOT");
    QDir(m_root).removeRecursively();
}

QByteArray TstPackageTool::read(const QString& rel) const
{
    QFile f(m_root + '/' + rel);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TstPackageTool::setStepMs(int ms) const
{
    QFile f(m_root + "/sim/settings");
    QVERIFY(f.open(QIODevice::Append));
    f.write("BENTO_STEP_MS=" + QByteArray::number(ms) + '\n');
}

QPair<QString, int> TstPackageTool::state(const QString& name)
{
    const CommandResult_s r = ApplianceCmd::bentoState(name);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    return {o.value("status_value").toString(), o.value("progress").toString("-1").toInt()};
}

QMap<QString, QMap<QString, QString>> TstPackageTool::sections() const
{
    QMap<QString, QMap<QString, QString>> out;
    QString current;
    for (const QByteArray& raw : read("etc/config/bento.conf").split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('['))
            current = line.mid(1, line.size() - 2);
        else if (line.contains('='))
            out[current][line.section('=', 0, 0).trimmed()] = line.section('=', 1).trimmed();
    }
    return out;
}

void TstPackageTool::jobReportsThenInstalls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::newRow("new package") << "Lumen"
                                 << "1.2.0";
    QTest::newRow("update of an installed one") << "Cinema"
                                                << "3.3.0";
}

void TstPackageTool::jobReportsThenInstalls()
{
    QFETCH(QString, name);
    QFETCH(QString, version);
    setStepMs(150);
    QMap<QString, QMap<QString, QString>> all = sections();
    const QMap<QString, QString> before = all.take(name);

    QVERIFY(ApplianceCmd::bentoInstall(name).ok());
    QList<QPair<QString, int>> seen;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30000) {
        const QPair<QString, int> s = state(name);
        if (seen.isEmpty() || seen.last() != s)
            seen << s;
        if (s.first == "enabled")
            break;
        QTest::qWait(20);
    }
    QVERIFY2(!seen.isEmpty() && seen.last().first == "enabled", qPrintable(QString::number(seen.size())));

    // Download first (already when the start command returns, even for an
    // installed package), then install, each phase rising, then done.
    QCOMPARE(seen.first().first, QString("download_operating"));
    int phase = 0, last = -1;
    for (const auto& [status, progress] : seen.mid(0, seen.size() - 1)) {
        const int p = status == "download_operating" ? 0 : status == "install_operating" ? 1 : 2;
        QVERIFY2(p < 2, qPrintable(status));
        QVERIFY(p >= phase);
        if (p > phase)
            last = -1;
        phase = p;
        QVERIFY(progress > last);
        last = progress;
    }
    QCOMPARE(phase, 1);
    QVERIFY(last >= 1 && last <= 4);

    // The package's section, descriptor and icon are in place.
    const QMap<QString, QString> after = section(name);
    QCOMPARE(after.value("Version"), version);
    QCOMPARE(after.value("Enable"), QString("TRUE"));
    QCOMPARE(after.value("Class"), QString("Tellora"));
    const QString folder = "/share/vol1/.tellora/apps/" + name;
    QCOMPARE(after.value("Install_Path"), folder);
    QCOMPARE(after.value("Shell"), folder + "/service.sh");
    QCOMPARE(after.value("Display_Name"), name);
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key() != "Version" && it.key() != "Date" && it.key() != "Author")
            QCOMPARE(after.value(it.key()), it.value());
    }
    QVERIFY(read(folder.mid(1) + "/.ivo/ivo.xml").contains("<start>" + folder.toUtf8() + "/run.sh</start>"));
    QVERIFY(read(folder.mid(1) + "/icon_tv.png").startsWith("\x89PNG"));
    // Only that section changed.
    QCOMPARE(read("etc/config/bento.conf").count("[" + name.toUtf8() + "]"), 1);
    QMap<QString, QMap<QString, QString>> others = sections();
    others.remove(name);
    QCOMPARE(others, all);
    QVERIFY(read("sim/commands.log").contains("\n/sbin/bento_cli -a " + name.toUtf8() + "\n"));
}

void TstPackageTool::failedJobWaitsForCancel()
{
    setStepMs(30);
    const QByteArray conf = read("etc/config/bento.conf");
    QVERIFY(ApplianceCmd::bentoInstall("Mosaic").ok());
    QTRY_COMPARE_WITH_TIMEOUT(state("Mosaic").first, QString("download_failed"), 20000);
    QTest::qWait(300);
    QCOMPARE(state("Mosaic").first, QString("download_failed"));
    QVERIFY(ApplianceCmd::bentoCancel("Mosaic").ok());
    QCOMPARE(state("Mosaic"), qMakePair(QString("not_installed"), 0));
    QCOMPARE(read("etc/config/bento.conf"), conf);
}

void TstPackageTool::enableEditsOneKey_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enable");
    QTest::addColumn<bool>("ok");
    QTest::newRow("enable") << "Radio" << true << true;
    QTest::newRow("disable") << "Radio" << false << true;
    QTest::newRow("unknown package") << "Nowhere" << true << false;
}

void TstPackageTool::enableEditsOneKey()
{
    QFETCH(QString, name);
    QFETCH(bool, enable);
    QFETCH(bool, ok);
    const QByteArray before = read("etc/config/bento.conf");
    QCOMPARE(ApplianceCmd::bentoSetEnabled(name, enable).ok(), ok);
    QByteArray expected = before;
    if (ok) {
        const qsizetype at = expected.indexOf("\nEnable = ", expected.indexOf("[" + name.toUtf8() + "]"));
        expected.replace(
            at, expected.indexOf('\n', at + 1) - at, "\nEnable = " + QByteArray(enable ? "TRUE" : "FALSE"));
        QCOMPARE(state(name).first, QString(enable ? "enabled" : "disabled"));
    }
    QCOMPARE(read("etc/config/bento.conf"), expected);
}

// What the viewer sees: progress of both phases, then the end of the job,
// and the new package in the configuration the home screen watches.
void TstPackageTool::installerFollowsJobToNewPackage()
{
    setStepMs(400);
    BentoInstaller installer;
    QList<int> download, install;
    int finished = 0;
    connect(&installer, &BentoInstaller::downloadProgress, this, [&](int p) { download << p; });
    connect(&installer, &BentoInstaller::installProgress, this, [&](int p) { install << p; });
    connect(&installer, &BentoInstaller::finished, this, [&] { ++finished; });
    QCOMPARE(installer.Install("Kite"), 0);
    QTRY_COMPARE_WITH_TIMEOUT(finished, 1, 30000);
    QVERIFY2(download.size() >= 2, qPrintable(QString::number(download.size())));
    QVERIFY(std::is_sorted(download.begin(), download.end()));
    QVERIFY(download.last() > download.first());
    QVERIFY(!install.isEmpty());
    QVERIFY(std::is_sorted(install.begin(), install.end()));
    QCOMPARE(section("Kite").value("Version"), QString("1.0.0"));
    QVERIFY(QFile::exists(m_root + "/share/vol1/.tellora/apps/Kite/.ivo/ivo.xml"));
}

QTEST_GUILESS_MAIN(TstPackageTool)
#include "tst_packagetool.moc"
