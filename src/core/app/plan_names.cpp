#include "core/app/plan_names.h"

namespace wall {

std::string planName(const std::optional<std::string>& stored, int index, int language) {
  if (stored) return *stored;
  const std::string number = std::to_string(index + 1);
  return (language == 0 ? std::string("模式") : std::string("Mode")) + number;
}

std::string planNameKey(int index) { return "Wall_Mode" + std::to_string(index); }

}  // namespace wall
