// wallctl roll: roll polling without the desktop program. The groups, the
// items and the interval come from the settings file (the interval is read
// again at every tick, as the dialog reads its field); every interval the
// next enabled group goes out through the script runner, until SIGINT or
// SIGTERM, or for --seconds N ticks. --dry-run prints the timeline of those
// ticks on a virtual clock instead of sending.
#include <CLI/CLI.hpp>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <iostream>

#include "cli/cli_registry.h"
#include "cli/script_sender.h"
#include "cli/usage_error.h"
#include "core/link/virtual_runner.h"
#include "core/matrix/roll_config.h"
#include "core/matrix/roll_control.h"
#include "core/matrix/roll_poller.h"
#include "core/settings/port_settings.h"
#include "core/settings/settings_file.h"
#include "io/port_bank.h"
#include "io/script_runner.h"

namespace wall::cli {
namespace {

std::atomic<bool> stopRequested{false};

extern "C" void requestStop(int) { stopRequested = true; }

struct RollOptions {
  std::string device;
  int seconds = 0;  // 0: until interrupted
  bool dryRun = false;
};

// The group numbers ("001" = 1) of the running list, for the log lines.
std::vector<int> runningGroups(const RollConfig& config) {
  std::vector<int> groups;
  for (int g = 0; g < config.groupCount; ++g) {
    if (config.groups[static_cast<std::size_t>(g)].enabled) groups.push_back(g + 1);
  }
  return groups;
}

int intervalNow(SettingsFile& file) { return std::clamp(file.readInt("MatrixRoll", "spTime", 10), 1, kRollMaxInterval); }

void dryRun(SettingsFile& file, RollPoller& poller, const PortFlags& flags, int seconds) {
  VirtualRunner runner;
  for (int s = 1; s <= seconds; ++s) {
    runner.advance(std::max(0LL, s * 1000LL - runner.now()));
    std::cout << timelineText(runner.run(poller.tick(intervalNow(file), flags)));
  }
}

// Every device any group of the running list sends to.
std::set<int> rollDevices(const RollPoller& poller, const PortFlags& flags) {
  std::set<int> devices;
  for (const RollGroup& g : poller.runningList()) {
    for (const RollItem& item : g.items) {
      const auto d = devicesOf(matrixRollControl(item, flags).script);
      devices.insert(d.begin(), d.end());
    }
  }
  return devices;
}

void runLive(CliContext& ctx, RollPoller& poller, const PortFlags& flags, const RollOptions& o,
             const std::vector<int>& groups) {
  const auto app = ensureCoreApplication();
  PortBank ports;
  openScriptPorts(ctx, ports, rollDevices(poller, flags), o.device);
  ScriptRunner runner(ports);
  std::signal(SIGINT, requestStop);
  std::signal(SIGTERM, requestStop);

  int ticks = 0;
  QTimer second;
  second.setInterval(1000);
  QObject::connect(&second, &QTimer::timeout, [&] {
    const int position = poller.position();
    const Script script = poller.tick(intervalNow(ctx.settings()), flags);
    if (!script.empty()) {
      runner.submit(script);
      std::cout << "group " << groups[static_cast<std::size_t>(position)] << " at " << poller.tickCount() << " s"
                << std::endl;
    }
    if (o.seconds > 0 && ++ticks >= o.seconds) QCoreApplication::quit();
  });
  QTimer watch;  // the signal handler only sets a flag; the loop ends here
  watch.setInterval(50);
  QObject::connect(&watch, &QTimer::timeout, [] {
    if (stopRequested) QCoreApplication::quit();
  });
  second.start();
  watch.start();
  QCoreApplication::exec();
  runner.waitUntilIdle(std::chrono::seconds(30));
  ports.waitForWritten(std::chrono::seconds(30));
}

void install(CLI::App& app, CliContext& ctx, int& status) {
  auto* roll = app.add_subcommand("roll", "Roll polling from the settings until interrupted");
  auto o = std::make_shared<RollOptions>();
  roll->add_option("--device", o->device, "Path of the wall port (device 1) instead of the settings'");
  roll->add_option("--seconds", o->seconds, "Stop after N ticks of one second (default: until SIGINT/SIGTERM)")
      ->check(CLI::Range(1, 86400 * 366));
  roll->add_flag("--dry-run", o->dryRun, "Print the timeline of --seconds ticks on a virtual clock; send nothing");
  roll->callback([o, &ctx, &status] {
    SettingsFile& file = ctx.settings();
    const RollConfig config = readRollConfig(file);
    const PortFlags flags = readPortFlags(file);
    RollPoller poller;
    if (!poller.start(config, config.groupCount)) {
      throw CommandFailure("no enabled group among the first " + std::to_string(config.groupCount) +
                           ": nothing to poll");
    }
    if (o->dryRun) {
      if (o->seconds <= 0) throw UsageError("--dry-run needs --seconds N");
      dryRun(file, poller, flags, o->seconds);
    } else {
      runLive(ctx, poller, flags, *o, runningGroups(config));
    }
    status = 0;
  });
}

const CommandRegistrar registrar({"roll", 40, install});

}  // namespace
}  // namespace wall::cli
