// wallctl run-script FILE: run a script in its text form on the configured
// ports; `-` reads it from standard input. For replaying a sequence.
#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/cli_registry.h"
#include "cli/script_sender.h"
#include "cli/usage_error.h"

namespace wall::cli {
namespace {

struct RunScriptArgs {
  std::string file;
  std::string device;
};

std::string readAll(const std::string& file) {
  std::stringstream text;
  if (file == "-") {
    text << std::cin.rdbuf();
    return text.str();
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) throw UsageError("cannot read " + file);
  text << in.rdbuf();
  return text.str();
}

void install(CLI::App& app, CliContext& ctx, int& status) {
  auto args = std::make_shared<RunScriptArgs>();
  auto* run = app.add_subcommand("run-script", "Run a script (text form, '-' for standard input) on the configured ports");
  run->add_option("FILE", args->file, "Script file, or - for standard input")->required();
  run->add_option("--device", args->device, "Path of the wall port (device 1) instead of the settings'");
  run->footer(
      "A script has one step per line: 'send DEVICE BYTES' (device 1 the wall port, 2 to 5 the matrix ports;\n"
      "bytes in hexadecimal) or 'pause MS'. Blank lines and lines starting with # are skipped.");
  run->callback([args, &ctx, &status] {
    const ScriptParse parsed = parseScript(readAll(args->file));
    if (!parsed.ok()) throw UsageError((args->file == "-" ? std::string("standard input") : args->file) + ": " + parsed.error);
    sendScript(ctx, parsed.script, args->device);
    status = 0;
  });
}

const CommandRegistrar registrar({"run-script", 40, install});

}  // namespace
}  // namespace wall::cli
