// wallctl send OP ...: send what an operation builds on the configured
// ports, and wait until it has gone out.
#include <CLI/CLI.hpp>

#include "cli/cli_registry.h"
#include "cli/script_sender.h"

namespace wall::cli {
namespace {

void install(CLI::App& app, CliContext& ctx, int& status) {
  auto* send = app.add_subcommand("send", "Send what an operation builds on the configured ports");
  auto device = std::make_shared<std::string>();
  send->add_option("--device", *device, "Path of the wall port (device 1) instead of the settings' (give it before OP)");
  send->prefix_command();
  send->footer([] { return scriptOpsHelp(); });
  send->callback([send, device, &ctx, &status] {
    sendScript(ctx, buildScript(ctx, send->remaining()), *device);
    runAfterSend(ctx, send->remaining());
    status = 0;
  });
}

const CommandRegistrar registrar({"send", 30, install});

}  // namespace
}  // namespace wall::cli
