#include "sim/wall_frame_decoder.h"

#include <cstdio>

namespace wall::sim {

namespace {

constexpr std::size_t kExtendedBytes = 15;
constexpr std::uint8_t kRoamMove = 0x70;
constexpr std::uint8_t kRoamResize = 0x71;
constexpr std::uint8_t kRoamTail = 0xA0;

// 7- and 8-byte address pair: the high nibble is row + 1, the low nibble
// column + 1.
FrameTarget targetFromAddresses(std::uint8_t a1, std::uint8_t a2) {
  if (a1 == 0 && a2 == 0) return {true, {}};
  return {false, Selection{(a1 >> 4) - 1, (a1 & 0x0F) - 1, (a2 >> 4) - 1, (a2 & 0x0F) - 1}};
}

// 9-byte layout: T L B R counted from 1.
FrameTarget targetFromRect(std::span<const std::uint8_t> p) {
  if (p[0] == 0 && p[1] == 0 && p[2] == 0 && p[3] == 0) return {true, {}};
  return {false, Selection{p[0] - 1, p[1] - 1, p[2] - 1, p[3] - 1}};
}

std::size_t standardLength(FrameLayout layout) {
  switch (layout) {
    case FrameLayout::Bytes8: return 8;
    case FrameLayout::Bytes9: return 9;
    case FrameLayout::Bytes7: break;
  }
  return 7;
}

Scan<WallFrame> scanStandard(std::span<const std::uint8_t> p, FrameLayout layout) {
  const bool colour = p[1] == kClassColour;
  const std::size_t n = colour ? 8 : standardLength(layout);
  if (p.size() < n) return Scan<WallFrame>::needMore();
  if (p[n - 1] != kFrameTail) return Scan<WallFrame>::noMatch();
  WallFrame f;
  f.classByte = p[1];
  f.bytes.assign(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(n));
  if (colour) {
    f.kind = WallFrameKind::Colour;
    f.target = targetFromAddresses(p[2], p[3]);
    f.rgb = {p[4], p[5], p[6]};
    return Scan<WallFrame>::complete(n, std::move(f));
  }
  std::size_t at = 2;
  if (layout == FrameLayout::Bytes9) {
    f.target = targetFromRect(p.subspan(2, 4));
    at = 6;
  } else {
    f.target = targetFromAddresses(p[2], p[3]);
    at = 4;
  }
  f.code = p[at];
  f.value = p[at + 1];
  // Only a value write carries a high byte; a command's second byte is 00.
  if (layout == FrameLayout::Bytes8 && f.classByte == kClassValue) f.value = decodeLoHi(p[at + 1], p[at + 2]);
  return Scan<WallFrame>::complete(n, std::move(f));
}

// F0 B3 block 70|71 a b A0, the block as two addresses or as T L B R.
Scan<WallFrame> scanRoaming(std::span<const std::uint8_t> p, std::size_t blockBytes) {
  const std::size_t n = 2 + blockBytes + 4;
  if (p.size() < n) return Scan<WallFrame>::needMore();
  if (p[n - 1] != kRoamTail) return Scan<WallFrame>::noMatch();
  WallFrame f;
  f.kind = WallFrameKind::Roaming;
  f.classByte = p[1];
  f.target = blockBytes == 2 ? targetFromAddresses(p[2], p[3]) : targetFromRect(p.subspan(2, 4));
  f.code = p[2 + blockBytes];
  f.x = p[3 + blockBytes];
  f.y = p[4 + blockBytes];
  f.bytes.assign(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(n));
  return Scan<WallFrame>::complete(n, std::move(f));
}

Scan<WallFrame> scanExtended(std::span<const std::uint8_t> p, FrameLayout layout) {
  if (p.size() < 2) return Scan<WallFrame>::needMore();
  if (p[1] == kClassColour) {
    // A roaming frame is told from the extended colour frame by the byte
    // after its block; the move frame is always sent with two addresses,
    // the resize frame with the layout's block.
    if (p.size() < 5) return Scan<WallFrame>::needMore();
    if (p[4] == kRoamMove || p[4] == kRoamResize) return scanRoaming(p, 2);
    if (layout == FrameLayout::Bytes9) {
      if (p.size() < 7) return Scan<WallFrame>::needMore();
      if (p[6] == kRoamMove || p[6] == kRoamResize) return scanRoaming(p, 4);
    }
  } else if (p[1] != kClassIdSet) {
    return Scan<WallFrame>::noMatch();
  }
  if (p.size() < kExtendedBytes) return Scan<WallFrame>::needMore();
  if (p[kExtendedBytes - 1] != kExtendedTail) return Scan<WallFrame>::noMatch();
  WallFrame f;
  f.classByte = p[1];
  f.bytes.assign(p.begin(), p.begin() + kExtendedBytes);
  if (p[1] == kClassIdSet) {
    f.kind = WallFrameKind::IdSet;
    f.id = static_cast<std::uint16_t>((p[2] & 0x0F) << 12 | (p[3] & 0x0F) << 8 | (p[4] & 0x0F) << 4 | (p[5] & 0x0F));
    f.idKind = p[6];
    f.x = p[7];
    f.y = p[8];
    return Scan<WallFrame>::complete(kExtendedBytes, std::move(f));
  }
  const bool nine = p[4] != kColourSubCode && p[6] == kColourSubCode;
  const std::size_t sub = nine ? 6 : 4;
  if (p[sub] != kColourSubCode) return Scan<WallFrame>::noMatch();
  f.kind = WallFrameKind::ExtendedColour;
  f.target = nine ? targetFromRect(p.subspan(2, 4)) : targetFromAddresses(p[2], p[3]);
  f.code = kColourSubCode;
  f.rgb = {p[sub + 1], p[sub + 2], p[sub + 3]};
  return Scan<WallFrame>::complete(kExtendedBytes, std::move(f));
}

std::string hex2(unsigned v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X", v & 0xFFu);
  return buf;
}

std::string describeTarget(const FrameTarget& t) {
  if (t.allUnits) return "all units";
  const Selection& s = t.block;
  return "units " + std::to_string(s.top + 1) + ":" + std::to_string(s.left + 1) + "-" + std::to_string(s.bottom + 1) +
         ":" + std::to_string(s.right + 1);
}

}  // namespace

std::uint32_t decodeLoHi(std::uint8_t lo, std::uint8_t hi) {
  const std::uint32_t base = hi * 255u;
  const std::uint32_t candidate = base + ((lo - base % 256u + 256u) % 256u);
  return candidate <= base + 254u ? candidate : base + lo;
}

Scan<WallFrame> scanWallFrame(std::span<const std::uint8_t> bytes, FrameLayout layout) {
  if (bytes.empty()) return Scan<WallFrame>::needMore();
  if (bytes[0] == kExtendedHead) return scanExtended(bytes, layout);
  if (bytes[0] != kFrameHead) return Scan<WallFrame>::noMatch();
  if (bytes.size() < 2) return Scan<WallFrame>::needMore();
  return scanStandard(bytes, layout);
}

std::string describe(const WallFrame& f) {
  const std::string where = describeTarget(f.target);
  switch (f.kind) {
    case WallFrameKind::Colour:
    case WallFrameKind::ExtendedColour:
      return "colour " + hex2(f.rgb[0]) + hex2(f.rgb[1]) + hex2(f.rgb[2]) + " " + where;
    case WallFrameKind::IdSet:
      return "id set " + std::to_string(f.id) + " kind " + std::to_string(f.idKind) + " " +
             std::to_string(f.x) + "," + std::to_string(f.y);
    case WallFrameKind::Roaming:
      return std::string(f.code == 0x70 ? "roam move " : "roam resize ") + std::to_string(f.x) + "% " +
             std::to_string(f.y) + "% " + where;
    case WallFrameKind::Standard: break;
  }
  const char* what = f.classByte == kClassCommand ? "command"
                     : f.classByte == kClassValue ? "value"
                     : f.classByte == kClassRead  ? "read"
                                                  : "class";
  std::string text = std::string(what) + " " + hex2(f.code);
  if (f.classByte != kClassRead) text += " = " + std::to_string(f.value);
  if (std::string(what) == "class") text = "class " + hex2(f.classByte) + " code " + hex2(f.code) + " = " + std::to_string(f.value);
  return text + " " + where;
}

}  // namespace wall::sim
