#include "core/matrix/input_control_model.h"

#include "core/matrix/matrix_catalog.h"
#include "core/matrix/matrix_input_lists.h"
#include "core/matrix/matrix_store.h"
#include "core/matrix/source_list.h"
#include "core/settings/settings_file.h"

namespace wall {

namespace {

constexpr const char* kSourceKey = "ComboBox18";
constexpr const char* kSingleScreenKey = "NoWallMode";
constexpr const char* kSwitchTypeKey = "suiRadioGroup1";
constexpr const char* kMatrixUseKey = "Matrix_Use";
constexpr int kQuadEntry = 5;  // Kestrel's "QUAD" in its source list

}  // namespace

std::string inputControlListKey(MatrixKind kind) {
  switch (kind) {
    case MatrixKind::VGA:
      return "ComboBox1";
    case MatrixKind::AV:
      return "ComboBox2";
    case MatrixKind::DVI:
      return "ComboBox3";
    case MatrixKind::YPbPr:
      return "ComboBox4";
  }
  return {};
}

void InputControlModel::fillInputLists(const MatrixState& matrices, int language) {
  for (MatrixKind kind : kMatrixKinds) {
    lists_[at(kind)] = matrixInputList(file_, kind, matrices.of(kind).inputMax, language, true);
  }
}

void InputControlModel::open(int productType, const MatrixState& matrices, int language) {
  SettingsFile::Batch batch(file_);
  productType_ = productType;
  for (MatrixKind kind : kMatrixKinds) companies_[at(kind)] = matrices.of(kind).company;
  if (!inputListsLoaded_) {
    inputListsLoaded_ = true;
    fillInputLists(matrices, language);
  }
  for (MatrixKind kind : kMatrixKinds) {
    const int stored = file_.readInt(kInputControlSection, inputControlListKey(kind), 0);
    inputIndex_[at(kind)] = restoredInputIndex(stored, static_cast<int>(lists_[at(kind)].size()));
  }
  const int storedSource = file_.readInt(kInputControlSection, kSourceKey, 0);
  sourceIndex_ = restoredSourceIndex(storedSource, static_cast<int>(sourceList(productType).size()));
  singleScreen_ = file_.readInt(kInputControlSection, kSingleScreenKey, 0) != 0;
  switchType_ = file_.readInt(kInputControlSection, kSwitchTypeKey, 1);
  matrixUse_ = file_.readInt(kMatrixSection, kMatrixUseKey, 1) != 0;
  applyKestrelRule();
}

std::vector<std::string> InputControlModel::sourceNames() const {
  std::vector<std::string> names;
  for (const SourceEntry& e : sourceList(productType_)) names.emplace_back(e.name);
  return names;
}

std::optional<int> InputControlModel::sourceCode() const { return sourceCodeAt(productType_, sourceIndex_); }

void InputControlModel::applyKestrelRule() {
  if (!kestrel() || !matrixUse_) return;
  if (sourceIndex_ >= 1 && sourceIndex_ <= 4) subSignal_ = sourceIndex_;
  narrow_ = sourceIndex_ == kQuadEntry;
}

InputControlModel::Display InputControlModel::display() const {
  Display d;
  const auto code = sourceCode();
  if (!code) return d;
  const auto kind = kindForSource(*code);
  if (!kind || companies_[at(*kind)] == kNotUsed) return d;
  d.kind = kind;
  d.enabled = matrixUse_;
  return d;
}

void InputControlModel::pickSource(int index) {
  sourceIndex_ = index;
  file_.writeInt(kInputControlSection, kSourceKey, index);
  applyKestrelRule();
}

void InputControlModel::pickSubSignal(int index) {
  subSignal_ = index;
  // The list shares the source list's handler: for "AV1".."AV4" it is set
  // back to the source's own channel at once.
  pickSource(sourceIndex_);
}

void InputControlModel::pickInput(MatrixKind kind, int index) {
  inputIndex_[at(kind)] = index;
  file_.writeInt(kInputControlSection, inputControlListKey(kind), index);
}

void InputControlModel::setMatrixUse(bool on) {
  matrixUse_ = on;
  file_.writeInt(kMatrixSection, kMatrixUseKey, on ? 1 : 0);
}

void InputControlModel::setSingleScreen(bool on) {
  singleScreen_ = on;
  file_.writeInt(kInputControlSection, kSingleScreenKey, on ? 1 : 0);
}

void InputControlModel::setSwitchType(int type) {
  switchType_ = type;
  file_.writeInt(kInputControlSection, kSwitchTypeKey, type);
}

std::optional<InputSwitchPlan> InputControlModel::confirm(const Context& c) const {
  const auto code = sourceCode();
  if (!code) return std::nullopt;
  InputSwitchRequest r{c.matrices, c.wall, c.portFlags, c.selection, c.cmdForm, c.switchOrder, c.matrixToScreenTime};
  r.sourceCode = *code;
  r.matrixUse = matrixUse_;
  r.singleScreen = singleScreen_;
  r.switchType = switchType_;
  r.inputIndex = inputIndex_;
  r.subSignal = subSignal_;
  return buildInputSwitch(r);
}

}  // namespace wall
