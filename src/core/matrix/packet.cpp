#include "core/matrix/packet.h"

#include <algorithm>

namespace wall {

namespace {

std::uint8_t byteOf(int v) { return static_cast<std::uint8_t>(v); }

}  // namespace

Packet& Packet::x(std::uint8_t byte) {
  bytes_.push_back(byte);
  return *this;
}

Packet& Packet::x(std::initializer_list<std::uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

Packet& Packet::text(std::string_view ascii) {
  for (char c : ascii) bytes_.push_back(static_cast<std::uint8_t>(c));
  return *this;
}

Packet& Packet::ch(char c) { return x(static_cast<std::uint8_t>(c)); }

Packet& Packet::b(int v) { return x(byteOf(v)); }

Packet& Packet::hi(int v) { return x(byteOf(v >> 8)); }

Packet& Packet::lo(int v) { return x(byteOf(v)); }

Packet& Packet::digit(int v) { return x(byteOf('0' + v)); }

Packet& Packet::D(int v) { return text(std::to_string(v)); }

Packet& Packet::D2(int v) { return digit(v / 10).digit(v % 10); }

Packet& Packet::D3(int v) { return digit(v / 100).digit(v % 100 / 10).digit(v % 10); }

Packet& Packet::D4(int v) { return digit(v / 1000).digit(v % 1000 / 100).digit(v % 100 / 10).digit(v % 10); }

Packet& Packet::Z2(int v) { return v < 10 ? ch('0').digit(v) : D2(v); }

Packet& Packet::H2(int v) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::uint8_t byte = byteOf(v);
  return ch(kHex[byte >> 4]).ch(kHex[byte & 0x0F]);
}

Packet& Packet::atLeast2(int v) { return (v >= 0 && v < 10) ? ch('0').digit(v) : D(v); }

std::uint8_t Packet::sum(int first, int last) const {
  unsigned total = 0;
  for (int i = std::max(first, 1); i <= last && i <= size(); ++i) total += bytes_[static_cast<std::size_t>(i - 1)];
  return static_cast<std::uint8_t>(total);
}

std::uint8_t Packet::xorOf(int first, int last) const {
  std::uint8_t total = 0;
  for (int i = std::max(first, 1); i <= last && i <= size(); ++i) total ^= bytes_[static_cast<std::size_t>(i - 1)];
  return total;
}

std::uint8_t Packet::neg(int first, int last) const { return static_cast<std::uint8_t>(1 - sum(first, last)); }

std::uint8_t Packet::s7(int first, int last) const { return static_cast<std::uint8_t>(sum(first, last) & 0x7F); }

Packet& Packet::set(int position, std::uint8_t byte) {
  if (position >= 1 && position <= size()) bytes_[static_cast<std::size_t>(position - 1)] = byte;
  return *this;
}

void Packet::refuse(std::string why) {
  if (refusal_.empty()) refusal_ = why.empty() ? "refused" : std::move(why);
}

}  // namespace wall
