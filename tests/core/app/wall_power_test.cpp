#include "core/app/wall_power.h"

#include <gtest/gtest.h>

#include "core/link/virtual_runner.h"

namespace wall {
namespace {

std::string timeline(const Script& s) { return timelineText(VirtualRunner().run(s)); }

TEST(PowerOn, NoPauseSendsOneFrameForTheRectangle) {
  EXPECT_EQ(powerOnScript(0, Selection{0, 0, 1, 1}, 0).toText(), "send 1 FB B0 11 22 10 01 AE\n");
  EXPECT_EQ(powerOnScript(1, Selection{0, 0, 1, 1}, 0).toText(), "send 1 FB B0 11 22 10 01 00 AE\n");
  EXPECT_EQ(powerOnScript(2, Selection{0, 0, 1, 1}, 0).toText(), "send 1 FB B0 01 01 02 02 10 01 AE\n");
  EXPECT_EQ(powerOnScript(3, Selection{0, 0, 1, 1}, 0).toText(), "send 1 FB B0 11 22 10 01 AE\n");
}

TEST(PowerOn, SequencedUnitByUnitWithPauseAfterEach) {
  const Timeline t = VirtualRunner().run(powerOnScript(0, Selection{0, 0, 1, 1}, 10));
  ASSERT_EQ(t.sends.size(), 4u);
  const long long at[] = {0, 100, 200, 300};
  const char* frames[] = {"FB B0 11 11 10 01 AE", "FB B0 12 12 10 01 AE", "FB B0 21 21 10 01 AE",
                          "FB B0 22 22 10 01 AE"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(t.sends[i].atMs, at[i]);
    EXPECT_EQ(hexText(t.sends[i].bytes), frames[i]);
  }
  EXPECT_EQ(t.endMs, 400);  // the pause after the last unit too
}

TEST(PowerOn, SingleUnitNineBytes) {
  EXPECT_EQ(powerOnScript(2, Selection::unit(2, 3), 0).toText(), "send 1 FB B0 03 04 03 04 10 01 AE\n");
  EXPECT_EQ(powerOnScript(2, Selection::unit(2, 3), 5).toText(),
            "send 1 FB B0 03 04 03 04 10 01 AE\npause 50\n");
}

TEST(PowerOn, NegativePauseIsOneFrame) {
  EXPECT_EQ(powerOnScript(0, Selection{0, 0, 1, 1}, -3).toText(), "send 1 FB B0 11 22 10 01 AE\n");
}

TEST(PowerOn, SixtyFourUnitsTakeSixtyFourPauses) {
  const Timeline t = VirtualRunner().run(powerOnScript(0, Selection{0, 0, 7, 7}, 100));
  EXPECT_EQ(t.sends.size(), 64u);
  EXPECT_EQ(t.endMs, 64'000);
  EXPECT_EQ(hexText(t.sends.back().bytes), "FB B0 88 88 10 01 AE");
}

TEST(PowerOff, OneFrameEveryLayout) {
  EXPECT_EQ(powerOffScript(0, Selection{0, 0, 1, 1}).toText(), "send 1 FB B0 11 22 10 00 AE\n");
  EXPECT_EQ(powerOffScript(1, Selection{0, 0, 1, 1}).toText(), "send 1 FB B0 11 22 10 00 00 AE\n");
  EXPECT_EQ(powerOffScript(2, Selection{1, 0, 2, 1}).toText(), "send 1 FB B0 02 01 03 02 10 00 AE\n");
}

TEST(StartupPowerOn, AllUnits) {
  EXPECT_EQ(startupPowerOnScript(0).toText(), "send 1 FB B0 00 00 10 01 AE\n");
  EXPECT_EQ(timeline(startupPowerOnScript(2)), "0 1 FB B0 00 00 00 00 10 01 AE\n");
}

}  // namespace
}  // namespace wall
