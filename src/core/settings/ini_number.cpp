#include "core/settings/ini_number.h"

namespace wall {

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The magnitude of a run of digits in `base`, or nothing when the run is
// empty, holds another character or exceeds `limit`.
std::optional<std::uint64_t> magnitude(std::string_view digits, unsigned base, std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int d = base == 16 ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (d < 0) return std::nullopt;
    value = value * base + static_cast<unsigned>(d);
    if (value > limit) return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::int32_t> parseIniInt(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  bool hex = false;
  if (!text.empty() && text.front() == '$') {
    hex = true;
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    hex = true;
    text.remove_prefix(2);
  }
  if (hex) {
    // Hexadecimal is a bit pattern: the earlier program read "$FFFFFFFF"
    // as -1, and a sign negates the pattern in 32-bit arithmetic.
    const auto m = magnitude(text, 16, 0xFFFFFFFFULL);
    if (!m) return std::nullopt;
    auto bits = static_cast<std::uint32_t>(*m);
    if (negative) bits = 0U - bits;
    return static_cast<std::int32_t>(bits);
  }
  const auto m = magnitude(text, 10, negative ? 2147483648ULL : 2147483647ULL);
  if (!m) return std::nullopt;
  const auto v = static_cast<std::int64_t>(*m);
  return static_cast<std::int32_t>(negative ? -v : v);
}

}  // namespace wall
