#include "core/link/port_status.h"

#include <gtest/gtest.h>

namespace wall {
namespace {

struct StatusCase {
  const char* name;
  PortSettings settings;
  bool open;
  int language;
  PortStatusTexts expected;
};

PortSettings with(std::int32_t portNo, std::int32_t baud, std::string device = {}) {
  PortSettings s = PortSettings::defaultsFor(1);
  s.portNo = portNo;
  s.baud = baud;
  s.device = std::move(device);
  return s;
}

class PortStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(PortStatus, TextsOfPanelsZeroToTwo) {
  const StatusCase& c = GetParam();
  EXPECT_EQ(portStatusTexts(c.settings, c.open, c.language), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortStatus,
    ::testing::Values(
        StatusCase{"DefaultsChineseOpen", PortSettings::defaultsFor(1), true, 0,
                   {"串口: COM1", "波特率: 9600", "串口状态: 打开"}},
        StatusCase{"DefaultsChineseFailed", PortSettings::defaultsFor(1), false, 0,
                   {"串口: COM1", "波特率: 9600", "串口状态: 打开失败"}},
        StatusCase{"EnglishOpen", with(3, 12), true, 1, {"Serial: COM3", "Baud: 115200", "Com Satus: Open"}},
        // Every language flag other than 0 is English.
        StatusCase{"EnglishFailedAnyFlag", with(2, 0), false, 7, {"Serial: COM2", "Baud: 110", "Com Satus: failure"}},
        StatusCase{"HighestRate", with(1, 14), true, 1, {"Serial: COM1", "Baud: 256000", "Com Satus: Open"}},
        StatusCase{"IndexOutsideTheTable", with(1, 15), false, 1, {"Serial: COM1", "Baud: ?", "Com Satus: failure"}},
        StatusCase{"DevicePath", with(1, 6, "/dev/serial/by-id/usb-x"), true, 0,
                   {"串口: /dev/serial/by-id/usb-x", "波特率: 9600", "串口状态: 打开"}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace wall
