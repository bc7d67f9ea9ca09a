#pragma once
// Wall power: the power command (0x10) to the grid selection, at once or
// unit by unit with a pause between units (intelligent power-on).

#include "core/link/script.h"
#include "core/link/selection.h"

namespace wall {

inline constexpr std::uint8_t kPowerCode = 0x10;

// Power-on unit by unit is used when the pause is positive. A negative pause
// (a hand-edited file) is taken as 0: one frame, never an endless wait.
inline constexpr bool powerOnIsSequenced(int powerDelay10Ms) { return powerDelay10Ms > 0; }

// Power-on of the selection: one frame for the rectangle when the pause is
// 0, else one frame per unit, row by row and left to right, each followed
// by powerDelay10Ms × 10 ms (the last one too).
Script powerOnScript(int cmdForm, const Selection& selection, int powerDelay10Ms);

// Power-off of the selection: one frame for the rectangle.
Script powerOffScript(int cmdForm, const Selection& selection);

// The start-up power-on of every unit (ButtonIncDecAll 0x10, 1).
Script startupPowerOnScript(int cmdForm);

}  // namespace wall
