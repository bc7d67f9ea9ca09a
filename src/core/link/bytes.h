#pragma once
// The byte strings that go over the serial lines.

#include <cstdint>
#include <vector>

namespace wall {

using Bytes = std::vector<std::uint8_t>;

}  // namespace wall
