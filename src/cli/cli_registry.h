#pragma once
// wallctl grows by registration: each file adds its commands (a top-level
// verb such as `settings`) or its script operations (`script write ...`,
// `script matrix ...`) with a static registrar, so that adding an
// operation means adding a file.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "cli/arg_parse.h"
#include "cli/cli_context.h"
#include "core/link/script.h"

namespace CLI {
class App;
}

namespace wall::cli {

// A script operation: builds the script for the words after its name.
// Used by `script OP ...` (print) and, where the serial ports exist,
// `send OP ...` (send).
struct ScriptOp {
  std::string name;
  std::string usage;    // "write CODE VALUE"
  std::string summary;  // one line for --help
  std::function<Script(CliContext&, const std::vector<std::string>& words)> build;
};

// A top-level command: adds its subcommand to the app. The callback it
// installs runs the command and returns the exit status through `status`.
struct Command {
  std::string name;
  int order;  // position in --help
  std::function<void(CLI::App& app, CliContext& ctx, int& status)> install;
};

std::vector<ScriptOp>& scriptOps();
const ScriptOp* findScriptOp(const std::string& name);
std::vector<Command>& commands();

// The `script`/`send` operation list for --help.
std::string scriptOpsHelp();

// Runs an operation by name; a UsageError for an unknown one.
Script buildScript(CliContext& ctx, const std::vector<std::string>& opAndWords);

// What an operation keeps once `send` has sent its script (the units'
// sources of `send switch`), registered by the operation's file.
using AfterSend = std::function<void(CliContext&, const std::vector<std::string>& words)>;
std::vector<std::pair<std::string, AfterSend>>& afterSendHooks();
// Runs the operation's hook, if it has one.
void runAfterSend(CliContext& ctx, const std::vector<std::string>& opAndWords);

struct AfterSendRegistrar {
  AfterSendRegistrar(std::string op, AfterSend hook) { afterSendHooks().emplace_back(std::move(op), std::move(hook)); }
};

struct ScriptOpRegistrar {
  explicit ScriptOpRegistrar(ScriptOp op) { scriptOps().push_back(std::move(op)); }
};
struct CommandRegistrar {
  explicit CommandRegistrar(Command c) { commands().push_back(std::move(c)); }
};

}  // namespace wall::cli
