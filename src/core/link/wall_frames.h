#pragma once
// The wall command frames: the bytes of every write operation and of the read
// request, for the command format (CmdForm) and the selection in force.
//
// Layouts by command format: 0 and 3 the 7-byte layout (3 has no layout of
// its own), 1 the 8-byte layout, 2 the 9-byte layout. A format outside 0..3
// (read from a hand-edited file) is taken as 0, the earlier program's
// fallback for "not 1 and not 2".

#include <cstdint>

#include "core/link/script.h"
#include "core/link/selection.h"

namespace wall {

inline constexpr std::uint8_t kFrameHead = 0xFB;
inline constexpr std::uint8_t kExtendedHead = 0xF0;
inline constexpr std::uint8_t kFrameTail = 0xAE;
inline constexpr std::uint8_t kExtendedTail = 0xBE;

inline constexpr std::uint8_t kClassCommand = 0xB0;
inline constexpr std::uint8_t kClassValue = 0xB1;
inline constexpr std::uint8_t kClassRead = 0xB2;
inline constexpr std::uint8_t kClassColour = 0xB3;
inline constexpr std::uint8_t kClassIdSet = 0xB5;
inline constexpr std::uint8_t kColourSubCode = 0xBC;

// The largest frame the command buffer holds (its frame area).
inline constexpr std::size_t kFrameAreaBytes = 1000;

enum class FrameLayout { Bytes7, Bytes8, Bytes9 };

FrameLayout layoutFor(int cmdForm);

// Unit address of the 7- and 8-byte layouts: row × 16 + column + 0x11 in
// 8-bit arithmetic. Rows or columns past 14 wrap, as the wall processors
// expect; the 9-byte layout names such walls unambiguously.
std::uint8_t unitAddress(int row, int column);

class WallFrames {
 public:
  WallFrames(int cmdForm, Selection selection) : layout_(layoutFor(cmdForm)), sel_(selection) {}

  FrameLayout layout() const { return layout_; }
  const Selection& selection() const { return sel_; }

  // ButtonWrite: class B1, the value's low byte; the 8-byte layout adds
  // value ÷ 255 (not 256: the processors decode with 255) cut to 8 bits.
  Bytes buttonWrite(std::uint8_t code, std::uint32_t value) const;
  // The largest value buttonWrite carries whole: 255, or 65279 in the
  // 8-byte layout (from 65280 the second byte no longer holds value ÷ 255).
  std::uint32_t maxWriteValue() const { return layout_ == FrameLayout::Bytes8 ? 65279u : 0xFFu; }
  // ButtonIncDec: class B0, one value byte (00 before the tail in 8 bytes).
  Bytes buttonIncDec(std::uint8_t code, std::uint8_t value) const;
  // ButtonIncDecAll: class B0 with zero address bytes: every unit.
  Bytes buttonIncDecAll(std::uint8_t code, std::uint8_t value) const;
  // The read request for a code: class B2, value 01.
  Bytes readRequest(std::uint8_t code) const;
  // ButtonWriteRGB: FB B3 A1 A2 r g b AE in every format.
  Bytes buttonWriteRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) const;
  // ButtonWriteDahliaRGB: the 15-byte extended colour frame.
  Bytes buttonWriteDahliaRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) const;

  // A standard frame with any class byte and one parameter byte, for the
  // senders that assemble their own (plan recall, timer, power, pop-up):
  // FB class <address> code param [00] AE.
  Bytes standard(std::uint8_t classByte, std::uint8_t code, std::uint8_t param) const;
  // The same frame addressed to the whole wall as a range: A1 = 0x11,
  // A2 = 0xFF, or T L B R = 01 01 FF FF.
  Bytes wholeWall(std::uint8_t classByte, std::uint8_t code, std::uint8_t param) const;

 private:
  enum class Target { Selection, AllUnits, WholeWallRange };
  Bytes frame(std::uint8_t classByte, Target target, std::uint8_t code,
              std::initializer_list<std::uint8_t> values) const;
  void appendAddress(Bytes& out, Target target) const;

  FrameLayout layout_;
  Selection sel_;
};

// ButtonWriteDahliaIDSet: F0 B5 n3 n2 n1 n0 kind x y 00 00 00 00 00 BE, the
// id's four nibbles from the most significant; x y are p1 p2, or p3 p4 when
// kind is 4. Uses no selection.
Bytes buttonWriteDahliaIDSet(std::uint16_t id, std::uint8_t kind, std::uint8_t p1, std::uint8_t p2,
                             std::uint8_t p3, std::uint8_t p4);

// The raw command sender's reading of hexadecimal text: every character
// that is not a hexadecimal digit is dropped, the rest read in pairs (high
// nibble first), an odd last digit ignored.
Bytes parseRawHex(std::string_view text);

}  // namespace wall
