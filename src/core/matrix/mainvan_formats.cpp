#include "core/matrix/mainvan_formats.h"

#include "core/matrix/format_families.h"

namespace wall {

namespace {

constexpr std::uint8_t kXorKey = 0x4D;

void encodeMainvan(Packet& p, const SwitchCall& c, int out) {
  p.x(0xF4).b(c.in).x(0x21).b(out).b(c.id).x(c.in < 256 ? 0x00 : 0x21);
  p.x(p.sum(2, 6));
}

void encodeBlock(Packet& p, const SwitchCall& c, int out) {
  // The block byte is formed on whole numbers, as the matrix expects: an
  // input below 8 makes (IN / 8 − 1) −1, whose low byte masks to xF8.
  const int block = ((c.in / 8 - 1) & 0xF8) + ((out / 4 - 1) & 0x07);
  p.x(0xF4).hi(c.in).lo(c.in).x(0x21).b(out).x({0x00, 0x00}).b(c.id).b(block);
  p.x(p.sum(2, 9));
}

template <int InputOffset>
void encode0F(Packet& p, const SwitchCall& c, int out) {
  p.x(0xF4).b(c.in - InputOffset).x(0x21).b(out).x({0x00, 0x0F}).b(c.id);
  p.x(p.sum(2, 7));
}

void encodeXor(Packet& p, const SwitchCall& c, int out) {
  p.x(0xF4).b(c.in).x(0x21).b(out).b(c.id).x(0x00);
  p.x(static_cast<std::uint8_t>(p.sum(2, 6) ^ kXorKey)).x(0x00);
}

template <bool Xor>
void encodeHigh(Packet& p, const SwitchCall& c, int out) {
  p.x(0xF4).b(c.in).x(0x21).b(out).b(c.id).x(0x00);
  auto check = static_cast<std::uint8_t>(p.sum(2, 6) + ((c.in >> 8) & 0xFF));
  if (Xor) check ^= kXorKey;
  p.x(check).hi(c.in);
}

void encodeHighByte(Packet& p, const SwitchCall& c, int out) {
  p.x(0xF4).hi(c.in).x(0x21).b(out).b(c.id).x(0x00);
  p.x(p.sum(2, 6)).x(0x00);
}

void encodeWide(Packet& p, const SwitchCall& c, int out) {
  if (c.in > kMainvanWideInputs) {
    p.refuse("the input bytes name inputs up to 768 only");
    return;
  }
  p.x(0xF4);
  if (c.in <= 256) p.x(0x00).b(c.in);
  else p.lo(c.in).hi(c.in);
  p.x(0x21).b(out).b(c.id).x({0x00, 0x00, 0x00});
  p.x(p.sum(2, 9));
}

}  // namespace

BrandFormat mainvanFrame() { return own(encodeMainvan); }
BrandFormat mainvanBlockFrame() { return own(encodeBlock); }
BrandFormat mainvan0FFrame() { return own(encode0F<0>); }
BrandFormat mainvan0FZeroBasedFrame() { return own(encode0F<1>); }
BrandFormat mainvanXorFrame() { return own(encodeXor); }
BrandFormat mainvanXorHighFrame() { return own(encodeHigh<true>); }
BrandFormat mainvanHighFrame() { return own(encodeHigh<false>); }
BrandFormat mainvanHighByteFrame() { return own(encodeHighByte); }
BrandFormat mainvanWideFrame() { return own(encodeWide); }

}  // namespace wall
