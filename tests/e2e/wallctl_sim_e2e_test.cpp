// wallctl send against wallctl sim on a pseudo-terminal: two separate
// programs, a real line between them, and what the simulated wall decoded.

#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>

#include "../cli/run_wallctl.h"
#include "child_process.h"

namespace wall::test {
namespace {

using namespace std::chrono_literals;
using Args = std::vector<std::string>;

class WallctlAgainstSim : public ::testing::Test {
 protected:
  void start(const std::string& cmdForm) {
    sim = std::make_unique<ChildProcess>(WALLCTL_PATH, Args{"sim", "--link", link, "--cmd-form", cmdForm});
    ASSERT_TRUE(sim->waitForLine("sim: wall", 5s)) << "the simulated wall did not start";
    ASSERT_TRUE(std::filesystem::is_symlink(link));
  }
  // wallctl send with the settings' wall port on the link.
  RunResult send(Args args) {
    args.insert(args.begin(), {"--settings", dir.file("Setting.ini")});
    return runWallctl(args);
  }
  void expectDecoded(const std::string& line) {
    const auto got = sim->waitForLine(line, 5s);
    EXPECT_TRUE(got) << "not decoded: " << line;
  }

  TempDir dir;
  std::string link = dir.file("wall");
  std::unique_ptr<ChildProcess> sim;
};

TEST_F(WallctlAgainstSim, PowerOnAndAValueWrittenReachTheSimulatedUnits) {
  start("0");
  dir.write("Setting.ini", "[YbCommDevice1 Com Set]\nDevice=" + link + "\n");
  RunResult r = send({"--select", "1,1,2,2", "send", "incdec", "0x10", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  expectDecoded("FB B0 22 33 10 01 AE  command 10 = 1 units 2:2-3:3");
  r = send({"--cmd-form", "0", "send", "write", "0x41", "77"});
  ASSERT_EQ(r.status, 0) << r.err;
  expectDecoded("value 41 = 77 units 1:1-1:1");
}

TEST_F(WallctlAgainstSim, EightByteValuesArriveWhole) {
  start("1");
  const RunResult r_ = send({"--cmd-form", "1", "send", "--device", link, "write", "0x41", "300"});
  ASSERT_EQ(r_.status, 0) << r_.err;
  expectDecoded("FB B1 11 11 41 2C 01 AE  value 41 = 300");
}

TEST_F(WallctlAgainstSim, AMatrixSwitchThroughTheWallPort) {
  start("0");
  // A VGA matrix (brand 3, one FF frame per output) with no port of its
  // own: its packets go out on the wall port, unwrapped, and the simulated
  // matrices pick them out of the stream.
  dir.write("Setting.ini", "[YbCommDevice1 Com Set]\nDevice=" + link +
                               "\n[SETTING]\nRow=2\nCol=2\n[Matrix]\nVGA_Company=3\nVGA_ID=1\nMatrix_VGA_InputMax=16\n"
                               "Matrix_VGA_DelayTime=0\n");
  RunResult r = send({"--select", "0,0,1,1", "send", "matrix", "0", "7"});
  ASSERT_EQ(r.status, 0) << r.err;
  for (int out = 1; out <= 4; ++out) expectDecoded("FF frame id 1: in 7 -> out " + std::to_string(out));
  r = send({"--select", "0,0,1,1", "send", "incdec", "0x30", "0x0C"});
  ASSERT_EQ(r.status, 0) << r.err;
  expectDecoded("command 30 = 12 units 1:1-2:2");
  for (const std::string& line : sim->output()) EXPECT_EQ(line.find("unknown"), std::string::npos) << line;
}

// A value written to part of the wall is read back from every command
// format's reply layout; a unit never written answers the unit default.
struct ReadBackCase {
  const char* cmdForm;
  const char* value;
};

class WallctlReadAgainstSim : public WallctlAgainstSim, public ::testing::WithParamInterface<ReadBackCase> {};

TEST_P(WallctlReadAgainstSim, AValueWrittenIsReadBackAndTheSourcesOfASelection) {
  const ReadBackCase& c = GetParam();
  start(c.cmdForm);
  dir.write("Setting.ini", "[YbCommDevice1 Com Set]\nDevice=" + link + "\n[SETTING]\nRow=2\nCol=2\nCmdForm=" +
                               c.cmdForm + "\n");
  RunResult r = send({"--select", "0,1,1,1", "send", "write", "0x41", c.value});
  ASSERT_EQ(r.status, 0) << r.err;
  r = send({"--select", "1,1,1,1", "read", "0x41"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, std::string(c.value) + "\n");
  // Unit 1:1 was outside the selection written.
  r = send({"--select", "0,0,0,0", "read", "0x41"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out, std::string(c.value) + "\n");

  // The top row switched to wall input 0x0C (VGA); the bottom row has none.
  r = send({"--select", "0,0,0,1", "send", "incdec", "0x30", "0x0C"});
  ASSERT_EQ(r.status, 0) << r.err;
  r = send({"--select", "0,0,1,1", "read-sources"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1 1 VGA\n1 2 VGA\n2 1 -\n2 2 -\n");
  // Stored as the desktop program stores its source reads.
  const std::string ini = dir.read("Setting.ini");
  EXPECT_NE(ini.find("Source0=0"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Source1=0"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Source3=12"), std::string::npos) << ini;
}

INSTANTIATE_TEST_SUITE_P(EveryCommandFormat, WallctlReadAgainstSim,
                         ::testing::Values(ReadBackCase{"0", "77"}, ReadBackCase{"1", "300"}, ReadBackCase{"2", "200"},
                                           ReadBackCase{"3", "5"}),
                         [](const auto& param) { return std::string("CmdForm") + param.param.cmdForm; });

TEST_F(WallctlAgainstSim, AReadTheWallDoesNotAnswerFailsWithStatusOne) {
  // The simulated wall is 8 × 8 by default: unit 9:9 does not exist, so no
  // reply comes.
  start("0");
  dir.write("Setting.ini", "[YbCommDevice1 Com Set]\nDevice=" + link + "\n[SETTING]\nRow=9\nCol=9\n");
  const RunResult r = send({"--select", "8,8,8,8", "read", "0x41", "--polls", "5"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("no reply to the read of code 65 within 5 polls"), std::string::npos) << r.err;
}

TEST_F(WallctlAgainstSim, RecallNoticeOnDemandAndALinkRemovedAtTheEnd) {
  start("2");
  sim->writeInput("recall 3\n");
  EXPECT_TRUE(sim->waitForLine("sent FA F5 52 65 63 61 6C 6C 02 2E", 5s));
  EXPECT_EQ(sim->stop(SIGTERM, 5s), 0);
  EXPECT_FALSE(std::filesystem::exists(link) || std::filesystem::is_symlink(link));
}

}  // namespace
}  // namespace wall::test
