// wallctl script matrix, run as the binary against a settings file.
#include <gtest/gtest.h>

#include "run_wallctl.h"

namespace wall::test {
namespace {

class WallctlMatrix : public ::testing::Test {
 protected:
  RunResult run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--settings", dir.file("Setting.ini")});
    return runWallctl(args);
  }
  TempDir dir;
};

using Args = std::vector<std::string>;

TEST_F(WallctlMatrix, VgaBrandOnTheSelection) {
  // "ZC001" at address 5 with 200 ms; the 2 × 2 wall wired one to one by default.
  dir.write("Setting.ini",
            "[SETTING]\nRow=2\nCol=2\n[Matrix]\nVGA_Company=3\nVGA_ID=5\nMatrix_VGA_DelayTime=200\n"
            "Matrix_VGA_InputMax=16\n");
  const auto r = run({"--select", "0,0,1,0", "script", "matrix", "0", "9", "--switch-type", "2"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "send 1 FF 05 04 09 01 AA\npause 200\nsend 1 FF 05 04 09 03 AA\npause 200\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(WallctlMatrix, SwitchTypeAndPortFromTheSettings) {
  // The switch type of the input-control dialog; the DVI matrix on its own port.
  dir.write("Setting.ini",
            "[Matrix]\nDVI_Company=33\nMatrix_DVI_OutputStr0=12\n[Unit14]\nsuiRadioGroup1=0\n"
            "[YbCommDevice]\nDVIMatrixUseComOnly=1\n");
  const auto r = run({"script", "matrix", "11", "2"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "send 4 FF 01 03 02 0C AA\npause 100\n");
}

TEST_F(WallctlMatrix, KestrelDvi2UsesTheUnitsSecondEntry) {
  dir.write("Setting.ini",
            "[System]\nBoardSel=10\n[Matrix]\nDVI_Company=33\nMatrix_DVI_OutputStr0=7\nMatrix_DVI_OutputStr1=8\n"
            "[YbCommDevice]\nMatrixUseComOnly=1\n");
  EXPECT_EQ(run({"script", "matrix", "10", "1"}).out, "send 2 FF 01 05 01 07 AA\npause 100\n");
  EXPECT_EQ(run({"script", "matrix", "11", "1"}).out, "send 2 FF 01 05 01 08 AA\npause 100\n");
}

TEST_F(WallctlMatrix, WithoutAMatrixNothingIsPrinted) {
  dir.write("Setting.ini", "[Matrix]\nVGA_Company=3\n");
  for (const char* source : {"7", "9", "12", "10"}) {  // no kind, or DVI "NotUsed"
    const auto r = run({"script", "matrix", source, "1"});
    EXPECT_EQ(r.status, 0) << source << r.err;
    EXPECT_EQ(r.out, "") << source;
  }
}

TEST_F(WallctlMatrix, AnUndefinedByteIsRefusedOnStderr) {
  dir.write("Setting.ini", "[Matrix]\nVGA_Company=94\nMatrix_VGA_InputMax=1000\n");
  const auto r = run({"script", "matrix", "0", "800"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("SITO"), std::string::npos) << r.err;
}

struct BadCase {
  Args args;
  const char* says;
};

class WallctlMatrixUsage : public WallctlMatrix, public ::testing::WithParamInterface<BadCase> {};

TEST_P(WallctlMatrixUsage, ExitsWithStatus2) {
  dir.write("Setting.ini", "[Matrix]\nVGA_Company=3\nMatrix_VGA_InputMax=16\n");
  const auto r = run(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WallctlMatrixUsage,
    ::testing::Values(BadCase{Args{"script", "matrix", "0"}, "matrix SOURCECODE IN"},
                      BadCase{Args{"script", "matrix", "13", "1"}, "SOURCECODE"},
                      BadCase{Args{"script", "matrix", "0", "17"}, "IN"},
                      BadCase{Args{"script", "matrix", "0", "0"}, "IN"},
                      BadCase{Args{"script", "matrix", "0", "1", "--switch-type", "3"}, "--switch-type"},
                      BadCase{Args{"script", "matrix", "0", "1", "--channel", "4"}, "--channel"},
                      BadCase{Args{"script", "matrix", "0", "1", "--speed", "4"}, "--speed"},
                      BadCase{Args{"--select", "0,0,5,5", "script", "matrix", "0", "1"}, "outside the wall"}));

}  // namespace
}  // namespace wall::test
