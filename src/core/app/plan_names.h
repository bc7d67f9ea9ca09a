#pragma once
// The names of the plans in the side list: the name the operator gave
// (section Wall, key "Wall_Mode" + index), else "模式n" / "Moden".

#include <optional>
#include <string>

namespace wall {

// `stored` is the key's value when the key exists.
std::string planName(const std::optional<std::string>& stored, int index, int language);

// "Wall_Mode" + index: the key of plan `index`'s name.
std::string planNameKey(int index);

}  // namespace wall
