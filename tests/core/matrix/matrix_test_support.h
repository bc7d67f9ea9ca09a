#pragma once
// Shared pieces of the matrix tests: packets written in the brand tables'
// notation, and a small rig that wires a wall and runs MatrixControl.

#include <string>
#include <string_view>
#include <vector>

#include "core/link/script.h"
#include "core/matrix/matrix_control.h"

namespace wall::test {

// Bytes from the notation of the brand tables: hexadecimal bytes ("C5 B1")
// and single-quoted ASCII ('cir 44'), separated by blanks.
Bytes notation(std::string_view text);

// A script from lines: "pause N", or a packet in notation (sent on
// `device`).
Script expectedScript(const std::vector<std::string>& lines, int device = kWallDevice);

// A wall of `rows` × `columns` units whose first row is wired to the given
// outputs (0: not connected), the other rows not connected; the selection
// is the first row.
struct MatrixRig {
  MatrixState state;
  WallShape wall{2, 4, false};
  PortFlags flags;
  Selection selection{0, 0, 0, 3};
  int switchType = 0;
  int avChannel = 0;

  // Configures one kind: brand, address, inputs, pause.
  void configure(MatrixKind kind, int company, int id = 1, int inputMax = 16, int delay = 100, int model = 0);
  // Wires the first row's units to `outputs` (and selects that row).
  void wireFirstRow(MatrixKind kind, const std::vector<int>& outputs);

  MatrixSwitchResult run(int sourceCode, int in) const;
  MatrixSwitchResult run(int sourceCode, int in, int id) const;
};

struct BrandCase;
// Runs the brand case's call on its kind (picked by its source) and checks
// the script on the wire, with nothing refused or logged.
void expectBrandBytes(const BrandCase& c);

}  // namespace wall::test
