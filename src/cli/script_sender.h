#pragma once
// What `send` and `run-script` share: open the ports a script needs, as
// configured in the settings file, run the script on them and wait until it
// has run and its bytes have been handed to the system.

#include <string>

#include "cli/cli_context.h"
#include "core/link/script.h"
#include "io/script_runner.h"

namespace wall::cli {

// Runs `script`. `wallDevicePath`, when not empty, replaces device 1's path
// (--device). Throws CommandFailure with exit status 2 and the open
// failure's message when a port the script needs does not open (before
// anything is sent), and with status 1 when sends were dropped because a
// port went away during the run.
void sendScript(CliContext& ctx, const Script& script, const std::string& wallDevicePath);

// The same, returning the runner's report with the script's read results.
ScriptReport runScript(CliContext& ctx, const Script& script, const std::string& wallDevicePath);

}  // namespace wall::cli
