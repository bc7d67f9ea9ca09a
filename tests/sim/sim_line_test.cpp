// The line's stream parser: frames split over packages, joined in one,
// surrounded by noise; a line that goes quiet mid-frame.

#include <gtest/gtest.h>

#include "core/link/wall_frames.h"
#include "sim/sim_system.h"

namespace wall::sim {
namespace {

class LineStream : public ::testing::Test {
 protected:
  std::vector<std::string> feed(const Bytes& b) {
    auto out = sim.feed(kWallDevice, b);
    replies.insert(replies.end(), out.replies.begin(), out.replies.end());
    return out.log;
  }
  SimSystem sim{2, 2, 0};
  std::vector<Bytes> replies;
};

TEST_F(LineStream, JoinedFramesEachGetALine) {
  WallFrames f(0, Selection::unit(0, 1));
  Bytes joined = f.buttonIncDec(0x10, 1);
  for (const Bytes& b : {f.buttonWrite(0x41, 9), f.readRequest(0x41)}) joined.insert(joined.end(), b.begin(), b.end());
  const auto log = feed(joined);
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], "FB B0 12 12 10 01 AE  command 10 = 1 units 1:2-1:2");
  EXPECT_EQ(replies, (std::vector<Bytes>{{0x12, 0x41, 0x09, 0xAE}}));
}

TEST_F(LineStream, NoiseIsLoggedAndTheNextFrameStillCounts) {
  const auto log = feed(Bytes{0x00, 0x13, 0xFB, 0xB0, 0x11, 0x11, 0x10, 0x01, 0xAE});
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], "00 13  unknown bytes");
  EXPECT_TRUE(sim.wall().unit(0, 0).power);
}

TEST_F(LineStream, ATruncatedFrameDoesNotSwallowTheNext) {
  // FB B0 11 cut off, then a whole frame: the line resynchronises.
  feed(Bytes{0xFB, 0xB0, 0x11});
  const auto log = feed(Bytes{0xFB, 0xB0, 0x22, 0x22, 0x10, 0x01, 0xAE});
  EXPECT_TRUE(sim.wall().unit(1, 1).power);
  ASSERT_FALSE(log.empty());
  EXPECT_NE(log.front().find("unknown"), std::string::npos);
}

TEST_F(LineStream, QuietLineDropsAPartialFrame) {
  EXPECT_TRUE(feed(Bytes{0xFB, 0xB1, 0x11}).empty());
  const auto out = sim.flush(kWallDevice);
  ASSERT_EQ(out.log.size(), 1u);
  EXPECT_EQ(out.log[0], "FB B1 11  unknown bytes");
  feed(WallFrames(0, Selection::unit(0, 0)).buttonIncDec(0x10, 1));
  EXPECT_TRUE(sim.wall().unit(0, 0).power);
}

TEST_F(LineStream, UnknownClassIsLoggedNotFatal) {
  const auto log = feed(Bytes{0xFB, 0xB7, 0x11, 0x11, 0x10, 0x01, 0xAE});
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].find("unknown class"), std::string::npos);
  EXPECT_FALSE(sim.wall().unit(0, 0).power);
}

TEST_F(LineStream, MatrixOnlyPortIgnoresWallFrames) {
  const auto out = sim.feed(3, WallFrames(0, Selection::unit(0, 0)).buttonIncDec(0x10, 1));
  EXPECT_FALSE(sim.wall().unit(0, 0).power);
  ASSERT_EQ(out.log.size(), 1u);
  EXPECT_NE(out.log[0].find("unknown"), std::string::npos);
}

}  // namespace
}  // namespace wall::sim
