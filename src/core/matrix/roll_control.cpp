#include "core/matrix/roll_control.h"

#include "core/matrix/matrix_kind.h"

namespace wall {

namespace {

constexpr int kMainvan = 0;
constexpr int kExtron = 1;
constexpr int kCreatek5 = 2;

bool fitsDecimal(int v) { return v >= 0 && v <= 999; }

void appendDecimal(Bytes& out, int v) {
  for (char ch : std::to_string(v)) out.push_back(static_cast<std::uint8_t>(ch));
}

Bytes mainvan(const RollItem& item) {
  const auto in = static_cast<std::uint8_t>(item.input);
  const auto out = static_cast<std::uint8_t>(item.output);
  const std::uint8_t v = item.input < 256 ? 0x00 : 0x21;
  const auto sum = static_cast<std::uint8_t>(in + 0x21 + out + 0x00 + v);
  return {0xF4, in, 0x21, out, 0x00, v, sum};
}

Bytes extron(const RollItem& item) {
  static constexpr char kTail[] = {'%', '$', '!'};
  Bytes b;
  appendDecimal(b, item.input);
  b.push_back('*');
  appendDecimal(b, item.output);
  b.push_back(static_cast<std::uint8_t>(kTail[item.type]));
  return b;
}

Bytes createk5(const RollItem& item) {
  static constexpr char kMiddle[] = {'V', 'A', 'B'};
  Bytes b;
  appendDecimal(b, item.input);
  b.push_back(static_cast<std::uint8_t>(kMiddle[item.type]));
  appendDecimal(b, item.output);
  b.push_back('.');
  b.push_back(0x0D);
  return b;
}

int avDevice(const PortFlags& flags) { return flags.matrixUseComOnly || flags.avUseComOnly ? 2 : kWallDevice; }

std::string refusal(const RollItem& item) {
  if (item.brand < 0 || item.brand >= static_cast<int>(kRollBrands.size())) {
    return "roll item: brand " + std::to_string(item.brand) + " has no format; not sent";
  }
  if (item.type < 0 || item.type >= static_cast<int>(kRollTypes.size())) {
    return "roll item: switch type " + std::to_string(item.type) + " is not VIDEO, AUDIO or AUDIO+VIDEO; not sent";
  }
  if (!fitsDecimal(item.input) || !fitsDecimal(item.output)) {
    return "roll item: input " + std::to_string(item.input) + " or output " + std::to_string(item.output) +
           " cannot be written in three digits; not sent";
  }
  return {};
}

}  // namespace

bool appendRollItem(Script& script, const RollItem& item, const PortFlags& flags) {
  if (!refusal(item).empty()) return false;
  switch (item.brand) {
    case kMainvan:
      script.send(avDevice(flags), mainvan(item)).pause(kRollAvPause);
      break;
    case kExtron:
      script.send(avDevice(flags), extron(item)).pause(kRollAvPause);
      break;
    case kCreatek5:
      script.send(matrixDevice(MatrixKind::VGA, flags), createk5(item)).pause(kRollVgaPause);
      break;
    default:
      return false;
  }
  return true;
}

RollSend matrixRollControl(const RollItem& item, const PortFlags& flags) {
  RollSend result;
  result.refused = refusal(item);
  if (result.refused.empty()) appendRollItem(result.script, item, flags);
  return result;
}

}  // namespace wall
