#include "core/matrix/matrix_input_name_editor.h"

namespace wall {

void MatrixInputNameEditor::open(MatrixKind kind, std::vector<std::string> names) {
  kind_ = kind;
  names_ = std::move(names);
  selected_ = -1;
  editText_.clear();
  select(0);
}

void MatrixInputNameEditor::select(int index) {
  if (index < 0 || index >= static_cast<int>(names_.size())) return;
  selected_ = index;
  editText_ = names_[static_cast<std::size_t>(index)];
}

std::optional<MatrixInputNameEditor::NameWrite> MatrixInputNameEditor::confirm() {
  if (selected_ < 0 || selected_ >= static_cast<int>(names_.size())) return std::nullopt;
  names_[static_cast<std::size_t>(selected_)] = editText_;
  return NameWrite{kind_, selected_, editText_};
}

}  // namespace wall
