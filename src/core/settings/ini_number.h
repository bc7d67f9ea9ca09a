#pragma once
// Numbers in settings values, read the way the earlier Windows program's INI
// object read them.

#include <cstdint>
#include <optional>
#include <string_view>

namespace wall {

// An optional sign and decimal digits within -2147483648..2147483647, or an
// optional sign and hexadecimal digits after '$', "0x" or "0X" within
// 0..FFFFFFFF (taken as the 32-bit pattern, so "$FFFFFFFF" is -1). Nothing
// else: no blanks, no trailing text ("42A9", "1.5", "ten" and "" are not
// numbers).
std::optional<std::int32_t> parseIniInt(std::string_view text);

}  // namespace wall
