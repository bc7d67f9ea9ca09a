// wallctl read and read-sources against a wall processor on a
// pseudo-terminal.
#include <gtest/gtest.h>

#include "../io/wall_responder.h"
#include "run_wallctl.h"

namespace wall::test {
namespace {

using Args = std::vector<std::string>;

class WallctlRead : public ::testing::Test {
 protected:
  RunResult run(Args args) {
    args.insert(args.begin(), {"--settings", dir.file("Setting.ini")});
    return runWallctl(args);
  }
  TempDir dir;
};

TEST_F(WallctlRead, PrintsTheDecodedValue) {
  WallResponder wall(0);
  wall.setValue(0x41, 50);
  const RunResult r = run({"read", "0x41", "--device", wall.path()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "50\n");
  ASSERT_EQ(wall.requests().size(), 1u);
  EXPECT_EQ(wall.requests()[0], (WallResponder::Bytes{0xFB, 0xB2, 0x11, 0x11, 0x41, 0x01, 0xAE}));
}

TEST_F(WallctlRead, EightByteWindowCodesPrintTheirRange) {
  WallResponder wall(1);
  wall.setValue(0x65, 16);
  const RunResult r = run({"--cmd-form", "1", "read", "101", "--device", wall.path()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "16 (range 1 to 100)\n");
}

TEST_F(WallctlRead, NoReplyExitsOneWithAFailureLine) {
  WallResponder wall(0);
  wall.silence(0x41);
  const RunResult r = run({"read", "65", "--polls", "8", "--device", wall.path()});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find("no reply"), std::string::npos) << r.err;
}

TEST_F(WallctlRead, BadCodeIsAUsageError) {
  EXPECT_EQ(run({"read", "0x100"}).status, 2);
  EXPECT_EQ(run({"read", "abc"}).status, 2);
}

TEST_F(WallctlRead, ReadSourcesPrintsAndStoresEachUnit) {
  WallResponder wall(0);
  dir.write("Setting.ini", "[SETTING]\r\nRow=2\r\nCol=2\r\n[System]\r\nBoardSel=6\r\n");
  wall.setSourceCode(0, 1, 15);
  wall.setSourceCode(1, 0, 40);  // beyond the table: the number
  const RunResult r = run({"--select", "0,0,1,1", "read-sources", "--device", wall.path()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1 1 DVI\n1 2 HDMI\n2 1 40\n2 2 DVI\n");
  const std::string ini = dir.read("Setting.ini");
  EXPECT_NE(ini.find("Source1=11"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Source2=40"), std::string::npos) << ini;
}

TEST_F(WallctlRead, ReadSourcesReportsUnitsWithoutReply) {
  WallResponder wall(2);
  wall.silence(0x30);
  const RunResult r = run({"--cmd-form", "2", "read-sources", "--polls", "3", "--device", wall.path()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "1 1 (no reply)\n");
}

}  // namespace
}  // namespace wall::test
