#include "core/app/board_view.h"

#include <gtest/gtest.h>

#include "core/app/product_types.h"

namespace wall {
namespace {

std::optional<bool> visible(const BoardView& v, std::string_view name) {
  auto e = v.find(name);
  return e ? e->visible : std::nullopt;
}
std::optional<bool> enabled(const BoardView& v, std::string_view name) {
  auto e = v.find(name);
  return e ? e->enabled : std::nullopt;
}

TEST(SetBoard, DahliaWithReadBackOnSwitchesItOffOnce) {
  const BoardView v = setBoard({3, 0, true, false});
  EXPECT_EQ(v.planCount, 16);
  EXPECT_TRUE(v.readEnSwitchedOff);
  EXPECT_FALSE(v.readEn);
  EXPECT_EQ(visible(v, "TabSheet3"), false);
  EXPECT_EQ(visible(v, "GroupBox4"), false);
  EXPECT_EQ(visible(v, "suiTabSheet1"), true);
  EXPECT_EQ(visible(v, "BitBtn16"), false);
  EXPECT_EQ(enabled(v, "Panel42"), false);
  EXPECT_EQ(enabled(v, "GroupBox2"), false);
  auto box = v.find(kReadBackBox);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->enabled, false);
  EXPECT_EQ(box->checked, false);
  EXPECT_EQ(v.find("Dahlia1")->checked, true);
  EXPECT_EQ(v.find("N50")->checked, false);
  // Dahlia leaves the roaming tab and the format list alone.
  EXPECT_FALSE(visible(v, "TabSheet8"));
  EXPECT_FALSE(v.cmdFormListIndex);
}

TEST(SetBoard, DahliaWithReadBackOffHasNothingToSwitchOff) {
  const BoardView v = setBoard({3, 0, false, false});
  EXPECT_FALSE(v.readEnSwitchedOff);
  EXPECT_EQ(v.planCount, 16);
}

TEST(SetBoard, ElderShowsTheNineByteFormatInTheDialog) {
  const BoardView v = setBoard({4, 0, true, false});
  EXPECT_EQ(v.cmdFormListIndex, 2);
  EXPECT_TRUE(v.readEnSwitchedOff);
  EXPECT_EQ(v.find("Elder1")->checked, true);
}

TEST(SetBoard, IsIdempotent) {
  for (int pt = -1; pt <= 15; ++pt) {
    for (int level : {0, 1, 20}) {
      for (bool readEn : {false, true}) {
        for (bool manYou : {false, true}) {
          const BoardView first = setBoard({pt, level, readEn, manYou});
          // The second run sees the settings the first one left.
          const BoardView second = setBoard({pt, level, first.readEn, manYou});
          EXPECT_EQ(first.effects, second.effects) << pt << " " << level;
          EXPECT_EQ(first.planCount, second.planCount);
          EXPECT_EQ(first.readEn, second.readEn);
          EXPECT_FALSE(second.readEnSwitchedOff);
        }
      }
    }
  }
}

TEST(SetBoard, AccessLevelZeroLeavesTheLoginControlsAlone) {
  for (int pt = 0; pt <= 13; ++pt) {
    const BoardView v = setBoard({pt, 0, false, false});
    for (const char* name : {"N62", "TabSheet5", "TabSheet6", "btn2", "btn3"}) {
      EXPECT_FALSE(v.find(name)) << name << " on " << pt;
    }
    if (!isDahliaOrElder(pt)) {
      EXPECT_FALSE(v.find("suiTabSheet1")) << pt;
    }
  }
}

struct LevelCase {
  int productType;
  bool n62, other, test, dlp, btn;
};

class SetBoardLoggedIn : public ::testing::TestWithParam<LevelCase> {};

TEST_P(SetBoardLoggedIn, ShowsTheProductsTabs) {
  const auto& c = GetParam();
  const BoardView v = setBoard({c.productType, 10, false, false});
  EXPECT_EQ(visible(v, "N62"), c.n62);
  EXPECT_EQ(visible(v, "suiTabSheet1"), c.other);
  EXPECT_EQ(visible(v, "TabSheet5"), c.test);
  EXPECT_EQ(visible(v, "TabSheet6"), c.dlp);
  EXPECT_EQ(visible(v, "btn2"), c.btn);
  EXPECT_EQ(visible(v, "btn3"), c.btn);
}

INSTANTIATE_TEST_SUITE_P(Products, SetBoardLoggedIn,
                         ::testing::Values(LevelCase{1, true, true, false, false, false},
                                           LevelCase{6, false, false, false, false, false},
                                           // Dahlia's step 5 shows "其他控制" after step 4 hid it.
                                           LevelCase{3, false, true, false, false, false},
                                           LevelCase{11, false, false, true, true, false},
                                           LevelCase{12, false, false, true, true, false},
                                           LevelCase{13, false, false, true, false, true}));

TEST(SetBoard, RoamingPicksThePipOrRoamingTab) {
  const BoardView off = setBoard({6, 0, false, false});
  EXPECT_EQ(visible(off, "TabSheet3"), true);
  EXPECT_EQ(visible(off, "TabSheet8"), false);
  const BoardView on = setBoard({6, 0, false, true});
  EXPECT_EQ(visible(on, "TabSheet3"), false);
  EXPECT_EQ(visible(on, "TabSheet8"), true);
  EXPECT_EQ(on.planCount, 48);
  EXPECT_EQ(enabled(on, kReadBackBox), true);
  EXPECT_EQ(visible(on, "GroupBox4"), true);
  EXPECT_EQ(enabled(on, "Panel43"), true);
}

TEST(SetBoard, LarchAndMyrtleRearrangeThePipPage) {
  for (int pt : {12, 13}) {
    const BoardView v = setBoard({pt, 0, true, false});
    EXPECT_EQ(visible(v, "Panel12"), false);
    EXPECT_EQ(visible(v, "BitBtn6"), false);
    EXPECT_EQ(v.find("Panel15")->top, 8);
    EXPECT_EQ(v.find("Panel16")->top, 8);
    EXPECT_EQ(visible(v, "Panel33"), true);
    EXPECT_EQ(enabled(v, "suiButton102"), false);
    EXPECT_TRUE(v.readEn);
  }
  const BoardView other = setBoard({6, 0, false, false});
  EXPECT_EQ(other.find("Panel15")->top, 32);
  EXPECT_EQ(visible(other, "Panel34"), false);
  EXPECT_EQ(enabled(other, "suiButton72"), true);
  // Only two of the four write buttons come back: the read-back of the page
  // enables the others.
  EXPECT_FALSE(other.find("suiButton98"));
}

TEST(SetBoard, ProductElevenAndUnknownTypesCheckNoEntry) {
  for (int pt : {11, 14, -3}) {
    const BoardView v = setBoard({pt, 0, false, false});
    for (const auto& entry : kProductMenu) EXPECT_EQ(v.find(entry.objectName)->checked, false);
    EXPECT_EQ(v.planCount, 48);
  }
}

}  // namespace
}  // namespace wall
