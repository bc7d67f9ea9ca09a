#pragma once
// The input-name editor ("设置矩阵输入名"): a kind's input names in a list,
// the selected one copied into the edit box, and "确  认" putting the box's
// text into the selected entry, to be written at once.

#include <optional>
#include <string>
#include <vector>

#include "core/matrix/matrix_kind.h"

namespace wall {

class MatrixInputNameEditor {
 public:
  // Opens on a kind with its InputMax names (read with their defaults);
  // entry 0 is selected and copied into the edit box.
  void open(MatrixKind kind, std::vector<std::string> names);

  MatrixKind kind() const { return kind_; }
  // The group caption: "AV", "VGA", "DVI" or "YPbPr".
  std::string caption() const { return std::string(kindLabel(kind_)); }
  const std::vector<std::string>& names() const { return names_; }
  int selected() const { return selected_; }
  const std::string& editText() const { return editText_; }

  void select(int index);
  void setEditText(std::string text) { editText_ = std::move(text); }

  struct NameWrite {
    MatrixKind kind;
    int index;
    std::string name;
  };
  // Puts the edit box's text into the selected entry; returns the write to
  // make at once, or nothing when no entry is selected.
  std::optional<NameWrite> confirm();

 private:
  MatrixKind kind_ = MatrixKind::AV;
  std::vector<std::string> names_;
  int selected_ = -1;
  std::string editText_;
};

}  // namespace wall
