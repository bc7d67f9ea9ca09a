#pragma once
// The rules of the serial-port dialog's check boxes ("矩阵使用独立串口" and
// the four kinds' "…矩阵使用独立串口"): they clear each other, enable the
// "串口设置" buttons and set port numbers to 0 (which closes those ports).
//
// A box's rule runs whenever its state changes, by a click or from code
// (showing the dialog, or another box's rule clearing it); setting the state
// a box already has runs nothing. Nothing is written to the file until
// "保  存".

#include <array>

#include "core/settings/port_settings.h"

namespace wall {

class PortDialogModel {
 public:
  // Boxes: 0 "矩阵使用独立串口" (CheckBox1), then AV, VGA, DVI, YPbPr
  // (CheckBox2 to CheckBox5). Their buttons are BitBtn2, 3, 4, 7 and 8.
  static constexpr int kBoxes = 5;
  static constexpr int kMatrixBox = 0;

  // `portNumbers[d]` is the port number of device d (1 to 5; index 0 is
  // unused). The boxes start cleared when the program starts.
  explicit PortDialogModel(std::array<int, 6> portNumbers = {0, 1, 0, 0, 0, 0});

  // FormShow: takes the flags read from the file, then sets each box in
  // turn to its flag as it is in memory at that moment.
  void show(const PortFlags& fileFlags);

  // The box's state changes (a click, or code); runs the rule on change.
  void setChecked(int box, bool checked);

  bool checked(int box) const { return checked_[static_cast<std::size_t>(box)]; }
  bool buttonEnabled(int box) const { return buttonEnabled_[static_cast<std::size_t>(box)]; }
  const PortFlags& flags() const { return flags_; }
  int portNumber(int device) const { return portNo_[static_cast<std::size_t>(device)]; }
  const std::array<int, 6>& portNumbers() const { return portNo_; }
  // The port number chosen by a device's "串口设置" dialog.
  void setPortNumber(int device, int portNo) { portNo_[static_cast<std::size_t>(device)] = portNo; }

  // The device each box's "串口设置" button configures: 2, 2, 3, 4, 5.
  static int deviceOf(int box);

 private:
  void runRule(int box);
  void matrixRule(bool checked);
  void kindRule(int box, bool checked);
  bool& flag(int box);

  std::array<bool, kBoxes> checked_{};
  std::array<bool, kBoxes> buttonEnabled_{};
  PortFlags flags_;
  std::array<int, 6> portNo_;
};

}  // namespace wall
