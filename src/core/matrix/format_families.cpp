#include "core/matrix/format_families.h"

namespace wall {

namespace {

BrandFormat perOutput(PacketFn packet) {
  BrandFormat f;
  f.gathering = Gathering::PerOutput;
  f.packet = packet;
  return f;
}

BrandFormat gathered(Gathering gathering) {
  BrandFormat f;
  f.gathering = gathering;
  return f;
}

// The address of the letter text: '*' for ID 0, else the letter x40 + ID.
std::uint8_t letterAddress(int id) { return id == 0 ? '*' : static_cast<std::uint8_t>(0x40 + id); }

void encodeFF(Packet& p, const SwitchCall& c, int out) {
  p.x(0xFF).b(c.id).x(c.sw(c.format->t)).b(c.in).b(out).x(0xAA);
}

void encodeBB(Packet& p, const SwitchCall& c, int out) {
  p.x({0xBB, 0x04}).b(c.id).x(c.sw(c.format->t)).b(c.in).b(out).x(0x55);
}

void encodeF2(Packet& p, const SwitchCall& c, int out) {
  p.x(0xF2).hi(c.in).lo(c.in).x(0x22).b(out).b(c.id).x(0x00);
  p.x(p.xorOf(2, 7));
}

void encodeF2Zero(Packet& p, const SwitchCall& c, int out) {
  p.x(0xF2).hi(c.in).lo(c.in).x(0x2A).b(out).x({0x00, 0x00});
  p.x(p.xorOf(2, 7));
}

void encodeNeg(Packet& p, const SwitchCall& c, int out) {
  const auto& f = *c.format;
  p.x({0xFF, 0x07}).x(f.aIsId ? static_cast<std::uint8_t>(c.id) : f.a).x(0x02).b(c.in - 1).b(out - 1);
  p.x(p.neg(2, 6));
}

void encodeF8(Packet& p, const SwitchCall& c, int out) {
  const auto in = static_cast<std::uint8_t>(c.in);
  p.x(0xF8).x(in).x({0x00, 0x81}).b(out).x({0x00, 0x00}).b(in - 127 + out).x(0xFF);
}

void encodeLetterText(Packet& p, const SwitchCall& c, int out) {
  p.x(letterAddress(c.id)).D2(out).ch(c.format->letter).D2(c.in).ch('!');
}

void encodeStarText(Packet& p, const SwitchCall& c, int out) {
  p.D(c.in).ch('*').D(out).x(c.sw('!', '%', '$'));
}

void encodeBangOpening(PacketSteps& steps, const SwitchCall&) { steps.add().ch('!').x(0x0D); }

void encodeBangText(Packet& p, const SwitchCall& c, int out) {
  p.ch('!').D(c.id).ch(':').ch(c.format->letter).D(c.in).ch('*').D(out).x(0x0D);
}

void encodeExtaText(Packet& p, const SwitchCall& c, int out) {
  p.ch('!').D(c.id).ch(':').x(c.sw(c.format->t)).D(c.in).ch('*').D(out).x(0x0D);
}

void encodeQbText(Packet& p, const SwitchCall& c, int out) {
  p.x(c.sw(c.format->t)).D2(out).ch('<').Z2(c.in).x(0x0D);
}

void encodeProvFrame(Packet& p, const SwitchCall& c, int out) {
  p.x(0xBA).b(c.id).x({0x01, 0x04}).x(c.sw(c.format->t)).b(out - 1).b(c.in - 1);
  p.x(p.sum(1, 7));
}

void encodeZeroBangText(Packet& p, const SwitchCall& c, int out) {
  p.ch('!').x(0x00).D(c.id).ch(':').ch(c.format->letter).x(0x00).D(c.in).ch('*').x(0x00).D(out).x(0x0D);
}

// The SWCH texts carry one or two digits per number; a value of 100 or
// more has no defined form.
void encodeSwchText(Packet& p, const SwitchCall& c, int out) {
  if (c.in >= 100 || out >= 100) {
    p.refuse("the SWCH text carries inputs and outputs up to 99 only");
    return;
  }
  p.text("[SWCH,").digit(c.id).ch(',').D(c.in).text(",0,").D(out).ch(']');
}

void encodePvText(Packet& p, const SwitchCall& c, int out) {
  const auto& f = *c.format;
  p.ch('P').x(c.sw(f.p)).D2(c.id).ch('S').x(c.sw(f.q)).D2(c.in).D2(out).text("NT");
}

void encodeCommaText(Packet& p, const SwitchCall& c, int out) {
  const auto& f = *c.format;
  if (f.open) p.ch(f.open);
  p.D(c.in + f.numberShift).ch(',').D(out + f.numberShift).ch(',');
  if (c.id >= 1) {
    if (c.id < 10) p.digit(c.id);
    else p.D2(c.id);
    p.text(",D,");
  }
  p.x(c.sw(f.tail));
  if (f.close) p.ch(f.close);
}

}  // namespace

const Packet* PacketSteps::refused() const {
  for (const Item& item : items_) {
    if (item.packet.refused()) return &item.packet;
  }
  return nullptr;
}

BrandFormat BrandFormat::written(int times, int gapMs) const {
  BrandFormat f = *this;
  f.write.times = times;
  f.write.gapMs = gapMs;
  return f;
}

BrandFormat BrandFormat::oneBytePerWrite(bool pauseAfterEachByte) const {
  BrandFormat f = *this;
  f.write.bytePerWrite = true;
  f.write.pauseAfterEachByte = pauseAfterEachByte;
  return f;
}

BrandFormat BrandFormat::withWholeWall(WholeWallFn form, WholeWallInputs inputs) const {
  BrandFormat f = *this;
  f.wholeWall = form;
  f.wholeWallInputs = inputs;
  return f;
}

BrandFormat BrandFormat::withPauseAfterMany(int ms) const {
  BrandFormat f = *this;
  f.pauseAfterManyMs = ms;
  return f;
}

BrandFormat BrandFormat::withOpening(OpeningFn fn) const {
  BrandFormat f = *this;
  f.opening = fn;
  return f;
}

BrandFormat noFormat() { return BrandFormat{}; }

BrandFormat own(PacketFn packet) { return perOutput(packet); }

BrandFormat ownSteps(StepsFn steps) {
  BrandFormat f;
  f.gathering = Gathering::PerOutput;
  f.steps = steps;
  return f;
}

BrandFormat qrvFrame(std::uint8_t k) {
  BrandFormat f = gathered(Gathering::QrvFrame);
  f.k = k;
  return f;
}

BrandFormat pairList(SwitchChoice m, PairCheck check, PairListOptions options) {
  BrandFormat f = gathered(Gathering::PairList);
  f.m = m;
  f.check = check;
  f.h = options.h;
  f.pairInputOffset = options.inputOffset;
  f.maxPairs = options.maxPairs;
  return f;
}

BrandFormat ffFrame(SwitchChoice t) {
  BrandFormat f = perOutput(encodeFF);
  f.t = t;
  return f;
}

BrandFormat bbFrame(SwitchChoice t) {
  BrandFormat f = perOutput(encodeBB);
  f.t = t;
  return f;
}

BrandFormat f2Frame() { return perOutput(encodeF2); }

BrandFormat f2ZeroFrame() { return perOutput(encodeF2Zero); }

BrandFormat negFrame(std::uint8_t a) {
  BrandFormat f = perOutput(encodeNeg);
  f.a = a;
  return f;
}

BrandFormat negFrameById() {
  BrandFormat f = perOutput(encodeNeg);
  f.aIsId = true;
  return f;
}

BrandFormat f8Frame() { return perOutput(encodeF8); }

BrandFormat letterText(char s) {
  BrandFormat f = perOutput(encodeLetterText);
  f.letter = s;
  return f;
}

BrandFormat starText() { return perOutput(encodeStarText); }

BrandFormat bangText(char c) {
  BrandFormat f = perOutput(encodeBangText);
  f.letter = c;
  f.opening = encodeBangOpening;
  return f;
}

BrandFormat extaText(SwitchChoice t) {
  BrandFormat f = perOutput(encodeExtaText);
  f.t = t;
  return f;
}

BrandFormat qbText(SwitchChoice t) {
  BrandFormat f = perOutput(encodeQbText);
  f.t = t;
  return f;
}

BrandFormat provFrame(SwitchChoice t) {
  BrandFormat f = perOutput(encodeProvFrame);
  f.t = t;
  return f;
}

BrandFormat zeroBangText(char c) {
  BrandFormat f = perOutput(encodeZeroBangText);
  f.letter = c;
  return f;
}

BrandFormat swchText() { return perOutput(encodeSwchText); }

BrandFormat pvText(SwitchChoice p, SwitchChoice q) {
  BrandFormat f = perOutput(encodePvText);
  f.p = p;
  f.q = q;
  return f;
}

BrandFormat commaText(SwitchChoice tail, CommaOptions options) {
  BrandFormat f = perOutput(encodeCommaText);
  f.tail = tail;
  f.open = options.open;
  f.close = options.close;
  f.numberShift = options.shift;
  return f;
}

BrandFormat listText(SwitchChoice middle, char separator, std::string_view trailer) {
  BrandFormat f = gathered(Gathering::ListText);
  f.middle = middle;
  f.separator = separator;
  f.trailer = trailer;
  return f;
}

BrandFormat pairGroups(AddressFn address, int pairs) {
  BrandFormat f = gathered(Gathering::PairGroups);
  f.groupAddress = address;
  f.groupPairs = pairs;
  return f;
}

BrandFormat outputLetters() { return gathered(Gathering::OutputLetters); }

}  // namespace wall
