#pragma once
// What "确 定" of the input-control dialog sends: the wall command that shows
// the chosen source on the selected units and, with "使用矩阵" on, the matrix
// switch that feeds them, in the configured order with the configured pause
// between the two steps - all as one script.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/link/script.h"
#include "core/link/selection.h"
#include "core/matrix/matrix_control.h"
#include "core/matrix/matrix_state.h"
#include "core/settings/port_settings.h"

namespace wall {

struct InputSwitchRequest {
  const MatrixState& matrices;
  WallShape wall;
  PortFlags portFlags;
  Selection selection;
  int cmdForm = 0;
  int switchOrder = 0;           // SwitchOrder: 0 matrix first, 1 wall first
  int matrixToScreenTime = 200;  // ms between the two steps
  int sourceCode = 0;
  bool matrixUse = true;         // "使用矩阵"
  bool singleScreen = false;     // "单屏模式": wall command 0x31 instead of 0x30
  int switchType = 1;            // SwitchType
  // The input lists' indices by kind (AV, VGA, DVI, YPbPr): matrix input − 1.
  std::array<int, 4> inputIndex{};
  int subSignal = 0;             // Kestrel's "子信号": 0 "NULL", 1..4 "AV1".."AV4"
  // Kestrel's AV channel 0..3 given outright (wallctl --channel), in place
  // of the one the source and "子信号" give.
  std::optional<int> avChannel{};
};

struct InputSwitchPlan {
  Script script;
  // The units whose source becomes the request's SourceCode, as wall-unit
  // indices row × Col + column, row by row.
  std::vector<int> units;
  // The matrix step, when one was made (its current-input changes are the
  // caller's to apply).
  std::optional<MatrixSwitchResult> matrix;
  std::vector<std::string> log;
};

// The 8-byte frame some brands must see on their line before a switch:
// the F2 frame with input 0, output 0 and address 1.
Bytes matrixPreamble();

// Whether the source's brand needs the preamble: it is sent only when the
// kind's packets share the wall port or the common matrix port (the kind's
// own port flag clear). AV "SISO" (22) and "ACV" (84); VGA "SISO" (27),
// "HOKUTO" (37), "ACV" (66) and "ZX02" (80); DVI "SISO" (36).
bool needsPreamble(int sourceCode, const MatrixState& matrices, const PortFlags& flags);

InputSwitchPlan buildInputSwitch(const InputSwitchRequest& request);

}  // namespace wall
