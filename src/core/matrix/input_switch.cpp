#include "core/matrix/input_switch.h"

#include <algorithm>

#include "core/link/wall_frames.h"
#include "core/matrix/kestrel_av_channel.h"
#include "core/matrix/source_list.h"

namespace wall {

namespace {

bool contains(std::initializer_list<int> list, int value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

// The walk over the selection that the unit labels and Source keys follow.
std::vector<int> selectedUnits(const Selection& sel, const WallShape& wall) {
  std::vector<int> units;
  if (!sel.fitsWall(wall.rows, wall.columns)) return units;
  for (int r = sel.top; r <= sel.bottom; ++r) {
    for (int c = sel.left; c <= sel.right; ++c) units.push_back(r * wall.columns + c);
  }
  return units;
}

// The Kestrel AV channel of the choice; 0 off Kestrel, where it is unused,
// and -1 ("send nothing") for "QUAD" with "NULL".
int avChannelFor(const InputSwitchRequest& r) {
  if (!r.wall.kestrel) return 0;
  if (r.avChannel) return *r.avChannel;
  return kestrelAvChannel(r.sourceCode, r.subSignal).value_or(-1);
}

}  // namespace

Bytes matrixPreamble() { return {0xF2, 0x00, 0x00, 0x22, 0x00, 0x01, 0x00, 0x23}; }

bool needsPreamble(int sourceCode, const MatrixState& matrices, const PortFlags& flags) {
  const auto kind = kindForSource(sourceCode);
  if (!kind) return false;
  const int company = matrices.of(*kind).company;
  switch (*kind) {
    case MatrixKind::AV:
      return !flags.avUseComOnly && contains({22, 84}, company);
    case MatrixKind::VGA:
      return !flags.vgaUseComOnly && contains({27, 37, 66, 80}, company);
    case MatrixKind::DVI:
      return !flags.dviUseComOnly && company == 36;
    case MatrixKind::YPbPr:
      return false;
  }
  return false;
}

InputSwitchPlan buildInputSwitch(const InputSwitchRequest& r) {
  InputSwitchPlan plan;
  plan.units = selectedUnits(r.selection, r.wall);
  const WallFrames frames(r.cmdForm, r.selection);
  const Bytes wallCommand =
      frames.buttonIncDec(r.singleScreen ? kSingleScreenSourceCommand : kSourceCommand, wallInputCode(r.sourceCode));

  if (r.switchOrder == 1) {
    plan.script.send(kWallDevice, wallCommand);
    plan.script.pause(std::max(r.matrixToScreenTime, 0));
  }
  if (r.matrixUse) {
    if (needsPreamble(r.sourceCode, r.matrices, r.portFlags)) {
      plan.script.send(r.portFlags.matrixUseComOnly ? 2 : kWallDevice, matrixPreamble());
    }
    if (const auto kind = kindForSource(r.sourceCode)) {
      const int in = r.inputIndex[static_cast<std::size_t>(kindIndex(*kind))] + 1;
      const MatrixContext context{r.matrices, r.wall, r.portFlags, r.selection, r.switchType, avChannelFor(r)};
      MatrixSwitchResult result = matrixControl(context, r.sourceCode, in, r.matrices.of(*kind).id);
      plan.script.append(result.script);
      plan.log.insert(plan.log.end(), result.log.begin(), result.log.end());
      plan.matrix = std::move(result);
    }
  }
  if (r.switchOrder != 1) {
    plan.script.pause(std::max(r.matrixToScreenTime, 0));
    plan.script.send(kWallDevice, wallCommand);
  }
  return plan;
}

}  // namespace wall
