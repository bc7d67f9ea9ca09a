#pragma once
// The procedure that opens a port, as the program runs it at start-up and
// after the serial-port dialog's save:
//   1. package mode with packages ended by a quiet interval (the only mode
//      SerialPort has);
//   2. open the port with the settings in force; when it does not open, show
//      the failure's message;
//   3. then offer the port's settings dialog: until the operator confirms
//      settings the port opens with (a failure keeps the dialog up with its
//      message) or cancels. After a confirmed dialog the nine keys of the
//      port's section are written, in the order PortNo, Baud, Parity,
//      ByteSize, StopBits, FlowControl, AutoAnswer, InBufSize, OutBufSize
//      (then Device, ours). On cancel the port stays closed and nothing is
//      written.
// The user interface is injected, so that the desktop program brings its
// message box and dialog and the tests bring theirs.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/link/port_open_failure.h"
#include "core/settings/port_settings.h"
#include "io/port_bank.h"
#include "io/serial_port.h"

namespace wall {

class SettingsFile;

struct PortOpeningUi {
  // Shows a failure's message (the earlier program's ShowMessage).
  std::function<void(const std::string& message)> showMessage;
  // The port's settings dialog, with the device, the settings in force and
  // the message of the last failed attempt (empty when it opens afresh).
  // Returns the settings the operator confirmed, or nothing on cancel.
  // Without a dialog the procedure ends as if it were cancelled.
  std::function<std::optional<PortSettings>(int device, const PortSettings& current, const std::string& error)>
      settingsDialog;
};

struct PortOpening {
  int device = kWallDevice;
  bool open = false;
  bool settingsWritten = false;  // after a confirmed dialog
  std::optional<PortOpenFailure> failure;  // of the first attempt, when it failed
};

// Runs the procedure for one port. `language` chooses the messages' wording
// (0 Chinese, anything else English).
PortOpening openPort(SerialPort& port, SettingsFile& file, int language, const PortOpeningUi& ui);

// Start-up: every port takes its settings from the file; device 1 is opened
// always, devices 2 to 5 in that order when their PortNo is not 0 (a Device
// path alone does not make a port used). Returns one entry per port opened.
std::vector<PortOpening> openConfiguredPorts(PortBank& ports, SettingsFile& file, int language,
                                             const PortOpeningUi& ui);

}  // namespace wall
