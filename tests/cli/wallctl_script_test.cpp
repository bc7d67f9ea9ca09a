// wallctl script and settings, run as the binary: what a script sees.
#include <gtest/gtest.h>

#include <algorithm>

#include "run_wallctl.h"

namespace wall::test {
namespace {

class WallctlTest : public ::testing::Test {
 protected:
  RunResult run(std::vector<std::string> args, const std::string& input = {}) {
    args.insert(args.begin(), {"--settings", dir.file("Setting.ini")});
    return runWallctl(args, input);
  }
  TempDir dir;
};

struct ScriptCase {
  std::vector<std::string> args;
  const char* expected;
};

class WallctlScriptOps : public WallctlTest, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(WallctlScriptOps, PrintTheScriptAndSendNothing) {
  auto r = run(GetParam().args);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, GetParam().expected);
  EXPECT_EQ(r.err, "");
}

using Args = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Cases, WallctlScriptOps,
    ::testing::Values(
        ScriptCase{Args{"script", "write", "0x41", "50"}, "send 1 FB B1 11 11 41 32 AE\n"},
        ScriptCase{Args{"--cmd-form", "1", "script", "write", "0x41", "300"}, "send 1 FB B1 11 11 41 2C 01 AE\n"},
        ScriptCase{Args{"--cmd-form", "1", "script", "write", "0x41", "65279"}, "send 1 FB B1 11 11 41 FF FF AE\n"},
        ScriptCase{Args{"--cmd-form", "2", "--select", "2,1,2,1", "script", "write", "65", "50"},
                   "send 1 FB B1 03 02 03 02 41 32 AE\n"},
        ScriptCase{Args{"--select", "0,0,1,2", "script", "incdec", "0xDA", "1"}, "send 1 FB B0 11 23 DA 01 AE\n"},
        ScriptCase{Args{"--cmd-form", "2", "script", "all", "0x10", "1"}, "send 1 FB B0 00 00 00 00 10 01 AE\n"},
        ScriptCase{Args{"script", "read", "0x41"}, "send 1 FB B2 11 11 41 01 AE\n"},
        ScriptCase{Args{"script", "rgb", "0x10", "0x20", "0x30"}, "send 1 FB B3 11 11 10 20 30 AE\n"},
        ScriptCase{Args{"script", "dahlia-rgb", "1", "2", "3"}, "send 1 F0 B3 11 11 BC 01 02 03 00 00 00 00 00 00 BE\n"},
        ScriptCase{Args{"script", "id-set", "0x1234", "4", "0", "0", "5", "6"},
                   "send 1 F0 B5 01 02 03 04 04 05 06 00 00 00 00 00 BE\n"},
        ScriptCase{Args{"script", "raw", "f5 b0 11 ff 40 01 ae"}, "send 1 F5 B0 11 FF 40 01 AE\n"},
        ScriptCase{Args{"script", "raw", "F5", "B0", "1"}, "send 1 F5 B0\n"}));

TEST_F(WallctlTest, CommandFormComesFromTheSettingsAndItsProductDefault) {
  // Product type 12 without CmdForm: the 8-byte layout.
  dir.write("Setting.ini", "[System]\nBoardSel=12\n");
  EXPECT_EQ(run({"script", "write", "0x41", "100"}).out, "send 1 FB B1 11 11 41 64 00 AE\n");
  dir.write("Setting.ini", "[System]\nBoardSel=12\n[SETTING]\nCmdForm=2\n");
  EXPECT_EQ(run({"script", "write", "0x41", "100"}).out, "send 1 FB B1 01 01 01 01 41 64 AE\n");
  // --cmd-form wins over the file.
  EXPECT_EQ(run({"--cmd-form", "0", "script", "write", "0x41", "100"}).out, "send 1 FB B1 11 11 41 64 AE\n");
}

TEST_F(WallctlTest, SelectionIsCheckedAgainstTheWallSize) {
  dir.write("Setting.ini", "[SETTING]\nRow=16\nCol=2\n");
  // Row 15 wraps in the 7-byte layout, as the processors expect.
  auto r = run({"--select", "15,1,15,1", "script", "write", "1", "1"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "send 1 FB B1 02 02 01 01 AE\n");
  EXPECT_EQ(run({"--select", "0,2,0,2", "script", "write", "1", "1"}).status, 2);
}

struct BadCase {
  std::vector<std::string> args;
  const char* errPart;
};

class WallctlBadInput : public WallctlTest, public ::testing::WithParamInterface<BadCase> {};

TEST_P(WallctlBadInput, OneLineOnStderrAndExitTwo) {
  auto r = run(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(GetParam().errPart), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WallctlBadInput,
    ::testing::Values(BadCase{Args{"script", "frobnicate"}, "unknown operation"},
                      BadCase{Args{"script"}, "missing operation"},
                      BadCase{Args{"script", "write", "256", "1"}, "out of range"},
                      BadCase{Args{"script", "write", "1", "4294967296"}, "out of range"},
                      // One value byte in the 7- and 9-byte layouts, value / 255 beside it in the 8-byte one.
                      BadCase{Args{"script", "write", "0x41", "256"}, "out of range"},
                      BadCase{Args{"--cmd-form", "2", "script", "write", "0x41", "300"}, "out of range"},
                      BadCase{Args{"--cmd-form", "1", "script", "write", "0x41", "65280"}, "out of range"},
                      BadCase{Args{"script", "write", "1", "-1"}, "out of range"},
                      BadCase{Args{"script", "incdec", "1", "256"}, "out of range"},
                      BadCase{Args{"script", "write", "0x", "1"}, "not a number"},
                      BadCase{Args{"script", "write", "1"}, "usage"},
                      BadCase{Args{"script", "rgb", "1", "2", "300"}, "out of range"},
                      BadCase{Args{"script", "id-set", "65536", "0", "0", "0", "0", "0"}, "out of range"},
                      BadCase{Args{"--select", "0,0,3,0", "script", "write", "1", "1"}, "outside the wall"},
                      BadCase{Args{"--select", "1,0,0,0", "script", "write", "1", "1"}, "bottom above top"},
                      BadCase{Args{"--select", "0,0,1", "script", "write", "1", "1"}, "TOP,LEFT,BOTTOM,RIGHT"},
                      BadCase{Args{"--cmd-form", "4", "script", "write", "1", "1"}, "cmd-form"},
                      BadCase{Args{"script", "raw", "xyz"}, "命令不能为空!"},
                      BadCase{Args{"script", "raw", "A"}, "命令不能为空!"},
                      BadCase{Args{"script", "raw", std::string(2002, 'A')}, "longer than the frame area"}));

TEST_F(WallctlTest, RawCommandOfExactlyTheFrameAreaIsSent) {
  auto r = run({"script", "raw", std::string(2000, 'a')});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.size(), std::string("send 1 \n").size() + 1000 * 3 - 1);
}

TEST_F(WallctlTest, SettingsSetThenGetReadsAsTheProgramDoes) {
  dir.write("Setting.ini", "; kept\r\n[SETTING]\r\nRow=4\r\n");
  EXPECT_EQ(run({"settings", "set", "setting", "Col", "0x1E"}).status, 0);
  EXPECT_EQ(run({"settings", "get", "SETTING", "col", "--int", "3"}).out, "30\n");
  EXPECT_EQ(run({"settings", "get", "SETTING", "Row", "--int", "3"}).out, "4\n");
  EXPECT_EQ(run({"settings", "get", "SETTING", "Missing", "--int", "-7"}).out, "-7\n");
  EXPECT_EQ(run({"settings", "get", "SETTING", "Col", "--bool", "0"}).out, "1\n");
  EXPECT_EQ(run({"settings", "get", "SETTING", "Col"}).out, "0x1E\n");
  auto missing = run({"settings", "get", "SETTING", "Missing"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("not set"), std::string::npos);
  // The comment and the other key stay where they were.
  const std::string text = dir.read("Setting.ini");
  EXPECT_NE(text.find("; kept"), std::string::npos);
  EXPECT_LT(text.find("Row=4"), text.find("Col=0x1E"));
}

TEST(WallctlEnv, SettingsPathFromTheEnvironment) {
  TempDir dir;
  dir.write("Other.ini", "[SETTING]\nRow=9\n");
  auto r = runWallctl({"settings", "get", "SETTING", "Row", "--int", "3"}, {},
                      {"WALLCONTROL_SETTINGS=" + dir.file("Other.ini")});
  EXPECT_EQ(r.out, "9\n");
}

TEST(WallctlHelp, ListsTheScriptOperations) {
  auto r = runWallctl({"script", "--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* op : {"write CODE VALUE", "incdec", "all", "read CODE", "rgb", "dahlia-rgb", "id-set", "raw TEXT"}) {
    EXPECT_NE(r.out.find(op), std::string::npos) << op;
  }
}

}  // namespace
}  // namespace wall::test
