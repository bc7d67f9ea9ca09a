#include "core/link/port_open_failure.h"

#include <gtest/gtest.h>

namespace wall {
namespace {

struct CheckCase {
  std::int32_t baud, parity, byteSize, stopBits, flow;
  PortSettingFault expected;
};

class PortSettingCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(PortSettingCheck, RefusesOnlyWhatNoLineCanDo) {
  const CheckCase& c = GetParam();
  PortSettings s;
  s.baud = c.baud;
  s.parity = c.parity;
  s.byteSize = c.byteSize;
  s.stopBits = c.stopBits;
  s.flowControl = c.flow;
  EXPECT_EQ(checkPortSettings(s), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PortSettingCheck,
                         ::testing::Values(CheckCase{6, 0, 8, 0, 0, PortSettingFault::None},
                                           CheckCase{0, 4, 5, 1, 4, PortSettingFault::None},
                                           CheckCase{14, 3, 7, 2, 3, PortSettingFault::None},
                                           CheckCase{15, 0, 8, 0, 0, PortSettingFault::BaudIndex},
                                           CheckCase{-1, 0, 8, 0, 0, PortSettingFault::BaudIndex},
                                           CheckCase{6, 5, 8, 0, 0, PortSettingFault::Parity},
                                           CheckCase{6, -1, 8, 0, 0, PortSettingFault::Parity},
                                           CheckCase{6, 0, 4, 0, 0, PortSettingFault::ByteSize},
                                           CheckCase{6, 0, 9, 0, 0, PortSettingFault::ByteSize},
                                           CheckCase{6, 0, 8, 3, 0, PortSettingFault::StopBits},
                                           CheckCase{6, 0, 6, 1, 0, PortSettingFault::OneAndHalfStopBits},
                                           CheckCase{6, 0, 8, 1, 0, PortSettingFault::OneAndHalfStopBits},
                                           CheckCase{6, 0, 8, 0, 5, PortSettingFault::FlowControl}));

TEST(PortOpenFailure, NamesTheRefusedSettingAndItsValue) {
  PortSettings s = PortSettings::defaultsFor(2);
  s.device = "/dev/ttyUSB0";
  s.baud = 20;
  PortOpenFailure f;
  ASSERT_TRUE(settingFailure(2, s, f));
  EXPECT_EQ(f.problem, PortOpenProblem::BadSetting);
  EXPECT_EQ(f.fault, PortSettingFault::BaudIndex);
  EXPECT_EQ(f.value, 20);
  EXPECT_EQ(portOpenFailureText(f, 1),
            "Invalid setting for serial port /dev/ttyUSB0: Baud = 20 (the baud-rate index is 0 to 14)");
  EXPECT_EQ(portOpenFailureText(f, 0), "串口 /dev/ttyUSB0 的设置无效: Baud = 20（波特率序号应为 0 到 14）");

  s.baud = 6;
  EXPECT_FALSE(settingFailure(2, s, f));
}

TEST(PortOpenFailure, EveryProblemHasATextInBothLanguagesNamingThePort) {
  for (auto problem : {PortOpenProblem::NotFound, PortOpenProblem::NoPermission, PortOpenProblem::Busy,
                       PortOpenProblem::Other}) {
    PortOpenFailure f;
    f.path = "/dev/ttyS0";
    f.problem = problem;
    f.detail = "Input/output error";
    const std::string zh = portOpenFailureText(f, 0);
    const std::string en = portOpenFailureText(f, 1);
    EXPECT_NE(zh.find("/dev/ttyS0"), std::string::npos) << zh;
    EXPECT_NE(en.find("/dev/ttyS0"), std::string::npos) << en;
    EXPECT_NE(zh, en);
  }
  PortOpenFailure unused;
  unused.device = 4;
  unused.problem = PortOpenProblem::NotUsed;
  EXPECT_EQ(portOpenFailureText(unused, 1), "Device 4 has no serial port (PortNo = 0)");
}

}  // namespace
}  // namespace wall
