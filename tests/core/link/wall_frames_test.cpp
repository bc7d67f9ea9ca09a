#include "core/link/wall_frames.h"

#include <gtest/gtest.h>

namespace wall {
namespace {

struct FrameCase {
  const char* name;
  Bytes actual;
  const char* expected;
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.name; }

class WallFrameBytes : public ::testing::TestWithParam<FrameCase> {};

TEST_P(WallFrameBytes, MatchTheWire) { EXPECT_EQ(hexText(GetParam().actual), GetParam().expected); }

const Selection kUnit00 = Selection::unit(0, 0);

INSTANTIATE_TEST_SUITE_P(
    Writes, WallFrameBytes,
    ::testing::Values(
        FrameCase{"write_f0", WallFrames(0, kUnit00).buttonWrite(0x41, 50), "FB B1 11 11 41 32 AE"},
        FrameCase{"write_f3_is_f0", WallFrames(3, kUnit00).buttonWrite(0x41, 50), "FB B1 11 11 41 32 AE"},
        FrameCase{"write_unknown_format_is_f0", WallFrames(7, kUnit00).buttonWrite(0x41, 50),
                  "FB B1 11 11 41 32 AE"},
        FrameCase{"write_f0_low_byte_only", WallFrames(0, kUnit00).buttonWrite(0x41, 300), "FB B1 11 11 41 2C AE"},
        FrameCase{"write_f1_300", WallFrames(1, kUnit00).buttonWrite(0x41, 300), "FB B1 11 11 41 2C 01 AE"},
        FrameCase{"write_f1_255_divides_by_255", WallFrames(1, kUnit00).buttonWrite(0x41, 255),
                  "FB B1 11 11 41 FF 01 AE"},
        FrameCase{"write_f1_100", WallFrames(1, kUnit00).buttonWrite(0x41, 100), "FB B1 11 11 41 64 00 AE"},
        FrameCase{"write_f1_254", WallFrames(1, kUnit00).buttonWrite(0x41, 254), "FB B1 11 11 41 FE 00 AE"},
        // 65280 = 255 × 256: the quotient 256 no longer fits and is cut to 8 bits.
        FrameCase{"write_f1_65280_cut", WallFrames(1, kUnit00).buttonWrite(0x41, 65280), "FB B1 11 11 41 00 00 AE"},
        FrameCase{"write_f1_65279", WallFrames(1, kUnit00).buttonWrite(0x41, 65279), "FB B1 11 11 41 FF FF AE"},
        FrameCase{"write_f2_unit_2_1", WallFrames(2, Selection::unit(2, 1)).buttonWrite(0x41, 50),
                  "FB B1 03 02 03 02 41 32 AE"},
        FrameCase{"write_f0_rect", WallFrames(0, Selection{0, 0, 1, 2}).buttonWrite(0x41, 1), "FB B1 11 23 41 01 AE"},
        FrameCase{"write_f2_rect", WallFrames(2, Selection{0, 0, 1, 2}).buttonWrite(0x41, 1),
                  "FB B1 01 01 02 03 41 01 AE"}));

INSTANTIATE_TEST_SUITE_P(
    Commands, WallFrameBytes,
    ::testing::Values(
        FrameCase{"incdec_f0", WallFrames(0, kUnit00).buttonIncDec(0xDA, 1), "FB B0 11 11 DA 01 AE"},
        FrameCase{"incdec_f1", WallFrames(1, Selection{1, 1, 2, 2}).buttonIncDec(0xDA, 1), "FB B0 22 33 DA 01 00 AE"},
        FrameCase{"incdec_f2", WallFrames(2, Selection{1, 1, 2, 2}).buttonIncDec(0xDA, 1),
                  "FB B0 02 02 03 03 DA 01 AE"},
        FrameCase{"all_f0", WallFrames(0, Selection{1, 1, 2, 2}).buttonIncDecAll(0x10, 1), "FB B0 00 00 10 01 AE"},
        FrameCase{"all_f1", WallFrames(1, kUnit00).buttonIncDecAll(0x10, 1), "FB B0 00 00 10 01 00 AE"},
        FrameCase{"all_f2", WallFrames(2, kUnit00).buttonIncDecAll(0x10, 1), "FB B0 00 00 00 00 10 01 AE"},
        FrameCase{"all_f3", WallFrames(3, kUnit00).buttonIncDecAll(0x10, 0), "FB B0 00 00 10 00 AE"},
        FrameCase{"read_f0", WallFrames(0, kUnit00).readRequest(0x41), "FB B2 11 11 41 01 AE"},
        FrameCase{"read_f1", WallFrames(1, kUnit00).readRequest(0x41), "FB B2 11 11 41 01 00 AE"},
        FrameCase{"read_f2", WallFrames(2, kUnit00).readRequest(0x41), "FB B2 01 01 01 01 41 01 AE"},
        FrameCase{"whole_wall_f0", WallFrames(0, kUnit00).wholeWall(0xB1, 0xCA, 3), "FB B1 11 FF CA 03 AE"},
        FrameCase{"whole_wall_f1", WallFrames(1, kUnit00).wholeWall(0xB1, 0xCA, 3), "FB B1 11 FF CA 03 00 AE"},
        FrameCase{"whole_wall_f2", WallFrames(2, kUnit00).wholeWall(0xB0, 0xCA, 3), "FB B0 01 01 FF FF CA 03 AE"}));

INSTANTIATE_TEST_SUITE_P(
    Colours, WallFrameBytes,
    ::testing::Values(
        FrameCase{"rgb_f0", WallFrames(0, kUnit00).buttonWriteRGB(0x10, 0x20, 0x30), "FB B3 11 11 10 20 30 AE"},
        FrameCase{"rgb_f1", WallFrames(1, kUnit00).buttonWriteRGB(0x10, 0x20, 0x30), "FB B3 11 11 10 20 30 AE"},
        FrameCase{"rgb_f2", WallFrames(2, kUnit00).buttonWriteRGB(0x10, 0x20, 0x30), "FB B3 11 11 10 20 30 AE"},
        FrameCase{"dahlia_rgb_f0", WallFrames(0, Selection{0, 0, 1, 1}).buttonWriteDahliaRGB(1, 2, 3),
                  "F0 B3 11 22 BC 01 02 03 00 00 00 00 00 00 BE"},
        FrameCase{"dahlia_rgb_f1", WallFrames(1, kUnit00).buttonWriteDahliaRGB(1, 2, 3),
                  "F0 B3 11 11 BC 01 02 03 00 00 00 00 00 00 BE"},
        FrameCase{"dahlia_rgb_f2", WallFrames(2, Selection{0, 0, 1, 1}).buttonWriteDahliaRGB(1, 2, 3),
                  "F0 B3 01 01 02 02 BC 01 02 03 00 00 00 00 BE"},
        FrameCase{"id_set_kind4_takes_p3_p4", buttonWriteDahliaIDSet(0x1234, 4, 0, 0, 5, 6),
                  "F0 B5 01 02 03 04 04 05 06 00 00 00 00 00 BE"},
        FrameCase{"id_set_other_kind_takes_p1_p2", buttonWriteDahliaIDSet(0xABCD, 1, 7, 8, 5, 6),
                  "F0 B5 0A 0B 0C 0D 01 07 08 00 00 00 00 00 BE"}));

struct AddressCase {
  int row;
  int column;
  std::uint8_t expected;
};

class UnitAddresses : public ::testing::TestWithParam<AddressCase> {};

TEST_P(UnitAddresses, WrapInEightBits) {
  EXPECT_EQ(unitAddress(GetParam().row, GetParam().column), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, UnitAddresses,
                         ::testing::Values(AddressCase{0, 0, 0x11}, AddressCase{1, 2, 0x23}, AddressCase{14, 14, 0xFF},
                                           // Row 15 wraps: 15 × 16 + 0 + 0x11 = 0x101 → 0x01.
                                           AddressCase{15, 0, 0x01}, AddressCase{15, 3, 0x04},
                                           // Column 15 spills into the row nibble.
                                           AddressCase{0, 15, 0x20}, AddressCase{29, 29, 0xFE}));

TEST(WallFramesRow15, SevenByteFrameCarriesTheWrappedAddress) {
  EXPECT_EQ(hexText(WallFrames(0, Selection::unit(15, 2)).buttonWrite(0x41, 1)), "FB B1 03 03 41 01 AE");
  // The 9-byte layout still names it plainly.
  EXPECT_EQ(hexText(WallFrames(2, Selection::unit(15, 2)).buttonWrite(0x41, 1)), "FB B1 10 03 10 03 41 01 AE");
}

struct RawCase {
  const char* text;
  const char* expected;
};

class RawHex : public ::testing::TestWithParam<RawCase> {};

TEST_P(RawHex, ParsesPairsOfDigits) { EXPECT_EQ(hexText(parseRawHex(GetParam().text)), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, RawHex,
                         ::testing::Values(RawCase{"F5 B0 11 FF 40 01 AE", "F5 B0 11 FF 40 01 AE"},
                                           RawCase{"f5 b0 11 ff 40 01 ae", "F5 B0 11 FF 40 01 AE"},
                                           RawCase{"f5b011ff4001ae", "F5 B0 11 FF 40 01 AE"},
                                           // Separators of any kind are dropped, pairs run across them.
                                           RawCase{"0x1,2;3g4", "01 23"}, RawCase{"0x1,2;3g45", "01 23 45"}, RawCase{"F5B", "F5"},
                                           RawCase{"A", ""}, RawCase{"xyz", ""}, RawCase{"", ""}));

}  // namespace
}  // namespace wall
