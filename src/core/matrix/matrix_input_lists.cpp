#include "core/matrix/matrix_input_lists.h"

#include <algorithm>

#include "core/matrix/matrix_store.h"
#include "core/settings/settings_file.h"

namespace wall {

std::vector<std::string> matrixInputList(SettingsFile& file, MatrixKind kind, int inputMax, int language,
                                         bool dialogBlanks) {
  const int n = std::clamp(inputMax, 0, kMatrixEntries);
  const std::string prefix = language == 0 ? (dialogBlanks ? "矩阵输入   " : "矩阵输入") : "MatrixInput";
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(n));
  SettingsFile::Batch batch(file);
  for (int i = 0; i < n; ++i) {
    names.push_back(file.readString(kMatrixSection, inputNameKey(kind, i), prefix + std::to_string(i + 1)));
  }
  return names;
}

int restoredInputIndex(int stored, int listSize) {
  if (listSize <= 0) return -1;
  return stored >= 0 && stored < listSize ? stored : 0;
}

int restoredSourceIndex(int stored, int listSize) { return stored >= 0 && stored < listSize ? stored : -1; }

}  // namespace wall
