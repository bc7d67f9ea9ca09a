#pragma once
// The wall's input sources as the input-control dialog and the pop-window
// panel offer them: per product type, the names in list order with their
// SourceCode, and the wall input code that selects each source on a unit.
// The dialogs store the list index; the SourceCode is looked up from it.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace wall {

struct SourceEntry {
  std::string_view name;
  int sourceCode = 0;
};

// A source list never holds more than this many entries.
inline constexpr int kMaxSourceEntries = 20;

// The product type's sources in list order; empty for a product type
// outside 0..13 (a hand-edited BoardSel).
std::span<const SourceEntry> sourceList(int productType);

// The SourceCode of entry `index`, or nothing when the list has no such
// entry (a stored index at or above the list's size selects nothing).
std::optional<int> sourceCodeAt(int productType, int index);

// The value byte of the wall command that shows `sourceCode` on a unit
// (VGA 0x0C, RGB 0x0D, AV..AV5 0x00..0x04, S-video 0x09, YPbPr 0x0B,
// YPbPr2 0x10, DVI 0x0E, HDMI 0x0F, none 0x00); 0x00 outside 0..12.
std::uint8_t wallInputCode(int sourceCode);

// The wall command codes of the input-control confirm: 0x30 shows the
// source on the selected units as a wall, 0x31 in single-screen mode
// ("单屏模式").
inline constexpr std::uint8_t kSourceCommand = 0x30;
inline constexpr std::uint8_t kSingleScreenSourceCommand = 0x31;

}  // namespace wall
