// wallctl send and run-script against pseudo-terminals: what reaches the far
// end of the line, and the exit statuses a calling script sees.
#include <gtest/gtest.h>

#include "../io/pty_far_end.h"
#include "core/link/script.h"
#include "run_wallctl.h"

namespace wall::test {
namespace {

using namespace std::chrono_literals;
using Args = std::vector<std::string>;

Bytes bytesOfHex(std::initializer_list<int> values) {
  Bytes out;
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

class WallctlSend : public ::testing::Test {
 protected:
  RunResult run(Args args, const std::string& input = {}) {
    args.insert(args.begin(), {"--settings", dir.file("Setting.ini")});
    return runWallctl(args, input);
  }

  // The bytes `script OP ...` says the operation sends on device 1.
  Bytes scriptBytes(const Args& globalAndOp) {
    Args args = globalAndOp;
    auto at = std::find(args.begin(), args.end(), "OP");
    *at = "script";
    const RunResult r = run(args);
    EXPECT_EQ(r.status, 0) << r.err;
    const ScriptParse parsed = parseScript(r.out);
    EXPECT_TRUE(parsed.ok()) << parsed.error;
    Bytes out;
    for (const Step& step : parsed.script.steps()) {
      const auto& send = std::get<SendStep>(step);
      EXPECT_EQ(send.device, 1);
      out.insert(out.end(), send.bytes.begin(), send.bytes.end());
    }
    return out;
  }

  TempDir dir;
  PtyFarEnd wall;
};

class WallctlSendOps : public WallctlSend, public ::testing::WithParamInterface<Args> {};

TEST_P(WallctlSendOps, SendsExactlyWhatScriptPrints) {
  // GetParam(): global options, "OP", the operation and its arguments.
  const Bytes expected = scriptBytes(GetParam());
  ASSERT_FALSE(expected.empty());
  Args args = GetParam();
  auto at = std::find(args.begin(), args.end(), "OP");
  *at = "send";
  args.insert(at + 1, {"--device", wall.path()});
  const RunResult r = run(args);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(wall.waitForBytes(expected.size(), 2s), expected);
}

INSTANTIATE_TEST_SUITE_P(Ops, WallctlSendOps,
                         ::testing::Values(Args{"OP", "write", "0x41", "50"},
                                           Args{"--cmd-form", "2", "--select", "0,0,1,1", "OP", "incdec", "0x30", "3"},
                                           Args{"--cmd-form", "1", "OP", "write", "0x41", "300"},
                                           Args{"OP", "dahlia-rgb", "1", "2", "3"},
                                           Args{"OP", "raw", "f5 b0 11 ff 40 01 ae"}));

TEST_F(WallctlSend, TheWallPortComesFromTheDeviceKey) {
  dir.write("Setting.ini", "[YbCommDevice1 Com Set]\nDevice=" + wall.path() + "\nBaud=12\n");
  const RunResult r = run({"send", "raw", "01 02 03"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(wall.waitForBytes(3, 2s), bytesOfHex({0x01, 0x02, 0x03}));
}

TEST_F(WallctlSend, APortThatDoesNotOpenIsStatusTwoWithItsMessage) {
  dir.write("Setting.ini", "[YbCommDevice1 Com Set]\nDevice=/dev/wall-absent\n");
  const RunResult r = run({"send", "write", "0x41", "50"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "wallctl: Serial port /dev/wall-absent does not exist\n");

  const RunResult bad = run({"send", "--device", wall.path(), "write", "0x41", "999999999999"});
  EXPECT_EQ(bad.status, 2) << "bad input is refused before any port opens";
  std::this_thread::sleep_for(100ms);
  EXPECT_TRUE(wall.received().empty());
}

TEST_F(WallctlSend, ABusyPortIsRefused) {
  // Another program holds the wall port: the tool must not share it.
  const std::string settings = "[YbCommDevice1 Com Set]\nDevice=" + wall.path() + "\n";
  dir.write("Setting.ini", settings);
  Args first = {"--settings", dir.file("Setting.ini"), "run-script", "-"};
  std::thread holder([&] { runWallctl(first, "send 1 01\npause 1500\nsend 1 02\n"); });
  ASSERT_EQ(wall.waitForBytes(1, 2s).size(), 1u);
  const RunResult r = run({"send", "raw", "AA"});
  holder.join();
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("in use"), std::string::npos) << r.err;
  EXPECT_EQ(wall.received(), bytesOfHex({0x01, 0x02}));
}

TEST_F(WallctlSend, RunScriptKeepsItsPausesAndItsPorts) {
  PtyFarEnd matrix;
  dir.write("Setting.ini", "[YbCommDevice2 Com Set]\nPortNo=2\nDevice=" + matrix.path() + "\n");
  dir.write("replay.txt", "# recall\nsend 1 01 02\npause 120\nsend 2 AA BB\nsend 1 03\n");
  const RunResult r = run({"run-script", "--device", wall.path(), dir.file("replay.txt")});
  EXPECT_EQ(r.status, 0) << r.err;
  wall.waitForBytes(3, 2s);
  EXPECT_EQ(packagesByQuiet(wall.arrivals(), 50ms), (std::vector<Bytes>{bytesOfHex({1, 2}), bytesOfHex({3})}));
  EXPECT_EQ(matrix.waitForBytes(2, 2s), bytesOfHex({0xAA, 0xBB}));
}

TEST_F(WallctlSend, SendsLostToAPortThatWentAwayAreAFailure) {
  RunResult r;
  std::thread tool([&] { r = run({"run-script", "--device", wall.path(), "-"}, "send 1 01\npause 600\nsend 1 02\n"); });
  ASSERT_EQ(wall.waitForBytes(1, 2s).size(), 1u);
  wall.hangUp();
  tool.join();
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "wallctl: 1 of 2 sends dropped: a port went away while the script ran\n");
}

TEST_F(WallctlSend, RunScriptReadsStandardInput) {
  const RunResult r = run({"run-script", "--device", wall.path(), "-"}, "send 1 FB B0 00 00 10 01 AE\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(wall.waitForBytes(7, 2s), bytesOfHex({0xFB, 0xB0, 0x00, 0x00, 0x10, 0x01, 0xAE}));
}

struct BadScript {
  const char* text;
  const char* message;
};

class WallctlBadScripts : public WallctlSend, public ::testing::WithParamInterface<BadScript> {};

TEST_P(WallctlBadScripts, AreStatusTwoAndSendNothing) {
  dir.write("Setting.ini", "[YbCommDevice1 Com Set]\nDevice=" + wall.path() + "\n");
  const RunResult r = run({"run-script", "-"}, GetParam().text);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, std::string("wallctl: ") + GetParam().message + "\n");
  std::this_thread::sleep_for(100ms);
  EXPECT_TRUE(wall.received().empty()) << "not even the good lines before the bad one";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WallctlBadScripts,
    ::testing::Values(BadScript{"send 1 01\nsend 1 0G\n", "standard input: line 2: not a hexadecimal byte: 0G"},
                      BadScript{"send 1 01\npause soon\n", "standard input: line 2: pause needs milliseconds from 0 to 86400000"},
                      BadScript{"send 1 01\nsend 3 AA\n", "Device 3 has no serial port (PortNo = 0)"}));

TEST_F(WallctlSend, AMissingScriptFileIsStatusTwo) {
  const RunResult r = run({"run-script", dir.file("nothing.txt")});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "wallctl: cannot read " + dir.file("nothing.txt") + "\n");
}

}  // namespace
}  // namespace wall::test
