#include "core/matrix/matrix_store.h"

#include <algorithm>

#include "core/settings/settings_file.h"

namespace wall {

namespace {

std::string key(MatrixKind kind, const char* word) { return std::string(kindKey(kind)) + word; }

bool hasModel(MatrixKind kind) { return kind == MatrixKind::AV || kind == MatrixKind::VGA; }

constexpr int kMostInputNames = 1000;

}  // namespace

std::string companyKey(MatrixKind kind) { return key(kind, "_Company"); }
std::string typeKey(MatrixKind kind) { return key(kind, "_Type"); }
std::string idKey(MatrixKind kind) { return key(kind, "_ID"); }
std::string inputMaxKey(MatrixKind kind) { return "Matrix_" + key(kind, "_InputMax"); }
std::string delayTimeKey(MatrixKind kind) { return "Matrix_" + key(kind, "_DelayTime"); }

std::string outputKey(MatrixKind kind, int entry) { return "Matrix_" + key(kind, "_OutputStr") + std::to_string(entry); }

std::string inputNameKey(MatrixKind kind, int index) { return key(kind, "_InputName") + std::to_string(index); }

MatrixSettings readMatrixSettings(SettingsFile& file, MatrixKind kind) {
  const MatrixSettings defaults;
  MatrixSettings s;
  s.company = file.readInt(kMatrixSection, companyKey(kind), defaults.company);
  if (hasModel(kind)) s.type = file.readInt(kMatrixSection, typeKey(kind), defaults.type);
  s.id = file.readInt(kMatrixSection, idKey(kind), defaults.id);
  s.inputMax = file.readInt(kMatrixSection, inputMaxKey(kind), defaults.inputMax);
  s.delayTime = file.readInt(kMatrixSection, delayTimeKey(kind), defaults.delayTime);
  return s;
}

void writeMatrixSettings(SettingsFile& file, MatrixKind kind, const MatrixSettings& s) {
  SettingsFile::Batch batch(file);
  file.writeInt(kMatrixSection, companyKey(kind), s.company);
  if (hasModel(kind)) file.writeInt(kMatrixSection, typeKey(kind), s.type);
  file.writeInt(kMatrixSection, idKey(kind), s.id);
  file.writeInt(kMatrixSection, inputMaxKey(kind), s.inputMax);
  file.writeInt(kMatrixSection, delayTimeKey(kind), s.delayTime);
}

MatrixState loadMatrixState(SettingsFile& file, const WallShape& wall) {
  MatrixState state;
  for (MatrixKind kind : kMatrixKinds) {
    state.of(kind) = readMatrixSettings(file, kind);
    const MatrixTable defaults = oneToOneByUnit(kind, wall);
    auto& map = state.map(kind);
    for (int e = 0; e < wall.usedEntries(kind); ++e) {
      const auto i = static_cast<std::size_t>(e);
      map[i] = file.readInt(kMatrixSection, outputKey(kind, e), defaults[i]);
    }
  }
  return state;
}

void writeMatrixKeys(SettingsFile& file, const std::vector<std::pair<std::string, std::int32_t>>& writes) {
  SettingsFile::Batch batch(file);
  for (const auto& [k, value] : writes) file.writeInt(kMatrixSection, k, value);
}

std::string defaultInputName(int index, int language) {
  return (language == 0 ? std::string("矩阵输入") : std::string("MatrixInput")) + std::to_string(index + 1);
}

std::vector<std::string> readInputNames(SettingsFile& file, MatrixKind kind, int count, int language) {
  std::vector<std::string> names;
  const int n = std::clamp(count, 0, kMostInputNames);
  names.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    names.push_back(file.readString(kMatrixSection, inputNameKey(kind, i), defaultInputName(i, language)));
  }
  return names;
}

void writeInputName(SettingsFile& file, MatrixKind kind, int index, const std::string& name) {
  file.writeString(kMatrixSection, inputNameKey(kind, index), name);
}

}  // namespace wall
