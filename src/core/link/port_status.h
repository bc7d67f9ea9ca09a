#pragma once
// The wall port's texts in the main window's status bar: panel 0 the port,
// panel 1 the baud rate, panel 2 whether the port is open. Refreshed after the
// serial-port dialog's save and on every language change.

#include <string>

#include "core/settings/port_settings.h"

namespace wall {

struct PortStatusTexts {
  std::string port;   // panel 0: "串口: COM1" / "Serial: COM1"
  std::string baud;   // panel 1: "波特率: 9600" / "Baud: 9600"
  std::string state;  // panel 2: "串口状态: 打开" / "Com Satus: Open"
  bool operator==(const PortStatusTexts&) const = default;
};

// `language` is the Language setting: 0 Chinese, anything else English.
// A port named by its Device path shows that path instead of "COM" and a
// number, since the number says nothing on such a port. A baud index outside
// the table shows as "?": the port refuses to open with it.
PortStatusTexts portStatusTexts(const PortSettings& wallPort, bool open, int language);

}  // namespace wall
