// The simulator's stand-ins are what the product talks to in every flow test:
// these checks keep them behaving as the appliance's programs do.
#include "appliance/Appliance.h"
#include "appliance/ApplianceCommands.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TstSimulator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void hardwareAnswers_data();
    void hardwareAnswers();
    void runnerRunsOneLineArgument();
    void setcfgEditsOneKey_data();
    void setcfgEditsOneKey();
    void setupKeepsEditedFiles();

private:
    QByteArray readSim(const QString& rel) const;
    void writeSim(const QString& rel, const QByteArray& data) const;
    QStringList logLines() const;

    QString m_root;
    QByteArray m_oldPath;
};

void TstSimulator::initTestCase()
{
    // A short path of our own: the simulator refuses long ones.
    m_root = QStringLiteral("/tmp/ivs-%1").arg(QCoreApplication::applicationPid());
    QDir(m_root).removeRecursively();
    QProcess setup;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("IVO_SIM_ROOT", m_root);
    setup.setProcessEnvironment(env);
    setup.start(qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim", {"setup"});
    QVERIFY(setup.waitForFinished(60000));
    QVERIFY2(setup.exitCode() == 0, setup.readAllStandardError().constData());
    qputenv("IVO_SYSROOT", m_root.toLocal8Bit());
    m_oldPath = qgetenv("PATH");
    qputenv("PATH", (m_root + "/sim/bin:").toLocal8Bit() + m_oldPath);
}

void TstSimulator::cleanupTestCase()
{
    qputenv("PATH", m_oldPath);
    qunsetenv("IVO_SYSROOT");
    QDir(m_root).removeRecursively();
}

void TstSimulator::init() { writeSim("sim/commands.log", {}); }

QByteArray TstSimulator::readSim(const QString& rel) const
{
    QFile f(m_root + '/' + rel);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TstSimulator::writeSim(const QString& rel, const QByteArray& data) const
{
    QFile f(m_root + '/' + rel);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

QStringList TstSimulator::logLines() const
{
    return QString::fromUtf8(readSim("sim/commands.log")).split('\n', Qt::SkipEmptyParts);
}

void TstSimulator::hardwareAnswers_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("ir");
    QTest::addColumn<bool>("ec");
    QTest::newRow("receiver") << QByteArray("IR_SUPPORT=yes\nEC_SUPPORT=1\n") << true << true;
    QTest::newRow("none") << QByteArray("IR_SUPPORT=no\nEC_SUPPORT=0\n") << false << false;
    QTest::newRow("defaults") << QByteArray("# empty\n") << false << true;
}

void TstSimulator::hardwareAnswers()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, ir);
    QFETCH(bool, ec);
    writeSim("sim/settings", settings);
    QCOMPARE(ApplianceCmd::hasIrReceiver(), ir);
    QCOMPARE(ApplianceCmd::canLearnRemotes(), ec);
    // sudo, the runner and the action each record the line they were given.
    QCOMPARE(logLines(),
        (QStringList {"sudo /opt/bin/privrun hal_app --check_ir_support", "/opt/bin/privrun hal_app --check_ir_support",
            "hal_app --check_ir_support", "sudo /opt/bin/privrun hal_app --check_ec_support",
            "/opt/bin/privrun hal_app --check_ec_support", "hal_app --check_ec_support"}));
}

// The runner's one-argument form carries a whole command line.
void TstSimulator::runnerRunsOneLineArgument()
{
    writeSim("etc/config/t.conf", "[Kodi]\nEnable = FALSE\n");
    const CommandResult_s r = Appliance::runner().run("sudo",
        {m_root + "/opt/bin/privrun", m_root + "/sbin/setcfg Kodi Enable TRUE -f " + m_root + "/etc/config/t.conf"});
    QVERIFY(r.ok());
    QCOMPARE(readSim("etc/config/t.conf"), QByteArray("[Kodi]\nEnable = TRUE\n"));
    QCOMPARE(logLines().last(), QStringLiteral("/sbin/setcfg Kodi Enable TRUE -f /etc/config/t.conf"));
}

void TstSimulator::setcfgEditsOneKey_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("replace") << QByteArray("[A]\nAdminOnly = FALSE\nx = 1\n[B]\nAdminOnly = FALSE\n") << "B"
                             << QByteArray("[A]\nAdminOnly = FALSE\nx = 1\n[B]\nAdminOnly = TRUE\n");
    QTest::newRow("add to section") << QByteArray("[A]\nx = 1\n\n[B]\ny = 2\n") << "A"
                                    << QByteArray("[A]\nx = 1\nAdminOnly = TRUE\n\n[B]\ny = 2\n");
    QTest::newRow("add to last section") << QByteArray("[A]\nx = 1\n") << "A"
                                         << QByteArray("[A]\nx = 1\nAdminOnly = TRUE\n");
    QTest::newRow("new section") << QByteArray("[A]\nx = 1\n") << "C"
                                 << QByteArray("[A]\nx = 1\n\n[C]\nAdminOnly = TRUE\n");
    QTest::newRow("missing file") << QByteArray() << "C" << QByteArray("[C]\nAdminOnly = TRUE\n");
}

void TstSimulator::setcfgEditsOneKey()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QByteArray, after);
    QFile::remove(m_root + "/etc/config/s.conf");
    if (!before.isEmpty())
        writeSim("etc/config/s.conf", before);
    QVERIFY(ApplianceCmd::setcfg(section, "AdminOnly", "TRUE", "/etc/config/s.conf").ok());
    QCOMPARE(readSim("etc/config/s.conf"), after);
    QCOMPARE(logLines(), QStringList {"/sbin/setcfg " + section + " AdminOnly TRUE -f /etc/config/s.conf"});
}

void TstSimulator::setupKeepsEditedFiles()
{
    writeSim("etc/config/Model_Name.conf", "EDITED\n");
    QProcess setup;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("IVO_SIM_ROOT", m_root);
    setup.setProcessEnvironment(env);
    setup.start(qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim", {"setup"});
    QVERIFY(setup.waitForFinished(60000));
    QCOMPARE(setup.exitCode(), 0);
    QCOMPARE(readSim("etc/config/Model_Name.conf"), QByteArray("EDITED\n"));
}

QTEST_GUILESS_MAIN(TstSimulator)
#include "tst_simulator.moc"
