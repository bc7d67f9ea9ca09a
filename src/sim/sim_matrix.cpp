#include "sim/sim_matrix.h"

namespace wall::sim {

bool SimMatrix::take(const MatrixSwitch& packet) {
  if (packet.kind && *packet.kind != kind_) return false;
  if (id_ >= 0 && packet.id && *packet.id != id_) return false;
  for (int out : packet.outputs) routes_[out] = packet.in;
  return true;
}

std::optional<int> SimMatrix::inputOf(int output) const {
  const auto it = routes_.find(output);
  if (it == routes_.end()) return std::nullopt;
  return it->second;
}

}  // namespace wall::sim
