#include "core/app/port_dialog_model.h"

namespace wall {

PortDialogModel::PortDialogModel(std::array<int, 6> portNumbers) : portNo_(portNumbers) {}

int PortDialogModel::deviceOf(int box) {
  // The shared matrix port and the AV port are both device 2.
  return box == kMatrixBox ? 2 : box + 1;
}

bool& PortDialogModel::flag(int box) {
  switch (box) {
    case 0: return flags_.matrixUseComOnly;
    case 1: return flags_.avUseComOnly;
    case 2: return flags_.vgaUseComOnly;
    case 3: return flags_.dviUseComOnly;
    default: return flags_.yuvUseComOnly;
  }
}

void PortDialogModel::show(const PortFlags& fileFlags) {
  flags_ = fileFlags;
  for (int box = 0; box < kBoxes; ++box) {
    // The flag that decides is the one in memory now: a rule run for an
    // earlier box may have cleared it.
    const bool on = flag(box);
    setChecked(box, on);
    buttonEnabled_[static_cast<std::size_t>(box)] = on;
  }
}

void PortDialogModel::setChecked(int box, bool on) {
  auto& state = checked_[static_cast<std::size_t>(box)];
  if (state == on) return;
  state = on;
  runRule(box);
}

void PortDialogModel::runRule(int box) {
  if (box == kMatrixBox) {
    matrixRule(checked(box));
  } else {
    kindRule(box, checked(box));
  }
}

void PortDialogModel::matrixRule(bool on) {
  if (!on) {
    buttonEnabled_[kMatrixBox] = false;
    flags_.matrixUseComOnly = false;
    portNo_[2] = 0;
    return;
  }
  for (int box = 1; box < kBoxes; ++box) setChecked(box, false);
  buttonEnabled_[kMatrixBox] = true;
  for (int box = 1; box < kBoxes; ++box) buttonEnabled_[static_cast<std::size_t>(box)] = false;
  flags_.matrixUseComOnly = true;
  for (int box = 1; box < kBoxes; ++box) flag(box) = false;
  portNo_[3] = portNo_[4] = portNo_[5] = 0;
}

void PortDialogModel::kindRule(int box, bool on) {
  const auto b = static_cast<std::size_t>(box);
  if (!on) {
    buttonEnabled_[b] = false;
    flag(box) = false;
    portNo_[static_cast<std::size_t>(deviceOf(box))] = 0;
    return;
  }
  setChecked(kMatrixBox, false);
  buttonEnabled_[kMatrixBox] = false;
  buttonEnabled_[b] = true;
  flags_.matrixUseComOnly = false;
  flag(box) = true;
  for (int other = 1; other < kBoxes; ++other) {
    if (other != box && !flag(other)) portNo_[static_cast<std::size_t>(deviceOf(other))] = 0;
  }
}

}  // namespace wall
