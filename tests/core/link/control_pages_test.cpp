#include "core/link/control_pages.h"

#include <gtest/gtest.h>

#include <set>

namespace wall {
namespace {

const WallFrames kFormat0(0, Selection{0, 0, 1, 1});  // A1 = 11, A2 = 22

struct ChangeCase {
  const char* panel;
  int index;
  int productType;
  bool readEn;
  std::optional<Bytes> frame;
};

class ChoiceChange : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChoiceChange, SendsByTheGroupsRule) {
  const ChangeCase& c = GetParam();
  const GroupDef* g = findGroup(c.panel);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(choiceChangeFrame(kFormat0, *g, c.index, c.productType, c.readEn), c.frame) << c.panel;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ChoiceChange,
    ::testing::Values(
        ChangeCase{"Panel12", 1, 6, false, Bytes{0xFB, 0xB0, 0x11, 0x22, 0x9A, 0x01, 0xAE}},
        ChangeCase{"Panel12", 1, 6, true, std::nullopt},
        ChangeCase{"Panel12", 1, 4, false, Bytes{0xFB, 0xB1, 0x11, 0x22, 0x9A, 0x01, 0xAE}},
        ChangeCase{"Panel17", 1, 3, false, Bytes{0xFB, 0xB1, 0x11, 0x22, 0xB8, 0x01, 0xAE}},
        ChangeCase{"Panel17", 2, 6, false, Bytes{0xFB, 0xB0, 0x11, 0x22, 0xBC, 0x02, 0xAE}},
        ChangeCase{"Panel43", 3, 3, false, Bytes{0xFB, 0xB1, 0x11, 0x22, 0xBB, 0x03, 0xAE}},
        ChangeCase{"Panel43", 3, 6, false, Bytes{0xFB, 0xB1, 0x11, 0x22, 0xD7, 0x03, 0xAE}},
        ChangeCase{"Panel5", 2, 6, false, Bytes{0xFB, 0xB1, 0x11, 0x22, 0x45, 0x02, 0xAE}},
        ChangeCase{"Panel49", 1, 6, false, std::nullopt}, ChangeCase{"Panel64", 1, 6, false, std::nullopt}));

TEST(ControlButtons, ProductVariantsAndFixedFrames) {
  EXPECT_EQ(buttonFrame(kFormat0, *findButton("BitBtn52"), 3), (Bytes{0xFB, 0xB1, 0x11, 0x22, 0x5B, 0x01, 0xAE}));
  EXPECT_EQ(buttonFrame(kFormat0, *findButton("BitBtn52"), 6), (Bytes{0xFB, 0xB0, 0x11, 0x22, 0x5B, 0x01, 0xAE}));
  EXPECT_EQ(buttonFrame(kFormat0, *findButton("btn1"), 6), (Bytes{0xFB, 0xB1, 0x11, 0x22, 0xB1, 0x0F, 0xAE}));
  EXPECT_EQ(buttonFrame(kFormat0, *findButton("BitBtn71"), 6), (Bytes{0xFB, 0xB0, 0x11, 0x22, 0x21, 0x09, 0xAE}));
  EXPECT_EQ(buttonFrame(kFormat0, *findButton("suiButton135"), 6), (Bytes{0xFB, 0xB0, 0x11, 0x22, 0xDA, 0x01, 0xAE}));
  EXPECT_FALSE(buttonFrame(kFormat0, *findButton("BitBtn14"), 6));
  EXPECT_EQ(testPatternStepFrame(kFormat0, true, 11), (Bytes{0xFB, 0xB0, 0x11, 0x22, 0xB1, 0x81, 0xAE}));
  EXPECT_EQ(testPatternStepFrame(kFormat0, false, 6), (Bytes{0xFB, 0xB0, 0x11, 0x22, 0xB1, 0x00, 0xAE}));
}

TEST(FreezeButton, CountsClicksOnDahliaAndElderOnly) {
  FreezeButton freeze;
  std::vector<std::uint8_t> values;
  for (int i = 0; i < 3; ++i) values.push_back(freeze.click(kFormat0, 4)[5]);
  EXPECT_EQ(values, (std::vector<std::uint8_t>{0, 1, 0}));
  FreezeButton other;
  EXPECT_EQ(other.click(kFormat0, 6), (Bytes{0xFB, 0xB0, 0x11, 0x22, 0xB2, 0x01, 0xAE}));
  EXPECT_EQ(other.click(kFormat0, 6), (Bytes{0xFB, 0xB0, 0x11, 0x22, 0xB2, 0x01, 0xAE}));
}

TEST(PanelParameters, NeedTheUnlockCode) {
  EXPECT_EQ(panelParameterFrame(kFormat0, "3846", 5), (Bytes{0xFB, 0xB1, 0x11, 0x22, 0x21, 0x09, 0xAE}));
  EXPECT_EQ(kPanelParameters[5].item, "1366X768LG");
  EXPECT_FALSE(panelParameterFrame(kFormat0, "3845", 5));
  EXPECT_FALSE(panelParameterFrame(kFormat0, "3846", 19));
  EXPECT_FALSE(panelParameterFrame(kFormat0, "3846", -1));
}

TEST(ColourEditor, CodesAndNamesCoverTwentyOneDistinctValues) {
  std::set<int> codes;
  for (int colour = 0; colour < kColourCount; ++colour) {
    for (int coordinate = 0; coordinate < kCoordinateCount; ++coordinate) codes.insert(colourCode(colour, coordinate));
  }
  EXPECT_EQ(codes.size(), 21u);
  EXPECT_EQ(colourCode(3, 1), 0xD7);
  EXPECT_EQ(colourConfigName(6, 2), "CmdDlpColorYg");
  EXPECT_EQ(colourCode(7, 0), 0);
}

TEST(ControlGroups, ObjectNamesAreUnique) {
  std::set<std::string_view> names;
  std::size_t count = 0;
  auto add = [&](std::string_view n) {
    if (n.empty()) return;
    names.insert(n);
    ++count;
  };
  for (const GroupDef& g : controlGroups()) {
    for (auto n : {g.panel, g.minus, g.plus, g.write, g.read, g.bar, g.edit}) add(n);
  }
  for (const ButtonDef& b : controlButtons()) add(b.name);
  // Shared handlers (the swap button, the position auto-adjust) are distinct controls.
  EXPECT_EQ(names.size(), count);
}

TEST(ValueGroups, RangesOfTheTables) {
  EXPECT_EQ(findGroup("Panel8")->maximum, 63);
  EXPECT_EQ(findGroup("Panel15")->minimum, 1);
  EXPECT_EQ(findGroup("Panel9")->maximum, 254);
  EXPECT_EQ(findGroup("Panel65")->maximum, 255);
  EXPECT_EQ(valueWriteFrame(WallFrames(1, Selection{}), *findGroup("Panel9"), 254),
            (Bytes{0xFB, 0xB1, 0x11, 0x11, 0xB3, 0xFE, 0x00, 0xAE}));
}

}  // namespace
}  // namespace wall
