#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "appliance/Appliance.h"
#include "appliance/ApplianceCommands.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using Command = std::function<void()>;
Q_DECLARE_METATYPE(Command)

class TstAppliance : public QObject
{
    Q_OBJECT

private slots:
    void init() { qunsetenv("IVO_SYSROOT"); }

    void pathMapping_data();
    void pathMapping();
    void commandLines_data();
    void commandLines();
    void commandLinesUnderSysroot_data() { commandLines_data(); }
    void commandLinesUnderSysroot();
    void answers_data();
    void answers();
    void packageNameIsOneArgument();
    void joinLineQuotes();
    void processRunner();
    void processRunnerTimeoutAndMissingProgram();
    void lineAndShellForms();
};

void TstAppliance::pathMapping_data()
{
    QTest::addColumn<QByteArray>("sysroot");
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("unset") << QByteArray() << "/etc/config/bento.conf"
                           << "/etc/config/bento.conf";
    QTest::newRow("set") << QByteArray("/tmp/sr") << "/etc/config/bento.conf"
                         << "/tmp/sr/etc/config/bento.conf";
    QTest::newRow("trailing slash") << QByteArray("/tmp/sr//") << "/dev/lirc0"
                                    << "/tmp/sr/dev/lirc0";
    QTest::newRow("relative stays") << QByteArray("/tmp/sr") << "images/a.png"
                                    << "images/a.png";
    QTest::newRow("empty stays") << QByteArray("/tmp/sr") << ""
                                 << "";
    QTest::newRow("root itself") << QByteArray("/s") << "/"
                                 << "/s/";
}

void TstAppliance::pathMapping()
{
    QFETCH(QByteArray, sysroot);
    QFETCH(QString, in);
    QFETCH(QString, out);
    if (sysroot.isNull())
        qunsetenv("IVO_SYSROOT");
    else
        qputenv("IVO_SYSROOT", sysroot);
    QCOMPARE(Appliance::path(in), out);
    QCOMPARE(QString::fromStdString(Appliance::path(in.toStdString())), out);
    // An empty variable counts as unset.
    qputenv("IVO_SYSROOT", "");
    QCOMPARE(Appliance::path(in), in);
}

void TstAppliance::commandLines_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("detached");
    QTest::addColumn<QString>("line");
    using namespace ApplianceCmd;
    QTest::newRow("ir") << Command([] { hasIrReceiver(); }) << false
                        << "sudo /opt/bin/privrun hal_app --check_ir_support";
    QTest::newRow("ec") << Command([] { canLearnRemotes(); }) << false
                        << "sudo /opt/bin/privrun hal_app --check_ec_support";
    QTest::newRow("restart") << Command([] { restartService(); }) << true << "sudo /opt/bin/privrun tellora_restart";
    QTest::newRow("tandem") << Command([] { startTandem(); }) << false << "sudo /opt/bin/privrun tandem_start";
    QTest::newRow("install") << Command([] { bentoInstall("Kodi"); }) << false
                             << "sudo /opt/bin/privrun /sbin/bento_cli -a Kodi";
    QTest::newRow("cancel") << Command([] { bentoCancel("Kodi"); }) << false
                            << "sudo /opt/bin/privrun /sbin/bento_cli -c Kodi";
    QTest::newRow("state") << Command([] { bentoState("Kodi"); }) << false
                           << "sudo /opt/bin/privrun /sbin/bento_cli -s Kodi --output 2";
    QTest::newRow("enable") << Command([] { bentoSetEnabled("Kodi", true); }) << false
                            << "sudo /opt/bin/privrun \"/sbin/bento_cli --enable Kodi\"";
    QTest::newRow("disable") << Command([] { bentoSetEnabled("Kodi", false); }) << false
                             << "sudo /opt/bin/privrun \"/sbin/bento_cli --disable Kodi\"";
    QTest::newRow("probe") << Command([] { bentoProbe(); }) << false << "sudo /opt/bin/privrun ls /sbin/bento_cli";
    QTest::newRow("setcfg") << Command([] { setcfg("Kodi", "AdminOnly", "TRUE", "/etc/config/bento.conf"); }) << false
                            << "/sbin/setcfg Kodi AdminOnly TRUE -f /etc/config/bento.conf";
}

void TstAppliance::commandLines()
{
    QFETCH(Command, command);
    QFETCH(bool, detached);
    QFETCH(QString, line);
    RecordingRunner rec;
    command();
    QCOMPARE(rec.lines(), QStringList {line});
    QCOMPARE(rec.calls().constFirst().detached, detached);
}

// With a sysroot every absolute path in a command line lies inside it, and
// nothing else of the line changes.
void TstAppliance::commandLinesUnderSysroot()
{
    QFETCH(Command, command);
    QFETCH(QString, line);
    ScratchSysroot root;
    RecordingRunner rec;
    command();
    QCOMPARE(rec.calls().size(), 1);
    const RecordingRunner::Call_s call = rec.calls().constFirst();
    QStringList words = QStringList {call.program} + call.args;
    int absolute = 0;
    for (const QString& arg : words) {
        for (const QString& w : CommandRunner::splitAtBlanks(arg)) {
            if (w.startsWith('/')) {
                ++absolute;
                QVERIFY2(w.startsWith(root.root() + '/'), qPrintable(w));
            }
        }
    }
    QVERIFY(absolute > 0);
    QString mapped = rec.lines().constFirst();
    QCOMPARE(mapped.remove(root.root()), line);
}

void TstAppliance::answers_data()
{
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<bool>("ir");
    QTest::addColumn<bool>("ec");
    QTest::newRow("yes") << QByteArray("yes\n") << true << false;
    QTest::newRow("yes, no line end") << QByteArray("yes") << true << false;
    QTest::newRow("no") << QByteArray("no\n") << false << false;
    QTest::newRow("yes on second line") << QByteArray("\nyes\n") << false << false;
    QTest::newRow("one after blank lines") << QByteArray("\n\n1\n") << false << true;
    QTest::newRow("zero first") << QByteArray("0\n1\n") << false << false;
    QTest::newRow("nothing") << QByteArray() << false << false;
    QTest::newRow("crlf") << QByteArray("yes\r\n") << true << false;
}

void TstAppliance::answers()
{
    QFETCH(QByteArray, out);
    QFETCH(bool, ir);
    QFETCH(bool, ec);
    RecordingRunner rec;
    rec.answer(".*hal_app --check_.*", out);
    QCOMPARE(ApplianceCmd::hasIrReceiver(), ir);
    QCOMPARE(ApplianceCmd::canLearnRemotes(), ec);
}

// A hostile name stays one argument: no shell ever sees it.
void TstAppliance::packageNameIsOneArgument()
{
    RecordingRunner rec;
    const QString name = QStringLiteral("x; rm -rf / #");
    ApplianceCmd::bentoInstall(name);
    ApplianceCmd::setcfg(name, "AdminOnly", "FALSE", "/etc/config/bento.conf");
    const auto calls = rec.calls();
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0].program, QStringLiteral("sudo"));
    QCOMPARE(calls[0].args.last(), name);
    QCOMPARE(calls[1].args.first(), name);
}

void TstAppliance::joinLineQuotes()
{
    QCOMPARE(CommandRunner::joinLine("a", {"b c", "", "d\"e", "f"}), QStringLiteral("a \"b c\" \"\" \"d\\\"e\" f"));
    QCOMPARE(CommandRunner::splitAtBlanks("  a  b c "), (QStringList {"a", "b", "c"}));
}

void TstAppliance::processRunner()
{
    ProcessRunner p;
    const CommandResult_s r = p.run("sh", {"-c", "echo out; echo err >&2; exit 3"});
    QVERIFY(r.started);
    QVERIFY(!r.timedOut);
    QCOMPARE(r.exitCode, 3);
    QCOMPARE(r.out, QByteArray("out\n"));
    QCOMPARE(r.err, QByteArray("err\n"));
    QVERIFY(!r.ok());

    QTemporaryDir dir;
    const QString marker = dir.filePath("marker");
    QVERIFY(p.startDetached("sh", {"-c", "echo hi > " + marker}));
    QTRY_VERIFY(QFile::exists(marker));
}

void TstAppliance::processRunnerTimeoutAndMissingProgram()
{
    ProcessRunner p;
    const CommandResult_s slow = p.run("sleep", {"10"}, 200);
    QVERIFY(slow.started);
    QVERIFY(slow.timedOut);
    QCOMPARE(slow.exitCode, -1);

    const CommandResult_s missing = p.run("/nonexistent/program", {});
    QVERIFY(!missing.started);
    QVERIFY(!p.startDetached("/nonexistent/program", {}));
}

void TstAppliance::lineAndShellForms()
{
    RecordingRunner rec;
    rec.answer("/bin/echo  *a +b", "x");
    Appliance::runner().runLine("/bin/echo  a   b");
    Appliance::runner().runShell("sh", "md5sum /etc/x | cut -c1-32", 5000);
    Appliance::runner().startDetachedLine("");
    const auto calls = rec.calls();
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0].program, QStringLiteral("/bin/echo"));
    QCOMPARE(calls[0].args, (QStringList {"a", "b"}));
    QCOMPARE(calls[1].args, (QStringList {"-c", "md5sum /etc/x | cut -c1-32"}));
    QCOMPARE(calls[1].timeoutMs, 5000);
}

QTEST_GUILESS_MAIN(TstAppliance)
#include "tst_appliance.moc"
