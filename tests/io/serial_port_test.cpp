#include "io/serial_port.h"

#include <gtest/gtest.h>
#include <termios.h>

#include <fstream>
#include <mutex>
#include <random>

#include "port_test_support.h"

namespace wall {
namespace {

using namespace std::chrono_literals;
using test::bytesOf;
using test::eventually;
using test::PtyFarEnd;

// A port opened on a pseudo-terminal whose far end the test holds.
class PortOnPty : public ::testing::Test {
 protected:
  void SetUp() override { openWith(test::settingsOn(far.path())); }

  void openWith(const PortSettings& settings) {
    port.setSettings(settings);
    PortOpenFailure failure;
    ASSERT_TRUE(port.open(&failure)) << portOpenFailureText(failure, 1);
  }

  // Stops our output with XOFF (the line is set to XON/XOFF) and writes
  // packages until the send queue stays full; returns what was accepted.
  Bytes stopLineAndFillSendQueue() {
    PortSettings s = test::settingsOn(far.path());
    s.flowControl = 2;
    port.setSettings(s);
    far.send(Bytes{0x13});
    std::this_thread::sleep_for(50ms);
    Bytes accepted;
    const Bytes package(100, 0x41);
    for (int settle = 0; settle < 100; ++settle) {
      bool took = false;
      for (int i = 0; i < 1000 && port.writePackage(package) != 0; ++i) {
        accepted.insert(accepted.end(), package.begin(), package.end());
        took = true;
      }
      if (!took) break;
      // The port's thread may still move packages on to the line's buffer.
      std::this_thread::sleep_for(50ms);
    }
    return accepted;
  }

  PtyFarEnd far;
  SerialPort port{1};
};

TEST_F(PortOnPty, WritesGoOutAsExactlyTheirBytesInOrder) {
  // Every byte value, XON/XOFF and line ends included: a line that is not
  // raw would eat or translate some of them.
  std::mt19937 rng(7);
  Bytes expected;
  for (int i = 0; i < 200; ++i) {
    Bytes package(1 + rng() % 64);
    for (auto& b : package) b = static_cast<std::uint8_t>(rng());
    package[0] = static_cast<std::uint8_t>(i);
    ASSERT_EQ(port.writePackage(package), package.size());
    expected.insert(expected.end(), package.begin(), package.end());
  }
  Bytes largest(kPackageBytes);
  for (std::size_t i = 0; i < largest.size(); ++i) largest[i] = static_cast<std::uint8_t>(i * 7);
  ASSERT_EQ(port.writePackage(largest), kPackageBytes);
  expected.insert(expected.end(), largest.begin(), largest.end());

  EXPECT_EQ(far.waitForBytes(expected.size(), 5s), expected);
  EXPECT_TRUE(port.waitForWritten(1s));
}

TEST_F(PortOnPty, RefusesEmptyAndOversizedPackagesWhole) {
  EXPECT_EQ(port.writePackage(Bytes{}), 0u);
  EXPECT_EQ(port.writePackage(Bytes(kPackageBytes + 1, 0x55)), 0u);
  ASSERT_EQ(port.writePackage(bytesOf("ok")), 2u);
  EXPECT_EQ(far.waitForBytes(2, 2s), bytesOf("ok"));
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(far.received(), bytesOf("ok")) << "nothing of a refused package may go out";
}

TEST_F(PortOnPty, WritesSeparatedByAPauseArriveAsSeparatePackages) {
  port.writePackage(bytesOf("FIRST"));
  std::this_thread::sleep_for(100ms);
  port.writePackage(bytesOf("SECOND"));
  port.writePackage(bytesOf("THIRD"));  // no pause: the same package
  far.waitForBytes(16, 2s);
  const auto packages = test::packagesByQuiet(far.arrivals(), std::chrono::milliseconds(kPackageQuietMs));
  ASSERT_EQ(packages.size(), 2u);
  EXPECT_EQ(packages[0], bytesOf("FIRST"));
  EXPECT_EQ(packages[1], bytesOf("SECONDTHIRD"));
}

TEST_F(PortOnPty, ReceivedBytesFormOnePackageUntilTheLineIsQuiet) {
  far.send(bytesOf("AB"));
  std::this_thread::sleep_for(5ms);
  far.send(bytesOf("CD"));
  std::this_thread::sleep_for(150ms);
  far.send(bytesOf("EF"));

  auto first = port.waitForPackage(2s);
  ASSERT_TRUE(first);
  EXPECT_EQ(*first, bytesOf("ABCD"));
  auto second = port.waitForPackage(2s);
  ASSERT_TRUE(second);
  EXPECT_EQ(*second, bytesOf("EF"));
  EXPECT_FALSE(port.readPackage());
}

TEST_F(PortOnPty, APackageIsNotHandedOverBeforeTheQuietInterval) {
  far.send(bytesOf("X"));
  const auto sent = test::Clock::now();
  auto package = port.waitForPackage(2s);
  const auto handedOver = test::Clock::now();
  ASSERT_TRUE(package);
  EXPECT_EQ(*package, bytesOf("X"));
  EXPECT_GE(handedOver - sent, std::chrono::milliseconds(kPackageQuietMs));
}

TEST_F(PortOnPty, ABurstLongerThanAPackageGoesOnInTheNext) {
  Bytes burst(5000);
  for (std::size_t i = 0; i < burst.size(); ++i) burst[i] = static_cast<std::uint8_t>(i % 251);
  far.send(burst);
  auto first = port.waitForPackage(2s);
  auto second = port.waitForPackage(2s);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(*first, Bytes(burst.begin(), burst.begin() + kPackageBytes));
  EXPECT_EQ(*second, Bytes(burst.begin() + kPackageBytes, burst.end()));
}

TEST_F(PortOnPty, ReadCutsTheOldestPackageToTheMaximum) {
  far.send(bytesOf("0123456789"));
  ASSERT_TRUE(eventually([&] { return port.packagesWaiting() == 1; }, 2s));
  far.send(bytesOf("next"));
  ASSERT_TRUE(eventually([&] { return port.packagesWaiting() == 2; }, 2s));
  std::uint8_t buffer[16] = {};
  ASSERT_EQ(port.readPackage(buffer, 4), 4u);
  EXPECT_EQ(Bytes(buffer, buffer + 4), bytesOf("0123"));
  // The rest of the cut package is gone; the next read is the next package.
  ASSERT_EQ(port.readPackage(buffer, sizeof buffer), 4u);
  EXPECT_EQ(Bytes(buffer, buffer + 4), bytesOf("next"));
  EXPECT_EQ(port.readPackage(buffer, sizeof buffer), 0u);
}

TEST_F(PortOnPty, AFullReceiveQueueKeepsTheNewestPackages) {
  const int sent = static_cast<int>(kReceiveQueuePackages) + 4;
  for (int i = 0; i < sent; ++i) {
    far.send(Bytes{static_cast<std::uint8_t>(i)});
    ASSERT_TRUE(eventually([&] { return port.packagesWaiting() + port.droppedPackages() == std::size_t(i + 1); }, 2s))
        << "package " << i;
  }
  EXPECT_EQ(port.packagesWaiting(), kReceiveQueuePackages);
  EXPECT_EQ(port.droppedPackages(), 4u);
  for (int i = 4; i < sent; ++i) {
    auto package = port.readPackage();
    ASSERT_TRUE(package);
    EXPECT_EQ(*package, Bytes{static_cast<std::uint8_t>(i)});
  }
  EXPECT_FALSE(port.readPackage());
}

TEST_F(PortOnPty, AClosedPortDropsWrites) {
  port.close();
  EXPECT_EQ(port.state(), PortState::Closed);
  EXPECT_EQ(port.writePackage(bytesOf("lost")), 0u);
  EXPECT_EQ(port.writePackageWaiting(bytesOf("lost"), test::Clock::now() + 1s), SendOutcome::Dropped);
  std::this_thread::sleep_for(100ms);
  EXPECT_TRUE(far.received().empty());

  SerialPort neverOpened(2);
  EXPECT_EQ(neverOpened.writePackage(bytesOf("lost")), 0u);
}

TEST_F(PortOnPty, AFullSendQueueRefusesAndAWaitingWriterGetsThrough) {
  Bytes expected = stopLineAndFillSendQueue();
  ASSERT_EQ(port.writePackage(Bytes(100, 0x41)), 0u) << "the send queue never filled";
  EXPECT_GE(expected.size(), kSendQueuePackages * 100);

  std::atomic<bool> cancel{false};
  std::thread resume([&] {
    std::this_thread::sleep_for(100ms);
    far.send(Bytes{0x11});
  });
  const Bytes last = bytesOf("last");
  EXPECT_EQ(port.writePackageWaiting(last, test::Clock::now() + 5s, &cancel), SendOutcome::Sent);
  resume.join();
  expected.insert(expected.end(), last.begin(), last.end());
  EXPECT_EQ(far.waitForBytes(expected.size(), 5s), expected);
}

TEST_F(PortOnPty, AWaitingWriterCanBeCancelled) {
  stopLineAndFillSendQueue();
  std::atomic<bool> cancel{false};
  std::thread canceller([&] {
    std::this_thread::sleep_for(50ms);
    cancel = true;
  });
  EXPECT_EQ(port.writePackageWaiting(bytesOf("x"), test::Clock::now() + 10s, &cancel), SendOutcome::Cancelled);
  canceller.join();
  far.send(Bytes{0x11});
}

TEST_F(PortOnPty, AnotherPathClosesThePort) {
  PtyFarEnd other;
  port.setSettings(test::settingsOn(other.path()));
  EXPECT_EQ(port.state(), PortState::Closed);
  ASSERT_TRUE(port.open());
  port.writePackage(bytesOf("here"));
  EXPECT_EQ(other.waitForBytes(4, 2s), bytesOf("here"));
  EXPECT_TRUE(far.received().empty());
}

TEST_F(PortOnPty, NewLineValuesApplyWithoutClosing) {
  PortSettings s = test::settingsOn(far.path());
  s.baud = 12;
  port.setSettings(s);
  EXPECT_EQ(port.state(), PortState::Open);
  termios t{};
  ASSERT_EQ(::tcgetattr(far.slaveFd(), &t), 0);
  EXPECT_EQ(cfgetospeed(&t), speed_t(B115200));

  s.baud = 99;  // outside the table: the port cannot go on with it
  port.setSettings(s);
  EXPECT_EQ(port.state(), PortState::Closed);
}

TEST(SerialPort, ASecondPortCannotTakeAnOpenDevice) {
  PtyFarEnd far;
  SerialPort first(1), second(2);
  first.setSettings(test::settingsOn(far.path()));
  second.setSettings(test::settingsOn(far.path(), 2));
  ASSERT_TRUE(first.open());
  PortOpenFailure failure;
  EXPECT_FALSE(second.open(&failure));
  EXPECT_EQ(failure.problem, PortOpenProblem::Busy) << portOpenFailureText(failure, 1);
  EXPECT_EQ(second.state(), PortState::Closed);
}

struct OpenCase {
  const char* name;
  std::function<void(PortSettings&, const std::string& pty, const std::string& plainFile)> edit;
  PortOpenProblem problem;
  PortSettingFault fault;
};

class PortOpenFailures : public ::testing::TestWithParam<OpenCase> {};

TEST_P(PortOpenFailures, RefuseWithTheReason) {
  PtyFarEnd far;
  test::TempFolder folder;
  const std::string plain = folder.file("not-a-tty");
  std::ofstream(plain) << "text";
  PortSettings s = test::settingsOn(far.path());
  GetParam().edit(s, far.path(), plain);

  SerialPort port(3);
  port.setSettings(s);
  PortOpenFailure failure;
  EXPECT_FALSE(port.open(&failure));
  EXPECT_EQ(port.state(), PortState::Closed);
  EXPECT_EQ(failure.device, 3);
  EXPECT_EQ(failure.problem, GetParam().problem) << portOpenFailureText(failure, 1);
  EXPECT_EQ(failure.fault, GetParam().fault);
  EXPECT_FALSE(portOpenFailureText(failure, 0).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortOpenFailures,
    ::testing::Values(
        OpenCase{"NotUsed", [](PortSettings& s, auto&, auto&) { s.device.clear(); s.portNo = 0; },
                 PortOpenProblem::NotUsed, PortSettingFault::None},
        OpenCase{"Missing", [](PortSettings& s, auto&, auto&) { s.device = "/dev/wall-no-such-port"; },
                 PortOpenProblem::NotFound, PortSettingFault::None},
        OpenCase{"NotATerminal", [](PortSettings& s, auto&, auto& plain) { s.device = plain; },
                 PortOpenProblem::Other, PortSettingFault::None},
        OpenCase{"BaudIndex", [](PortSettings& s, auto&, auto&) { s.baud = 15; }, PortOpenProblem::BadSetting,
                 PortSettingFault::BaudIndex},
        OpenCase{"NegativeBaudIndex", [](PortSettings& s, auto&, auto&) { s.baud = -1; },
                 PortOpenProblem::BadSetting, PortSettingFault::BaudIndex},
        OpenCase{"Parity", [](PortSettings& s, auto&, auto&) { s.parity = 5; }, PortOpenProblem::BadSetting,
                 PortSettingFault::Parity},
        OpenCase{"ByteSize", [](PortSettings& s, auto&, auto&) { s.byteSize = 9; }, PortOpenProblem::BadSetting,
                 PortSettingFault::ByteSize},
        OpenCase{"StopBits", [](PortSettings& s, auto&, auto&) { s.stopBits = 3; }, PortOpenProblem::BadSetting,
                 PortSettingFault::StopBits},
        OpenCase{"OneAndHalfStopBitsWithEightDataBits", [](PortSettings& s, auto&, auto&) { s.stopBits = 1; },
                 PortOpenProblem::BadSetting, PortSettingFault::OneAndHalfStopBits},
        OpenCase{"FlowControl", [](PortSettings& s, auto&, auto&) { s.flowControl = 5; },
                 PortOpenProblem::BadSetting, PortSettingFault::FlowControl}),
    [](const auto& param) { return std::string(param.param.name); });

// Every stored line opens on a pseudo-terminal (which ignores what it cannot
// do), and what the terminal can show is what was asked for.
struct LineCase {
  std::int32_t baud, byteSize, stopBits, flow;
  speed_t speed;  // 0: a rate without a constant of its own
  bool twoStop, rtsCts, ixon, ixoff;
};

class LineOnPty : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineOnPty, OpensWithTheStoredLine) {
  const LineCase& c = GetParam();
  PtyFarEnd far;
  PortSettings s = test::settingsOn(far.path());
  s.baud = c.baud;
  s.byteSize = c.byteSize;
  s.stopBits = c.stopBits;
  s.flowControl = c.flow;
  SerialPort port(1);
  port.setSettings(s);
  PortOpenFailure failure;
  ASSERT_TRUE(port.open(&failure)) << portOpenFailureText(failure, 1);
  termios t{};
  ASSERT_EQ(::tcgetattr(far.slaveFd(), &t), 0);
  if (c.speed) {
    EXPECT_EQ(cfgetospeed(&t), c.speed);
  }
  EXPECT_EQ((t.c_cflag & CSTOPB) != 0, c.twoStop);
  EXPECT_EQ((t.c_cflag & CRTSCTS) != 0, c.rtsCts);
  EXPECT_EQ((t.c_iflag & IXON) != 0, c.ixon);
  EXPECT_EQ((t.c_iflag & IXOFF) != 0, c.ixoff);
  EXPECT_EQ(t.c_iflag & IXANY, 0u) << "any byte restarting output is not XON/XOFF";
}

INSTANTIATE_TEST_SUITE_P(Cases, LineOnPty,
                         ::testing::Values(LineCase{6, 8, 0, 0, B9600, false, false, false, false},
                                           LineCase{0, 8, 0, 1, B110, false, true, false, false},
                                           LineCase{12, 7, 2, 2, B115200, true, false, true, true},
                                           LineCase{7, 8, 0, 3, 0, false, false, true, false},
                                           LineCase{14, 6, 0, 4, 0, false, true, true, true},
                                           LineCase{3, 5, 1, 0, B1200, true, false, false, false}));

}  // namespace
}  // namespace wall
