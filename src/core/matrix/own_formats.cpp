#include "core/matrix/own_formats.h"

#include <algorithm>
#include <array>
#include <string>

namespace wall {

namespace {

// Rows by input 1..4, columns by output 1..4.
constexpr std::array<std::array<std::string_view, 4>, 4> kFourByFour = {{
    {"09", "17", "5E", "18"},
    {"1D", "12", "06", "44"},
    {"1F", "59", "05", "0F"},
    {"0D", "08", "03", "51"},
}};

}  // namespace

std::optional<std::string_view> fourByFourCode(int in, int out) {
  if (in < 1 || in > 4 || out < 1 || out > 4) return std::nullopt;
  return kFourByFour[static_cast<std::size_t>(in - 1)][static_cast<std::size_t>(out - 1)];
}

void putFourByFourCode(Packet& p, int in, int out) {
  if (const auto code = fourByFourCode(in, out)) {
    p.text(*code);
  } else {
    p.refuse("a four-by-four switcher takes inputs and outputs 1 to 4 only");
  }
}

std::uint8_t slAddressLetter(int id) { return static_cast<std::uint8_t>(0x40 + (id == 0 || id > 26 ? 1 : id)); }

bool refuseOver99(Packet& p, std::initializer_list<int> values, std::string_view brand) {
  for (int v : values) {
    if (v >= 100) {
      p.refuse(std::string(brand) + " carries values up to 99 only");
      return true;
    }
  }
  return false;
}

Packet& keyEvent(Packet& p, int id, int key, bool press, bool carriageReturn) {
  p.text("*8").Z2(id).text("K0,").D2(key).ch(',').ch(press ? '1' : '0');
  if (carriageReturn) p.x(0x0D);
  return p;
}

void keyStroke(PacketSteps& steps, int id, int key, bool carriageReturn) {
  keyEvent(steps.add(), id, key, true, carriageReturn);
  keyEvent(steps.add(), id, key, false, carriageReturn);
}

std::vector<int> decimalDigits(int v) {
  std::vector<int> digits;
  unsigned long long rest = v < 0 ? static_cast<unsigned long long>(-static_cast<long long>(v)) : static_cast<unsigned long long>(v);
  do {
    digits.push_back(static_cast<int>(rest % 10));
    rest /= 10;
  } while (rest > 0);
  std::reverse(digits.begin(), digits.end());
  return digits;
}

}  // namespace wall
