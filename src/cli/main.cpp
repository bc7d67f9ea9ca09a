// wallctl: Wall Control from the command line, for scripts and automation.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "cli/cli_registry.h"
#include "cli/usage_error.h"

namespace {

std::string executableDir(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path().string() + "/";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace wall::cli;
  CliContext ctx;
  ctx.executableDir = executableDir(argv[0]);

  CLI::App app{"wallctl - Wall Control from the command line: settings, scripts and the wall's ports"};
  app.set_help_all_flag("--help-all", "Help for every command");
  app.require_subcommand(1);
  app.add_option("--settings", ctx.settingsOption,
                 "Settings file (default: $WALLCONTROL_SETTINGS, else Setting.ini beside the program, "
                 "else $XDG_CONFIG_HOME/wallcontrol/Setting.ini)");
  app.add_option("--select", ctx.selectOption, "Units to address: TOP,LEFT,BOTTOM,RIGHT, 0-based (default 0,0,0,0)");
  app.add_option("--cmd-form", ctx.cmdFormOption, "Command format 0-3 (default: CmdForm of the settings)")
      ->check(CLI::Range(0, 3));

  int status = 0;
  auto& list = commands();
  std::stable_sort(list.begin(), list.end(), [](const Command& a, const Command& b) { return a.order < b.order; });
  for (const Command& c : list) c.install(app, ctx, status);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "wallctl: " << e.what() << "\n";
    return 2;
  } catch (const UsageError& e) {
    std::cerr << "wallctl: " << e.what() << "\n";
    return 2;
  } catch (const CommandFailure& e) {
    std::cerr << "wallctl: " << e.what() << "\n";
    return e.exitCode();
  } catch (const std::exception& e) {
    std::cerr << "wallctl: " << e.what() << "\n";
    return 1;
  }
  return status;
}
