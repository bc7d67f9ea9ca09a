#pragma once
// MatrixControl: feed matrix input IN to the selected wall units. Picks the
// matrix kind by the wall source, walks the selected units row by row,
// looks up the matrix output wired to each, and builds the brand's packets
// for each output not yet switched in this call, on the kind's port, each
// followed by the kind's pause. It returns the script and the current-input
// changes; it sends and waits for nothing itself.

#include <optional>
#include <string>
#include <vector>

#include "core/link/script.h"
#include "core/link/selection.h"
#include "core/matrix/brand_format.h"
#include "core/matrix/matrix_state.h"
#include "core/settings/port_settings.h"

namespace wall {

// What MatrixControl reads besides its arguments.
struct MatrixContext {
  const MatrixState& state;
  WallShape wall;             // Row × Col and whether the product is Kestrel
  PortFlags portFlags;        // the five port flags
  Selection selection;        // the wall grid's selection
  int switchType = 1;         // SwitchType: 0 video and audio, 1 video, 2 audio
  int avChannel = 0;          // Kestrel: the AV channel 0..3 (AV1..AV4); other values send nothing
};

struct MatrixSwitchResult {
  std::optional<MatrixKind> kind;  // none: the source has no matrix
  int input = 0;
  Script script;
  // Entries of the kind's MatrixCurrentInput that become `input`.
  std::vector<int> updatedEntries;
  // Why something was not sent (a value a field cannot carry, entries
  // beyond the table, a brand without a format).
  std::vector<std::string> log;

  void applyTo(MatrixState& state) const;
};

MatrixSwitchResult matrixControl(const MatrixContext& context, int sourceCode, int in, int id);

// The same with a given brand row in place of the kind's configured brand
// (roll polling, tests).
MatrixSwitchResult matrixControlWith(const MatrixContext& context, const BrandRow& row, int sourceCode, int in,
                                     int id);

// True when the selection covers every row and column of the wall.
bool coversWholeWall(const Selection& selection, const WallShape& wall);

}  // namespace wall
