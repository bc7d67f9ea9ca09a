#include "core/link/wall_frames.h"

namespace wall {

FrameLayout layoutFor(int cmdForm) {
  switch (cmdForm) {
    case 1: return FrameLayout::Bytes8;
    case 2: return FrameLayout::Bytes9;
    default: return FrameLayout::Bytes7;
  }
}

std::uint8_t unitAddress(int row, int column) {
  return static_cast<std::uint8_t>((row * 16 + column + 0x11) & 0xFF);
}

void WallFrames::appendAddress(Bytes& out, Target target) const {
  const bool nine = layout_ == FrameLayout::Bytes9;
  switch (target) {
    case Target::AllUnits:
      out.insert(out.end(), nine ? 4 : 2, 0x00);
      return;
    case Target::WholeWallRange:
      if (nine) {
        out.insert(out.end(), {0x01, 0x01, 0xFF, 0xFF});
      } else {
        out.insert(out.end(), {0x11, 0xFF});
      }
      return;
    case Target::Selection:
      if (nine) {
        // 1-based, one byte each; a wall of at most 30 × 30 units fits.
        auto b = [](int v) { return static_cast<std::uint8_t>((v + 1) & 0xFF); };
        out.insert(out.end(), {b(sel_.top), b(sel_.left), b(sel_.bottom), b(sel_.right)});
      } else {
        out.push_back(unitAddress(sel_.top, sel_.left));
        out.push_back(unitAddress(sel_.bottom, sel_.right));
      }
      return;
  }
}

Bytes WallFrames::frame(std::uint8_t classByte, Target target, std::uint8_t code,
                        std::initializer_list<std::uint8_t> values) const {
  Bytes out;
  out.reserve(9);
  out.push_back(kFrameHead);
  out.push_back(classByte);
  appendAddress(out, target);
  out.push_back(code);
  out.insert(out.end(), values);
  out.push_back(kFrameTail);
  return out;
}

Bytes WallFrames::buttonWrite(std::uint8_t code, std::uint32_t value) const {
  const auto lo = static_cast<std::uint8_t>(value & 0xFF);
  if (layout_ == FrameLayout::Bytes8) {
    // Past maxWriteValue() the second byte keeps only its low 8 bits.
    const auto hi = static_cast<std::uint8_t>((value / 255) & 0xFF);
    return frame(kClassValue, Target::Selection, code, {lo, hi});
  }
  return frame(kClassValue, Target::Selection, code, {lo});
}

Bytes WallFrames::standard(std::uint8_t classByte, std::uint8_t code, std::uint8_t param) const {
  if (layout_ == FrameLayout::Bytes8) return frame(classByte, Target::Selection, code, {param, 0x00});
  return frame(classByte, Target::Selection, code, {param});
}

Bytes WallFrames::wholeWall(std::uint8_t classByte, std::uint8_t code, std::uint8_t param) const {
  if (layout_ == FrameLayout::Bytes8) return frame(classByte, Target::WholeWallRange, code, {param, 0x00});
  return frame(classByte, Target::WholeWallRange, code, {param});
}

Bytes WallFrames::buttonIncDec(std::uint8_t code, std::uint8_t value) const {
  return standard(kClassCommand, code, value);
}

Bytes WallFrames::buttonIncDecAll(std::uint8_t code, std::uint8_t value) const {
  if (layout_ == FrameLayout::Bytes8) return frame(kClassCommand, Target::AllUnits, code, {value, 0x00});
  return frame(kClassCommand, Target::AllUnits, code, {value});
}

Bytes WallFrames::readRequest(std::uint8_t code) const {
  return standard(kClassRead, code, 0x01);
}

Bytes WallFrames::buttonWriteRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) const {
  // Always the A1 A2 form, whatever the command format.
  return {kFrameHead,  kClassColour, unitAddress(sel_.top, sel_.left), unitAddress(sel_.bottom, sel_.right),
          r,          g,            b,
          kFrameTail};
}

Bytes WallFrames::buttonWriteDahliaRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) const {
  Bytes out{kExtendedHead, kClassColour};
  appendAddress(out, Target::Selection);
  out.insert(out.end(), {kColourSubCode, r, g, b});
  out.resize(14, 0x00);  // zero padding up to the tail: 15 bytes in all
  out.push_back(kExtendedTail);
  return out;
}

Bytes buttonWriteDahliaIDSet(std::uint16_t id, std::uint8_t kind, std::uint8_t p1, std::uint8_t p2,
                             std::uint8_t p3, std::uint8_t p4) {
  auto nibble = [id](int shift) { return static_cast<std::uint8_t>((id >> shift) & 0x0F); };
  const bool second = kind == 4;
  Bytes out{kExtendedHead, kClassIdSet, nibble(12), nibble(8), nibble(4), nibble(0), kind,
            second ? p3 : p1, second ? p4 : p2};
  out.resize(14, 0x00);
  out.push_back(kExtendedTail);
  return out;
}

Bytes parseRawHex(std::string_view text) {
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  Bytes out;
  int high = -1;
  for (char c : text) {
    const int d = digit(c);
    if (d < 0) continue;
    if (high < 0) {
      high = d;
    } else {
      out.push_back(static_cast<std::uint8_t>(high << 4 | d));
      high = -1;
    }
  }
  return out;
}

}  // namespace wall
