#pragma once
// Reads wall frames back out of bytes: the 7-, 8- and 9-byte layouts of
// every class, the colour frame, the 15-byte extended frames and the
// roaming frames. The inverse of WallFrames and of the roaming editor.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/link/script.h"
#include "core/link/selection.h"
#include "core/link/wall_frames.h"
#include "sim/scan_result.h"

namespace wall::sim {

enum class WallFrameKind {
  Standard,        // FB class address code value(s) AE
  Colour,          // FB B3 A1 A2 r g b AE
  ExtendedColour,  // F0 B3 ... BC r g b ... BE
  IdSet,           // F0 B5 n3 n2 n1 n0 kind x y ... BE
  Roaming,         // F0 B3 block 70 X Y A0, or 71 W H
};

// The units a frame names. Zero address bytes mean every unit; otherwise a
// rectangle counted from 0, which may reach past the wall (the whole-wall
// range 11..FF does): the processor clips it to its own size.
struct FrameTarget {
  bool allUnits = false;
  Selection block;
};

struct WallFrame {
  WallFrameKind kind = WallFrameKind::Standard;
  std::uint8_t classByte = 0;
  FrameTarget target;
  std::uint8_t code = 0;   // command code; roaming: 0x70 move, 0x71 resize
  std::uint32_t value = 0; // the value as the program meant it
  std::array<std::uint8_t, 3> rgb{};  // colour frames
  std::uint16_t id = 0;               // ID-set frame
  std::uint8_t idKind = 0;
  std::uint8_t x = 0, y = 0;          // roaming percentages; ID-set parameters
  Bytes bytes;
};

// Scans a frame at the head of `bytes` in the given layout.
Scan<WallFrame> scanWallFrame(std::span<const std::uint8_t> bytes, FrameLayout layout);

// The value of an 8-byte value frame: the program sends lo = v mod 256 and
// hi = v ÷ 255. Within hi × 255 .. hi × 255 + 254 exactly one number has
// that low byte, so the value comes back whole (300 stays 300).
std::uint32_t decodeLoHi(std::uint8_t lo, std::uint8_t hi);

// One line for the log: "B1 value 41 = 50 units 1:1-1:1".
std::string describe(const WallFrame& frame);

}  // namespace wall::sim
