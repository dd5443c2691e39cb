#include "appliance/ApplianceCommands.h"

#include "appliance/Appliance.h"
#include "appliance/Paths.h"

namespace ApplianceCmd {

namespace {

// "sudo" is found on PATH; the runner itself is an appliance program.
CommandResult_s privrun(const QStringList& args, Budget budget)
{
    return Appliance::runner().run(
        QStringLiteral("sudo"), QStringList {Appliance::path(QStringLiteral("/opt/bin/privrun"))} + args, budget);
}

QString bentoCli() { return Appliance::path(QStringLiteral("/sbin/bento_cli")); }

QList<QByteArray> outputLines(const QByteArray& out)
{
    QList<QByteArray> lines = out.split('\n');
    for (QByteArray& l : lines)
        l = l.trimmed();
    return lines;
}

} // namespace

bool hasIrReceiver()
{
    const CommandResult_s r = privrun({QStringLiteral("hal_app"), QStringLiteral("--check_ir_support")}, Budget::Query);
    return outputLines(r.out).value(0) == "yes";
}

bool canLearnRemotes()
{
    const CommandResult_s r = privrun({QStringLiteral("hal_app"), QStringLiteral("--check_ec_support")}, Budget::Query);
    for (const QByteArray& line : outputLines(r.out)) {
        if (!line.isEmpty())
            return line == "1";
    }
    return false;
}

bool restartService()
{
    return Appliance::runner().startDetached(QStringLiteral("sudo"),
        {Appliance::path(QStringLiteral("/opt/bin/privrun")), QStringLiteral("tellora_restart")});
}

CommandResult_s startTandem() { return privrun({QStringLiteral("tandem_start")}, Budget::Service); }

CommandResult_s bentoInstall(const QString& name)
{
    return privrun({bentoCli(), QStringLiteral("-a"), name}, Budget::Package);
}

CommandResult_s bentoCancel(const QString& name)
{
    return privrun({bentoCli(), QStringLiteral("-c"), name}, Budget::Package);
}

CommandResult_s bentoState(const QString& name)
{
    return privrun(
        {bentoCli(), QStringLiteral("-s"), name, QStringLiteral("--output"), QStringLiteral("2")}, Budget::Query);
}

CommandResult_s bentoSetEnabled(const QString& name, bool enable)
{
    const QString action = enable ? QStringLiteral(" --enable ") : QStringLiteral(" --disable ");
    return privrun({bentoCli() + action + name}, Budget::Package);
}

CommandResult_s bentoProbe() { return privrun({QStringLiteral("ls"), bentoCli()}, Budget::Query); }

bool karaokeRunning()
{
    return Appliance::runner()
        .runShell(Paths::Bash.local(), QStringLiteral("ps -A H | grep CANTORA"), Budget::Query)
        .out.contains("startup_Cantora.sh");
}

CommandResult_s stopKaraoke()
{
    return Appliance::runner().run(QStringLiteral("curl"),
        {QStringLiteral("--header"), QStringLiteral("Content-Type:application/x-www-form-urlencoded"),
            QStringLiteral("--header"), QStringLiteral("Accept:application/json"), QStringLiteral("-d"),
            QStringLiteral("confirm=yes"), QStringLiteral("http://127.0.0.1:5603/cantora/v1/system/shutdown")},
        Budget::Setting);
}

CommandResult_s setcfg(const QString& section, const QString& key, const QString& value, const QString& file)
{
    return Appliance::runner().run(Appliance::path(QStringLiteral("/sbin/setcfg")),
        {section, key, value, QStringLiteral("-f"), Appliance::path(file)}, Budget::Setting);
}

} // namespace ApplianceCmd
