#pragma once

#include "appliance/CommandRunner.h"

#include <QString>

// The command lines through which the appliance's own privileged tools are
// reached, gathered in one place. Each runs through Appliance::runner(); every
// absolute path in them goes through Appliance::path(). Package names are
// passed as one argument each and never become shell text.
namespace ApplianceCmd {

// "sudo /opt/bin/privrun hal_app --check_ir_support": true when the first
// line of its output is "yes" (the appliance has its own IR receiver).
bool hasIrReceiver();
// "sudo /opt/bin/privrun hal_app --check_ec_support": true when the first
// non-empty line of its output is "1" (custom remotes can be learned).
bool canLearnRemotes();
// "sudo /opt/bin/privrun tellora_restart", started detached: the service
// manager ends this process and starts it again.
bool restartService();
// "sudo /opt/bin/privrun tandem_start": the video-conferencing product
// replaces the home screen.
CommandResult_s startTandem();
// "sudo /opt/bin/privrun /sbin/bento_cli -a NAME": installs or updates NAME
// in the background.
CommandResult_s bentoInstall(const QString& name);
// "sudo /opt/bin/privrun /sbin/bento_cli -c NAME": cancels that job.
CommandResult_s bentoCancel(const QString& name);
// "sudo /opt/bin/privrun /sbin/bento_cli -s NAME --output 2": the job state
// of NAME as one JSON object on standard output.
CommandResult_s bentoState(const QString& name);
// sudo /opt/bin/privrun "/sbin/bento_cli --enable NAME" (or --disable): one
// argument after the runner, as the runner expects it.
CommandResult_s bentoSetEnabled(const QString& name, bool enable);
// "sudo /opt/bin/privrun ls /sbin/bento_cli": output not read.
CommandResult_s bentoProbe();
// "/bin/bash -c "ps -A H | grep CANTORA"": true when a line of its output
// holds "startup_Cantora.sh" (the karaoke product runs).
bool karaokeRunning();
// curl posting "confirm=yes" to the karaoke product's local shutdown endpoint.
CommandResult_s stopKaraoke();
// "/sbin/setcfg SECTION KEY VALUE -f FILE": sets one key of an INI file.
CommandResult_s setcfg(const QString& section, const QString& key, const QString& value, const QString& file);

} // namespace ApplianceCmd
