#include "sim/sim_system.h"

#include <algorithm>

namespace wall::sim {

std::vector<int> wiringFromMap(const MatrixTable& map, MatrixKind kind, const WallShape& wall) {
  const int perUnit = entriesPerUnit(kind, wall.kestrel);
  const int used = wall.usedEntries(kind);
  std::vector<int> outputs(static_cast<std::size_t>(wall.units()), 0);
  for (int u = 0; u < wall.units(); ++u) {
    const int entry = u * perUnit;
    if (entry < used) outputs[static_cast<std::size_t>(u)] = std::max(0, map[static_cast<std::size_t>(entry)]);
  }
  return outputs;
}

SimSystem::SimSystem(int rows, int columns, int cmdForm)
    : wall_(rows, columns, cmdForm),
      matrices_{SimMatrix(MatrixKind::AV), SimMatrix(MatrixKind::VGA), SimMatrix(MatrixKind::DVI),
                SimMatrix(MatrixKind::YPbPr)} {
  std::vector<SimMatrix*> all;
  for (SimMatrix& m : matrices_) all.push_back(&m);
  lines_.emplace_back(&wall_, all);
  lines_.emplace_back(nullptr, all);
  lines_.emplace_back(nullptr, std::vector<SimMatrix*>{&matrix(MatrixKind::VGA)});
  lines_.emplace_back(nullptr, std::vector<SimMatrix*>{&matrix(MatrixKind::DVI)});
  lines_.emplace_back(nullptr, std::vector<SimMatrix*>{&matrix(MatrixKind::YPbPr)});
}

SimLine::Output SimSystem::feed(int device, std::span<const std::uint8_t> bytes) {
  if (device < kFirstDevice || device > kLastDevice) return {};
  SimLine::Output out = lines_[static_cast<std::size_t>(device - 1)].feed(bytes);
  matrixSwitches_ += out.log.size();  // any decoded line may have switched a matrix
  return out;
}

SimLine::Output SimSystem::flush(int device) {
  if (device < kFirstDevice || device > kLastDevice) return {};
  return lines_[static_cast<std::size_t>(device - 1)].flush();
}

void SimSystem::setWiring(MatrixKind kind, std::vector<int> outputOfUnit) {
  wiring_[static_cast<std::size_t>(kindIndex(kind))] = std::move(outputOfUnit);
}

int SimSystem::outputFeeding(MatrixKind kind, int unitIndex) const {
  const auto& wiring = wiring_[static_cast<std::size_t>(kindIndex(kind))];
  if (!wiring) return unitIndex + 1;
  if (unitIndex < 0 || unitIndex >= static_cast<int>(wiring->size())) return 0;
  return (*wiring)[static_cast<std::size_t>(unitIndex)];
}

SimSystem::UnitView SimSystem::view(int row, int column) const {
  const UnitState& u = wall_.unit(row, column);
  UnitView v;
  v.power = u.power;
  v.sourceCode = sourceCodeOfInput(u.inputCode);
  v.kind = kindForSource(v.sourceCode);
  if (v.kind) {
    v.matrixOutput = outputFeeding(*v.kind, row * wall_.columns() + column);
    if (v.matrixOutput > 0) v.matrixInput = matrix(*v.kind).inputOf(v.matrixOutput);
  }
  return v;
}

}  // namespace wall::sim
