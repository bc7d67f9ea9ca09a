#pragma once
// The main window's matrix lists of the pop-window panel (Panel30): the pop
// source list (suiComboBox1), "使用矩阵" (suiCheckBox1) and the VGA, AV, DVI
// and YPbPr input lists (suiComboBox4..7), stored in section Unit1. The
// pop-window code sends a pop window's matrix switch from them.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/matrix/matrix_state.h"

namespace wall {

class SettingsFile;

// The Unit1 key of a kind's pop-window input list: VGA suiComboBox4, AV
// suiComboBox5, DVI suiComboBox6, YPbPr suiComboBox7.
std::string pipInputListKey(MatrixKind kind);

class PipMatrixLists {
 public:
  explicit PipMatrixLists(SettingsFile& file) : file_(file) {}

  // SetPipMatrixInput: refills the four input lists and the pop source list
  // (the product's sources), restores their stored indices and sets the
  // pop SourceCode; then SetPipMatrix.
  void setPipMatrixInput(int productType, const MatrixState& matrices, int language);
  // SetPipMatrix: which list shows (the pop source's kind, when its brand
  // is not "NotUsed"), with Panel30, enabled when "使用矩阵" is ticked.
  struct Display {
    std::optional<MatrixKind> kind;  // none: Panel30 and every list hidden
    bool enabled = false;
    bool operator==(const Display&) const = default;
  };
  Display setPipMatrix() const;

  const std::vector<std::string>& inputNames(MatrixKind kind) const { return lists_[at(kind)]; }
  int inputIndex(MatrixKind kind) const { return inputIndex_[at(kind)]; }
  const std::vector<std::string>& sourceNames() const { return sources_; }
  int sourceIndex() const { return sourceIndex_; }
  // The pop source's SourceCode, for the pop-window code.
  std::optional<int> popSourceCode() const;
  bool useMatrix() const { return useMatrix_; }
  // The matrix input (1-based) of a kind's list; nothing without a choice.
  std::optional<int> popMatrixInput(MatrixKind kind) const;

  // Each stores its choice at once.
  void pickSource(int index);
  void pickInput(MatrixKind kind, int index);
  void setUseMatrix(bool on);

 private:
  static std::size_t at(MatrixKind kind) { return static_cast<std::size_t>(kindIndex(kind)); }

  SettingsFile& file_;
  int productType_ = 6;
  std::array<int, 4> companies_{};
  std::array<std::vector<std::string>, 4> lists_{};
  std::array<int, 4> inputIndex_{-1, -1, -1, -1};
  std::vector<std::string> sources_;
  int sourceIndex_ = -1;
  bool useMatrix_ = false;
};

}  // namespace wall
