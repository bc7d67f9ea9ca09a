// The DVI brands' (SourceCode 10 and 11) and the YPbPr brands' (SourceCode
// 8) switch commands: one row per brand of each list, in list order.
#include <string>

#include "core/matrix/brand_tables.h"
#include "core/matrix/format_families.h"
#include "core/matrix/own_formats.h"

namespace wall {

namespace {

// "DVI001" takes an address of 0 or above 99 as 1.
int dvi001Address(int id) { return id == 0 || id > 99 ? 1 : id; }

// "SMTH3" is driven by keys: 73 opens the input's number, 61 an output's,
// 61 + d is the digit d and 76 ends a number. Each press and each release
// is followed by the pause.
constexpr int kSmth3InputKey = 73;
constexpr int kSmth3OutputKey = 61;
constexpr int kSmth3DigitBase = 61;
constexpr int kSmth3EndKey = 76;

void smth3Number(PacketSteps& steps, int id, int firstKey, int v) {
  keyStroke(steps, id, firstKey, false);
  for (int d : decimalDigits(v)) keyStroke(steps, id, kSmth3DigitBase + d, false);
  keyStroke(steps, id, kSmth3EndKey, false);
}

void smth3Opening(PacketSteps& steps, const SwitchCall& c) { smth3Number(steps, c.id, kSmth3InputKey, c.in); }

void smth3Output(PacketSteps& steps, const SwitchCall& c, int out) {
  smth3Number(steps, c.id, kSmth3OutputKey, out);
}

// "QRV004": '{{' x01 x02 b(IN − 1) m c '}}', m the bit of output 1..8 and c
// the sum of every other byte; a byte has no bit for a ninth output.
void qrv004(Packet& p, const SwitchCall& c, int out) {
  if (out < 1 || out > 8) {
    p.refuse("QRV004 addresses outputs 1 to 8 only");
    return;
  }
  p.text("{{").x({0x01, 0x02}).b(c.in - 1).b(1 << (out - 1)).x(0x00).text("}}");
  p.set(7, static_cast<std::uint8_t>(p.sum(1, 6) + p.sum(8, 9)));
}

void switcherWholeWall(Packet& p, const SwitchCall& c) { p.x(0x40).D2(c.id).ch(',').D2(c.in).text("ALL!"); }

void createkWholeWall(Packet& p, const SwitchCall& c) { p.D(c.in).text("All"); }

const BrandFormat kCreatek = listText(sw('B', 'V', 'A'));
const BrandFormat kDb = commaText(sw('B', 'V', 'A'), {.open = '<', .close = '>'});
const BrandFormat kXu = pvText(sw('D', 'H', 'S'), sw('W'));

const BrandRow kDviRows[] = {
    {1, "QRV001", qrvFrame()},
    {2, "DVI001",
     ownSteps([](PacketSteps& s, const SwitchCall& c, int out) {
       const int id = dvi001Address(c.id);
       s.add().D(c.in).ch(',').D(out).ch(',').D(id).text(",D,V");
       s.add().D(out).ch(',').D(c.in).ch(',').D(id).text(",D,Z");
     })},
    {3, "LKV344",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.ch('a');
       putFourByFourCode(p, c.in, out);
       p.x(0x00);
     }).written(3, 0)},
    {4, "CKDZ", ffFrame(sw(0x09))},
    {5, "HDMI0808", own([](Packet& p, const SwitchCall& c, int out) { p.x({0xBB, 0x00}).b(c.in - 1).b(out - 1); })},
    {6, "MVIIBR",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0x96).b(c.id).x({0x01, 0x04}).x(c.sw(0xA0, 0xA0, 0xA1)).b(out - 1).b(c.in - 1).x(0x00);
     })},
    {7, "CH001", negFrame(0x01)},
    {8, "ATYC",
     own([](Packet& p, const SwitchCall& c, int out) { p.x({0xFF, 0xAA, 0x05}).b(c.in - 1).b(out - 1).x(0x3C); })},
    {9, "PROV", provFrame(sw(0xAF, 0xA5, 0xA6))},
    {10, "ODIN", negFrameById()},
    {11, "SFLAG",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xE0, 0xD9}).b(out).x({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).b(c.in).x({0x01, 0xA1});
     })},
    {12, "IDOT",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.ch('a');
       putFourByFourCode(p, c.in, out);
     })},
    {13, "SMTH3", ownSteps(smth3Output).withOpening(smth3Opening)},
    {14, "JKJS",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.text("#A").x({0x00, 0x03, 0x04}).b(out - 1).b(c.in - 1).ch('V').x(0xFF);
     })},
    {15, "HDMx", listText(sw('X'), '&')},
    {16, "EXTRON", starText()},
    {17, "CREATEK", kCreatek},
    {18, "YD4x4",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0x7E, 0x06, 0x3F, 0x01, 0xFF, 0x30}).b((c.in - 1) * 16 + floorMod(out - 1, 16)).x(0x7F);
     })},
    {19, "CREATEK2", listText(sw('B', 'V', 'A'), '&', "\r\n")},
    {20, "MAINVAN",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0xF4).b(c.in).x(0x21).b(out).x(0x00).x(c.in < 256 ? 0x00 : 0x21);
       p.x(p.sum(2, 6));
     })},
    {21, "DB", kDb},
    {22, "DB002", commaText(sw('B', 'V', 'A'))},
    {23, "XU", kXu},
    {24, "ITRON", letterText('<')},
    {25, "QRV003", kDb},
    {26, "GC002", pairList(sw(0xA2, 0xA0, 0xA1), PairCheck::Zero)},
    {27, "IFB", own([](Packet& p, const SwitchCall& c, int out) { p.text("IFBF").digit(c.in).ch('0').digit(out).ch('P'); })},
    {28, "QRV002", pairList(sw(0xA2, 0xA0, 0xA1), PairCheck::Sum96)},
    {29, "CREATEK6",
     own([](Packet& p, const SwitchCall& c, int out) { p.D(c.in).ch('X').x(c.sw('B', 'V', 'A')).D(out).ch('.'); })},
    {30, "ITRON2", letterText('<')},
    {31, "SWITCHER",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0x40).D2(c.id).ch(',').D2(c.in).x(c.sw('B', 'V', 'A')).D2(out).ch('!');
     })
         .oneBytePerWrite(true)
         .withWholeWall(switcherWholeWall, WholeWallInputs::BecomeIn)},
    {32, "CREATEK7",
     own([](Packet& p, const SwitchCall& c, int out) { p.D(c.in).x(c.sw('B', 'V', 'A')).D(out); })
         .withWholeWall(createkWholeWall, WholeWallInputs::BecomeIn)},
    {33, "ZC001", ffFrame(sw(0x03, 0x05, 0x04))},
    {34, "XTA001", kXu},
    {35, "SWIT", own([](Packet& p, const SwitchCall& c, int out) { p.text("<swit,").D(out).ch(',').D(c.in).ch('>'); })},
    {36, "SISO", f2Frame()},
    {37, "MX0404",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.text("cir ");
       putFourByFourCode(p, c.in, out);
       p.x({0x0D, 0x0A});
     })},
    {38, "XUHDMI", pvText(sw('V'), sw('W', 'V', 'A'))},
    {39, "XIAONIAO", swchText()},
    {40, "A8EXTRON",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xC8, 0xA5, 0x00}).x(c.sw(0x02, 0x01, 0x02)).b(c.in).b(out).x({0x55, 0xAA});
     })},
    {41, "CREATEK8",
     own([](Packet& p, const SwitchCall& c, int out) { p.D(c.in).x(c.sw('B', 'V', 'A')).D(out).ch('.'); })
         .oneBytePerWrite(true)},
    {42, "AC", bangText('H')},
    {43, "Mixed", swchText()},
    {44, "XTA002", pvText(sw('V', 'R', 'A'), sw('W'))},
    {45, "PR0404", outputLetters()},
    {46, "P-DVI", kCreatek},
    {47, "P-HDMI", kCreatek},
    {48, "CHANGE1", kDb},
    {49, "CHANGE2", kCreatek},
    {50, "CHANGE3", swchText()},
    {51, "RZET", kCreatek},
    {52, "QRV004", own(qrv004)},
    {53, "HVSM", bbFrame(sw(0x02, 0x03, 0x01))},
    {54, "HDMXs",
     own([](Packet& p, const SwitchCall& c, int out) {
       const auto code = fourByFourCode(c.in, out);
       if (!code) {
         p.refuse("a four-by-four switcher takes inputs and outputs 1 to 4 only");
         return;
       }
       // The same code as one byte: its two characters read as hexadecimal.
       p.x({0x05, 0x55, 0x19}).b(std::stoi(std::string(*code), nullptr, 16)).x(0x77);
     })},
};

const BrandRow kYpbprRows[] = {
    {1, "QRV001", qrvFrame()},
    {2, "MVIIBR",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0x96).b(c.id).x({0x01, 0x04, 0xA1}).b(out - 1).b(c.in - 1).x(0x00);
     })},
    {3, "AC002_VR", zeroBangText('R')},
};

}  // namespace

std::span<const BrandRow> dviBrandRows() { return kDviRows; }
std::span<const BrandRow> ypbprBrandRows() { return kYpbprRows; }

}  // namespace wall
