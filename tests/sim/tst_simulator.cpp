// The stand-ins the product talks to in every flow test behave as the appliance's programs do.
#include "appliance/Appliance.h"
#include "appliance/ApplianceCommands.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

class TstSimulator : public QObject
{
    Q_OBJECT

    // A short path of our own: the simulator refuses long ones.
    const QString m_root = QStringLiteral("/tmp/ivs-%1").arg(QCoreApplication::applicationPid());

    int setup() const { return QProcess::execute(qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim", {"setup"}); }
    QByteArray read(const QString& rel) const
    {
        QFile f(m_root + '/' + rel);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool write(const QString& rel, const QByteArray& data) const
    {
        QFile f(m_root + '/' + rel);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
    }
    QStringList log() const { return QString::fromUtf8(read("sim/commands.log")).split('\n', Qt::SkipEmptyParts); }

private slots:
    void initTestCase()
    {
        QDir(m_root).removeRecursively();
        qputenv("IVO_SIM_ROOT", m_root.toLocal8Bit());
        QCOMPARE(setup(), 0);
        QVERIFY(write("etc/config/Model_Name.conf", "EDITED\n")); // a new setup keeps edits
        QCOMPARE(setup(), 0);
        QCOMPARE(read("etc/config/Model_Name.conf"), QByteArray("EDITED\n"));
        qputenv("IVO_SYSROOT", m_root.toLocal8Bit());
        qputenv("PATH", (m_root + "/sim/bin:").toLocal8Bit() + qgetenv("PATH"));
    }
    void cleanupTestCase() { QDir(m_root).removeRecursively(); }
    void init() { QVERIFY(write("sim/commands.log", {})); }

    void hardwareAnswers_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("answers"); // receiver, remotes learned
        QTest::newRow("receiver") << QByteArray("IR_SUPPORT=yes\nEC_SUPPORT=1\n") << "11";
        QTest::newRow("none") << QByteArray("IR_SUPPORT=no\nEC_SUPPORT=0\n") << "00";
        QTest::newRow("defaults") << QByteArray("# empty\n") << "01";
    }
    void hardwareAnswers()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, answers);
        QVERIFY(write("sim/settings", settings));
        QCOMPARE(QString("%1%2").arg(ApplianceCmd::hasIrReceiver()).arg(ApplianceCmd::canLearnRemotes()), answers);
        // sudo, the runner and the action each record the line they were given.
        QCOMPARE(log().join('|'),
            "sudo /opt/bin/privrun hal_app --check_ir_support|/opt/bin/privrun hal_app "
            "--check_ir_support|hal_app --check_ir_support|sudo /opt/bin/privrun hal_app "
            "--check_ec_support|/opt/bin/privrun hal_app --check_ec_support|hal_app --check_ec_support");
    }

    void setcfgEditsOneKey_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("replace") << QByteArray("[A]\nK = 0\n[B]\nK = 0\n") << "B"
                                 << QByteArray("[A]\nK = 0\n[B]\nK = 1\n");
        QTest::newRow("in a section") << QByteArray("[A]\nx = 1\n\n[B]\n") << "A"
                                      << QByteArray("[A]\nx = 1\nK = 1\n\n[B]\n");
        QTest::newRow("the last section") << QByteArray("[A]\nx = 1\n") << "A" << QByteArray("[A]\nx = 1\nK = 1\n");
        QTest::newRow("new section") << QByteArray("[A]\nx = 1\n") << "C" << QByteArray("[A]\nx = 1\n\n[C]\nK = 1\n");
        QTest::newRow("missing file") << QByteArray() << "C" << QByteArray("[C]\nK = 1\n");
    }
    // Through the runner's one-argument form, which carries a whole line.
    void setcfgEditsOneKey()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QByteArray, after);
        QFile::remove(m_root + "/etc/config/s.conf");
        QVERIFY(before.isEmpty() || write("etc/config/s.conf", before));
        const QString line = QStringLiteral("%1/sbin/setcfg %2 K 1 -f %1/etc/config/s.conf").arg(m_root, section);
        QVERIFY(Appliance::runner().run("sudo", {m_root + "/opt/bin/privrun", line}).ok());
        QCOMPARE(read("etc/config/s.conf"), after);
        QCOMPARE(log().last(), "/sbin/setcfg " + section + " K 1 -f /etc/config/s.conf");
    }
};

QTEST_GUILESS_MAIN(TstSimulator)
#include "tst_simulator.moc"
