#pragma once
// The system-settings dialog ("系统设置"): its check boxes take effect and
// are saved the moment they change; the two delay fields and the two lists
// wait for OK; the matrix-to-screen time takes effect as it is typed and is
// saved only by OK (after Cancel it stays in effect until the program ends).

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/app/numeric_field.h"

namespace wall {

class Session;
struct BoardView;

class SystemSettingsModel {
 public:
  // Boxes, as the dialog numbers them (suiCheckBox1 to suiCheckBox6).
  enum Box {
    kAutoStart = 1,  // "电脑开机时启动软件"
    kLogin = 2,      // "软件登录使用密码"
    kReadBack = 3,   // "使用数据回读功能"
    kRoaming = 4,    // "使用漫游功能" (hidden and disabled)
    kAutoAdjust = 5, // "切信号自动调整"
    kBegan = 6,      // "启动软件发送开机命令"
  };
  enum Field { kCmdDelay = 1, kPowerDelay = 2, kMatrixToScreen = 3 };

  // `autostart(on)` creates or removes the start-with-the-computer entry;
  // it returns false when that failed (the setting is then saved anyway).
  using AutostartHook = std::function<bool(bool on)>;

  SystemSettingsModel(Session& session, AutostartHook autostart);

  // N8Click: the boxes 1, 3 and 4 take their settings (a change runs the
  // box's rule), the fields and lists are filled.
  void open();
  // The dialog's activation: boxes 5, 6 and 2 take their settings.
  void activate();

  // A box's state changes (a click or code); the rule runs on change only.
  void setChecked(int box, bool checked);
  bool checked(int box) const { return checked_[static_cast<std::size_t>(box)]; }
  bool enabled(int box) const { return enabled_[static_cast<std::size_t>(box)]; }
  // SetBoard's effect on the read-back box: already accounted for by the
  // session (its rule's cascade), so no rule runs here.
  void applyBoard(const BoardView& view);

  // A field's text changed; returns what it shows and whether to beep.
  NumericFieldResult fieldChanged(int field, std::string_view text);
  std::string fieldText(int field) const { return text_[static_cast<std::size_t>(field)]; }

  int cmdFormIndex() const { return cmdFormIndex_; }
  int switchOrderIndex() const { return switchOrderIndex_; }
  void setCmdFormIndex(int i) { cmdFormIndex_ = i; }
  void setSwitchOrderIndex(int i) { switchOrderIndex_ = i; }
  int pendingCmdDelay() const { return pendingCmdDelay_; }
  int pendingPowerDelay() const { return pendingPowerDelay_; }

  void ok();
  void cancel() {}  // closes only: the pending values are dropped

 private:
  void runRule(int box);

  Session& session_;
  AutostartHook autostart_;
  std::array<bool, 7> checked_{};
  std::array<bool, 7> enabled_{false, true, true, true, false, true, true};
  std::array<std::string, 4> text_;
  int pendingCmdDelay_ = 0;
  int pendingPowerDelay_ = 0;
  int cmdFormIndex_ = 0;
  int switchOrderIndex_ = 0;
};

}  // namespace wall
