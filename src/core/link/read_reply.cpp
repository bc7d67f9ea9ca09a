#include "core/link/read_reply.h"

#include <array>

#include "core/link/wall_frames.h"

namespace wall {

namespace {

constexpr std::uint8_t kReplyHead = 0xE5;
constexpr std::uint8_t kReplyTail = 0xE0;
constexpr std::uint8_t kSourceCode = 0x30;

// The input code of a source reply → the unit's input source number.
constexpr std::array<int, 30> kSourceOfCode = {2, 3, 4, 5, 6, 0, 0, 0, 0, 7, 0, 8, 0,  1,  10,
                                               11, 9, 0, 12, 13, 0, 1, 2, 3, 4, 9, 11, 16, 14, 15};

struct LayoutName {
  ReplyLayout layout;
  std::string_view name;
  std::size_t length;
};
constexpr std::array<LayoutName, 8> kLayouts = {{
    {ReplyLayout::Short7, "short7", 4},
    {ReplyLayout::General8, "general8", 6},
    {ReplyLayout::Position8, "position8", 12},
    {ReplyLayout::Window8, "window8", 18},
    {ReplyLayout::Nine, "nine", 5},
    {ReplyLayout::Source7, "source7", 4},
    {ReplyLayout::Source8, "source8", 6},
    {ReplyLayout::Source9, "source9", 5},
}};

// One E5 x x lo hi E0 block of the 8-byte format at `at`.
bool block8(const Bytes& p, std::size_t at) { return p[at] == kReplyHead && p[at + 5] == kReplyTail; }

int word255(std::uint8_t lo, std::uint8_t hi) { return hi * 255 + lo; }
int word256(std::uint8_t lo, std::uint8_t hi) { return hi * 256 + lo; }

}  // namespace

ReplyExpect valueReplyExpect(int cmdForm, std::uint8_t code, bool forList) {
  switch (layoutFor(cmdForm)) {
    case FrameLayout::Bytes8:
      if (!forList && (code == 0x80 || code == 0x81)) return {ReplyLayout::Position8, code, 0};
      if (!forList && code >= 0x65 && code <= 0x68) return {ReplyLayout::Window8, code, 0};
      return {ReplyLayout::General8, code, 0};
    case FrameLayout::Bytes9: return {ReplyLayout::Nine, code, 0};
    case FrameLayout::Bytes7: break;
  }
  return {ReplyLayout::Short7, code, 0};
}

ReplyExpect sourceReplyExpect(int cmdForm, int row, int column) {
  switch (layoutFor(cmdForm)) {
    case FrameLayout::Bytes8: return {ReplyLayout::Source8, kSourceCode, 0};
    case FrameLayout::Bytes9:
      return {ReplyLayout::Source9, kSourceCode, static_cast<std::uint8_t>((column + 1) & 0xFF)};
    case FrameLayout::Bytes7: break;
  }
  return {ReplyLayout::Source7, kSourceCode, unitAddress(row, column)};
}

std::size_t replyLength(ReplyLayout layout) {
  for (const auto& l : kLayouts) {
    if (l.layout == layout) return l.length;
  }
  return 0;
}

std::optional<ReplyValue> decodeReply(const ReplyExpect& e, const Bytes& p) {
  if (p.size() < replyLength(e.layout)) return std::nullopt;
  const std::uint8_t c = e.code;
  switch (e.layout) {
    case ReplyLayout::Short7:
      if (p[1] != c || p[3] != kFrameTail) return std::nullopt;
      return ReplyValue{p[2], {}, {}};
    case ReplyLayout::Nine:
      if (p[2] != c || p[4] != kFrameTail) return std::nullopt;
      return ReplyValue{p[3], {}, {}};
    case ReplyLayout::General8:
      if (!block8(p, 0) || p[2] != c) return std::nullopt;
      return ReplyValue{word255(p[3], p[4]), {}, {}};
    case ReplyLayout::Position8:
      // The range block comes first; its code byte is not looked at. Both
      // words decode as hi × 255 + lo, as the general layout and the write
      // frames do (a bitwise-or there would turn every hi of 1 into 255).
      if (!block8(p, 0) || p[8] != c) return std::nullopt;
      return ReplyValue{word255(p[9], p[10]), {}, word255(p[3], p[4])};
    case ReplyLayout::Window8:
      if (!block8(p, 0) || !block8(p, 6) || !block8(p, 12) || p[2] != c) return std::nullopt;
      return ReplyValue{word256(p[3], p[4]), word256(p[9], p[10]), word256(p[15], p[16])};
    case ReplyLayout::Source7:
      if (p[0] != e.unit || p[1] != kSourceCode || p[3] != kFrameTail) return std::nullopt;
      return ReplyValue{p[2], {}, {}};
    case ReplyLayout::Source8:
      if (!block8(p, 0) || p[2] != kSourceCode) return std::nullopt;
      return ReplyValue{p[3], {}, {}};
    case ReplyLayout::Source9:
      if (p[1] != e.unit || p[2] != kSourceCode || p[4] != kFrameTail) return std::nullopt;
      return ReplyValue{p[3], {}, {}};
  }
  return std::nullopt;
}

int inputSourceFromCode(int code) {
  if (code < 0 || code >= static_cast<int>(kSourceOfCode.size())) return code;
  return kSourceOfCode[static_cast<std::size_t>(code)];
}

std::string_view replyLayoutName(ReplyLayout layout) {
  for (const auto& l : kLayouts) {
    if (l.layout == layout) return l.name;
  }
  return "?";
}

std::optional<ReplyLayout> replyLayoutFromName(std::string_view name) {
  for (const auto& l : kLayouts) {
    if (l.name == name) return l.layout;
  }
  return std::nullopt;
}

}  // namespace wall
