// The AV brands' switch commands (SourceCode 2 to 6): one row per brand of
// the AV brand list, in list order. Each row is a family with its
// parameters or a format of the brand's own in the Packet notation; the
// longer ones live in formats_av and mainvan_formats.
#include "core/matrix/brand_tables.h"
#include "core/matrix/format_families.h"
#include "core/matrix/formats_av.h"
#include "core/matrix/mainvan_formats.h"
#include "core/matrix/own_formats.h"

namespace wall {

namespace {

// The text of the 'A' and 'N01' brands after their numbers.
constexpr std::string_view kPeTail = "031000000B";

void lqad(Packet& p, const SwitchCall& c, int out) { p.ch('A').D3(out).D3(c.in).text(kPeTail); }

void switcherWholeWall(Packet& p, const SwitchCall& c) { p.x(0x40).D2(c.id).ch(',').D2(c.in).text("ALL!"); }

const BrandFormat kMainvan = mainvanFrame();
const BrandFormat kFFFrame = ffFrame(sw(0x03, 0x05, 0x04));
const BrandFormat kF2Twice = f2Frame().written(2, 30);
const BrandFormat kF8Twice = f8Frame().written(2, 100);
const BrandFormat kCreatek = listText(sw('B', 'V', 'A'));
const BrandFormat kCreatekM = listText(sw('M', 'V', 'A'));
const BrandFormat kDb = commaText(sw('B', 'V', 'A'), {.open = '<', .close = '>'});

const BrandRow kRows[] = {
    {1, "QRV001", qrvFrame()},
    {2, "QRV002", pairList(sw(0xA4, 0xA1, 0xA2), PairCheck::Sum96)},
    {3, "AB8TO4", ab8to4Frames()},
    {4, "ZC001", kFFFrame},
    {5, "MAINVAN", kMainvan},
    {6, "LANMA", lanmaFrame()},
    {7, "XJ", lanmaFrame()},
    {8, "ADT", kF8Twice},
    {9, "CREATEK", kCreatek},
    {10, "CREATEK2", kFFFrame},
    {11, "TRIOLION", triolionAvFrame()},
    {12, "YM001", f8Frame()},
    {13, "AC", bangText('V')},
    {14, "SL001",
     own([](Packet& p, const SwitchCall& c, int out) { p.x(slAddressLetter(c.id)).D(out).ch('+').D(c.in).ch('!'); })},
    {15, "LW001", kFFFrame},
    {16, "INFINOVA", outputInputTexts()},
    {17, "ZHIMIN", f2ZeroFrame()},
    {18, "GCZ001", own([](Packet& p, const SwitchCall& c, int out) { p.x(0x02).text("00F").H2(c.in).H2(out).x(0x03); })},
    {19, "SHATIAN", shatianFrame()},
    {20, "LANMA2", outputThenInputFrames()},
    {21, "MINGKONG", bbFrame(sw(0x01))},
    {22, "SISO", kF2Twice},
    {23, "SL002",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(slAddressLetter(c.id)).atLeast2(out).ch('[').atLeast2(c.in).ch('!');
     })},
    {24, "VINET", vinetFrame()},
    {25, "CZ002", pairList(sw(0xA4), PairCheck::Sum96, {.inputOffset = 0})},
    {26, "LIGUO16X16",
     own([](Packet& p, const SwitchCall& c, int out) { p.x({0xEB, 0x32, 0x12, 0x02}).b(out - 1).b(c.in - 1); })},
    {27, "TC8800",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xFA, 0xFA, 0x0C, 0x81, 0xC0, 0x00}).b(out).hi(c.in).lo(c.in).b(c.id).x({0xFD, 0xFD});
     })},
    {28, "EXTRON", starText()},
    {29, "KICON", commaText(sw('V'))},
    {30, "LWAD", f8Frame()},
    {31, "CREATEK3", listText(sw('B')).oneBytePerWrite(true)},
    {32, "XIE",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.ch('#').digit(floorMod(c.id, 6)).text("05V").D2(out).D2(c.in);
     })},
    {33, "ITRON", letterText('<')},
    {34, "KEDI", kediText()},
    {35, "HOKUTO1", kMainvan},
    {36, "HOKUTO2", kF2Twice},
    {37, "XU", pvText(sw('A'), sw('V'))},
    {38, "SIERRA", own([](Packet& p, const SwitchCall& c, int out) { p.text("**Y").D(out).ch(',').D(c.in).text("!!"); })},
    {39, "LANMA3", lanmaZeroInputFrame()},
    {40, "MVIIBR",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0x96).b(c.id).x({0x01, 0x04, 0xA1}).b(out - 1).b(c.in - 1).x(0x00);
     })},
    {41, "LQAD", own(lqad)},
    {42, "ZD",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.ch('L');
       if (c.id == 0) p.ch('*');
       else p.digit(c.id);
       p.D3(c.in).ch('>').D3(out).text("V#");
     })},
    {43, "V1064", v1064Frame()},
    {44, "PE5052NTK",
     own([](Packet& p, const SwitchCall& c, int out) { p.text("N01").D3(c.id).D3(out).D4(c.in).text(kPeTail); })},
    {45, "CKDZ", ffFrame(sw(0x09, 0x03, 0x02))},
    {46, "PGVAS2406",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0xBB).x(c.sw(0x00, c.id, c.id + 1)).b(c.in - 1).b(out - 1);
     })},
    {47, "CH001", negFrame(0x00)},
    {48, "SYYT", syytFrame()},
    {49, "DB", kDb},
    {50, "CREATEK4",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xFE, 0xEF, 0x00, 0x00, 0x00}).b(c.id).x(c.sw(0x03, 0x03, 0x02)).b((out / 9) | 0x80);
       for (int slot = 0; slot < 8; ++slot) p.b(slot == floorMod(out - 1, 8) ? c.in : 0);
       p.x(0xAB);
     })},
    {51, "ADEMCO", own([](Packet& p, const SwitchCall& c, int out) { p.text("SWITCH").D(c.in).ch(',').D(out).x(0x0D); })},
    {52, "KEDI1",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0x01).text("WR").x(c.sw('N', 'V', 'A')).ch('x').H2(out - 1).ch('y').H2(c.in - 1);
       p.H2(p.xorOf(2, 10)).x(0x04);
     })},
    {53, "KEDI2", kedi2Text()},
    {54, "HVSM", bbFrame(sw(0x01, 0x02, 0x03))},
    {55, "CZ003", pairList(sw(0xA0), PairCheck::Sum96, {.maxPairs = 20})},
    {56, "SITO", sitoFrame()},
    {57, "DET", detText()},
    {58, "EXTB", starText()},
    {59, "EXTA", extaText(sw('V', 'W', 'A'))},
    {60, "QB", qbText(sw('S', 'V', 'A'))},
    {61, "PROV", provFrame(sw(0xA4, 0xA1, 0xA2))},
    {62, "SMTH2", outputInputTexts100()},
    {63, "PE5052K",
     own([](Packet& p, const SwitchCall& c, int out) { p.ch('A').D2(c.id).D3(out).D4(c.in).text(kPeTail); })},
    {64, "SMTH1", smth1Frames()},
    {65, "SMTH3", smth3AvFrame()},
    {66, "TECH",
     own([](Packet& p, const SwitchCall& c, int out) {
       if (c.wallUnits > 99) p.D3(out);
       else p.D2(out);
       if (c.inputMax > 99) p.D3(c.in);
       else p.D2(c.in);
       p.x(c.sw('C', 'V', 'A'));
     })},
    {67, "SWITCHER",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0x40).D2(c.id).ch(',').D2(c.in).ch('B').D2(out).ch('!');
     }).withWholeWall(switcherWholeWall, WholeWallInputs::Unchanged)},
    {68, "SFLAG",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xE0, 0xE9}).b(out).x({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).b(c.in).x({0x01, 0xA1});
     })},
    {69, "PE5051K", own(lqad)},
    {70, "HYK",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0x55, 0x05}).b(c.id).x(c.sw(0xAF, 0xA1, 0xA0)).b(out - 1).b(c.in - 1).b(out - 1 + c.in - 1);
     })},
    {71, "SMTH4",
     own([](Packet& p, const SwitchCall& c, int out) {
       if (refuseOver99(p, {c.in, out}, "SMTH4")) return;
       p.Z2(c.id).ch('V').Z2(c.in).x(c.sw('M', 'V', 'A')).Z2(out);
     })},
    {72, "MAINVAN2", mainvanBlockFrame()},
    {73, "HXD1", outputThenInputFrames()},
    {74, "CZ001", pairList(sw(0xA4, 0xA1, 0xA2), PairCheck::Sum96)},
    {75, "XZ001", pairList(sw(0xA4, 0xA1, 0xA2), PairCheck::Sum96, {.h = 0xBA})},
    {76, "QJ", outputThenInputFrames()},
    {77, "MAINVAN3", mainvan0FFrame()},
    {78, "MAINVAN4", mainvan0FZeroBasedFrame()},
    {79, "MAINVAN5", mainvan0FZeroBasedFrame()},
    {80, "AC002", zeroBangText('V')},
    {81, "BV6416",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xEA, 0x01, 0x00}).b(c.in).b(out);
       p.x(p.sum(1, 5));
     })},
    {82, "SMTH6",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0xFF).b(floorMod(c.id, 16)).x(0x11).b(floorMod(c.in / 128, 4)).b(floorMod(c.in, 128)).b(out).x(0x55);
       p.x(p.sum(2, 7));
     })},
    {83, "REA",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x({0xF8, 0x01}).b((c.in - 1) / 32).b(floorMod(c.in - 1, 32)).b(out - 1).b(c.id - 1);
       p.x(p.s7(1, 6));
     })},
    {84, "ACV", kF2Twice},
    {85, "JKLi", listText(sw('X'), '&')},
    {86, "PEARMAIN",
     own([](Packet& p, const SwitchCall& c, int out) {
       p.x(0xF6).b(c.id).x(0x01).b(out).b(c.in / 100).b(c.in % 100).x(0x1F);
     })},
    {87, "SMTH5", own([](Packet& p, const SwitchCall& c, int out) { p.x({0xBB, 0x00}).b(c.in - 1).b(out - 1); })},
    {88, "Panasonic", panasonicFrames()},
    {89, "SMTH7", smth7Frame()},
    {90, "AC003", ac003Text()},
    {91, "MAINVAN6", mainvanXorFrame()},
    {92, "MAINVAN7", mainvanXorHighFrame()},
    {93, "MAINVAN8", mainvanHighByteFrame()},
    {94, "ITRON2", letterText('<')},
    {95, "AC6800", ac6800Keys()},
    {96, "RL-B", pairList(sw(0xA0, 0xA1, 0xA2), PairCheck::Zero)},
    {97, "AnDiWeiShi", mainvanXorFrame()},
    {98, "LANMA4", lanmaZeroBasedFrame()},
    {99, "LANMA5", lanma5Frame()},
    {100, "CREATEK5", kCreatekM},
    {101, "XTA001", pvText(sw('A'), sw('V'))},
    {102, "EKL414H", ekl414hText()},
    {103, "MAINVAN9", mainvanWideFrame()},
    {104, "MAINVAN10", mainvanHighFrame()},
    {105, "FE", own([](Packet& p, const SwitchCall& c, int out) { p.x(0xFE).b(c.in + 0x70).b(out).x(0x80); })},
    {106, "SMTH8", own([](Packet& p, const SwitchCall& c, int out) { p.D(out).text("Ma").D(c.in).text("#a"); })},
    {107, "XTA002", kF8Twice},
    {108, "HaoCheng", outputThenInputFrames()},
    {109, "LWAD2",
     own([](Packet& p, const SwitchCall& c, int out) {
       const int lo = c.in & 0xFF, hi = (c.in >> 8) & 0xFF;
       p.x(0xF8).b(lo).b(hi).x(0x81).b(out).x(0x00).b(c.id).b(lo + hi + c.id - 127 + out);
     })},
    {110, "XIAONIAO", swchText()},
    {111, "CUSTOM", customFrame()},
    {112, "Mixed", swchText()},
    {113, "P-Video", kMainvan},
    {114, "CHANGE1", kDb},
    {115, "CHANGE2", kCreatek},
    {116, "CHANGE3", swchText()},
    {117, "RZET", kCreatek},
    {118, "CREATEK6", kCreatekM},
};

}  // namespace

std::span<const BrandRow> avBrandRows() { return kRows; }

}  // namespace wall
