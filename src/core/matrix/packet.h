#pragma once
// One matrix packet under construction, written in the notation of the brand
// tables: fixed bytes, quoted ASCII, b(v), hi/lo, D/D2/D3/D4/Z2/H2 number
// fields and the checksums named by the brands. Values that do not fit are
// kept as the formats compute them (b() keeps the low 8 bits, D2 of 100 or
// more gives a first character above '9'); a field that cannot carry a value
// at all refuses the packet instead, so that nothing undefined is sent.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/link/script.h"

namespace wall {

// The remainder of a division that is never negative (v mod n of the
// formats, as b(v) is "v modulo 256").
constexpr int floorMod(int v, int n) { return ((v % n) + n) % n; }

class Packet {
 public:
  Packet() = default;

  Packet& x(std::uint8_t byte);                          // xNN
  Packet& x(std::initializer_list<std::uint8_t> bytes);  // xNN xNN ...
  Packet& text(std::string_view ascii);                  // 'text'
  Packet& ch(char c);                                    // 'c'
  Packet& b(int v);                                      // v modulo 256
  Packet& hi(int v);                                     // high byte of a 16-bit value
  Packet& lo(int v);                                     // low byte
  Packet& digit(int v);                                  // the character '0' + v, as computed
  Packet& D(int v);                                      // decimal without leading zeros
  Packet& D2(int v);                                     // '0' + v / 10, '0' + v mod 10
  Packet& D3(int v);
  Packet& D4(int v);
  Packet& Z2(int v);                                     // "0" + digit below 10, else D2
  Packet& H2(int v);                                     // two upper-case hexadecimal digits of b(v)
  Packet& atLeast2(int v);                               // D, with a leading '0' below 10

  // Checksums over the bytes at positions first..last, counted from 1 as the
  // brand tables count them.
  std::uint8_t sum(int first, int last) const;   // low 8 bits of the sum
  std::uint8_t xorOf(int first, int last) const;  // exclusive or
  std::uint8_t neg(int first, int last) const;    // low 8 bits of 1 − sum
  std::uint8_t s7(int first, int last) const;     // low 7 bits of the sum

  // Overwrites the byte at a position counted from 1 (a checksum placed
  // before bytes that it covers).
  Packet& set(int position, std::uint8_t byte);

  // Marks the packet as one that must not be sent, with the reason.
  void refuse(std::string why);
  bool refused() const { return !refusal_.empty(); }
  const std::string& refusal() const { return refusal_; }

  const Bytes& bytes() const { return bytes_; }
  Bytes& bytes() { return bytes_; }
  int size() const { return static_cast<int>(bytes_.size()); }
  bool empty() const { return bytes_.empty(); }
  void clear() { bytes_.clear(); }

 private:
  Bytes bytes_;
  std::string refusal_;
};

}  // namespace wall
