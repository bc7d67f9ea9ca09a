// wallctl script OP ...: print the script an operation would send, in its
// text form, and send nothing.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/cli_registry.h"

namespace wall::cli {
namespace {

void install(CLI::App& app, CliContext& ctx, int& status) {
  auto* script = app.add_subcommand("script", "Print the script an operation would send (sends nothing)");
  script->prefix_command();
  script->footer([] { return scriptOpsHelp(); });
  script->callback([script, &ctx, &status] {
    std::cout << buildScript(ctx, script->remaining()).toText();
    status = 0;
  });
}

const CommandRegistrar registrar({"script", 20, install});

}  // namespace
}  // namespace wall::cli
