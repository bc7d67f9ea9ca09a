#pragma once
// Replies of the wall processor to read requests: which package is the reply
// to a read, and the value it carries. A reply is recognised by its layout
// (the command format and, for some codes of the 8-byte format, the code)
// and its fixed bytes; anything shorter than its layout or with a fixed byte
// out of place is not a reply.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/link/bytes.h"

namespace wall {

enum class ReplyLayout : std::uint8_t {
  Short7,      // x C V AE                         (formats 0 and 3)
  General8,    // E5 x C lo hi E0                   (format 1)
  Position8,   // E5 x x mlo mhi E0 x x C lo hi     (format 1, codes 0x80 and 0x81)
  Window8,     // three E5 .. E0 blocks: value, minimum, maximum (format 1, codes 0x65 to 0x68)
  Nine,        // x x C V AE                        (format 2)
  Source7,     // A 30 c AE: A the unit's address
  Source8,     // E5 x 30 c x E0
  Source9,     // x K 30 c AE: K the unit's column + 1
};

// What a read step waits for: the layout, the code and, for the input-source
// replies of the 7- and 9-byte formats, the unit byte to check.
struct ReplyExpect {
  ReplyLayout layout = ReplyLayout::Short7;
  std::uint8_t code = 0;
  std::uint8_t unit = 0;
  bool operator==(const ReplyExpect&) const = default;
};

struct ReplyValue {
  int value = 0;
  std::optional<int> minimum;  // the window codes of the 8-byte format
  std::optional<int> maximum;  // the position and window codes of the 8-byte format
  bool operator==(const ReplyValue&) const = default;
};

// The most a read takes of one received package.
inline constexpr std::size_t kReplyFetchBytes = 20;

// The reply to a read of `code` in command format `cmdForm`. A value group
// reads with the range layouts; a list (`forList`) always with the general
// one.
ReplyExpect valueReplyExpect(int cmdForm, std::uint8_t code, bool forList = false);
// The reply to the input-source read of the unit at (row, column).
ReplyExpect sourceReplyExpect(int cmdForm, int row, int column);

// Bytes short of a layout's fixed length.
std::size_t replyLength(ReplyLayout layout);

// The decoded reply, or nothing when `package` is not the expected reply.
std::optional<ReplyValue> decodeReply(const ReplyExpect& expect, const Bytes& package);

// The input source of an input-source reply's code c (0 to 29). A code above
// 29 has no entry and is kept as it is: the unit then shows the number.
int inputSourceFromCode(int code);

// Names of the layouts in a script's text form ("short7", "general8" ...).
std::string_view replyLayoutName(ReplyLayout layout);
std::optional<ReplyLayout> replyLayoutFromName(std::string_view name);

}  // namespace wall
