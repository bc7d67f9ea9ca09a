// wallctl script/send switch and wallctl roll, run as the binary: the
// input-control confirm from the settings, the sources `send` stores, and
// roll polling headless (on a virtual clock and on a pseudo-terminal).
#include <gtest/gtest.h>

#include "../io/pty_far_end.h"
#include "core/link/script.h"
#include "run_wallctl.h"

namespace wall::test {
namespace {

using namespace std::chrono_literals;
using Args = std::vector<std::string>;

// Fennel (product 6) on a 2 × 2 wall wired one to one; DVI "ZC001".
// `setting` and `matrix` add keys to those sections.
std::string fennelDvi(const std::string& setting = {}, const std::string& matrix = {}) {
  return "[SETTING]\nRow=2\nCol=2\nMatrixToScreenTime=150\n" + setting +
         "[Matrix]\nDVI_Company=33\nMatrix_DVI_DelayTime=0\n" + matrix + "[Unit14]\nsuiRadioGroup1=0\nComboBox3=1\n";
}
const std::string kFennelDvi = fennelDvi();

class WallctlSwitch : public ::testing::Test {
 protected:
  RunResult run(Args args) {
    args.insert(args.begin(), {"--settings", dir.file("Setting.ini")});
    return runWallctl(args);
  }
  TempDir dir;
};

TEST_F(WallctlSwitch, ScriptIsTheConfirmOfTheDialog) {
  struct Case {
    std::string settings;
    Args args;
    std::string out;
  };
  const std::vector<Case> cases = {
      // "HDMI" (entry 5), the stored DVI input 2, matrix first.
      // (A matrix delay of 0 ms makes no pause step.)
      {kFennelDvi, {"script", "switch", "5"}, "send 1 FF 01 03 02 01 AA\npause 150\nsend 1 FB B0 11 11 30 0F AE\n"},
      {kFennelDvi,
       {"--select", "0,0,0,1", "script", "switch", "4", "--input", "3", "--single", "--switch-type", "0"},
       "send 1 FF 01 03 03 01 AA\nsend 1 FF 01 03 03 02 AA\npause 150\nsend 1 FB B0 11 12 31 0E AE\n"},
      // SwitchOrder 1: the wall first.
      {fennelDvi("SwitchOrder=1\n"), {"script", "switch", "4"},
       "send 1 FB B0 11 11 30 0E AE\npause 150\nsend 1 FF 01 03 02 01 AA\n"},
      // Matrix_Use 0: the wall command alone.
      {fennelDvi("", "Matrix_Use=0\n"), {"script", "switch", "4"}, "pause 150\nsend 1 FB B0 11 11 30 0E AE\n"},
      // "SVIDEO" has no matrix.
      {kFennelDvi, {"script", "switch", "2"}, "pause 150\nsend 1 FB B0 11 11 30 09 AE\n"},
  };
  for (const Case& c : cases) {
    dir.write("Setting.ini", c.settings);
    const RunResult r = run(c.args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.out) << c.args.back();
  }
}

TEST_F(WallctlSwitch, BadArgumentsAreUsageErrors) {
  dir.write("Setting.ini", kFennelDvi);
  for (const Args& args : {Args{"script", "switch", "6"}, Args{"script", "switch", "4", "--input", "5"},
                           Args{"script", "switch", "2", "--input", "1"}, Args{"script", "switch"},
                           Args{"script", "switch", "4", "--channel", "4"}}) {
    const RunResult r = run(args);
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(WallctlSwitch, SendGoesOutAndStoresTheSources) {
  PtyFarEnd wall;
  dir.write("Setting.ini", kFennelDvi);
  const RunResult r = run({"--select", "1,0,1,1", "send", "--device", wall.path(), "switch", "4"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Bytes expected = {0xFF, 0x01, 0x03, 0x02, 0x03, 0xAA, 0xFF, 0x01, 0x03, 0x02, 0x04, 0xAA,
                          0xFB, 0xB0, 0x21, 0x22, 0x30, 0x0E, 0xAE};
  EXPECT_EQ(wall.waitForBytes(expected.size(), 2s), expected);
  const std::string text = dir.read("Setting.ini");
  EXPECT_NE(text.find("Source2=10"), std::string::npos) << text;
  EXPECT_NE(text.find("Source3=10"), std::string::npos) << text;
  EXPECT_EQ(text.find("Source0="), std::string::npos) << text;
}

TEST_F(WallctlSwitch, KestrelChannelOption) {
  dir.write("Setting.ini",
            "[System]\nBoardSel=10\n[SETTING]\nRow=1\nCol=1\nMatrixToScreenTime=0\n[Matrix]\nAV_Company=4\n"
            "Matrix_AV_DelayTime=0\nMatrix_AV_OutputStr2=9\n[Unit14]\nsuiRadioGroup1=0\n");
  // "QUAD" (entry 5) with channel 2: the unit's AV3 entry, wired to output 9.
  const RunResult r = run({"script", "switch", "5", "--channel", "2"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "send 1 FF 01 03 01 09 AA\npause 0\nsend 1 FB B0 11 11 30 04 AE\n");
  // Without a channel "QUAD" has "NULL": no matrix command.
  EXPECT_EQ(run({"script", "switch", "5"}).out, "pause 0\nsend 1 FB B0 11 11 30 04 AE\n");
}

const std::string kTwoGroups =
    "[MatrixRoll]\nGroupCount=2\nspTime=5\n"
    "[MatrixRoll0]\nEnable=0\nCount=1\nSubRoll_Name0=1\nSubRoll_In0=1\nSubRoll_Out0=1\n"
    "[MatrixRoll1]\nEnable=1\nCount=2\nSubRoll_Name0=1\nSubRoll_In0=2\nSubRoll_Out0=3\n"
    "SubRoll_Name1=0\nSubRoll_In1=4\nSubRoll_Out1=5\n";

TEST_F(WallctlSwitch, RollDryRunIsTheTimeline) {
  dir.write("Setting.ini", kTwoGroups);
  const RunResult r = run({"roll", "--dry-run", "--seconds", "10"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "5000 1 32 2A 33 25\n5021 1 F4 04 21 05 00 00 2A\n"
            "10000 1 32 2A 33 25\n10021 1 F4 04 21 05 00 00 2A\n");
}

TEST_F(WallctlSwitch, RollRefusesWithoutAnEnabledGroup) {
  dir.write("Setting.ini", "[MatrixRoll]\nGroupCount=1\n[MatrixRoll0]\nCount=1\n[MatrixRoll1]\nEnable=1\n");
  const RunResult r = run({"roll", "--seconds", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no enabled group"), std::string::npos) << r.err;
}

TEST_F(WallctlSwitch, RollSendsOnTheLine) {
  PtyFarEnd wall;
  std::string text = kTwoGroups;
  text.replace(text.find("spTime=5"), 8, "spTime=1");
  dir.write("Setting.ini", text);
  const RunResult r = run({"roll", "--device", wall.path(), "--seconds", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "group 2 at 1 s\ngroup 2 at 2 s\n");
  const Bytes one = {0x32, 0x2A, 0x33, 0x25, 0xF4, 0x04, 0x21, 0x05, 0x00, 0x00, 0x2A};
  Bytes both = one;
  both.insert(both.end(), one.begin(), one.end());
  EXPECT_EQ(wall.waitForBytes(both.size(), 2s), both);
}

}  // namespace
}  // namespace wall::test
