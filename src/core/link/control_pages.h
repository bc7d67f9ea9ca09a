#pragma once
// The control panel's pages as data: every value group, choice group and
// button with its command code, range, control names and product variants,
// and the frames each of them sends. The window builds its pages from these
// tables; nothing here knows a widget.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/link/wall_frames.h"

namespace wall {

inline constexpr int kPageCount = 10;
// Page indexes of PageControl1.
inline constexpr int kPagePicture = 0, kPageWindow = 1, kPagePip = 2, kPageSystem = 3, kPageTestPattern = 4,
                     kPageDlp = 5, kPageService = 6, kPageRoaming = 7, kPageAdjust = 8, kPageOther = 9;

enum class GroupKind { Value, Choice };

// What changing a choice group's selection sends while read-back is off.
enum class ChangeRule {
  Write,                    // ButtonWrite with the code and the index
  NoSend,                   // nothing: only "写" sends
  WriteOnDahliaElseIncDec,  // ButtonWrite on types 3 and 4, else ButtonIncDec with the index
  FlipDahlia,               // ButtonWrite; code 0xBB on types 3 and 4
  NoSignalDahlia,           // ButtonWrite with 0xB8 on types 3 and 4, else ButtonIncDec with the code
};

struct GroupDef {
  int page = 0;
  std::string_view panel;
  std::string_view caption;
  GroupKind kind = GroupKind::Value;
  std::uint8_t code = 0;
  // Value groups: the scroll bar's range and the six controls.
  int minimum = 0;
  int maximum = 100;
  std::string_view minus, plus, write, read, bar, edit;
  // Choice groups: the list (in `bar`), its items and the change rule.
  std::vector<std::string_view> items;
  ChangeRule change = ChangeRule::Write;
  bool readDisabled = false;  // "R" present but greyed out
  bool noReadButton = false;  // the group has no "读" button at all
  bool alwaysShown = false;   // read-back off does not hide its "写"/"读"
  bool hidden = false;        // hidden in the window design
};

// How a button's frame is built.
enum class ButtonSend {
  Write,                    // ButtonWrite(code, value)
  IncDec,                   // ButtonIncDec(code, value)
  WriteOnDahliaElseIncDec,  // ButtonWrite on types 3 and 4, else ButtonIncDec
  None,                     // opens a dialog or has a handler of its own
};

struct ButtonDef {
  int page;  // -1: the side panel
  std::string_view name;
  std::string_view caption;
  ButtonSend send;
  std::uint8_t code = 0;
  std::uint8_t value = 0;
  std::string_view group = {};  // the box it sits in, if any ("Panel32")
};

const std::vector<GroupDef>& controlGroups();
const std::vector<ButtonDef>& controlButtons();
const GroupDef* findGroup(std::string_view panel);
const ButtonDef* findButton(std::string_view name);

// The frames. "-" and "+" of a value group: ButtonIncDec with 0 and 1;
// "写": ButtonWrite with the position; a choice's "写": ButtonWrite with
// the index.
Bytes valueStepFrame(const WallFrames& f, const GroupDef& g, bool plus);
Bytes valueWriteFrame(const WallFrames& f, const GroupDef& g, int position);
Bytes choiceWriteFrame(const WallFrames& f, const GroupDef& g, int index);
// A changed selection: nothing while read-back is on or when the group
// sends nothing on change.
std::optional<Bytes> choiceChangeFrame(const WallFrames& f, const GroupDef& g, int index, int productType,
                                       bool readEn);
std::optional<Bytes> buttonFrame(const WallFrames& f, const ButtonDef& b, int productType);

// The test-pattern page's "-" and "+": code 0xB1 with 0 and 1, or with 0x80
// and 0x81 on product types 11 and 12.
Bytes testPatternStepFrame(const WallFrames& f, bool plus, int productType);

// "图像冻结": on types 3 and 4 ButtonWrite with the click count modulo 2
// (0 first), else ButtonIncDec with 1.
class FreezeButton {
 public:
  Bytes click(const WallFrames& f, int productType);

 private:
  unsigned clicks_ = 0;
};

// The colour-coordinate editor of the projection page: seven colours
// (white, red, green, blue, cyan, magenta, yellow) × X, Y and gain.
inline constexpr int kColourCount = 7;
inline constexpr int kCoordinateCount = 3;
std::uint8_t colourCode(int colour, int coordinate);
// The radio buttons and the three rows' panels, in colour and coordinate order.
extern const std::array<std::string_view, kColourCount> kColourRadios;
extern const std::array<std::string_view, kCoordinateCount> kColourRows;
// Configuration-list names "CmdDlpColorWx" ... in the same order.
std::string_view colourConfigName(int colour, int coordinate);

class ColourStore {
 public:
  int value(int colour, int coordinate) const { return values_[index(colour, coordinate)]; }
  void set(int colour, int coordinate, int v) { values_[index(colour, coordinate)] = v; }

 private:
  static std::size_t index(int colour, int coordinate) {
    return static_cast<std::size_t>(colour * kCoordinateCount + coordinate);
  }
  std::array<int, kColourCount * kCoordinateCount> values_{};
};

// The panel parameters of "屏参设置": item text and parameter number.
struct PanelParameter {
  std::string_view item;
  int number;
};
extern const std::array<PanelParameter, 19> kPanelParameters;
inline constexpr std::string_view kPanelUnlockCode = "3846";
inline constexpr std::uint8_t kPanelParameterCode = 0x21;
// The frame of a chosen parameter, or nothing without the unlock code or
// for an index outside the list.
std::optional<Bytes> panelParameterFrame(const WallFrames& f, std::string_view password, int index);

}  // namespace wall
