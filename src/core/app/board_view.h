#pragma once
// SetBoard: what the product type, the access level and the read-back and
// roaming settings do to the main window and the system-settings dialog.
//
// The result is a list of effects on named controls. An effect leaves alone
// what it does not name: with access level 0, for example, the controls that
// only the login adjusts keep whatever state they had. Applying the same
// view twice leaves the window the same, which is what makes SetBoard
// idempotent.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wall {

struct ControlEffect {
  std::string name;  // the control's objectName
  std::optional<bool> visible;
  std::optional<bool> enabled;
  std::optional<bool> checked;
  std::optional<int> top;  // a new vertical position inside its page

  bool operator==(const ControlEffect&) const = default;
};

struct BoardInputs {
  int productType = 6;
  int accessLevel = 0;
  bool readEn = false;   // bReadEn
  bool manYou = false;   // bManYou
};

struct BoardView {
  // Every effect in the order SetBoard applies them; a later effect on the
  // same control wins for the properties it sets.
  std::vector<ControlEffect> effects;
  int planCount = 48;
  // Set on Dahlia: the system-settings dialog's command-format list shows
  // "9个字节" (the stored format is not changed).
  std::optional<int> cmdFormListIndex;
  // The read-back setting in force after SetBoard, and whether it was
  // switched off by clearing "使用数据回读功能" (bReadEn = 0 must be saved).
  bool readEn = false;
  bool readEnSwitchedOff = false;

  // The combined effect on one control (properties that no effect sets
  // stay empty), or nothing when SetBoard does not touch it.
  std::optional<ControlEffect> find(std::string_view name) const;
};

// The object name of the system-settings dialog's read-back box.
inline constexpr std::string_view kReadBackBox = "suiCheckBox3";

BoardView setBoard(const BoardInputs& in);

}  // namespace wall
