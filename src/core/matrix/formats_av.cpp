#include "core/matrix/formats_av.h"

#include <string>

#include "core/matrix/format_families.h"
#include "core/matrix/own_formats.h"

namespace wall {

namespace {

// --- xBB frames -----------------------------------------------------------

template <int OutputOffset, int InputOffset, std::uint8_t Seventh>
void encodeLanma(Packet& p, const SwitchCall& c, int out) {
  p.x({0xBB, 0x01}).b(out - OutputOffset).b(c.in - InputOffset).x({0x00, 0x00, Seventh});
  p.x(p.sum(1, 7));
}

// xBB x02 part v1 v2 x00 x00 c: part x01 names the output, x02 the input.
Packet& bb02(Packet& p, std::uint8_t part, int v1, int v2) {
  p.x({0xBB, 0x02, part}).b(v1).b(v2).x({0x00, 0x00});
  return p.x(p.sum(1, 7));
}

void encodeOutputThenInput(PacketSteps& s, const SwitchCall& c, int out) {
  bb02(s.add(), 0x01, out - 1, (out - 1) >> 8);
  bb02(s.add(), 0x02, c.in - 1, (c.in - 1) >> 8);
}

void encodeSmth1(PacketSteps& s, const SwitchCall& c, int out) {
  const auto outRange = rangeOf(out, 257);
  const auto inRange = rangeOf(c.in, 257);
  if (!outRange || !inRange) {
    s.add().refuse("the range byte carries inputs and outputs up to 768 only");
    return;
  }
  bb02(s.add(kSmth1PauseMs), 0x01, out - 1, *outRange);
  bb02(s.add(kSmth1PauseMs), 0x02, c.in - 1, *inRange);
}

// --- frames with a range byte -----------------------------------------------

bool refuseAbove768(Packet& p, const std::optional<int>& range) {
  if (range) return false;
  p.refuse("the range byte carries inputs up to 768 only");
  return true;
}

void encodeSito(Packet& p, const SwitchCall& c, int out) {
  const auto g = rangeOf(c.in, 256);
  if (refuseAbove768(p, g)) return;
  p.x(0xFF).b(c.in).b(*g).x(0x81).b(out).x({0x00, 0x00}).b((c.in & 0xFF) + *g - 127 + out);
}

template <std::uint8_t First>
void encodeSmth7(Packet& p, const SwitchCall& c, int out) {
  const auto g = rangeOf(c.in, 257);
  if (refuseAbove768(p, g)) return;
  const int a = *g == 0 ? (c.in & 0xFF) : 0;
  p.x(First).b(a).b(*g).x(0x81).b(out).x({0x00, 0x00}).b(a + *g - 127 + out);
}

// --- other frames -----------------------------------------------------------

template <bool ById>
void encodeFc(Packet& p, const SwitchCall& c, int out) {
  p.x({0xFC, 0x01}).b((c.in - 1) / 32).b(floorMod(c.in - 1, 32)).b(out - 1);
  if (ById) p.b(c.id);
  else p.x(0x01);
  p.x(p.s7(1, 6));
}

template <int PauseMs>
void encodeOutputInputTexts(PacketSteps& s, const SwitchCall& c, int out) {
  s.add(PauseMs).D(out).text("Ma");
  s.add(PauseMs).D(c.in).text("#a");
}

void ac6800Number(PacketSteps& s, int id, int firstKey, int v) {
  keyStroke(s, id, firstKey, true);
  for (int d : decimalDigits(v)) keyStroke(s, id, ac6800DigitKey(d), true);
  keyStroke(s, id, kAc6800EndKey, true);
}

void encodeAc6800(PacketSteps& s, const SwitchCall& c, int out) {
  ac6800Number(s, c.id, kAc6800InputKey, c.in);
  ac6800Number(s, c.id, kAc6800OutputKey, out);
}

void encodeShatian(Packet& p, const SwitchCall& c, int out) {
  p.x(0x00).b(c.id).x({0x05, 0x01}).b(out).b(c.in).b(c.in / 16).x(0x0D);
  p.x(p.sum(1, 8));
}

void encodeAb8to4(PacketSteps& s, const SwitchCall& c, int out) {
  Packet& output = s.add().x(0xFE);
  if (out < 10) output.b(out);
  else output.b(out / 10).b(out % 10);
  output.x({0x13, 0xFF});

  Packet& input = s.add().x(0xFE);
  for (int d : decimalDigits(c.in + 1)) input.b(d);
  input.x({0x11, 0xFF});
}

void encodeCustom(Packet& p, const SwitchCall& c, int out) {
  if (out < 16) p.x(0xFE).b(out + 111);
  else p.x(0xFD).b(out + 96);
  p.b(c.in).b(c.id - 128);
}

void encodePanasonic(PacketSteps& s, const SwitchCall& c, int out) {
  s.add().x(0x02).text("CMD:H").Z2(out).text("MS").x(0x03);
  s.add().x(0x02).text("CMD:H").Z2(out).text("CS").D3(c.in).x(0x03);
}

void encodeV1064(Packet& p, const SwitchCall& c, int out) {
  p.x({0xC8, 0x01}).b(c.in / 16).b(c.in % 16).b(out / 16).b(out % 16);
  const std::uint8_t sum = p.sum(1, 6);
  p.b(sum >> 4).b(sum & 0x0F);
}

void encodeSyyt(Packet& p, const SwitchCall& c, int out) {
  const auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
  p.x({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x20}).b(c.id).x(0x00).b(out).b(c.in).x(0x80);
  p.x(static_cast<std::uint8_t>(byte(c.id) ^ byte(c.in) ^ byte(out) ^ 0xA0)).x({0xFE, 0xFE, 0xFE});
}

void encodeEkl414h(Packet& p, const SwitchCall& c, int out) {
  if (c.in < 1 || c.in > 4 || out < 1 || out > 4) {
    p.refuse("EKL414H switches inputs and outputs 1 to 4 only");
    return;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  p.text("00").ch(kHex[(out - 1) * 4 + (c.in - 1)]);
}

void encodeTriolion(Packet& p, const SwitchCall& c, int out) {
  if (c.model < 0 || c.model >= static_cast<int>(kTriolionAvAddress.size())) {
    p.refuse("the AV model has no TRIOLION address byte");
    return;
  }
  p.x(0xEB).x(kTriolionAvAddress[static_cast<std::size_t>(c.model)]).x({0x02, 0x02}).b(out - 1).b(c.in - 1);
  p.x(p.sum(2, 6));
}

void encodeKedi(Packet& p, const SwitchCall& c, int out) {
  if (c.in > kKediInputs) {
    p.refuse("KEDI switches inputs up to 96 only");
    return;
  }
  p.ch('*').D2(c.in).x(c.sw('N', 'V', 'A')).D2(out).ch('#');
}

void encodeKedi2(Packet& p, const SwitchCall& c, int out) {
  if (c.in < 1 || c.in > 16 || out < 1 || out > 16) {
    p.refuse("KEDI2 carries inputs and outputs 1 to 16 only");
    return;
  }
  p.text("*WR").x(c.sw('N', 'V', 'A')).ch('x').H2(out - 1).ch('y').H2(c.in - 1).text("--#");
}

void encodeAc003Opening(PacketSteps& s, const SwitchCall& c) { s.add().ch('!').D(c.id).text(":V").D(c.in).text("*L"); }

void encodeAc003(Packet& p, const SwitchCall& c, int out) {
  p.ch('!').D(c.id).text(":V").D(c.in).ch('*').D(out).x(0x0D);
}

void encodeDet(Packet& p, const SwitchCall& c, int out) {
  p.x(0x40).D(c.id).ch(':').D(c.in).ch('>').D(out).x(c.sw('!', '&', '$'));
}

}  // namespace

std::optional<int> rangeOf(int v, int firstOfBlock) {
  if (v > kRangedMax) return std::nullopt;
  if (v < firstOfBlock) return 0;
  return v <= 512 ? 1 : 2;
}

BrandFormat lanmaFrame() { return own(encodeLanma<0, 0, 0x00>); }
BrandFormat lanmaZeroInputFrame() { return own(encodeLanma<0, 1, 0x00>); }
BrandFormat lanmaZeroBasedFrame() { return own(encodeLanma<1, 1, 0x01>); }
BrandFormat outputThenInputFrames() { return ownSteps(encodeOutputThenInput); }
BrandFormat smth1Frames() { return ownSteps(encodeSmth1); }
BrandFormat sitoFrame() { return own(encodeSito); }
BrandFormat smth7Frame() { return own(encodeSmth7<0xFF>); }
BrandFormat lanma5Frame() { return own(encodeSmth7<0xA5>); }
BrandFormat vinetFrame() { return own(encodeFc<false>); }
BrandFormat smth3AvFrame() { return own(encodeFc<true>); }
BrandFormat outputInputTexts() { return ownSteps(encodeOutputInputTexts<kKindPause>); }
BrandFormat outputInputTexts100() { return ownSteps(encodeOutputInputTexts<kSmth2PauseMs>); }
BrandFormat ac6800Keys() { return ownSteps(encodeAc6800); }

int ac6800DigitKey(int digit) {
  if (digit == 0) return 75;
  if (digit <= 3) return 61 + digit;
  if (digit <= 6) return 62 + digit;
  return 63 + digit;
}

BrandFormat shatianFrame() {
  return own(encodeShatian).oneBytePerWrite(false).written(kShatianWrites, kShatianGapMs);
}
BrandFormat ab8to4Frames() { return ownSteps(encodeAb8to4); }
BrandFormat customFrame() { return own(encodeCustom); }
BrandFormat panasonicFrames() { return ownSteps(encodePanasonic); }
BrandFormat v1064Frame() { return own(encodeV1064); }
BrandFormat syytFrame() { return own(encodeSyyt); }
BrandFormat ekl414hText() { return own(encodeEkl414h); }
BrandFormat triolionAvFrame() { return own(encodeTriolion); }
BrandFormat kediText() { return own(encodeKedi); }
BrandFormat kedi2Text() { return own(encodeKedi2); }
BrandFormat ac003Text() { return own(encodeAc003).withOpening(encodeAc003Opening); }
BrandFormat detText() { return own(encodeDet); }

}  // namespace wall
