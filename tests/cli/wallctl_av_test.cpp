// wallctl script matrix for the AV kind, run as the binary: an AV brand's
// packets on the AV port with the AV pause, and Kestrel's AV channels.
#include <gtest/gtest.h>

#include "run_wallctl.h"

namespace wall::test {
namespace {

class WallctlAv : public ::testing::Test {
 protected:
  RunResult run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--settings", dir.file("Setting.ini")});
    return runWallctl(args);
  }
  TempDir dir;
};

TEST_F(WallctlAv, PanasonicSendsItsTwoPacketsOnTheAvPort) {
  // AV brand 88 on its own port with 50 ms; units 1 and 2 of a 1 × 2 wall
  // wired to outputs 3 and 4.
  dir.write("Setting.ini",
            "[SETTING]\nRow=1\nCol=2\n[Matrix]\nAV_Company=88\nMatrix_AV_DelayTime=50\nMatrix_AV_InputMax=16\n"
            "Matrix_AV_OutputStr0=3\nMatrix_AV_OutputStr1=4\n[YbCommDevice]\nAVMatrixUseComOnly=1\n");
  const auto r = run({"--select", "0,0,0,1", "script", "matrix", "4", "7"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "send 2 02 43 4D 44 3A 48 30 33 4D 53 03\npause 50\n"
            "send 2 02 43 4D 44 3A 48 30 33 43 53 30 30 37 03\npause 50\n"
            "send 2 02 43 4D 44 3A 48 30 34 4D 53 03\npause 50\n"
            "send 2 02 43 4D 44 3A 48 30 34 43 53 30 30 37 03\npause 50\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(WallctlAv, KeyProtocolGoesToTheWallPortWithoutAMatrixPort) {
  dir.write("Setting.ini", "[SETTING]\nRow=1\nCol=1\n[Matrix]\nAV_Company=95\nAV_ID=2\nMatrix_AV_DelayTime=0\n");
  const auto r = run({"script", "matrix", "2", "1"});
  EXPECT_EQ(r.status, 0) << r.err;
  // Keys 61, 62 (digit 1), 76, 73, 62 (output 1), 76: press and release each.
  std::string expected;
  for (const char* key : {"36 31", "36 32", "37 36", "37 33", "36 32", "37 36"}) {
    for (const char* e : {"31", "30"}) {
      expected += std::string("send 1 2A 38 30 32 4B 30 2C ") + key + " 2C " + e + " 0D\n";
    }
  }
  EXPECT_EQ(r.out, expected);
}

// A Kestrel unit's four AV channels wired to outputs 11 to 14.
class WallctlKestrelAv : public WallctlAv {
 protected:
  WallctlKestrelAv() {
    dir.write("Setting.ini",
              "[SETTING]\nRow=1\nCol=1\n[System]\nBoardSel=10\n[Matrix]\nAV_Company=4\nMatrix_AV_InputMax=16\n"
              "Matrix_AV_OutputStr0=11\nMatrix_AV_OutputStr1=12\nMatrix_AV_OutputStr2=13\n"
              "Matrix_AV_OutputStr3=14\n[YbCommDevice]\nMatrixUseComOnly=1\n[Unit14]\nsuiRadioGroup1=0\n");
  }
  static std::string ff(const char* out) { return std::string("send 2 FF 01 03 05 ") + out + " AA\npause 100\n"; }
};

TEST_F(WallctlKestrelAv, EachAvSourceIsItsOwnChannel) {
  EXPECT_EQ(run({"script", "matrix", "2", "5"}).out, ff("0B"));
  EXPECT_EQ(run({"script", "matrix", "3", "5"}).out, ff("0C"));
  EXPECT_EQ(run({"script", "matrix", "4", "5"}).out, ff("0D"));
  EXPECT_EQ(run({"script", "matrix", "5", "5"}).out, ff("0E"));
}

TEST_F(WallctlKestrelAv, ChannelOptionChoosesTheChannel) {
  for (int k = 0; k < 4; ++k) {
    const char* outs[] = {"0B", "0C", "0D", "0E"};
    const auto quad = run({"script", "matrix", "6", "5", "--channel", std::to_string(k)});
    EXPECT_EQ(quad.status, 0) << quad.err;
    EXPECT_EQ(quad.out, ff(outs[k])) << "channel " << k;
  }
  EXPECT_EQ(run({"script", "matrix", "2", "5", "--channel", "3"}).out, ff("0E"));
}

TEST_F(WallctlKestrelAv, QuadWithoutAChannelSendsNothingAndSaysWhy) {
  const auto r = run({"script", "matrix", "6", "5"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("AV channel"), std::string::npos) << r.err;
}

TEST_F(WallctlAv, AnUndefinedRangeByteIsRefusedOnStderr) {
  dir.write("Setting.ini", "[Matrix]\nAV_Company=89\nMatrix_AV_InputMax=1000\n");
  const auto r = run({"script", "matrix", "2", "800"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("AV SMTH7, input 800"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace wall::test
