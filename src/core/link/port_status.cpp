#include "core/link/port_status.h"

namespace wall {

PortStatusTexts portStatusTexts(const PortSettings& wallPort, bool open, int language) {
  const bool chinese = language == 0;
  const std::string name =
      wallPort.device.empty() ? "COM" + std::to_string(wallPort.portNo) : wallPort.device;
  const auto rate = baudRate(wallPort.baud);
  const std::string rateText = rate ? std::to_string(*rate) : "?";
  PortStatusTexts t;
  t.port = (chinese ? "串口: " : "Serial: ") + name;
  t.baud = (chinese ? "波特率: " : "Baud: ") + rateText;
  // "Satus" is the text operators know from the earlier program.
  if (chinese) {
    t.state = open ? "串口状态: 打开" : "串口状态: 打开失败";
  } else {
    t.state = open ? "Com Satus: Open" : "Com Satus: failure";
  }
  return t;
}

}  // namespace wall
