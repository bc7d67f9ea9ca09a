#pragma once
// The whole simulated installation: the wall processor, one matrix of each
// kind, and the five lines the program's ports lead to. The wall port
// carries the processor and every matrix (matrix packets go out on it,
// unwrapped, when a kind has no port of its own); the shared matrix port 2
// reaches every matrix; ports 3, 4 and 5 the VGA, DVI and YPbPr matrix.
//
// Not thread-safe: whoever shares it between threads holds a lock around it.

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/link/script.h"
#include "core/matrix/matrix_state.h"
#include "sim/sim_line.h"
#include "sim/sim_matrix.h"
#include "sim/sim_wall.h"

namespace wall::sim {

// The cabling an output connection diagram describes: for each unit of
// `wall`, the output wired to its first entry (channel 1 where a unit has
// several); 0 where the diagram leaves it unconnected or the table cannot
// hold the unit.
std::vector<int> wiringFromMap(const MatrixTable& map, MatrixKind kind, const WallShape& wall);

class SimSystem {
 public:
  SimSystem(int rows, int columns, int cmdForm);

  // Bytes the program wrote on `device` (1 to 5).
  SimLine::Output feed(int device, std::span<const std::uint8_t> bytes);
  SimLine::Output flush(int device);

  SimWall& wall() { return wall_; }
  const SimWall& wall() const { return wall_; }
  SimMatrix& matrix(MatrixKind kind) { return matrices_[static_cast<std::size_t>(kindIndex(kind))]; }
  const SimMatrix& matrix(MatrixKind kind) const { return matrices_[static_cast<std::size_t>(kindIndex(kind))]; }

  // The cabling: the matrix output of `kind` that feeds unit `index`
  // (row × columns + column); 0 not wired. One output per unit in order
  // (unit 0 on output 1) until told otherwise.
  void setWiring(MatrixKind kind, std::vector<int> outputOfUnit);
  int outputFeeding(MatrixKind kind, int unitIndex) const;
  // The cabling set for `kind`; empty when it is still one output per unit.
  const std::optional<std::vector<int>>& wiring(MatrixKind kind) const {
    return wiring_[static_cast<std::size_t>(kindIndex(kind))];
  }

  // What a unit shows, as the picture of the wall needs it.
  struct UnitView {
    bool power = false;
    int sourceCode = 12;                 // decoded from the input code
    std::optional<MatrixKind> kind;      // the matrix feeding that source
    int matrixOutput = 0;                // 0: not wired
    std::optional<int> matrixInput;      // the input routed to that output
  };
  UnitView view(int row, int column) const;

  std::uint64_t revision() const { return wall_.revision() + matrixSwitches_; }

 private:
  SimWall wall_;
  std::array<SimMatrix, 4> matrices_;
  std::vector<SimLine> lines_;  // devices 1 to 5
  std::array<std::optional<std::vector<int>>, 4> wiring_;
  std::uint64_t matrixSwitches_ = 0;
};

}  // namespace wall::sim
