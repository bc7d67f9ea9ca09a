#pragma once
// What the simulated processor keeps for one display unit and for one
// picture-in-picture window.

#include <array>
#include <cstdint>
#include <map>
#include <optional>

#include "core/link/selection.h"

namespace wall::sim {

// The input code of the processor for "no input chosen yet": the reply
// code the program reads as "no source".
inline constexpr int kNoInputCode = 18;

struct UnitState {
  bool power = false;
  int inputCode = kNoInputCode;  // the wall input code last selected (0x30 / 0x31)
  bool singleScreen = false;     // selected by 0x31: the unit shows its input alone
  int testPattern = -1;          // 0xB1's pattern, -1 none
  std::optional<std::array<std::uint8_t, 3>> colour;
  std::map<std::uint8_t, std::uint32_t> values;  // the last value of each code written
};

// A picture-in-picture window over a block of units, its rectangle in
// thousandths of the block.
struct PipWindow {
  Selection block;
  int inputCode = kNoInputCode;
  bool swapped = false;
  int left = 0, top = 0, width = 1000, height = 1000;
  int preset = 0;  // 0x63's position × 16 + size
};

// The processor's mode memory (0xC9 / 0xCA): what each unit showed.
struct SavedMode {
  std::map<int, UnitState> units;  // by unit index row × columns + column
};

}  // namespace wall::sim
