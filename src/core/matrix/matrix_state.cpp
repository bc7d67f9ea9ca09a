#include "core/matrix/matrix_state.h"

#include <algorithm>

namespace wall {

int WallShape::usedEntries(MatrixKind kind) const {
  return std::min(units() * entriesPerUnit(kind, kestrel), kMatrixEntries);
}

MatrixState::MatrixState() {
  for (auto& table : outputMap) table.fill(0);
  for (auto& table : currentInput) table.fill(1);
}

MatrixTable oneToOneByUnit(MatrixKind kind, const WallShape& wall) {
  MatrixTable table{};
  table.fill(0);
  const int perUnit = entriesPerUnit(kind, wall.kestrel);
  const int used = wall.usedEntries(kind);
  for (int e = 0; e < used; ++e) table[static_cast<std::size_t>(e)] = e / perUnit + 1;
  return table;
}

}  // namespace wall
