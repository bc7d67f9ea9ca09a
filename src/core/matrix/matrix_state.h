#pragma once
// What the program knows about its matrices for the whole run: per kind the
// settings (brand, model, address, inputs, pause), the output connection
// diagram (which matrix output feeds each wall-unit entry) and the input last
// routed to each entry.

#include <array>
#include <cstdint>

#include "core/matrix/matrix_kind.h"

namespace wall {

struct MatrixSettings {
  std::int32_t company = 0;     // index into the kind's brand list; 0 "NotUsed"
  std::int32_t type = 0;        // index into the model list (AV and VGA only)
  std::int32_t id = 1;          // device address on the serial line
  std::int32_t inputMax = 4;    // number of matrix inputs
  std::int32_t delayTime = 100; // pause in ms after each packet to this matrix
  bool operator==(const MatrixSettings&) const = default;
};

// One kind's 1000 entries. Entry e of a unit at (row, column) is
// (row × Col + column) × EntriesPerUnit + channel.
using MatrixTable = std::array<std::int32_t, kMatrixEntries>;

// The wall the tables are laid out for.
struct WallShape {
  int rows = 3;
  int columns = 3;
  bool kestrel = false;
  int units() const { return rows > 0 && columns > 0 ? rows * columns : 0; }
  // Entries the kind uses on this wall: units × EntriesPerUnit, capped at
  // the table's 1000 (a Kestrel wall of more than 250 units has AV entries
  // the table cannot hold).
  int usedEntries(MatrixKind kind) const;
  bool operator==(const WallShape&) const = default;
};

struct MatrixState {
  std::array<MatrixSettings, 4> settings{};
  std::array<MatrixTable, 4> outputMap{};     // 0: not connected
  std::array<MatrixTable, 4> currentInput{};  // all 1 at start

  MatrixState();

  MatrixSettings& of(MatrixKind kind) { return settings[static_cast<std::size_t>(kindIndex(kind))]; }
  const MatrixSettings& of(MatrixKind kind) const { return settings[static_cast<std::size_t>(kindIndex(kind))]; }
  MatrixTable& map(MatrixKind kind) { return outputMap[static_cast<std::size_t>(kindIndex(kind))]; }
  const MatrixTable& map(MatrixKind kind) const { return outputMap[static_cast<std::size_t>(kindIndex(kind))]; }
  MatrixTable& inputs(MatrixKind kind) { return currentInput[static_cast<std::size_t>(kindIndex(kind))]; }
  const MatrixTable& inputs(MatrixKind kind) const {
    return currentInput[static_cast<std::size_t>(kindIndex(kind))];
  }
};

// The map a fresh settings file gives: each entry wired to the output with
// its unit's number (unit + 1), for the used entries; 0 beyond them.
MatrixTable oneToOneByUnit(MatrixKind kind, const WallShape& wall);

}  // namespace wall
