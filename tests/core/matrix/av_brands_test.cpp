// Every AV brand's bytes (SourceCode 2 to 6): the shared families through
// the AV rows, the MAINVAN family with its checksums, the formats of the
// brands' own, the packets written in parts, several times or byte by
// byte, the key protocol, the bytes the formats leave undefined, and the
// Kestrel AV channels.
#include <gtest/gtest.h>

#include "brand_case.h"
#include "core/matrix/brand_tables.h"
#include "core/matrix/formats_av.h"
#include "core/matrix/kestrel_av_channel.h"
#include "core/matrix/matrix_catalog.h"
#include "matrix_test_support.h"

namespace wall::test {
namespace {

constexpr int kAv = 2;

class AvBrandBytes : public ::testing::TestWithParam<BrandCase> {};

TEST_P(AvBrandBytes, MatchTheWire) { expectBrandBytes(GetParam()); }

// Two packets, each followed by `pause` ms.
std::vector<std::string> twice(const std::string& first, const std::string& second, int pause = 100) {
  const std::string p = "pause " + std::to_string(pause);
  return {first, p, second, p};
}

// A packet in notation written `times` times, one byte per write, `gap` ms
// between the writes, then the 100 ms pause.
std::vector<std::string> byteByByte(const std::string& packet, int times, int gap) {
  std::vector<std::string> lines;
  const Bytes bytes = notation(packet);
  for (int t = 0; t < times; ++t) {
    if (t > 0) lines.push_back("pause " + std::to_string(gap));
    for (std::uint8_t b : bytes) lines.push_back(hexText(Bytes{b}));
  }
  lines.push_back("pause 100");
  return lines;
}

// "AC6800" key events of address 1: press and release, each followed by the
// pause.
std::vector<std::string> ac6800Keys(std::initializer_list<int> keys) {
  std::vector<std::string> lines;
  for (int k : keys) {
    for (char e : {'1', '0'}) {
      lines.push_back("'*801K0," + std::to_string(k) + "," + e + "' 0D");
      lines.push_back("pause 100");
    }
  }
  return lines;
}

INSTANTIATE_TEST_SUITE_P(
    SharedFamilies, AvBrandBytes,
    ::testing::Values(
        // QRV frame: k is xA2 for every AV source.
        BrandCase{"QRV001_k_A2", kAv, 1, {5}, 3, once("C5 B1 01 A2 04 15 'Q' 03 05 15")},
        BrandCase{"QRV001_AV5_two_outputs", 6, 1, {5, 6}, 3, once("C5 B1 01 A2 05 15 'Q' 03 05 06 1C")},
        // Pair-list frames.
        BrandCase{.name = "QRV002_video", .sourceCode = kAv, .company = 2, .outputs = {5, 6}, .in = 3,
                  .expected = once("96 01 01 06 A1 04 02 05 02 4C"), .sw = 1},
        BrandCase{"QRV002_av", kAv, 2, {5}, 3, once("96 01 01 04 A4 04 02 46")},
        BrandCase{.name = "QRV002_checksum_96_becomes_6A", .sourceCode = kAv, .company = 2, .outputs = {1},
                  .in = 1, .expected = once("96 57 01 04 A4 00 00 6A"), .id = 0x57},
        BrandCase{"CZ002_pairs_carry_IN", kAv, 25, {5}, 3, once("96 01 01 04 A4 04 03 47")},
        BrandCase{.name = "CZ001_audio", .sourceCode = kAv, .company = 74, .outputs = {5}, .in = 3,
                  .expected = once("96 01 01 04 A2 04 02 44"), .sw = 2},
        BrandCase{"XZ001_header_BA", kAv, 75, {5}, 3, once("BA 01 01 04 A4 04 02 6A")},
        BrandCase{.name = "RL-B_zero_check", .sourceCode = kAv, .company = 96, .outputs = {5}, .in = 3,
                  .expected = once("96 01 01 04 A1 04 02 00"), .sw = 1},
        BrandCase{"CZ003", kAv, 55, {5}, 3, once("96 01 01 04 A0 04 02 42")},
        BrandCase{"QRV002_no_output_sends_nothing", kAv, 2, {0}, 3, {}},
        // FF, BB, F2, neg and F8 frames.
        BrandCase{"ZC001", kAv, 4, {5}, 3, once("FF 01 03 03 05 AA")},
        BrandCase{.name = "CREATEK2_video", .sourceCode = kAv, .company = 10, .outputs = {5}, .in = 3,
                  .expected = once("FF 01 05 03 05 AA"), .sw = 1},
        BrandCase{.name = "LW001_audio", .sourceCode = kAv, .company = 15, .outputs = {5}, .in = 3,
                  .expected = once("FF 01 04 03 05 AA"), .sw = 2},
        BrandCase{.name = "CKDZ_video", .sourceCode = kAv, .company = 45, .outputs = {5}, .in = 3,
                  .expected = once("FF 01 03 03 05 AA"), .sw = 1},
        BrandCase{"CKDZ", kAv, 45, {5}, 3, once("FF 01 09 03 05 AA")},
        BrandCase{"MINGKONG", kAv, 21, {5}, 3, once("BB 04 01 01 03 05 55")},
        BrandCase{.name = "HVSM_audio", .sourceCode = kAv, .company = 54, .outputs = {5}, .in = 3,
                  .expected = once("BB 04 01 03 03 05 55"), .sw = 2},
        BrandCase{"ZHIMIN_F2_zero", kAv, 17, {5}, 3, once("F2 00 03 2A 05 00 00 2C")},
        BrandCase{"CH001_neg_a_00", kAv, 47, {5}, 3, once("FF 07 00 02 02 04 F2")},
        BrandCase{"YM001_F8", kAv, 12, {5}, 3, once("F8 03 00 81 05 00 00 89 FF")},
        BrandCase{"LWAD_F8", kAv, 30, {5}, 3, once("F8 03 00 81 05 00 00 89 FF")},
        // Texts.
        BrandCase{"ITRON_letter", kAv, 33, {5}, 3, once("'A05<03!'")},
        BrandCase{.name = "ITRON2_id0_star", .sourceCode = kAv, .company = 94, .outputs = {5}, .in = 3,
                  .expected = once("'*05<03!'"), .id = 0},
        BrandCase{"EXTRON_star", kAv, 28, {5}, 3, once("'3*5!'")},
        BrandCase{.name = "EXTB_star_audio", .sourceCode = kAv, .company = 58, .outputs = {12}, .in = 7,
                  .expected = once("'7*12$'"), .sw = 2},
        BrandCase{"AC_bang_V", kAv, 13, {5}, 3, {"'!' 0D", "pause 100", "'!1:V3*5' 0D", "pause 100"}},
        BrandCase{"AC002_zero_bang_V", kAv, 80, {5}, 3, once("'!' 00 '1:V' 00 '3*' 00 '5' 0D")},
        BrandCase{"XIAONIAO_swch", kAv, 110, {5}, 3, once("'[SWCH,1,3,0,5]'")},
        BrandCase{"Mixed_swch", kAv, 112, {45}, 12, once("'[SWCH,1,12,0,45]'")},
        BrandCase{"CHANGE3_swch_99", kAv, 116, {99}, 99, once("'[SWCH,1,99,0,99]'")},
        BrandCase{"XU_pv", kAv, 37, {5}, 3, once("'PA01SV0305NT'")},
        BrandCase{"XTA001_pv", kAv, 101, {12}, 7, once("'PA01SV0712NT'")},
        BrandCase{"KICON_comma_V", kAv, 29, {5}, 3, once("'3,5,1,D,V'")},
        BrandCase{.name = "KICON_comma_id0", .sourceCode = kAv, .company = 29, .outputs = {5}, .in = 3,
                  .expected = once("'3,5,V'"), .id = 0},
        BrandCase{"DB_framed_comma", kAv, 49, {5}, 3, once("'<3,5,1,D,B>'")},
        BrandCase{.name = "CHANGE1_video", .sourceCode = kAv, .company = 114, .outputs = {5}, .in = 3,
                  .expected = once("'<3,5,1,D,V>'"), .sw = 1},
        BrandCase{"CREATEK_list", kAv, 9, {5, 12}, 3, once("'3B5,12.'")},
        BrandCase{.name = "CHANGE2_list_audio", .sourceCode = kAv, .company = 115, .outputs = {5}, .in = 3,
                  .expected = once("'3A5.'"), .sw = 2},
        BrandCase{"RZET_list", kAv, 117, {5, 6, 7}, 3, once("'3B5,6,7.'")},
        BrandCase{"CREATEK5_list_M", kAv, 100, {5}, 3, once("'3M5.'")},
        BrandCase{.name = "CREATEK6_list_video", .sourceCode = kAv, .company = 118, .outputs = {5}, .in = 3,
                  .expected = once("'3V5.'"), .sw = 1},
        BrandCase{"JKLi_list_ampersand", kAv, 85, {5, 6}, 3, once("'3X5&6.'")}));

// The MAINVAN family: where the input goes and how the checksum is formed.
INSTANTIATE_TEST_SUITE_P(
    MainvanFamily, AvBrandBytes,
    ::testing::Values(
        BrandCase{"MAINVAN", kAv, 5, {5}, 3, once("F4 03 21 05 01 00 2A")},
        // From input 256 on the sixth byte is x21, counted in the sum.
        BrandCase{.name = "MAINVAN_input_300", .sourceCode = kAv, .company = 5, .outputs = {5}, .in = 300,
                  .expected = once("F4 2C 21 05 01 21 74"), .inputMax = 300},
        BrandCase{.name = "MAINVAN_sum_wraps", .sourceCode = kAv, .company = 5, .outputs = {200}, .in = 200,
                  .expected = once("F4 C8 21 C8 C8 00 79"), .id = 200, .inputMax = 256},
        BrandCase{"HOKUTO1", kAv, 35, {5}, 3, once("F4 03 21 05 01 00 2A")},
        BrandCase{"P-Video", kAv, 113, {5}, 3, once("F4 03 21 05 01 00 2A")},
        // MAINVAN2: the block byte; below input 8 it masks −1 to xF8.
        BrandCase{"MAINVAN2_small_numbers", kAv, 72, {5}, 3, once("F4 00 03 21 05 00 00 01 F8 22")},
        BrandCase{.name = "MAINVAN2_block", .sourceCode = kAv, .company = 72, .outputs = {30}, .in = 100,
                  .expected = once("F4 00 64 21 1E 00 00 02 0E B3"), .id = 2, .inputMax = 128},
        BrandCase{.name = "MAINVAN2_input_300", .sourceCode = kAv, .company = 72, .outputs = {5}, .in = 300,
                  .expected = once("F4 01 2C 21 05 00 00 01 20 74"), .inputMax = 300},
        BrandCase{"MAINVAN3", kAv, 77, {5}, 3, once("F4 03 21 05 00 0F 01 39")},
        BrandCase{.name = "MAINVAN3_sum_wraps", .sourceCode = kAv, .company = 77, .outputs = {250}, .in = 250,
                  .expected = once("F4 FA 21 FA 00 0F FA 1E"), .id = 250, .inputMax = 256},
        BrandCase{"MAINVAN4_input_from_zero", kAv, 78, {5}, 3, once("F4 02 21 05 00 0F 01 38")},
        BrandCase{"MAINVAN5_input_1", kAv, 79, {5}, 1, once("F4 00 21 05 00 0F 01 36")},
        BrandCase{"MAINVAN6_xor_4D", kAv, 91, {5}, 3, once("F4 03 21 05 01 00 67 00")},
        // The sum equals x4D: the checksum is x00.
        BrandCase{.name = "MAINVAN6_checksum_00", .sourceCode = kAv, .company = 91, .outputs = {5}, .in = 38,
                  .expected = once("F4 26 21 05 01 00 00 00"), .inputMax = 64},
        BrandCase{"AnDiWeiShi", kAv, 97, {5}, 3, once("F4 03 21 05 01 00 67 00")},
        BrandCase{"MAINVAN7", kAv, 92, {5}, 3, once("F4 03 21 05 01 00 67 00")},
        // hi(IN) closes the frame and is counted before the exclusive-or.
        BrandCase{.name = "MAINVAN7_input_300", .sourceCode = kAv, .company = 92, .outputs = {5}, .in = 300,
                  .expected = once("F4 2C 21 05 01 00 19 01"), .inputMax = 300},
        BrandCase{"MAINVAN8", kAv, 93, {5}, 3, once("F4 00 21 05 01 00 27 00")},
        BrandCase{.name = "MAINVAN8_input_300", .sourceCode = kAv, .company = 93, .outputs = {5}, .in = 300,
                  .expected = once("F4 01 21 05 01 00 28 00"), .inputMax = 300},
        BrandCase{"MAINVAN9", kAv, 103, {5}, 3, once("F4 00 03 21 05 01 00 00 00 2A")},
        BrandCase{.name = "MAINVAN9_input_256_last_short", .sourceCode = kAv, .company = 103, .outputs = {5},
                  .in = 256, .expected = once("F4 00 00 21 05 01 00 00 00 27"), .inputMax = 1000},
        BrandCase{.name = "MAINVAN9_input_257_low_high", .sourceCode = kAv, .company = 103, .outputs = {5},
                  .in = 257, .expected = once("F4 01 01 21 05 01 00 00 00 29"), .inputMax = 1000},
        BrandCase{.name = "MAINVAN9_input_513", .sourceCode = kAv, .company = 103, .outputs = {5}, .in = 513,
                  .expected = once("F4 01 02 21 05 01 00 00 00 2A"), .inputMax = 1000},
        BrandCase{.name = "MAINVAN9_input_768", .sourceCode = kAv, .company = 103, .outputs = {5}, .in = 768,
                  .expected = once("F4 00 03 21 05 01 00 00 00 2A"), .inputMax = 1000},
        BrandCase{"MAINVAN10", kAv, 104, {5}, 3, once("F4 03 21 05 01 00 2A 00")},
        BrandCase{.name = "MAINVAN10_input_300", .sourceCode = kAv, .company = 104, .outputs = {5}, .in = 300,
                  .expected = once("F4 2C 21 05 01 00 54 01"), .inputMax = 300},
        BrandCase{.name = "MAINVAN10_sum_wraps", .sourceCode = kAv, .company = 104, .outputs = {250}, .in = 600,
                  .expected = once("F4 58 21 FA FA 00 6F 02"), .id = 250, .inputMax = 1000}));

// Formats of the brands' own, one packet per output.
INSTANTIATE_TEST_SUITE_P(
    OwnFormats, AvBrandBytes,
    ::testing::Values(
        BrandCase{"LANMA", kAv, 6, {5}, 3, once("BB 01 05 03 00 00 00 C4")},
        BrandCase{"XJ", kAv, 7, {5}, 3, once("BB 01 05 03 00 00 00 C4")},
        BrandCase{.name = "LANMA_sum_wraps", .sourceCode = kAv, .company = 6, .outputs = {200}, .in = 200,
                  .expected = once("BB 01 C8 C8 00 00 00 4C"), .inputMax = 256},
        BrandCase{"LANMA3_input_from_zero", kAv, 39, {5}, 3, once("BB 01 05 02 00 00 00 C3")},
        BrandCase{"LANMA4_both_from_zero", kAv, 98, {5}, 3, once("BB 01 04 02 00 00 01 C3")},
        // TRIOLION: the address byte by the AV model.
        BrandCase{"TRIOLION_model_4X4", kAv, 11, {5}, 3, once("EB 71 02 02 04 02 7B")},
        BrandCase{.name = "TRIOLION_model_24X8", .sourceCode = kAv, .company = 11, .outputs = {5}, .in = 3,
                  .expected = once("EB 90 02 02 04 02 9A"), .model = 5},
        BrandCase{.name = "TRIOLION_model_128X128", .sourceCode = kAv, .company = 11, .outputs = {12}, .in = 20,
                  .expected = once("EB 37 02 02 0B 13 59"), .inputMax = 128, .model = 14},
        BrandCase{"SL001", kAv, 14, {5}, 3, once("'A5+3!'")},
        BrandCase{.name = "SL001_id0_as_A", .sourceCode = kAv, .company = 14, .outputs = {5}, .in = 3,
                  .expected = once("'A5+3!'"), .id = 0},
        BrandCase{.name = "SL001_id26_Z", .sourceCode = kAv, .company = 14, .outputs = {5}, .in = 3,
                  .expected = once("'Z5+3!'"), .id = 26},
        BrandCase{.name = "SL001_id27_as_A", .sourceCode = kAv, .company = 14, .outputs = {5}, .in = 3,
                  .expected = once("'A5+3!'"), .id = 27},
        BrandCase{"GCZ001", kAv, 18, {5}, 3, once("02 '00F0305' 03")},
        BrandCase{.name = "GCZ001_hex_digits", .sourceCode = kAv, .company = 18, .outputs = {26}, .in = 255,
                  .expected = once("02 '00FFF1A' 03"), .inputMax = 256},
        BrandCase{"SL002_two_digits", kAv, 23, {5}, 3, once("'A05[03!'")},
        BrandCase{"SL002_three_digits", kAv, 23, {123}, 3, once("'A123[03!'")},
        BrandCase{"VINET", kAv, 24, {5}, 3, once("FC 01 00 02 04 01 04")},
        BrandCase{.name = "VINET_input_40", .sourceCode = kAv, .company = 24, .outputs = {5}, .in = 40,
                  .expected = once("FC 01 01 07 04 01 0A"), .inputMax = 64},
        BrandCase{"LIGUO16X16", kAv, 26, {5}, 3, once("EB 32 12 02 04 02")},
        BrandCase{"TC8800", kAv, 27, {5}, 3, once("FA FA 0C 81 C0 00 05 00 03 01 FD FD")},
        BrandCase{.name = "TC8800_input_300", .sourceCode = kAv, .company = 27, .outputs = {5}, .in = 300,
                  .expected = once("FA FA 0C 81 C0 00 05 01 2C 01 FD FD"), .inputMax = 300},
        BrandCase{.name = "XIE_id_mod_6", .sourceCode = kAv, .company = 32, .outputs = {5}, .in = 3,
                  .expected = once("'#105V0503'"), .id = 7},
        // The brand list's example: input 5, output 12, video.
        BrandCase{.name = "KEDI_video", .sourceCode = kAv, .company = 34, .outputs = {12}, .in = 5,
                  .expected = once("'*05V12#'"), .sw = 1},
        BrandCase{.name = "KEDI_input_96", .sourceCode = kAv, .company = 34, .outputs = {5}, .in = 96,
                  .expected = once("'*96N05#'"), .inputMax = 128},
        BrandCase{"SIERRA", kAv, 38, {5}, 3, once("'**Y5,3!!'")},
        BrandCase{"MVIIBR", kAv, 40, {5}, 3, once("96 01 01 04 A1 04 02 00")},
        BrandCase{"LQAD", kAv, 41, {5}, 3, once("'A005003031000000B'")},
        BrandCase{"PE5051K", kAv, 69, {12}, 7, once("'A012007031000000B'")},
        BrandCase{"ZD", kAv, 42, {5}, 3, once("'L1003>005V#'")},
        BrandCase{.name = "ZD_id0_star", .sourceCode = kAv, .company = 42, .outputs = {5}, .in = 3,
                  .expected = once("'L*003>005V#'"), .id = 0},
        BrandCase{"V1064", kAv, 43, {5}, 3, once("C8 01 00 03 00 05 0D 01")},
        BrandCase{.name = "V1064_sixteens", .sourceCode = kAv, .company = 43, .outputs = {37}, .in = 100,
                  .expected = once("C8 01 06 04 02 05 0D 0A"), .inputMax = 128},
        BrandCase{"PE5052NTK", kAv, 44, {5}, 3, once("'N010010050003031000000B'")},
        BrandCase{"PGVAS2406_av", kAv, 46, {5}, 3, once("BB 00 02 04")},
        BrandCase{.name = "PGVAS2406_video_ID", .sourceCode = kAv, .company = 46, .outputs = {5}, .in = 3,
                  .expected = once("BB 07 02 04"), .sw = 1, .id = 7},
        BrandCase{.name = "PGVAS2406_audio_ID_plus_1", .sourceCode = kAv, .company = 46, .outputs = {5}, .in = 3,
                  .expected = once("BB 08 02 04"), .sw = 2, .id = 7},
        BrandCase{"SYYT", kAv, 48, {5}, 3, once("FF FF FF FF 00 00 20 01 00 05 03 80 A7 FE FE FE")},
        // ID, IN and OUT cancel xA0: the check byte is x01.
        BrandCase{.name = "SYYT_check", .sourceCode = kAv, .company = 48, .outputs = {0x21}, .in = 0x80,
                  .expected = once("FF FF FF FF 00 00 20 00 00 21 80 80 01 FE FE FE"), .id = 0, .inputMax = 256},
        BrandCase{"CREATEK4", kAv, 50, {5}, 3, once("FE EF 00 00 00 01 03 80 00 00 00 00 03 00 00 00 AB")},
        BrandCase{.name = "CREATEK4_audio_output_12", .sourceCode = kAv, .company = 50, .outputs = {12}, .in = 7,
                  .expected = once("FE EF 00 00 00 01 02 81 00 00 00 07 00 00 00 00 AB"), .sw = 2},
        BrandCase{"ADEMCO", kAv, 51, {5}, 3, once("'SWITCH3,5' 0D")},
        BrandCase{"KEDI1", kAv, 52, {5}, 3, once("01 'WRNx04y02' '4C' 04")},
        BrandCase{.name = "KEDI1_video", .sourceCode = kAv, .company = 52, .outputs = {5}, .in = 3,
                  .expected = once("01 'WRVx04y02' '54' 04"), .sw = 1},
        BrandCase{"KEDI2", kAv, 53, {5}, 3, once("'*WRNx04y02--#'")},
        BrandCase{.name = "KEDI2_16_audio", .sourceCode = kAv, .company = 53, .outputs = {16}, .in = 16,
                  .expected = once("'*WRAx0Fy0F--#'"), .sw = 2},
        BrandCase{"SITO", kAv, 56, {5}, 3, once("FF 03 00 81 05 00 00 89")},
        BrandCase{.name = "SITO_255_range_0", .sourceCode = kAv, .company = 56, .outputs = {5}, .in = 255,
                  .expected = once("FF FF 00 81 05 00 00 85"), .inputMax = 1000},
        BrandCase{.name = "SITO_256_range_1", .sourceCode = kAv, .company = 56, .outputs = {5}, .in = 256,
                  .expected = once("FF 00 01 81 05 00 00 87"), .inputMax = 1000},
        BrandCase{.name = "SITO_512_range_1", .sourceCode = kAv, .company = 56, .outputs = {5}, .in = 512,
                  .expected = once("FF 00 01 81 05 00 00 87"), .inputMax = 1000},
        BrandCase{.name = "SITO_513_range_2", .sourceCode = kAv, .company = 56, .outputs = {5}, .in = 513,
                  .expected = once("FF 01 02 81 05 00 00 89"), .inputMax = 1000},
        BrandCase{.name = "SITO_768_range_2", .sourceCode = kAv, .company = 56, .outputs = {5}, .in = 768,
                  .expected = once("FF 00 02 81 05 00 00 88"), .inputMax = 1000},
        // DET: the closing '#' is not sent.
        BrandCase{"DET", kAv, 57, {5}, 3, once("40 '1:3>5!'")},
        BrandCase{.name = "DET_video", .sourceCode = kAv, .company = 57, .outputs = {25}, .in = 100,
                  .expected = once("40 '12:100>25&'"), .sw = 1, .id = 12, .inputMax = 128},
        BrandCase{.name = "DET_audio", .sourceCode = kAv, .company = 57, .outputs = {5}, .in = 3,
                  .expected = once("40 '1:3>5$'"), .sw = 2},
        BrandCase{"EXTA", kAv, 59, {5}, 3, once("'!1:V3*5' 0D")},
        BrandCase{.name = "EXTA_video", .sourceCode = kAv, .company = 59, .outputs = {5}, .in = 3,
                  .expected = once("'!1:W3*5' 0D"), .sw = 1},
        BrandCase{"QB", kAv, 60, {5}, 3, once("'S05<03' 0D")},
        BrandCase{.name = "QB_video_two_digit_input", .sourceCode = kAv, .company = 60, .outputs = {5}, .in = 12,
                  .expected = once("'V05<12' 0D"), .sw = 1},
        BrandCase{"PROV", kAv, 61, {5}, 3, once("BA 01 01 04 A4 04 02 6A")},
        BrandCase{.name = "PROV_video", .sourceCode = kAv, .company = 61, .outputs = {5}, .in = 3,
                  .expected = once("BA 01 01 04 A1 04 02 67"), .sw = 1},
        BrandCase{"PE5052K", kAv, 63, {5}, 3, once("'A010050003031000000B'")},
        BrandCase{.name = "SMTH3_by_ID", .sourceCode = kAv, .company = 65, .outputs = {5}, .in = 40,
                  .expected = once("FC 01 01 07 04 07 10"), .id = 7, .inputMax = 64},
        BrandCase{.name = "TECH_audio", .sourceCode = kAv, .company = 66, .outputs = {5}, .in = 3,
                  .expected = once("'0503A'"), .sw = 2},
        BrandCase{.name = "TECH_three_digit_input", .sourceCode = kAv, .company = 66, .outputs = {5}, .in = 3,
                  .expected = once("'05003C'"), .inputMax = 100},
        BrandCase{"SWITCHER", kAv, 67, {5}, 3, once("40 '01,03B05!'")},
        BrandCase{"SFLAG", kAv, 68, {5}, 3, once("E0 E9 05 FF FF FF FF FF FF FF FF 03 01 A1")},
        BrandCase{"HYK", kAv, 70, {5}, 3, once("55 05 01 AF 04 02 06")},
        BrandCase{.name = "HYK_video", .sourceCode = kAv, .company = 70, .outputs = {5}, .in = 3,
                  .expected = once("55 05 01 A1 04 02 06"), .sw = 1},
        BrandCase{"SMTH4", kAv, 71, {5}, 3, once("'01V03M05'")},
        BrandCase{.name = "SMTH4_video_99", .sourceCode = kAv, .company = 71, .outputs = {45}, .in = 99,
                  .expected = once("'01V99V45'"), .sw = 1, .inputMax = 128},
        BrandCase{"BV6416", kAv, 81, {5}, 3, once("EA 01 00 03 05 F3")},
        BrandCase{"SMTH6", kAv, 82, {5}, 3, once("FF 01 11 00 03 05 55 6F")},
        BrandCase{.name = "SMTH6_input_300_id_17", .sourceCode = kAv, .company = 82, .outputs = {5}, .in = 300,
                  .expected = once("FF 01 11 02 2C 05 55 9A"), .id = 17, .inputMax = 300},
        BrandCase{.name = "REA", .sourceCode = kAv, .company = 83, .outputs = {5}, .in = 40,
                  .expected = once("F8 01 01 07 04 01 06"), .id = 2, .inputMax = 64},
        BrandCase{"PEARMAIN", kAv, 86, {5}, 3, once("F6 01 01 05 00 03 1F")},
        BrandCase{.name = "PEARMAIN_input_123", .sourceCode = kAv, .company = 86, .outputs = {5}, .in = 123,
                  .expected = once("F6 01 01 05 01 17 1F"), .inputMax = 128},
        BrandCase{"SMTH5", kAv, 87, {5}, 3, once("BB 00 02 04")},
        BrandCase{"SMTH7", kAv, 89, {5}, 3, once("FF 03 00 81 05 00 00 89")},
        BrandCase{.name = "SMTH7_256_range_0", .sourceCode = kAv, .company = 89, .outputs = {5}, .in = 256,
                  .expected = once("FF 00 00 81 05 00 00 86"), .inputMax = 1000},
        BrandCase{.name = "SMTH7_257_range_1", .sourceCode = kAv, .company = 89, .outputs = {5}, .in = 257,
                  .expected = once("FF 00 01 81 05 00 00 87"), .inputMax = 1000},
        BrandCase{.name = "SMTH7_512_range_1", .sourceCode = kAv, .company = 89, .outputs = {5}, .in = 512,
                  .expected = once("FF 00 01 81 05 00 00 87"), .inputMax = 1000},
        BrandCase{.name = "SMTH7_513_range_2", .sourceCode = kAv, .company = 89, .outputs = {5}, .in = 513,
                  .expected = once("FF 00 02 81 05 00 00 88"), .inputMax = 1000},
        BrandCase{"LANMA5", kAv, 99, {5}, 3, once("A5 03 00 81 05 00 00 89")},
        BrandCase{.name = "LANMA5_768", .sourceCode = kAv, .company = 99, .outputs = {5}, .in = 768,
                  .expected = once("A5 00 02 81 05 00 00 88"), .inputMax = 1000},
        BrandCase{.name = "EKL414H_in3_out2", .sourceCode = kAv, .company = 102, .outputs = {2}, .in = 3,
                  .expected = once("'006'"), .inputMax = 4},
        BrandCase{.name = "EKL414H_in3_out4_lower_case", .sourceCode = kAv, .company = 102, .outputs = {4}, .in = 3,
                  .expected = once("'00e'"), .inputMax = 4},
        BrandCase{.name = "EKL414H_in4_out4", .sourceCode = kAv, .company = 102, .outputs = {4}, .in = 4,
                  .expected = once("'00f'"), .inputMax = 4},
        BrandCase{"FE", kAv, 105, {5}, 3, once("FE 73 05 80")},
        BrandCase{"SMTH8_one_packet", kAv, 106, {5}, 3, once("'5Ma3#a'")},
        BrandCase{"LWAD2", kAv, 109, {5}, 3, once("F8 03 00 81 05 00 01 8A")},
        BrandCase{.name = "LWAD2_input_300", .sourceCode = kAv, .company = 109, .outputs = {5}, .in = 300,
                  .expected = once("F8 2C 01 81 05 00 01 B4"), .inputMax = 300},
        BrandCase{"CUSTOM_output_5", kAv, 111, {5}, 3, once("FE 74 03 81")},
        BrandCase{"CUSTOM_output_15_last_FE", kAv, 111, {15}, 3, once("FE 7E 03 81")},
        BrandCase{"CUSTOM_output_16_first_FD", kAv, 111, {16}, 3, once("FD 70 03 81")},
        // The brand list's example: output 20 opens with xFD x74.
        BrandCase{.name = "CUSTOM_output_20", .sourceCode = kAv, .company = 111, .outputs = {20}, .in = 3,
                  .expected = once("FD 74 03 48"), .id = 200}));

// Packets in two parts, several writes, one byte per write, once-per-call
// openings and keys.
INSTANTIATE_TEST_SUITE_P(
    WrittenInParts, AvBrandBytes,
    ::testing::Values(
        // The brand list's example: input 12 to output 3.
        BrandCase{"AB8TO4_example", kAv, 3, {3}, 12, twice("FE 03 13 FF", "FE 01 03 11 FF")},
        BrandCase{"AB8TO4_output_12_input_8", kAv, 3, {12}, 8, twice("FE 01 02 13 FF", "FE 09 11 FF")},
        BrandCase{.name = "AB8TO4_three_digits", .sourceCode = kAv, .company = 3, .outputs = {4}, .in = 99,
                  .expected = twice("FE 04 13 FF", "FE 01 00 00 11 FF"), .inputMax = 128},
        BrandCase{"INFINOVA", kAv, 16, {5}, 3, twice("'5Ma'", "'3#a'")},
        BrandCase{"LANMA2", kAv, 20, {5}, 3, twice("BB 02 01 04 00 00 00 C2", "BB 02 02 02 00 00 00 C1")},
        BrandCase{.name = "LANMA2_wide", .sourceCode = kAv, .company = 20, .outputs = {300}, .in = 600,
                  .expected = twice("BB 02 01 2B 01 00 00 EA", "BB 02 02 57 02 00 00 18"), .inputMax = 1000},
        BrandCase{"HXD1", kAv, 73, {5}, 3, twice("BB 02 01 04 00 00 00 C2", "BB 02 02 02 00 00 00 C1")},
        BrandCase{"QJ", kAv, 76, {5}, 3, twice("BB 02 01 04 00 00 00 C2", "BB 02 02 02 00 00 00 C1")},
        BrandCase{"HaoCheng", kAv, 108, {5}, 3, twice("BB 02 01 04 00 00 00 C2", "BB 02 02 02 00 00 00 C1")},
        // The brand list's example: input 7 to output 3.
        BrandCase{"Panasonic_example", kAv, 88, {3}, 7, twice("02 'CMD:H03MS' 03", "02 'CMD:H03CS007' 03")},
        BrandCase{.name = "Panasonic_three_digits", .sourceCode = kAv, .company = 88, .outputs = {12}, .in = 120,
                  .expected = twice("02 'CMD:H12MS' 03", "02 'CMD:H12CS120' 03"), .inputMax = 128},
        BrandCase{"SMTH1", kAv, 64, {5}, 3, twice("BB 02 01 04 00 00 00 C2", "BB 02 02 02 00 00 00 C1", 210)},
        BrandCase{.name = "SMTH1_ranges", .sourceCode = kAv, .company = 64, .outputs = {300}, .in = 700,
                  .expected = twice("BB 02 01 2B 01 00 00 EA", "BB 02 02 BB 02 00 00 7C", 210), .inputMax = 1000},
        BrandCase{.name = "SMTH1_input_256_range_0", .sourceCode = kAv, .company = 64, .outputs = {5}, .in = 256,
                  .expected = twice("BB 02 01 04 00 00 00 C2", "BB 02 02 FF 00 00 00 BE", 210), .inputMax = 1000},
        BrandCase{.name = "SMTH1_input_257_range_1", .sourceCode = kAv, .company = 64, .outputs = {5}, .in = 257,
                  .expected = twice("BB 02 01 04 00 00 00 C2", "BB 02 02 00 01 00 00 C0", 210), .inputMax = 1000},
        // Written twice with a gap, then the pause.
        BrandCase{"ADT_twice_100", kAv, 8, {5}, 3,
                  {"F8 03 00 81 05 00 00 89 FF", "pause 100", "F8 03 00 81 05 00 00 89 FF", "pause 100"}},
        BrandCase{"XTA002_twice_100", kAv, 107, {5}, 3,
                  {"F8 03 00 81 05 00 00 89 FF", "pause 100", "F8 03 00 81 05 00 00 89 FF", "pause 100"}},
        BrandCase{"SISO_twice_30", kAv, 22, {5}, 3,
                  {"F2 00 03 22 05 01 00 25", "pause 30", "F2 00 03 22 05 01 00 25", "pause 100"}},
        BrandCase{"HOKUTO2_twice_30", kAv, 36, {5}, 3,
                  {"F2 00 03 22 05 01 00 25", "pause 30", "F2 00 03 22 05 01 00 25", "pause 100"}},
        BrandCase{"ACV_twice_30", kAv, 84, {5}, 3,
                  {"F2 00 03 22 05 01 00 25", "pause 30", "F2 00 03 22 05 01 00 25", "pause 100"}},
        // One byte per write, three times with 150 ms between, then the pause.
        BrandCase{"SHATIAN", kAv, 19, {5}, 3, byteByByte("00 01 05 01 05 03 00 0D 1C", 3, 150)},
        BrandCase{.name = "SHATIAN_input_40", .sourceCode = kAv, .company = 19, .outputs = {5}, .in = 40,
                  .expected = byteByByte("00 02 05 01 05 28 02 0D 44", 3, 150), .id = 2, .inputMax = 64},
        // One byte per write, each followed by the pause.
        BrandCase{"CREATEK3_byte_per_write", kAv, 31, {5, 6}, 3,
                  {"'3'", "pause 100", "'B'", "pause 100", "'5'", "pause 100", "','", "pause 100", "'6'",
                   "pause 100", "'.'", "pause 100"}},
        // Once per call, then per output.
        BrandCase{"AC003", kAv, 90, {5, 6}, 3,
                  {"'!1:V3*L'", "pause 100", "'!1:V3*5' 0D", "pause 100", "'!1:V3*6' 0D", "pause 100"}},
        BrandCase{"AC003_opening_alone", kAv, 90, {0}, 3, once("'!1:V3*L'")},
        // Keys: 61, the digits of IN, 76, 73, the digits of OUT, 76.
        BrandCase{"AC6800_in12_out3", kAv, 95, {3}, 12, ac6800Keys({61, 62, 63, 76, 73, 64, 76})},
        BrandCase{"AC6800_zero_and_shifted_digits", kAv, 95, {7}, 40, ac6800Keys({61, 66, 75, 76, 73, 70, 76})},
        BrandCase{.name = "AC6800_digits_5689", .sourceCode = kAv, .company = 95, .outputs = {89}, .in = 56,
                  .expected = ac6800Keys({61, 67, 68, 76, 73, 71, 72, 76}), .inputMax = 64}));

TEST(Ac6800, DigitKeys) {
  const int keys[10] = {75, 62, 63, 64, 66, 67, 68, 70, 71, 72};
  for (int d = 0; d < 10; ++d) EXPECT_EQ(ac6800DigitKey(d), keys[d]) << "digit " << d;
}

TEST(Ac6800, AKeyEventIsTwelveBytesAndTheAddressHasTwoDigits) {
  MatrixRig rig;
  rig.configure(MatrixKind::AV, 95, 7);
  rig.wireFirstRow(MatrixKind::AV, {2});
  const auto result = rig.run(kAv, 1);
  ASSERT_FALSE(result.script.empty());
  const auto& first = std::get<SendStep>(result.script.steps().front());
  EXPECT_EQ(first.bytes, notation("'*807K0,61,1' 0D"));
  EXPECT_EQ(first.bytes.size(), 12u);
}

// The brands with pauses of their own keep them whatever the AV delay; the
// others follow it.
struct PacedCase {
  const char* name;
  int company;
  std::vector<std::string> expected;
};

void PrintTo(const PacedCase& c, std::ostream* os) { *os << c.name; }

class AvPacing : public ::testing::TestWithParam<PacedCase> {};

TEST_P(AvPacing, PausesAfterEachPart) {
  MatrixRig rig;
  rig.configure(MatrixKind::AV, GetParam().company, 1, 16, 250);
  rig.wireFirstRow(MatrixKind::AV, {5});
  EXPECT_EQ(rig.run(kAv, 3).script.toText(), expectedScript(GetParam().expected).toText());
}

INSTANTIATE_TEST_SUITE_P(
    Brands, AvPacing,
    ::testing::Values(PacedCase{"INFINOVA_kind_delay", 16, twice("'5Ma'", "'3#a'", 250)},
                      PacedCase{"SMTH2_100_ms", 62, twice("'5Ma'", "'3#a'", 100)},
                      PacedCase{"SMTH1_210_ms", 64, twice("BB 02 01 04 00 00 00 C2", "BB 02 02 02 00 00 00 C1", 210)},
                      PacedCase{"Panasonic_kind_delay", 88, twice("02 'CMD:H05MS' 03", "02 'CMD:H05CS003' 03", 250)},
                      PacedCase{"SISO_gap_30_then_delay", 22,
                                {"F2 00 03 22 05 01 00 25", "pause 30", "F2 00 03 22 05 01 00 25", "pause 250"}},
                      PacedCase{"ADT_gap_100_then_delay", 8,
                                {"F8 03 00 81 05 00 00 89 FF", "pause 100", "F8 03 00 81 05 00 00 89 FF",
                                 "pause 250"}}));

// Values a field cannot carry: nothing is sent for that output, the log
// says why; the other outputs of the call still go out.
struct RefusedCase {
  const char* name;
  int company;
  int in;
  std::vector<int> outputs;
  std::vector<std::string> expected;  // what the other outputs still send
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class AvRefusals : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(AvRefusals, SendNothingForThatOutputAndSayWhy) {
  const RefusedCase& c = GetParam();
  MatrixRig rig;
  rig.configure(MatrixKind::AV, c.company, 1, 1000);
  rig.wireFirstRow(MatrixKind::AV, c.outputs);
  const auto result = rig.run(kAv, c.in);
  EXPECT_EQ(result.script.toText(), expectedScript(c.expected).toText());
  ASSERT_FALSE(result.log.empty());
  EXPECT_NE(result.log.front().find("AV " + std::string(brandName(MatrixKind::AV, c.company))), std::string::npos)
      << result.log.front();
}

INSTANTIATE_TEST_SUITE_P(
    UndefinedBytes, AvRefusals,
    ::testing::Values(
        RefusedCase{"SITO_input_769", 56, 769, {5}, {}},
        RefusedCase{"SMTH7_input_769", 89, 769, {5}, {}},
        RefusedCase{"LANMA5_input_1000", 99, 1000, {5}, {}},
        RefusedCase{"MAINVAN9_input_769", 103, 769, {5}, {}},
        RefusedCase{"SMTH1_input_769", 64, 769, {5}, {}},
        // Output 769 has no range byte; output 5 still gets both packets.
        RefusedCase{"SMTH1_output_769", 64, 3, {769, 5},
                    twice("BB 02 01 04 00 00 00 C2", "BB 02 02 02 00 00 00 C1", 210)},
        RefusedCase{"KEDI2_input_17", 53, 17, {5}, {}},
        RefusedCase{"KEDI2_output_17", 53, 3, {17, 5}, once("'*WRNx04y02--#'")},
        RefusedCase{"XIAONIAO_input_100", 110, 100, {5}, {}},
        RefusedCase{"Mixed_output_100", 112, 3, {100, 5}, once("'[SWCH,1,3,0,5]'")},
        RefusedCase{"CHANGE3_input_100", 116, 100, {5}, {}},
        RefusedCase{"SMTH4_input_100", 71, 100, {5}, {}},
        RefusedCase{"SMTH4_output_100", 71, 3, {100, 5}, once("'01V03M05'")},
        // Defined limits of the brand list: KEDI switches inputs up to 96,
        // EKL414H inputs and outputs 1 to 4.
        RefusedCase{"KEDI_input_97", 34, 97, {5}, {}},
        RefusedCase{"EKL414H_input_5", 102, 5, {1}, {}},
        RefusedCase{"EKL414H_output_5", 102, 1, {5, 1}, once("'000'")}));

TEST(AvRefusal, AModelOutsideTheListHasNoTriolionAddress) {
  MatrixRig rig;
  rig.configure(MatrixKind::AV, 11, 1, 16, 100, 15);
  rig.wireFirstRow(MatrixKind::AV, {5});
  const auto result = rig.run(kAv, 3);
  EXPECT_TRUE(result.script.empty());
  ASSERT_FALSE(result.log.empty());
  EXPECT_NE(result.log.front().find("TRIOLION"), std::string::npos);
}

TEST(AvRefusal, TheRefusedUnitStillRecordsItsInput) {
  // As for every output of the walk, the current input is what the
  // operator chose even when the matrix could not be told.
  MatrixRig rig;
  rig.configure(MatrixKind::AV, 56, 1, 1000);
  rig.wireFirstRow(MatrixKind::AV, {5, 6});
  const auto result = rig.run(kAv, 900);
  EXPECT_TRUE(result.script.empty());
  EXPECT_EQ(result.updatedEntries, (std::vector<int>{0, 1}));
  EXPECT_EQ(result.log.size(), 2u);  // one line per refused output
}

TEST(AvRanges, RangeByteBlocks) {
  struct Case {
    int v, first;
    std::optional<int> range;
  };
  for (const Case& c : {Case{1, 256, 0}, Case{255, 256, 0}, Case{256, 256, 1}, Case{256, 257, 0},
                        Case{257, 257, 1}, Case{512, 257, 1}, Case{513, 256, 2}, Case{768, 257, 2},
                        Case{769, 256, std::nullopt}, Case{769, 257, std::nullopt}}) {
    EXPECT_EQ(rangeOf(c.v, c.first), c.range) << c.v << " from " << c.first;
  }
}

// Every brand of the AV list has its row, in list order and under its
// list name, so a stored brand index always finds its format.
TEST(AvBrandTable, EveryListBrandHasItsRowInOrder) {
  const auto rows = avBrandRows();
  const auto names = brandNames(MatrixKind::AV);
  ASSERT_EQ(rows.size() + 1, names.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].index, static_cast<int>(i) + 1);
    EXPECT_EQ(rows[i].name, names[i + 1]) << "row " << i + 1;
    EXPECT_NE(rows[i].format.gathering, Gathering::Nothing) << rows[i].name;
  }
}

// Every AV source (AV to AV5) switches the AV matrix with the same bytes.
TEST(AvSources, SourceCodes2To6AllUseTheAvMatrix) {
  MatrixRig rig;
  rig.configure(MatrixKind::AV, 4);
  rig.configure(MatrixKind::VGA, 4);  // a VGA matrix that must stay silent
  rig.wireFirstRow(MatrixKind::AV, {5});
  for (int source = 2; source <= 6; ++source) {
    const auto result = rig.run(source, 3);
    EXPECT_EQ(result.kind, MatrixKind::AV);
    EXPECT_EQ(result.script.toText(), expectedScript(once("FF 01 03 03 05 AA")).toText()) << source;
  }
}

TEST(AvSwitcher, TheWholeWallTakesOnePacketAndKeepsTheCurrentInputs) {
  MatrixRig rig;
  rig.configure(MatrixKind::AV, 67, 2);
  rig.wireFirstRow(MatrixKind::AV, {5, 6});
  rig.wall.rows = 1;
  const auto result = rig.run(kAv, 12);
  EXPECT_EQ(result.script.toText(), expectedScript(once("40 '02,12ALL!'")).toText());
  EXPECT_TRUE(result.updatedEntries.empty());
}

TEST(AvCz003, PairsGoOutInPacketsOfTwenty) {
  MatrixRig rig;
  rig.configure(MatrixKind::AV, 55);
  std::vector<int> outputs(21);
  for (int i = 0; i < 21; ++i) outputs[static_cast<std::size_t>(i)] = i + 1;
  rig.wireFirstRow(MatrixKind::AV, outputs);
  const auto result = rig.run(kAv, 1);
  ASSERT_EQ(result.script.size(), 4u);  // two packets, each with its pause
  const auto& first = std::get<SendStep>(result.script.steps()[0]).bytes;
  const auto& second = std::get<SendStep>(result.script.steps()[2]).bytes;
  EXPECT_EQ(first.size(), 5u + 40u + 1u);
  EXPECT_EQ(first[3], 42);  // 2 × 20 + 2
  EXPECT_EQ(second, notation("96 01 01 04 A0 14 00 50"));
}

TEST(AvTech, ThreeDigitOutputsOnAWallOfMoreThan99Units) {
  MatrixRig rig;
  rig.configure(MatrixKind::AV, 66);
  rig.wireFirstRow(MatrixKind::AV, {5});
  rig.wall.rows = 10;
  rig.wall.columns = 10;  // 100 units; only the first one is wired
  rig.selection = Selection{0, 0, 0, 0};
  EXPECT_EQ(rig.run(kAv, 3).script.toText(), expectedScript(once("'00503C'")).toText());
}

// The Kestrel AV channel from the input-control choice.
TEST(KestrelAvChannel, FromTheSourceOrTheSubSignal) {
  struct Case {
    int source, subSignal;
    std::optional<int> channel;
  };
  for (const Case& c : {Case{2, 0, 0}, Case{3, 0, 1}, Case{4, 4, 2}, Case{5, 1, 3}, Case{6, 1, 0}, Case{6, 4, 3},
                        Case{6, 0, std::nullopt}, Case{6, 5, std::nullopt}, Case{0, 1, std::nullopt},
                        Case{7, 1, std::nullopt}, Case{10, 1, std::nullopt}}) {
    EXPECT_EQ(kestrelAvChannel(c.source, c.subSignal), c.channel) << c.source << "/" << c.subSignal;
  }
}

class KestrelAv : public ::testing::Test {
 protected:
  KestrelAv() {
    rig.wall = WallShape{1, 2, true};
    rig.selection = Selection{0, 0, 0, 1};
    auto& map = rig.state.map(MatrixKind::AV);
    map.fill(0);
    // Unit u's channel k is fed by output 10 × (u + 1) + k + 1.
    for (int u = 0; u < 2; ++u) {
      for (int k = 0; k < 4; ++k) map[static_cast<std::size_t>(u * 4 + k)] = 10 * (u + 1) + k + 1;
    }
  }

  MatrixSwitchResult run(int source, int subSignal, int in) {
    rig.avChannel = kestrelAvChannel(source, subSignal).value_or(-1);
    return rig.run(source, in);
  }

  MatrixRig rig;
};

TEST_F(KestrelAv, EachAvSourceSwitchesItsChannel) {
  rig.configure(MatrixKind::AV, 4);
  for (int source = 2; source <= 5; ++source) {
    const int k = source - 2;
    const auto result = run(source, 0, 3);
    std::vector<std::string> expected;
    for (int out : {11 + k, 21 + k}) {
      const auto lines = once("FF 01 03 03 " + hexText(Bytes{static_cast<std::uint8_t>(out)}) + " AA");
      expected.insert(expected.end(), lines.begin(), lines.end());
    }
    EXPECT_EQ(result.script.toText(), expectedScript(expected).toText()) << "source " << source;
    EXPECT_EQ(result.updatedEntries, (std::vector<int>{k, 4 + k})) << "source " << source;
  }
}

TEST_F(KestrelAv, QuadTakesTheSubSignalAndNullSendsNothing) {
  rig.configure(MatrixKind::AV, 88);  // Panasonic: both packets name the channel's output
  const auto av3 = run(6, 3, 7);
  EXPECT_EQ(av3.script.toText(),
            expectedScript({"02 'CMD:H13MS' 03", "pause 100", "02 'CMD:H13CS007' 03", "pause 100",
                            "02 'CMD:H23MS' 03", "pause 100", "02 'CMD:H23CS007' 03", "pause 100"})
                .toText());
  EXPECT_EQ(av3.updatedEntries, (std::vector<int>{2, 6}));

  const auto none = run(6, 0, 7);
  EXPECT_TRUE(none.script.empty());
  EXPECT_TRUE(none.updatedEntries.empty());
  EXPECT_FALSE(none.log.empty());
}

}  // namespace
}  // namespace wall::test
