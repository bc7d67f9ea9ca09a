#include "core/app/wall_power.h"

#include "core/link/wall_frames.h"

namespace wall {

Script powerOnScript(int cmdForm, const Selection& selection, int powerDelay10Ms) {
  Script script;
  if (!powerOnIsSequenced(powerDelay10Ms)) {
    script.send(kWallDevice, WallFrames(cmdForm, selection).buttonIncDec(kPowerCode, 1));
    return script;
  }
  const int pauseMs = powerDelay10Ms * 10;
  for (int r = selection.top; r <= selection.bottom; ++r) {
    for (int c = selection.left; c <= selection.right; ++c) {
      script.send(kWallDevice, WallFrames(cmdForm, Selection::unit(r, c)).buttonIncDec(kPowerCode, 1));
      script.pause(pauseMs);
    }
  }
  return script;
}

Script powerOffScript(int cmdForm, const Selection& selection) {
  return Script().send(kWallDevice, WallFrames(cmdForm, selection).buttonIncDec(kPowerCode, 0));
}

Script startupPowerOnScript(int cmdForm) {
  return Script().send(kWallDevice, WallFrames(cmdForm, Selection{}).buttonIncDecAll(kPowerCode, 1));
}

}  // namespace wall
