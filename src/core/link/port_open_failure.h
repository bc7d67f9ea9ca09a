#pragma once
// Why a serial port does not open, and the message the operator is shown for
// it before the port's settings dialog is offered.

#include <cstdint>
#include <string>

#include "core/link/script.h"
#include "core/settings/port_settings.h"

namespace wall {

// A stored value the port cannot open with. Values are kept in the file as
// read; the port refuses to open with an ordinal outside its table rather than
// guess at a line the devices on the other end would not understand.
enum class PortSettingFault {
  None,
  BaudIndex,           // outside 0..14
  Parity,              // outside 0..4
  ByteSize,            // outside 5..8
  StopBits,            // outside 0..2
  OneAndHalfStopBits,  // 1.5 stop bits with 6 to 8 data bits: no UART sends that
  FlowControl,         // outside 0..4
};

PortSettingFault checkPortSettings(const PortSettings& settings);

enum class PortOpenProblem {
  NotUsed,       // PortNo 0 and no Device path
  NotFound,      // the path names nothing
  NoPermission,  // the system refuses access
  Busy,          // another program holds the port
  BadSetting,    // a stored value outside its table (see fault)
  Other,         // anything else; detail holds the system's words
};

struct PortOpenFailure {
  int device = kWallDevice;
  std::string path;
  PortOpenProblem problem = PortOpenProblem::Other;
  PortSettingFault fault = PortSettingFault::None;  // with BadSetting
  std::int32_t value = 0;                           // the refused value, with BadSetting
  std::string detail;                               // with Other
  bool operator==(const PortOpenFailure&) const = default;
};

// The failure for settings that checkPortSettings() refuses; nothing when the
// settings are sound.
bool settingFailure(int device, const PortSettings& settings, PortOpenFailure& out);

// The message in the program's language: 0 Chinese, anything else English.
std::string portOpenFailureText(const PortOpenFailure& failure, int language);

}  // namespace wall
