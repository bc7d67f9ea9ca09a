#include "core/app/system_settings_model.h"

#include "core/app/board_view.h"
#include "core/app/session.h"

namespace wall {

SystemSettingsModel::SystemSettingsModel(Session& session, AutostartHook autostart)
    : session_(session), autostart_(std::move(autostart)) {}

void SystemSettingsModel::open() {
  const SessionValues& v = session_.values();
  setChecked(kAutoStart, v.autoPowerOn != 0);
  setChecked(kReadBack, session_.values().readEn);
  setChecked(kRoaming, session_.values().manYou);
  pendingCmdDelay_ = session_.values().cmdDelayTime10Ms;
  pendingPowerDelay_ = session_.values().powerDelayTime10Ms;
  text_[kCmdDelay] = std::to_string(pendingCmdDelay_);
  text_[kPowerDelay] = std::to_string(pendingPowerDelay_);
  text_[kMatrixToScreen] = std::to_string(session_.values().matrixToScreenTime);
  switchOrderIndex_ = session_.values().switchOrder;
  cmdFormIndex_ = session_.values().cmdForm;
}

void SystemSettingsModel::activate() {
  const SessionValues& v = session_.values();
  setChecked(kAutoAdjust, v.autoAutoAdjEn);
  setChecked(kBegan, session_.values().began);
  setChecked(kLogin, session_.values().login != 0);
}

void SystemSettingsModel::setChecked(int box, bool on) {
  if (box < kAutoStart || box > kBegan) return;
  auto& state = checked_[static_cast<std::size_t>(box)];
  if (state == on) return;
  state = on;
  runRule(box);
}

void SystemSettingsModel::runRule(int box) {
  const bool on = checked(box);
  switch (box) {
    case kAutoStart:
      if (autostart_) autostart_(on);
      session_.setAutoPowerOn(on);
      break;
    case kLogin: session_.setLogin(on); break;
    case kReadBack:
      session_.setReadEn(on);
      session_.setBoard();
      break;
    case kRoaming:
      session_.setManYou(on);
      session_.setBoard();
      break;
    case kAutoAdjust: session_.setAutoAutoAdjEn(on); break;
    case kBegan: session_.setBegan(on); break;
    default: break;
  }
}

void SystemSettingsModel::applyBoard(const BoardView& view) {
  if (auto box = view.find(kReadBackBox)) {
    if (box->enabled) enabled_[kReadBack] = *box->enabled;
    if (box->checked) checked_[kReadBack] = *box->checked;
  }
  if (view.cmdFormListIndex) cmdFormIndex_ = *view.cmdFormListIndex;
}

NumericFieldResult SystemSettingsModel::fieldChanged(int field, std::string_view text) {
  NumericFieldResult r = numericFieldChanged(text);
  if (field < kCmdDelay || field > kMatrixToScreen) return r;
  if (r.value) {
    switch (field) {
      case kCmdDelay: pendingCmdDelay_ = *r.value; break;
      case kPowerDelay: pendingPowerDelay_ = *r.value; break;
      default: session_.setMatrixToScreenTime(*r.value); break;
    }
  }
  text_[static_cast<std::size_t>(field)] = r.text;
  return r;
}

void SystemSettingsModel::ok() {
  session_.commitSystemSettings(pendingCmdDelay_, pendingPowerDelay_, cmdFormIndex_, switchOrderIndex_);
}

}  // namespace wall
