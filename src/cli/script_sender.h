#pragma once
// What `send` and `run-script` share: open the ports a script needs, as
// configured in the settings file, run the script on them and wait until it
// has run and its bytes have been handed to the system.

#include <memory>
#include <set>
#include <string>

#include "cli/cli_context.h"
#include "core/link/script.h"
#include "io/script_runner.h"

class QCoreApplication;

namespace wall {
class PortBank;
}

namespace wall::cli {

// Runs `script`. `wallDevicePath`, when not empty, replaces device 1's path
// (--device). Throws CommandFailure with exit status 2 and the open
// failure's message when a port the script needs does not open (before
// anything is sent), and with status 1 when sends were dropped because a
// port went away during the run.
// Opens `devices` with their settings (device 1 at `wallDevicePath` when
// given). Throws CommandFailure with exit status 2 when one does not open.
void openScriptPorts(CliContext& ctx, PortBank& ports, const std::set<int>& devices, const std::string& wallDevicePath);

// The devices a script sends to.
std::set<int> devicesOf(const Script& script);

// The application object the ports need, when the process has none yet
// (keep it until the ports are gone); null when one exists.
std::unique_ptr<QCoreApplication> ensureCoreApplication();

void sendScript(CliContext& ctx, const Script& script, const std::string& wallDevicePath);

// The same, returning the runner's report with the script's read results.
ScriptReport runScript(CliContext& ctx, const Script& script, const std::string& wallDevicePath);

}  // namespace wall::cli
