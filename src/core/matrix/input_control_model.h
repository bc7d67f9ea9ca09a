#pragma once
// The rules of the input-control dialog ("输入控制"), kept apart from its
// widgets: the product's source list, the four matrix input lists, the
// stored choices, "使用矩阵", "单屏模式", the switch type, Kestrel's "子信号",
// which input list the current source shows (SetMatrixDisplay) and the
// script of "确 定". Every choice is written to the settings file when it is
// made, as the dialog always did.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/matrix/input_switch.h"
#include "core/matrix/matrix_state.h"

namespace wall {

class SettingsFile;

inline constexpr const char* kInputControlSection = "Unit14";

// The "子信号" list of Kestrel: "NULL", "AV1".."AV4".
inline constexpr std::array<const char*, 5> kSubSignals = {"NULL", "AV1", "AV2", "AV3", "AV4"};

// The Unit14 key of a kind's input list: VGA ComboBox1, AV ComboBox2, DVI
// ComboBox3, YPbPr ComboBox4.
std::string inputControlListKey(MatrixKind kind);

class InputControlModel {
 public:
  explicit InputControlModel(SettingsFile& file) : file_(file) {}

  // N16Click: refills the input lists when they are stale, restores every
  // stored choice, fills the source list of the product and applies
  // Kestrel's "子信号" rule; then, as the dialog shows, "使用矩阵".
  void open(int productType, const MatrixState& matrices, int language);
  // After the matrix settings are confirmed: the next open refills the
  // input lists (InputListsLoaded cleared).
  void invalidateInputLists() { inputListsLoaded_ = false; }
  bool inputListsLoaded() const { return inputListsLoaded_; }

  const std::vector<std::string>& inputNames(MatrixKind kind) const { return lists_[at(kind)]; }
  int inputIndex(MatrixKind kind) const { return inputIndex_[at(kind)]; }
  std::vector<std::string> sourceNames() const;
  int sourceIndex() const { return sourceIndex_; }
  // The SourceCode of the selected source; nothing without a selection.
  std::optional<int> sourceCode() const;
  bool kestrel() const { return productType_ == kKestrelProduct; }
  int subSignal() const { return subSignal_; }
  // Kestrel's "QUAD": the source list narrows so that "子信号" shows.
  bool sourceListNarrow() const { return narrow_; }
  bool matrixUse() const { return matrixUse_; }
  bool singleScreen() const { return singleScreen_; }
  int switchType() const { return switchType_; }

  // SetMatrixDisplay: the kind whose input list, "矩阵输入" label and
  // switch-type group show (none: a source without a matrix kind, or a
  // kind whose brand is "NotUsed"), enabled when "使用矩阵" is ticked.
  struct Display {
    std::optional<MatrixKind> kind;
    bool enabled = false;
    bool operator==(const Display&) const = default;
  };
  Display display() const;

  // Each stores its choice at once.
  void pickSource(int index);
  void pickSubSignal(int index);
  void pickInput(MatrixKind kind, int index);
  void setMatrixUse(bool on);
  void setSingleScreen(bool on);
  void setSwitchType(int type);

  // What the rest of a confirm needs that the dialog does not hold.
  struct Context {
    const MatrixState& matrices;
    WallShape wall;
    PortFlags portFlags;
    Selection selection;
    int cmdForm = 0;
    int switchOrder = 0;
    int matrixToScreenTime = 200;
  };
  // "确 定": the script of the confirm and the units it switches; nothing
  // without a selected source.
  std::optional<InputSwitchPlan> confirm(const Context& context) const;

 private:
  static std::size_t at(MatrixKind kind) { return static_cast<std::size_t>(kindIndex(kind)); }
  void fillInputLists(const MatrixState& matrices, int language);
  void applyKestrelRule();

  SettingsFile& file_;
  bool inputListsLoaded_ = false;
  int productType_ = 6;
  std::array<int, 4> companies_{};
  std::array<std::vector<std::string>, 4> lists_{};
  std::array<int, 4> inputIndex_{-1, -1, -1, -1};
  int sourceIndex_ = -1;
  int subSignal_ = 0;
  bool narrow_ = false;
  bool matrixUse_ = true;
  bool singleScreen_ = false;
  int switchType_ = 1;
};

}  // namespace wall
