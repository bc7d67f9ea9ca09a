#pragma once
// The names of the configuration list: each line of a list is a name, a
// colon and a value, and replaying the list turns the name back into its
// command code. Names match exactly, case included; any other name is code 0.

#include <cstdint>
#include <optional>
#include <string_view>

namespace wall {

std::uint8_t commandCode(std::string_view name);
// The name of a code, for the lines the read-back appends (the first name
// in the table that has it).
std::optional<std::string_view> commandName(std::uint8_t code);

}  // namespace wall
