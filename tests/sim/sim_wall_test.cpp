// The simulated processor against the program's own frame builders: what
// WallFrames sends must land in the simulated state, in every layout, and
// read requests must come back in the reply layout of the format.

#include <gtest/gtest.h>

#include "core/link/wall_frames.h"
#include "sim/sim_system.h"

namespace wall::sim {
namespace {

class SimWallFormats : public ::testing::TestWithParam<int> {
 protected:
  SimSystem sim{4, 4, GetParam()};
  WallFrames frames(Selection s) const { return WallFrames(GetParam(), s); }
  SimLine::Output send(const Bytes& b) { return sim.feed(kWallDevice, b); }
};

TEST_P(SimWallFormats, PowerInputAndValuesLandOnTheSelectedUnitsOnly) {
  const Selection block{1, 1, 2, 2};
  send(frames(block).buttonIncDec(0x10, 1));
  send(frames(block).buttonIncDec(0x30, 0x0F));
  send(frames(block).buttonWrite(0x41, 37));
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      const bool inside = r >= 1 && r <= 2 && c >= 1 && c <= 2;
      const UnitState& u = sim.wall().unit(r, c);
      EXPECT_EQ(u.power, inside) << r << ":" << c;
      EXPECT_EQ(u.inputCode, inside ? 0x0F : kNoInputCode) << r << ":" << c;
      EXPECT_EQ(u.values.count(0x41), inside ? 1u : 0u) << r << ":" << c;
    }
  }
  EXPECT_EQ(sim.wall().unit(2, 2).values.at(0x41), 37u);
  EXPECT_EQ(sim.view(1, 1).sourceCode, 11);  // HDMI
}

TEST_P(SimWallFormats, AllUnitsAndWholeWallRangeReachEveryUnit) {
  send(frames(Selection::unit(0, 0)).buttonIncDecAll(0x10, 1));
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) EXPECT_TRUE(sim.wall().unit(r, c).power);
  }
  send(frames(Selection::unit(0, 0)).wholeWall(kClassCommand, 0x30, 0x0C));
  EXPECT_EQ(sim.wall().unit(3, 3).inputCode, 0x0C);
}

TEST_P(SimWallFormats, ValueWrittenIsReadBackInTheFormatsReply) {
  const Selection unit = Selection::unit(1, 2);
  for (std::uint32_t value : {0u, 50u, 254u, 255u, 300u}) {
    send(frames(unit).buttonWrite(0x41, value));
    const auto out = send(frames(unit).readRequest(0x41));
    ASSERT_EQ(out.replies.size(), 1u);
    const Bytes& r = out.replies.front();
    // Decoded as the read-back decodes each layout.
    switch (GetParam()) {
      case 1:
        ASSERT_EQ(r.size(), 6u);
        EXPECT_EQ(r[0], 0xE5);
        EXPECT_EQ(r[2], 0x41);
        EXPECT_EQ(r[5], 0xE0);
        EXPECT_EQ(r[4] * 255u + r[3], value);
        break;
      case 2:
        EXPECT_EQ(r, (Bytes{0x02, 0x03, 0x41, static_cast<std::uint8_t>(value & 0xFF), 0xAE}));
        break;
      default:
        EXPECT_EQ(r, (Bytes{0x23, 0x41, static_cast<std::uint8_t>(value & 0xFF), 0xAE}));
    }
  }
}

TEST_P(SimWallFormats, InputSourceReplyDecodesToTheSourceSelected) {
  // SourceCode → wall input code, as the input-control dialog sends it.
  const std::pair<int, std::uint8_t> sources[] = {{0, 0x0C}, {1, 0x0D}, {2, 0x00}, {6, 0x04}, {7, 0x09},
                                                  {8, 0x0B}, {9, 0x10}, {10, 0x0E}, {11, 0x0F}};
  const Selection unit = Selection::unit(3, 0);
  for (const auto& [source, code] : sources) {
    send(frames(unit).buttonIncDec(0x30, code));
    const auto out = send(frames(unit).readRequest(0x30));
    ASSERT_EQ(out.replies.size(), 1u);
    const Bytes& r = out.replies.front();
    const std::uint8_t c = GetParam() == 2 ? r[3] : r[GetParam() == 1 ? 3 : 2];
    EXPECT_EQ(sourceCodeOfInput(c), source) << "code " << int{code};
    if (GetParam() == 0 || GetParam() == 3) {
      EXPECT_EQ(r[0], unitAddress(3, 0));
    }
    if (GetParam() == 2) {
      EXPECT_EQ(r[1], 1);  // column + 1
    }
  }
}

INSTANTIATE_TEST_SUITE_P(CmdForm, SimWallFormats, ::testing::Values(0, 1, 2, 3));

TEST(SimWallReplies, WideValueLayoutsOfTheEightByteFormat) {
  SimSystem sim{2, 2, 1};
  WallFrames f(1, Selection::unit(0, 0));
  sim.feed(kWallDevice, f.buttonWrite(0x80, 510));
  Bytes r = sim.feed(kWallDevice, f.readRequest(0x80)).replies.at(0);
  ASSERT_EQ(r.size(), 12u);
  EXPECT_EQ(r[8], 0x80);
  EXPECT_EQ((r[10] * 255u) | r[9], 510u);
  EXPECT_GE((r[4] * 255u) | r[3], 510u);  // the range reaches the value

  sim.feed(kWallDevice, f.buttonWrite(0x65, 40));
  r = sim.feed(kWallDevice, f.readRequest(0x65)).replies.at(0);
  ASSERT_EQ(r.size(), 18u);
  EXPECT_EQ(r[4] * 256 + r[3], 40);
  EXPECT_EQ(r[10] * 256 + r[9], 1);
  EXPECT_EQ(r[16] * 256 + r[15], 100);
}

TEST(SimWallReplies, ReadOutsideTheWallIsNotAnswered) {
  SimSystem sim{2, 2, 0};
  const auto out = sim.feed(kWallDevice, WallFrames(0, Selection::unit(5, 5)).readRequest(0x41));
  EXPECT_TRUE(out.replies.empty());
  ASSERT_EQ(out.log.size(), 1u);
}

TEST(SimWallColour, ColourFramesInEveryForm) {
  SimSystem sim{2, 2, 2};
  WallFrames f(2, Selection::unit(1, 1));
  sim.feed(kWallDevice, f.buttonWriteRGB(0x10, 0x20, 0x30));
  EXPECT_EQ(sim.wall().unit(1, 1).colour, (std::array<std::uint8_t, 3>{0x10, 0x20, 0x30}));
  sim.feed(kWallDevice, f.buttonWriteDahliaRGB(1, 2, 3));
  EXPECT_EQ(sim.wall().unit(1, 1).colour, (std::array<std::uint8_t, 3>{1, 2, 3}));
  sim.wall().setCmdForm(0);
  sim.feed(kWallDevice, WallFrames(0, Selection::unit(0, 0)).buttonWriteDahliaRGB(4, 5, 6));
  EXPECT_EQ(sim.wall().unit(0, 0).colour, (std::array<std::uint8_t, 3>{4, 5, 6}));
  const auto out = sim.feed(kWallDevice, buttonWriteDahliaIDSet(0x1234, 4, 0, 0, 5, 6));
  ASSERT_EQ(out.log.size(), 1u);
  EXPECT_NE(out.log[0].find("id set 4660 kind 4 5,6"), std::string::npos) << out.log[0];
}

TEST(SimWallValues, EightByteValuesComeBackWhole) {
  // lo = v mod 256, hi = v ÷ 255: the pair names one value only.
  for (std::uint32_t v : {0u, 1u, 254u, 255u, 256u, 300u, 509u, 510u, 65024u, 65279u}) {
    EXPECT_EQ(decodeLoHi(static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v / 255)), v) << v;
  }
}

class SimWallPip : public ::testing::Test {
 protected:
  SimSystem sim{4, 4, 0};
  void send(const Bytes& b) { sim.feed(kWallDevice, b); }
  WallFrames block{0, Selection{0, 0, 1, 1}};
};

TEST_F(SimWallPip, PresetOpensSourceFillsCloseEnds) {
  send(block.buttonWrite(0x63, 3 * 16 + 2));  // bottom-right, 30 %
  send(block.buttonWrite(0x61, 0x0E));
  ASSERT_EQ(sim.wall().windows().size(), 1u);
  const PipWindow& w = sim.wall().windows().front();
  EXPECT_EQ(w.block, (Selection{0, 0, 1, 1}));
  EXPECT_EQ(w.width, 300);
  EXPECT_EQ(w.left, 700);
  EXPECT_EQ(w.top, 700);
  EXPECT_EQ(w.inputCode, 0x0E);
  send(block.buttonIncDec(0x6D, 0));
  EXPECT_TRUE(sim.wall().windows().empty());
}

TEST_F(SimWallPip, NewWindowClosesTheOneItOverlaps) {
  send(block.buttonWrite(0x63, 0x09));
  send(WallFrames(0, Selection{1, 1, 2, 2}).buttonWrite(0x63, 0x49));
  ASSERT_EQ(sim.wall().windows().size(), 1u);
  EXPECT_EQ(sim.wall().windows().front().block, (Selection{1, 1, 2, 2}));
}

TEST_F(SimWallPip, RoamingFramesMoveAndResize) {
  send(block.buttonWrite(0x63, 0x01));  // top-left, 20 %
  send(Bytes{0xF0, 0xB3, 0x11, 0x22, 0x70, 50, 100, 0xA0});
  const PipWindow& w = sim.wall().windows().front();
  EXPECT_EQ(w.left, 400);
  EXPECT_EQ(w.top, 800);
  send(Bytes{0xF0, 0xB3, 0x11, 0x22, 0x71, 100, 50, 0xA0});
  EXPECT_EQ(w.width, 600);
  EXPECT_EQ(w.height, 100);
  // The four-byte block of the 9-byte format.
  sim.wall().setCmdForm(2);
  send(Bytes{0xF0, 0xB3, 0x01, 0x01, 0x02, 0x02, 0x70, 0, 0, 0xA0});
  EXPECT_EQ(w.left, 0);
  const auto out = sim.feed(kWallDevice, Bytes{0xF0, 0xB3, 0x33, 0x44, 0x70, 1, 1, 0xA0});
  EXPECT_NE(out.log.at(0).find("no window"), std::string::npos);
}

TEST(SimWallPlans, SaveThenRecallRestoresTheSources) {
  SimSystem sim{2, 2, 1};
  WallFrames all(1, Selection{0, 0, 1, 1});
  sim.feed(kWallDevice, all.buttonIncDec(0x30, 0x0C));
  sim.feed(kWallDevice, all.wholeWall(kClassValue, 0xC9, 3));
  sim.feed(kWallDevice, all.buttonIncDec(0x30, 0x00));
  EXPECT_EQ(sim.wall().unit(1, 1).inputCode, 0x00);
  const auto recall = sim.feed(kWallDevice, all.wholeWall(kClassValue, 0xCA, 3));
  EXPECT_EQ(sim.wall().unit(1, 1).inputCode, 0x0C);
  EXPECT_EQ(sim.wall().lastRecalledMode(), 3);
  EXPECT_NE(recall.log.at(0).find("mode 3 recalled"), std::string::npos);
  const auto never = sim.feed(kWallDevice, all.wholeWall(kClassValue, 0xCA, 9));
  EXPECT_NE(never.log.at(0).find("never saved"), std::string::npos);
  EXPECT_EQ(sim.wall().unit(1, 1).inputCode, 0x0C);
}

TEST(SimWallPlans, RecallNoticeBytes) {
  EXPECT_EQ(recallNotice(2), (Bytes{0xFA, 0xF5, 'R', 'e', 'c', 'a', 'l', 'l', 2, '.'}));
}

TEST(SimWallTestPattern, PatternIsAValueWrite) {
  SimSystem sim{1, 1, 0};
  sim.feed(kWallDevice, WallFrames(0, Selection::unit(0, 0)).buttonWrite(0xB1, 4));
  EXPECT_EQ(sim.wall().unit(0, 0).testPattern, 4);
}

}  // namespace
}  // namespace wall::sim
