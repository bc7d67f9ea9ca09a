#include "core/app/system_settings_model.h"

#include <vector>

#include "session_fixture.h"

namespace wall {
namespace {

class SystemSettings : public SessionFixture {
 protected:
  SystemSettingsModel& open(const std::string& text = {}) {
    Session& s = start(text);
    s.setBoardObserver([this](const BoardView& v) {
      ++setBoards_;
      if (model_) model_->applyBoard(v);
    });
    model_ = std::make_unique<SystemSettingsModel>(s, [this](bool on) {
      autostart_.push_back(on);
      return true;
    });
    model_->open();
    return *model_;
  }

  std::unique_ptr<SystemSettingsModel> model_;
  std::vector<bool> autostart_;
  int setBoards_ = 0;
};

TEST_F(SystemSettings, DelayFieldsWaitForOk) {
  auto& m = open();
  auto r = m.fieldChanged(SystemSettingsModel::kCmdDelay, "12a3");
  EXPECT_EQ(r.text, "123");
  EXPECT_FALSE(r.beep);
  EXPECT_EQ(m.pendingCmdDelay(), 123);
  r = m.fieldChanged(SystemSettingsModel::kPowerDelay, "99999");
  EXPECT_EQ(r.text, "10000");
  EXPECT_TRUE(r.beep);
  EXPECT_FALSE(reread().hasKey("SETTING", "CmdDelayTime10Ms"));
  m.setCmdFormIndex(2);
  m.setSwitchOrderIndex(1);
  m.ok();
  auto f = reread();
  EXPECT_EQ(f.readInt("SETTING", "CmdDelayTime10Ms", -1), 123);
  EXPECT_EQ(f.readInt("SETTING", "PowerDelayTime10Ms", -1), 10000);
  EXPECT_EQ(f.readInt("SETTING", "CmdForm", -1), 2);
  EXPECT_EQ(f.readInt("SETTING", "SwitchOrder", -1), 1);
  EXPECT_EQ(f.readInt("SETTING", "MatrixToScreenTime", -1), 200);
  EXPECT_EQ(session_->values().powerDelayTime10Ms, 10000);
}

TEST_F(SystemSettings, CancelKeepsMatrixToScreenTimeInMemoryOnly) {
  auto& m = open();
  m.fieldChanged(SystemSettingsModel::kMatrixToScreen, "350");
  m.fieldChanged(SystemSettingsModel::kCmdDelay, "40");
  m.cancel();
  EXPECT_EQ(session_->values().matrixToScreenTime, 350);
  EXPECT_EQ(session_->values().cmdDelayTime10Ms, 0);
  EXPECT_FALSE(reread().hasKey("SETTING", "MatrixToScreenTime"));
  // Opening again shows the stored delays, but the time typed before.
  m.open();
  EXPECT_EQ(m.fieldText(SystemSettingsModel::kCmdDelay), "0");
  EXPECT_EQ(m.fieldText(SystemSettingsModel::kMatrixToScreen), "350");
}

TEST_F(SystemSettings, EmptyFieldLeavesTheValue) {
  auto& m = open();
  m.fieldChanged(SystemSettingsModel::kCmdDelay, "77");
  auto r = m.fieldChanged(SystemSettingsModel::kCmdDelay, "");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(m.pendingCmdDelay(), 77);
}

TEST_F(SystemSettings, BoxesSaveAtOnce) {
  auto& m = open();
  m.activate();
  m.setChecked(SystemSettingsModel::kBegan, true);
  m.setChecked(SystemSettingsModel::kLogin, true);
  m.setChecked(SystemSettingsModel::kAutoAdjust, true);
  auto f = reread();
  EXPECT_TRUE(f.readBool("SETTING", "Began", false));
  EXPECT_EQ(f.readInt("SETTING", "bLogin", -1), 1);
  EXPECT_TRUE(f.readBool("SETTING", "bAutoAutoAdjEn", false));
}

TEST_F(SystemSettings, AutostartEntryFollowsTheBox) {
  auto& m = open("[SETTING]\nAutoPowerOn=1\n");
  // Opening ticks the box (its state changes), whose rule writes the entry again.
  EXPECT_EQ(autostart_, std::vector<bool>{true});
  m.setChecked(SystemSettingsModel::kAutoStart, false);
  EXPECT_EQ(autostart_, (std::vector<bool>{true, false}));
  EXPECT_EQ(reread().readInt("SETTING", "AutoPowerOn", -1), 0);
  m.open();  // the box already shows 0: nothing runs
  EXPECT_EQ(autostart_.size(), 2u);
}

TEST_F(SystemSettings, ReadBackBoxRunsSetBoard) {
  auto& m = open();
  const int before = setBoards_;
  m.setChecked(SystemSettingsModel::kReadBack, true);
  EXPECT_EQ(setBoards_, before + 1);
  EXPECT_TRUE(session_->values().readEn);
  EXPECT_EQ(reread().readInt("SETTING", "bReadEn", -1), 1);
}

TEST_F(SystemSettings, DahliaClearsAndGreysTheReadBackBox) {
  auto& m = open("[SETTING]\nbReadEn=1\n");
  EXPECT_TRUE(m.checked(SystemSettingsModel::kReadBack));
  session_->chooseProduct(3);
  EXPECT_FALSE(m.checked(SystemSettingsModel::kReadBack));
  EXPECT_FALSE(m.enabled(SystemSettingsModel::kReadBack));
  EXPECT_FALSE(session_->values().readEn);
  EXPECT_EQ(reread().readInt("SETTING", "bReadEn", -1), 0);
  session_->chooseProduct(4);
  EXPECT_EQ(m.cmdFormIndex(), 2);
  EXPECT_EQ(reread().readInt("SETTING", "CmdForm", -1), -1);  // the list only
  session_->chooseProduct(0);
  EXPECT_TRUE(m.enabled(SystemSettingsModel::kReadBack));
  EXPECT_FALSE(m.checked(SystemSettingsModel::kReadBack));
}

}  // namespace
}  // namespace wall
