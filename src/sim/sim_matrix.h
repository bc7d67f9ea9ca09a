#pragma once
// A simulated matrix switcher of one kind: takes decoded switch packets
// addressed to it and keeps its routing, output → input.

#include <map>
#include <optional>

#include "core/matrix/matrix_kind.h"
#include "sim/matrix_packet_decoder.h"

namespace wall::sim {

class SimMatrix {
 public:
  // `id` −1 takes packets of any device address.
  explicit SimMatrix(MatrixKind kind, int id = -1) : kind_(kind), id_(id) {}

  MatrixKind kind() const { return kind_; }
  int id() const { return id_; }
  void setId(int id) { id_ = id; }

  // True when the packet is for this matrix (its address and kind, where
  // the packet names them); then the routing takes it.
  bool take(const MatrixSwitch& packet);

  // The input routed to `output`; nothing before the first switch of it.
  std::optional<int> inputOf(int output) const;
  const std::map<int, int>& routes() const { return routes_; }

 private:
  MatrixKind kind_;
  int id_;
  std::map<int, int> routes_;
};

}  // namespace wall::sim
