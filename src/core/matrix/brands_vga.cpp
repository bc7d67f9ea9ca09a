// The VGA brands' switch commands (SourceCode 0 and 1): one row per brand of
// the VGA brand list, in list order. Each row is a family with its
// parameters or a format of the brand's own in the Packet notation.
#include <array>

#include "core/matrix/brand_tables.h"
#include "core/matrix/format_families.h"
#include "core/matrix/formats_av.h"
#include "core/matrix/own_formats.h"

namespace wall {

namespace {

// "TRIOLION": the address byte by model, one row for RGB (SourceCode 1)
// and one for VGA (SourceCode 0).
constexpr std::array<std::uint8_t, 17> kTriolionRgb = {0x47, 0x47, 0x45, 0x45, 0x40, 0xF6, 0xF6, 0x54, 0x61,
                                                       0x61, 0x61, 0x61, 0x60, 0x60, 0x60, 0x60, 0x60};
constexpr std::array<std::uint8_t, 17> kTriolionVga = {0x50, 0x50, 0x49, 0x51, 0x52, 0x20, 0x62, 0x63, 0x73,
                                                       0x73, 0x34, 0x73, 0x74, 0x74, 0x74, 0x74, 0x74};

int triolionAddress(const SwitchCall& c) {
  if (c.model < 0 || c.model >= static_cast<int>(kTriolionVga.size())) return -1;
  const auto& table = c.sourceCode == 1 ? kTriolionRgb : kTriolionVga;
  return table[static_cast<std::size_t>(c.model)];
}

void starWholeWall(Packet& p, const SwitchCall& c) { p.D(c.in).text("*N").x(c.sw('!', '%', '$')); }

const BrandFormat kExtron = starText().withWholeWall(starWholeWall, WholeWallInputs::BecomeIn);

const BrandFormat kDb = commaText(sw('B', 'V', 'A'), {.open = '<', .close = '>'});

const BrandRow kRows[] = {
    {1, "QRV001", qrvFrame()},
    {2, "QRV002", pairList(sw(0xA3, 0xA0, 0xA2), PairCheck::Sum)},
    {3, "ZC001", ffFrame(sw(0x03, 0x05, 0x04))},
    {4, "CREATEK", listText(sw('B', 'V', 'A'))},
    {5, "HRCMS", own([](Packet& p, const SwitchCall& c, int out) { p.ch('A').H2(out).H2(c.in); })},
    {6, "XJ", ffFrame(sw(0x03, 0x05, 0x04))},
    {7, "AITE", pairList(sw(0xA0), PairCheck::Zero)},
    {8, "CREATEK2", ffFrame(sw(0x03, 0x05, 0x04))},
    {9, "TRIOLION", pairGroups(triolionAddress, 4)},
    {10, "CREATEK3", listText(sw('B')).oneBytePerWrite(true)},
    {11, "AC", bangText('G')},
    {12, "SL001",
     own([](Packet& p, const SwitchCall& c, int out) { p.x(slAddressLetter(c.id)).D(out).ch('&').D(c.in).ch('!'); })},
    {13, "LW001", ffFrame(sw(0x03, 0x05, 0x04))},
    {14, "ZHIMIN", f2ZeroFrame()},
    {15, "SWITCHER",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0x40).D2(c.id).ch(',').D2(c.in).ch('B').D2(out).ch('!');
     }).withWholeWall([](Packet& p, const SwitchCall& c) { p.x(0x40).D2(c.id).ch(',').D2(c.in).text("ALL!"); },
                      WholeWallInputs::Unchanged)},
    {16, "MINGKONG", bbFrame(sw(0x02))},
    {17, "SL002",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(slAddressLetter(c.id)).atLeast2(out).ch('(').atLeast2(c.in).ch('!');
     })},
    {18, "CZ002", pairList(sw(0xA0), PairCheck::Sum96, {.inputOffset = 0})},
    {19, "LIGUO",
     own([](Packet& p, const SwitchCall& c, int out) { p.x({0xEB, 0x1B, 0x02, 0x02}).b(out - 1).b(c.in - 1); })},
    {20, "LW002", ffFrame(sw(0x04)).withPauseAfterMany(3000)},
    {21, "ITRON", letterText('<')},
    {22, "EXTRON", kExtron},
    {23, "KICON", commaText(sw('Y', 'V', 'A'))},
    {24, "XIE",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.ch('#').digit(floorMod(c.id, 6)).text("05").x(c.sw('G', 'V', 'A')).D2(out).D2(c.in);
     })},
    {25, "ITRON312", letterText('(')},
    {26, "KEDI",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.ch('*').D2(c.in).x(c.sw('N', 'R', 'A')).D2(out).ch('#');
     })},
    {27, "SISO", f2Frame()},
    {28, "XU", pvText(sw('V'), sw('V'))},
    {29, "FST",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0xBB).b(out).b(c.in - 1).b(floorMod(c.in - 1 + out - 69, 128)).x(0x99);
     })},
    {30, "MVIIBR",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0x96).b(c.id).x({0x01, 0x04, 0xA1}).b(out - 1).b(c.in - 1).x(0x00);
     })},
    {31, "NIE", ffFrame(sw(0x05))},
    {32, "ZD",
     own([](Packet& p, const SwitchCall& c, int out) {
       if (c.id == 0) p.ch('L').ch('*');
       else p.ch('L').digit(c.id);
       p.D3(c.in).ch('>').D3(out).text("R#");
     })},
    {33, "CKDZ", ffFrame(sw(0x09, 0x04, 0x02))},
    {34, "CH001", negFrame(0x03)},
    {35, "DB", kDb},
    {36, "CREATEK4",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xFE, 0xEF, 0x00, 0x00, 0x00}).b(c.id).x(c.sw(0x04, 0x04, 0x02)).b((out / 9) | 0x80);
       for (int slot = 0; slot < 8; ++slot) p.b(slot == floorMod(out - 1, 8) ? c.in : 0);
       p.x(0xAB);
     })},
    {37, "HOKUTO", f2Frame()},
    {38, "KEDI1",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0x01).text("WR").x(c.sw('N', 'V', 'A')).ch('x').H2(out - 1).ch('y').H2(c.in - 1);
       p.H2(p.xorOf(2, 10)).x(0x04);
     })},
    {39, "ZC003", ffFrame(sw(0x03))},
    {40, "KEDI2",
     own([](Packet& p, const SwitchCall& c, int out) {
       if (c.in < 1 || c.in > 16 || out < 1 || out > 16) {
         p.refuse("KEDI2 carries inputs and outputs 1 to 16 only");
         return;
       }
       p.text("*WRVx").H2(out - 1).ch('y').H2(c.in - 1).text("--#");
     })},
    {41, "HVSM", bbFrame(sw(0x01, 0x02, 0x03))},
    {42, "CZ003", pairList(sw(0xA0), PairCheck::Sum96, {.maxPairs = 20})},
    {43, "EXTA", extaText(sw('G', 'M', 'L'))},
    {44, "CK", ffFrame(sw(0x04, 0x03, 0x02))},
    {45, "CK1", ffFrame(sw(0x04, 0x03, 0x02))},
    {46, "QB", qbText(sw('S', 'G', 'G'))},
    {47, "PROV", provFrame(sw(0xA0, 0xA0, 0xA3))},
    {48, "ODIN", negFrameById()},
    {49, "TECH",
     own([](Packet& p, const SwitchCall& c, int out) {
       if (c.wallUnits > 99) p.D3(out);
       else p.D2(out);
       if (c.inputMax > 99) p.D3(c.in);
       else p.D2(c.in);
       p.x(c.sw('C', 'V', 'A'));
     })},
    {50, "SFLAG",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xE0, 0xF9}).b(out).x({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).b(c.in).x({0x01, 0xA1});
     })},
    {51, "HYK",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0x55, 0x05}).b(c.id).x(0xA1).b(out - 1).b(c.in - 1).b(out - 1 + c.in - 1);
     })},
    {52, "CREATEK5",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.D(c.in).x(c.sw('B', 'V', 'A')).D(out).ch('.').x(0x0D);
     })},
    {53, "SISO2", f2Frame()},
    {54, "SMTH4",
     own([](Packet& p, const SwitchCall& c, int out) {
       if (refuseOver99(p, {c.in, out}, "SMTH4")) return;
       p.Z2(c.id).ch('V').Z2(c.in).x(c.sw('M', 'V', 'A')).Z2(out);
     })},
    {55, "HXD2", bbFrame(sw(0x01, 0x02, 0x03))},
    {56, "SMTH5",
     own([](Packet& p, const SwitchCall& c, int out) {
       if (refuseOver99(p, {c.id, c.in, out}, "SMTH5")) return;
       p.D2(c.id).ch('V').D2(c.in).ch('V').D2(out);
     })},
    {57, "CZ001", pairList(sw(0xA3, 0xA0, 0xA2), PairCheck::Sum)},
    {58, "XZ001", pairList(sw(0xA3, 0xA0, 0xA2), PairCheck::Sum, {.h = 0xBA})},
    {59, "QJ", ffFrame(sw(0x03, 0x05, 0x04))},
    {60, "QRV001_VR", qrvFrame(0xA4)},
    {61, "AC_VR", bangText('R')},
    {62, "AC002_VR", zeroBangText('R')},
    {63, "Erton",
     own([](Packet& p, const SwitchCall& c, int out) {
       if (refuseOver99(p, {c.in, out}, "Erton")) return;
       p.x(c.sw('B', 'V', 'A')).Z2(out).Z2(c.in);
     })},
    {64, "AC002", zeroBangText('G')},
    {65, "CKDZ2", ffFrame(sw(0x04, 0x04, 0x02))},
    {66, "ACV", f2Frame()},
    {67, "JKLi", listText(sw('X'), '&')},
    {68, "HOKUTO2", f2Frame()},
    {69, "XU_VR", pvText(sw('R'), sw('W'))},
    {70, "SMTH6",
     own([](Packet& p, const SwitchCall& c, int out) { p.x(0x7E).b(c.id).b(c.in).b(out).x({0x00, 0x0D}); })},
    {71, "XTA001", pvText(sw('V'), sw('V'))},
    {72, "AC003", bangText('G')},
    {73, "REA",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xF8, 0x01}).b((c.in - 1) / 32).b(floorMod(c.in - 1, 32)).b(out - 1).b(c.id - 1);
       p.x(p.s7(1, 6));
     })},
    {74, "VSS", own([](Packet& p, const SwitchCall& c, int out) { p.b(0x40 + out).digit(c.in).x({0x0D, 0x0A}); })},
    {75, "CZ004", noFormat()},
    {76, "A5",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xA5, 0x00}).b(c.id).x(0x01).b(c.in).b(out).x(c.sw(0x01, 0x02, 0x03));
       p.x(p.sum(1, 7));
     })},
    {77, "ITRON2", letterText('<')},
    {78, "A5_01",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xA5, 0x00}).b(c.id).x(0x01).b(out).b(c.in).x(c.sw(0x01, 0x02, 0x03));
       p.x(p.sum(1, 7));
     })},
    {79, "MAINVAN",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0xF4).b(c.in).x(0x21).b(out).x(0x00).x(c.in < 256 ? 0x00 : 0x21);
       p.x(p.sum(2, 6));
     })},
    {80, "ZX02", f2Frame()},
    {81, "RL-B", pairList(sw(0xA0, 0xA0, 0xA2), PairCheck::Zero)},
    {82, "CREATEK6",
     own([](Packet& p, const SwitchCall& c, int out) { p.D(c.in).x(c.sw('B', 'V', 'A')).D(out); })
         .withWholeWall([](Packet& p, const SwitchCall& c) { p.D(c.in).text("All"); }, WholeWallInputs::BecomeIn)},
    {83, "XTA002", kExtron},
    {84, "SWI", own([](Packet& p, const SwitchCall& c, int out) { p.text("^SWI").D3(c.in).D3(out).ch('$'); })},
    {85, "HaoCheng", bbFrame(sw(0x02))},
    {86, "GCZ001", own([](Packet& p, const SwitchCall& c, int out) { p.x(0x02).text("00F").H2(c.in).H2(out).x(0x03); })},
    {87, "LCD", listText(sw('B', 'V', 'A'))},
    {88, "XIAONIAO", swchText()},
    {89, "AC004",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.ch('!').D(c.id).text(":G").D(c.in).ch('*').D(out).ch('~').x(0x0D);
     })},
    {90, "LCD001", kExtron},
    {91, "KICON1", commaText(sw('V'), {.shift = -1})},
    {92, "YUJIN",
     own([](Packet& p, const SwitchCall& c, int out) { p.x(0xFD).x(c.sw(0x01, 0x05, 0x06)).b(out).b(c.in).x(0x55); })},
    {93, "Mixed", swchText()},
    {94, "SITO", sitoFrame()},
    {95, "P-VGA", pairList(sw(0xA3, 0xA0, 0xA2), PairCheck::Sum)},
    {96, "P-RGB", pairList(sw(0xA3, 0xA0, 0xA2), PairCheck::Sum)},
    {97, "JKJS",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.text("#A").x({0x00, 0x03, 0x04}).b(out - 1).b(c.in - 1).ch('V').x(0xFF);
     })},
    {98, "CHANGE1", kDb},
    {99, "CHANGE2", listText(sw('B', 'V', 'A'))},
    {100, "CHANGE3", swchText()},
    {101, "RZET", listText(sw('B', 'V', 'A'))},
    {102, "SMTH8",
     own([](Packet& p, const SwitchCall& c, int out) {
       if (refuseOver99(p, {c.id, c.in, out}, "SMTH8")) return;
       p.text("<m").Z2(c.id).ch('#').Z2(c.in).ch('v').Z2(out).ch('>');
     })},
};

}  // namespace

std::span<const BrandRow> vgaBrandRows() { return kRows; }

}  // namespace wall
