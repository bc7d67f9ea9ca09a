// The roll-polling dialog's rules: the numeric fields, "+" and "-", the
// group count, the start box.
#include "core/app/roll_dialog_model.h"

#include <gtest/gtest.h>

#include "../settings/temp_folder.h"
#include "core/settings/settings_file.h"

namespace wall {
namespace {

TEST(RollField, ZeroBecomesOneAndAboveTheMaximumTheMaximum) {
  struct Case {
    const char* typed;
    int maximum;
    const char* shown;
    bool beep;
  };
  for (const Case& c : {Case{"0", 3600, "1", true}, Case{"5000", 3600, "3600", true}, Case{"12a", 3600, "12", false},
                        Case{"", 100, "", false}, Case{"00", 100, "1", true}, Case{"256", 255, "255", true},
                        Case{"99999999999999", 100, "100", true}}) {
    const NumericFieldResult r = rollFieldChanged(c.typed, c.maximum);
    EXPECT_EQ(r.text, c.shown) << c.typed;
    EXPECT_EQ(r.beep, c.beep) << c.typed;
  }
}

TEST(RollDialog, GroupNames) {
  EXPECT_EQ(rollGroupName(0), "001");
  EXPECT_EQ(rollGroupName(98), "099");
  EXPECT_EQ(rollGroupName(99), "100");
}

TEST(RollDialog, PlusAppendsAndEnablesMinusClosesTheGap) {
  RollDialogModel m;
  m.selectGroup(0);
  m.setGroupEnabled(0, false);
  for (int in : {1, 2, 3}) {
    m.inputField = in;
    EXPECT_FALSE(m.addItem().has_value());
  }
  EXPECT_TRUE(m.group(0).enabled);  // "+" re-enables the group
  ASSERT_TRUE(m.removeItem(1));
  ASSERT_EQ(m.group(0).items.size(), 2u);
  EXPECT_EQ(m.group(0).items[0].input, 1);
  EXPECT_EQ(m.group(0).items[1].input, 3);
  EXPECT_FALSE(m.removeItem(2));
  EXPECT_FALSE(m.removeItem(-1));
}

TEST(RollDialog, PlusOnAFullGroupIsRefused) {
  RollDialogModel m;
  for (int i = 0; i < kRollItemsPerGroup; ++i) ASSERT_FALSE(m.addItem().has_value()) << i;
  const auto notice = m.addItem();
  ASSERT_TRUE(notice.has_value());
  EXPECT_FALSE(notice->english.empty());
  EXPECT_EQ(m.group(0).items.size(), static_cast<std::size_t>(kRollItemsPerGroup));
}

TEST(RollDialog, LoweringTheGroupCountKeepsTheListButSavesAndPollsFewer) {
  wall::testing::TempFolder dir;
  SettingsFile file(dir.file("Setting.ini"));
  RollDialogModel m;
  m.readConfig(file);
  m.groupCountField = 5;
  m.confirmGroupCount();
  EXPECT_EQ(m.listedGroups(), 5);
  m.selectGroup(4);
  EXPECT_FALSE(m.addItem().has_value());  // group 4 enabled
  m.groupCountField = 3;
  m.confirmGroupCount();
  EXPECT_EQ(m.listedGroups(), 5);
  EXPECT_FALSE(m.start());  // only group 4 enabled, beyond the count
  m.writeConfig(file);
  EXPECT_EQ(file.readInt("MatrixRoll", "GroupCount", 0), 3);
  EXPECT_FALSE(file.hasKey("MatrixRoll4", "Count"));
  m.selectGroup(1);
  EXPECT_FALSE(m.addItem().has_value());
  EXPECT_TRUE(m.start());
  EXPECT_TRUE(m.onOff());
  m.stop();
  EXPECT_FALSE(m.onOff());
}

}  // namespace
}  // namespace wall
