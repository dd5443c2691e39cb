// The stand-ins the product talks to in every flow test behave as the appliance's programs do.
#include "ScratchSysroot.h"
#include "appliance/ApplianceCommands.h"

#include <QtTest>

class TstSimulator : public QObject
{
    Q_OBJECT

    ScratchSysroot m_root; // also IVO_SYSROOT and HOME, as the simulator's own environment

    int setup() const { return QProcess::execute(qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim", {"setup"}); }
    QStringList log() const
    {
        return QString::fromUtf8(m_root.read("/sim/commands.log")).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        qputenv("IVO_SIM_ROOT", m_root.root().toLocal8Bit());
        QCOMPARE(setup(), 0);
        QVERIFY(m_root.write("/sim/settings", "EDITED\n")); // a new setup keeps edits
        QCOMPARE(setup(), 0);
        QCOMPARE(m_root.read("/sim/settings"), QByteArray("EDITED\n"));
        qputenv("PATH", (m_root.root() + "/sim/bin:").toLocal8Bit() + qgetenv("PATH"));
    }
    void init() { QVERIFY(m_root.write("/sim/commands.log", {})); }

    // The answers follow the settings; sudo, the runner and the action each record the line they were given.
    void hardwareAnswers()
    {
        QVERIFY(m_root.write("/sim/settings", "IR_SUPPORT=yes\nEC_SUPPORT=0\n")); // both unlike the defaults
        QVERIFY(ApplianceCmd::hasIrReceiver() && !ApplianceCmd::canLearnRemotes());
        QCOMPARE(log().join('|'),
            "sudo /opt/bin/privrun hal_app --check_ir_support|/opt/bin/privrun hal_app "
            "--check_ir_support|hal_app --check_ir_support|sudo /opt/bin/privrun hal_app "
            "--check_ec_support|/opt/bin/privrun hal_app --check_ec_support|hal_app --check_ec_support");
    }
};

QTEST_GUILESS_MAIN(TstSimulator)
#include "tst_simulator.moc"
