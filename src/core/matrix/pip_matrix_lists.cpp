#include "core/matrix/pip_matrix_lists.h"

#include "core/matrix/matrix_catalog.h"
#include "core/matrix/matrix_input_lists.h"
#include "core/matrix/source_list.h"
#include "core/settings/settings_file.h"

namespace wall {

namespace {

constexpr const char* kSection = "Unit1";
constexpr const char* kSourceKey = "suiComboBox1";
constexpr const char* kUseMatrixKey = "suiCheckBox1";

}  // namespace

std::string pipInputListKey(MatrixKind kind) {
  switch (kind) {
    case MatrixKind::VGA:
      return "suiComboBox4";
    case MatrixKind::AV:
      return "suiComboBox5";
    case MatrixKind::DVI:
      return "suiComboBox6";
    case MatrixKind::YPbPr:
      return "suiComboBox7";
  }
  return {};
}

void PipMatrixLists::setPipMatrixInput(int productType, const MatrixState& matrices, int language) {
  SettingsFile::Batch batch(file_);
  productType_ = productType;
  for (MatrixKind kind : kMatrixKinds) {
    companies_[at(kind)] = matrices.of(kind).company;
    lists_[at(kind)] = matrixInputList(file_, kind, matrices.of(kind).inputMax, language, false);
    const int stored = file_.readInt(kSection, pipInputListKey(kind), 0);
    inputIndex_[at(kind)] = restoredInputIndex(stored, static_cast<int>(lists_[at(kind)].size()));
  }
  sources_.clear();
  for (const SourceEntry& e : sourceList(productType)) sources_.emplace_back(e.name);
  sourceIndex_ = restoredSourceIndex(file_.readInt(kSection, kSourceKey, 0), static_cast<int>(sources_.size()));
  useMatrix_ = file_.readInt(kSection, kUseMatrixKey, 0) != 0;
}

PipMatrixLists::Display PipMatrixLists::setPipMatrix() const {
  Display d;
  const auto code = popSourceCode();
  if (!code) return d;
  const auto kind = kindForSource(*code);
  if (!kind || companies_[at(*kind)] == kNotUsed) return d;
  d.kind = kind;
  d.enabled = useMatrix_;
  return d;
}

std::optional<int> PipMatrixLists::popSourceCode() const { return sourceCodeAt(productType_, sourceIndex_); }

std::optional<int> PipMatrixLists::popMatrixInput(MatrixKind kind) const {
  const int index = inputIndex_[at(kind)];
  if (index < 0) return std::nullopt;
  return index + 1;
}

void PipMatrixLists::pickSource(int index) {
  sourceIndex_ = index;
  file_.writeInt(kSection, kSourceKey, index);
}

void PipMatrixLists::pickInput(MatrixKind kind, int index) {
  inputIndex_[at(kind)] = index;
  file_.writeInt(kSection, pipInputListKey(kind), index);
}

void PipMatrixLists::setUseMatrix(bool on) {
  useMatrix_ = on;
  file_.writeInt(kSection, kUseMatrixKey, on ? 1 : 0);
}

}  // namespace wall
