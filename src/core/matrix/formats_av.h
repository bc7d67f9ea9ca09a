#pragma once
// The AV brands' formats that more than one AV row shares, and the AV
// brands' formats of their own that are more than a line: packets in two
// parts with pauses between, frames written several times or one byte per
// write, the key protocol of "AC6800", and the fields that carry only part
// of the numbers a wall may use (those refuse what they cannot carry, so
// that no undefined byte is sent).

#include <array>
#include <optional>

#include "core/matrix/brand_format.h"

namespace wall {

// xBB x01 b(OUT) b(IN) x00 x00 x00 c, c the sum of bytes 1-7 ("LANMA",
// "XJ"); with b(IN − 1) ("LANMA3"); with b(OUT − 1) b(IN − 1) and x01 as
// the seventh byte ("LANMA4").
BrandFormat lanmaFrame();
BrandFormat lanmaZeroInputFrame();
BrandFormat lanmaZeroBasedFrame();

// Two packets per output, each followed by the pause: the output
// xBB x02 x01 lo(OUT − 1) hi(OUT − 1) x00 x00 c, then the input
// xBB x02 x02 lo(IN − 1) hi(IN − 1) x00 x00 c; c the sum of bytes 1-7
// ("LANMA2", "HXD1", "QJ", "HaoCheng").
BrandFormat outputThenInputFrames();

// "SMTH1": the same two packets with a range byte g(v) in place of the high
// byte (x00 up to 256, x01 for 257-512, x02 for 513-768), each followed by
// 210 ms. Numbers above 768 have no range byte and are refused.
BrandFormat smth1Frames();
inline constexpr int kSmth1PauseMs = 210;

// The range byte of the frames that split numbers into blocks of 256: 0, 1
// or 2, or nothing above 768. `firstOfBlock` is the lowest number of
// block 1: 256 for "SITO" (inputs 256-512), 257 for the others.
std::optional<int> rangeOf(int v, int firstOfBlock);
inline constexpr int kRangedMax = 768;

// "SITO": xFF b(IN) g x81 b(OUT) x00 x00 c, c = b(IN) + g − 127 + OUT.
BrandFormat sitoFrame();
// "SMTH7" (first byte xFF) and "LANMA5" (xA5): first a g x81 b(OUT) x00 x00
// c, a g = b(IN) x00 up to input 256, else x00 and the range byte;
// c = a + g − 127 + OUT.
BrandFormat smth7Frame();
BrandFormat lanma5Frame();

// xFC x01 b((IN − 1) / 32) b((IN − 1) mod 32) b(OUT − 1) d c, c the low
// seven bits of the sum of bytes 1-6; d is x01 ("VINET") or b(ID)
// ("SMTH3").
BrandFormat vinetFrame();
BrandFormat smth3AvFrame();

// D(OUT) 'Ma', a pause, D(IN) '#a', a pause: the kind's pause
// ("INFINOVA"), or 100 ms each ("SMTH2").
BrandFormat outputInputTexts();
BrandFormat outputInputTexts100();
inline constexpr int kSmth2PauseMs = 100;

// "AC6800" is driven by keys. For each new output: key 61, the digit keys
// of IN, key 76, key 73, the digit keys of OUT, key 76; each key a press
// and a release, each followed by the pause.
BrandFormat ac6800Keys();
// The key of a decimal digit: 75 for 0, 61 + d for 1-3, 62 + d for 4-6,
// 63 + d for 7-9.
int ac6800DigitKey(int digit);
inline constexpr int kAc6800InputKey = 61;
inline constexpr int kAc6800OutputKey = 73;
inline constexpr int kAc6800EndKey = 76;

// "SHATIAN": x00 b(ID) x05 x01 b(OUT) b(IN) b(IN / 16) x0D c, c the sum of
// bytes 1-8; written one byte per write, three times, 150 ms between.
BrandFormat shatianFrame();
inline constexpr int kShatianWrites = 3;
inline constexpr int kShatianGapMs = 150;

// "AB8TO4": two packets per output, each followed by the pause: xFE, OUT as
// one byte below 10, else the bytes OUT / 10 and OUT mod 10, x13 xFF; then
// xFE, the decimal digits of IN + 1 as byte values, x11 xFF.
BrandFormat ab8to4Frames();

// "CUSTOM": xFE b(OUT + 111) b(IN) b(ID − 128) below output 16, else xFD
// b(OUT + 96) b(IN) b(ID − 128).
BrandFormat customFrame();

// "Panasonic": two packets per output, each followed by the pause:
// x02 'CMD:H' Z2(OUT) 'MS' x03, then x02 'CMD:H' Z2(OUT) 'CS' D3(IN) x03.
BrandFormat panasonicFrames();

// "V1064": xC8 x01, IN and OUT each as their sixteens and their rest, then
// the high and the low four bits of the sum of bytes 1-6, one byte each.
BrandFormat v1064Frame();

// "SYYT": xFF xFF xFF xFF x00 x00 x20 b(ID) x00 b(OUT) b(IN) x80 c
// xFE xFE xFE, c = ID xor IN xor OUT xor xA0.
BrandFormat syytFrame();

// "EKL414H": '00' and the lower-case hexadecimal digit of
// (OUT − 1) × 4 + (IN − 1); inputs and outputs 1-4 only.
BrandFormat ekl414hText();

// "TRIOLION" (AV): xEB a x02 x02 b(OUT − 1) b(IN − 1) c, c the sum of bytes
// 2-6, a by the AV model.
BrandFormat triolionAvFrame();
inline constexpr std::array<std::uint8_t, 15> kTriolionAvAddress = {0x71, 0x44, 0x43, 0x33, 0x32, 0x90, 0x90, 0x90,
                                                                     0x92, 0x36, 0x37, 0x37, 0x37, 0x37, 0x37};

// "KEDI": '*' D2(IN) sw('N', 'V', 'A') D2(OUT) '#', inputs up to 96 only.
BrandFormat kediText();
inline constexpr int kKediInputs = 96;
// "KEDI2": '*WR' sw('N', 'V', 'A') 'x' H2(OUT − 1) 'y' H2(IN − 1) '--#',
// inputs and outputs 1-16 only.
BrandFormat kedi2Text();

// "AC003": once per call '!' D(ID) ':V' D(IN) '*L', then per output
// '!' D(ID) ':V' D(IN) '*' D(OUT) x0D.
BrandFormat ac003Text();

// "DET": x40 D(ID) ':' D(IN) '>' D(OUT) sw('!', '&', '$'), and no closing
// '#' (the matrices have only ever been sent the bytes before it).
BrandFormat detText();

}  // namespace wall
