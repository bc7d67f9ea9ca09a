#include "cli/script_sender.h"

#include <QCoreApplication>
#include <memory>
#include <set>

#include "cli/usage_error.h"
#include "core/link/port_open_failure.h"
#include "io/port_bank.h"
#include "io/script_runner.h"

namespace wall::cli {

namespace {

constexpr int kEnglish = 1;
// How long the ports may take to hand the last bytes to the system after the
// script's end: 4096 bytes waiting at 110 baud would take longer, but a
// script that leaves that much behind at that rate is not a real one.
constexpr auto kWriteOutTimeout = std::chrono::seconds(30);

// The port settings of `device` as the program would open it.
PortSettings settingsFor(CliContext& ctx, int device, const std::string& wallDevicePath) {
  PortSettings s = readPortSettings(ctx.settings(), device);
  if (device == kWallDevice && !wallDevicePath.empty()) s.device = wallDevicePath;
  return s;
}

void openOrFail(SerialPort& port, const PortSettings& settings) {
  // PortNo 0 means "not used" for the matrix ports, as in the program; the
  // wall port is always used.
  PortOpenFailure failure;
  if (port.device() != kWallDevice && settings.portNo == 0) {
    failure.device = port.device();
    failure.problem = PortOpenProblem::NotUsed;
    throw CommandFailure(portOpenFailureText(failure, kEnglish), 2);
  }
  port.setSettings(settings);
  if (!port.open(&failure)) throw CommandFailure(portOpenFailureText(failure, kEnglish), 2);
}

}  // namespace

std::set<int> devicesOf(const Script& script) {
  std::set<int> devices;
  for (const Step& step : script.steps()) {
    if (const auto* s = std::get_if<SendStep>(&step)) devices.insert(s->device);
    if (const auto* r = std::get_if<ReadStep>(&step)) devices.insert(r->device);
  }
  return devices;
}

std::unique_ptr<QCoreApplication> ensureCoreApplication() {
  // The ports run their own threads and event loops; the application object
  // gives them the process-wide parts of Qt.
  static int argc = 1;
  static char name[] = "wallctl";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance()) return nullptr;
  return std::make_unique<QCoreApplication>(argc, argv);
}

void openScriptPorts(CliContext& ctx, PortBank& ports, const std::set<int>& devices, const std::string& wallDevicePath) {
  for (int device : devices) openOrFail(ports.port(device), settingsFor(ctx, device, wallDevicePath));
}

void sendScript(CliContext& ctx, const Script& script, const std::string& wallDevicePath) {
  runScript(ctx, script, wallDevicePath);
}

ScriptReport runScript(CliContext& ctx, const Script& script, const std::string& wallDevicePath) {
  const auto app = ensureCoreApplication();
  PortBank ports;
  openScriptPorts(ctx, ports, devicesOf(script), wallDevicePath);

  ScriptRunner runner(ports);
  const ScriptId id = runner.submit(script);
  std::optional<ScriptReport> report;
  while (!(report = runner.waitFor(id, std::chrono::seconds(1)))) {
  }
  const bool written = ports.waitForWritten(std::chrono::duration_cast<std::chrono::milliseconds>(kWriteOutTimeout));
  if (report->dropped > 0) {
    throw CommandFailure(std::to_string(report->dropped) + " of " + std::to_string(report->dropped + report->sent) +
                         " sends dropped: a port went away while the script ran");
  }
  if (!written) throw CommandFailure("the ports did not take every byte within 30 s (a line held by flow control?)");
  return *report;
}

}  // namespace wall::cli
