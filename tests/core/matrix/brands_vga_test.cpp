// Every VGA brand's bytes, with the examples the brand list is known by.
#include <gtest/gtest.h>

#include "brand_case.h"
#include "core/matrix/matrix_catalog.h"
#include "matrix_test_support.h"

namespace wall::test {
namespace {

class VgaBrandBytes : public ::testing::TestWithParam<BrandCase> {};

TEST_P(VgaBrandBytes, MatchTheWire) { expectBrandBytes(GetParam()); }

// Families: one case or more per family, with the parameters of the rows.
INSTANTIATE_TEST_SUITE_P(
    Families, VgaBrandBytes,
    ::testing::Values(
        // QRV frame: the example of the brand list (RGB source, 16 inputs, outputs 1 and 2).
        BrandCase{"QRV001_rgb_two_outputs", 1, 1, {1, 2}, 3, once("C5 B1 01 A4 05 15 'Q' 03 01 02 16")},
        BrandCase{"QRV001_vga_k_A3", 0, 1, {5}, 3, once("C5 B1 01 A3 04 15 'Q' 03 05 16")},
        BrandCase{.name = "QRV001_audio_letter", .sourceCode = 0, .company = 1, .outputs = {5}, .in = 3,
                  .expected = once("C5 B1 01 A3 04 15 'S' 03 05 18"), .sw = 2},
        // More than 255 inputs: two bytes per number, w = x25.
        BrandCase{.name = "QRV001_wide", .sourceCode = 0, .company = 1, .outputs = {5}, .in = 300,
                  .expected = once("C5 B1 01 A3 06 25 'Q' 01 2C 00 05 52"), .inputMax = 300},
        // The checksum xC5 would start a new frame: it goes out as x3A.
        BrandCase{.name = "QRV001_checksum_C5_becomes_3A", .sourceCode = 0, .company = 1, .outputs = {1}, .in = 1,
                  .expected = once("C5 B1 B6 A3 04 15 'Q' 01 01 3A"), .id = 0xB6},
        BrandCase{.name = "QRV001_checksum_C4_kept", .sourceCode = 0, .company = 1, .outputs = {1}, .in = 1,
                  .expected = once("C5 B1 B5 A3 04 15 'Q' 01 01 C4"), .id = 0xB5},
        // No connected unit: the packet still goes out with the input alone.
        BrandCase{"QRV001_no_output", 0, 1, {0}, 3, once("C5 B1 01 A3 03 15 'Q' 03 10")},
        BrandCase{"QRV001_VR_k_A4_always", 0, 60, {5}, 3, once("C5 B1 01 A4 04 15 'Q' 03 05 17")},
        // Pair-list frames.
        BrandCase{.name = "QRV002_video", .sourceCode = 0, .company = 2, .outputs = {5, 6}, .in = 3,
                  .expected = once("96 01 01 06 A0 04 02 05 02 4B"), .sw = 1},
        BrandCase{"AITE_zero_check", 0, 7, {5}, 3, once("96 01 01 04 A0 04 02 00")},
        BrandCase{"CZ002_pairs_carry_IN", 0, 18, {5}, 3, once("96 01 01 04 A0 04 03 43")},
        // sum96: a checksum of x96 would start a frame and goes out as x6A.
        BrandCase{.name = "CZ002_checksum_96_becomes_6A", .sourceCode = 0, .company = 18, .outputs = {1}, .in = 1,
                  .expected = once("96 5A 01 04 A0 00 01 6A"), .id = 0x5A},
        BrandCase{"CZ001", 0, 57, {5}, 3, once("96 01 01 04 A3 04 02 45")},
        BrandCase{"XZ001_header_BA", 0, 58, {5}, 3, once("BA 01 01 04 A3 04 02 69")},
        BrandCase{.name = "RL-B_audio", .sourceCode = 0, .company = 81, .outputs = {5}, .in = 3,
                  .expected = once("96 01 01 04 A2 04 02 00"), .sw = 2},
        BrandCase{"P-VGA", 0, 95, {5}, 3, once("96 01 01 04 A3 04 02 45")},
        BrandCase{"P-RGB", 1, 96, {5}, 3, once("96 01 01 04 A3 04 02 45")},
        // A pair-list brand with no connected unit sends nothing.
        BrandCase{"QRV002_no_output", 0, 2, {0, 0}, 3, {}},
        // FF, BB, F2, neg and F8 frames.
        BrandCase{.name = "ZC001_audio", .sourceCode = 0, .company = 3, .outputs = {5}, .in = 3,
                  .expected = once("FF 01 04 03 05 AA"), .sw = 2},
        BrandCase{"XJ", 0, 6, {5}, 3, once("FF 01 03 03 05 AA")},
        BrandCase{.name = "CREATEK2_video", .sourceCode = 0, .company = 8, .outputs = {5}, .in = 3,
                  .expected = once("FF 01 05 03 05 AA"), .sw = 1},
        BrandCase{"LW001", 0, 13, {5}, 3, once("FF 01 03 03 05 AA")},
        BrandCase{"NIE", 0, 31, {5}, 3, once("FF 01 05 03 05 AA")},
        BrandCase{.name = "CKDZ_audio", .sourceCode = 0, .company = 33, .outputs = {5}, .in = 3,
                  .expected = once("FF 01 02 03 05 AA"), .sw = 2},
        BrandCase{"ZC003", 0, 39, {5}, 3, once("FF 01 03 03 05 AA")},
        BrandCase{"CK", 0, 44, {5}, 3, once("FF 01 04 03 05 AA")},
        BrandCase{.name = "CK1_video", .sourceCode = 0, .company = 45, .outputs = {5}, .in = 3,
                  .expected = once("FF 01 03 03 05 AA"), .sw = 1},
        BrandCase{"QJ", 0, 59, {5}, 3, once("FF 01 03 03 05 AA")},
        BrandCase{.name = "CKDZ2_video", .sourceCode = 0, .company = 65, .outputs = {5}, .in = 3,
                  .expected = once("FF 01 04 03 05 AA"), .sw = 1},
        BrandCase{"MINGKONG", 0, 16, {5}, 3, once("BB 04 01 02 03 05 55")},
        BrandCase{.name = "HVSM_video", .sourceCode = 0, .company = 41, .outputs = {5}, .in = 3,
                  .expected = once("BB 04 01 02 03 05 55"), .sw = 1},
        BrandCase{"HXD2", 0, 55, {5}, 3, once("BB 04 01 01 03 05 55")},
        BrandCase{"HaoCheng", 0, 85, {5}, 3, once("BB 04 01 02 03 05 55")},
        BrandCase{"ZHIMIN_F2_zero", 0, 14, {5}, 3, once("F2 00 03 2A 05 00 00 2C")},
        BrandCase{"SISO_F2", 0, 27, {5}, 3, once("F2 00 03 22 05 01 00 25")},
        BrandCase{.name = "SISO_F2_wide_input", .sourceCode = 0, .company = 27, .outputs = {5}, .in = 300,
                  .expected = once("F2 01 2C 22 05 01 00 0B"), .inputMax = 300},
        BrandCase{"HOKUTO", 0, 37, {5}, 3, once("F2 00 03 22 05 01 00 25")},
        BrandCase{"SISO2", 0, 53, {5}, 3, once("F2 00 03 22 05 01 00 25")},
        BrandCase{"ACV", 0, 66, {5}, 3, once("F2 00 03 22 05 01 00 25")},
        BrandCase{"HOKUTO2", 0, 68, {5}, 3, once("F2 00 03 22 05 01 00 25")},
        BrandCase{"ZX02", 0, 80, {5}, 3, once("F2 00 03 22 05 01 00 25")},
        BrandCase{"CH001_neg", 0, 34, {5}, 3, once("FF 07 03 02 02 04 EF")},
        BrandCase{"ODIN_neg_by_ID", 0, 48, {5}, 3, once("FF 07 01 02 02 04 F1")},
        // Texts.
        BrandCase{"ITRON_letter", 0, 21, {5}, 3, once("'A05<03!'")},
        BrandCase{"ITRON312_letter", 0, 25, {5}, 3, once("'A05(03!'")},
        // The brand list's examples: "ITRON2" with ID 0 starts with '*', with ID 10 with 'J'.
        BrandCase{.name = "ITRON2_id0_star", .sourceCode = 0, .company = 77, .outputs = {5}, .in = 3,
                  .expected = once("'*05<03!'"), .id = 0},
        BrandCase{.name = "ITRON2_id10_J", .sourceCode = 0, .company = 77, .outputs = {5}, .in = 3,
                  .expected = once("'J05<03!'"), .id = 10},
        BrandCase{.name = "EXTRON_video", .sourceCode = 0, .company = 22, .outputs = {5}, .in = 3,
                  .expected = once("'3*5%'"), .sw = 1},
        BrandCase{.name = "XTA002_audio", .sourceCode = 0, .company = 83, .outputs = {5}, .in = 3,
                  .expected = once("'3*5$'"), .sw = 2},
        BrandCase{"LCD001", 0, 90, {12}, 7, once("'7*12!'")},
        BrandCase{"AC_bang_opening_then_output", 0, 11, {5}, 3, {"'!' 0D", "pause 100", "'!1:G3*5' 0D", "pause 100"}},
        BrandCase{"AC_VR", 0, 61, {5}, 3, {"'!' 0D", "pause 100", "'!1:R3*5' 0D", "pause 100"}},
        BrandCase{"AC003", 0, 72, {5}, 3, {"'!' 0D", "pause 100", "'!1:G3*5' 0D", "pause 100"}},
        // The opening goes out even when no unit is connected.
        BrandCase{"AC_opening_alone", 0, 11, {0}, 3, once("'!' 0D")},
        BrandCase{"AC002_zero_bang", 0, 64, {5}, 3, once("'!' 00 '1:G' 00 '3*' 00 '5' 0D")},
        BrandCase{"AC002_VR", 0, 62, {5}, 3, once("'!' 00 '1:R' 00 '3*' 00 '5' 0D")},
        BrandCase{"XIAONIAO_swch", 0, 88, {5}, 3, once("'[SWCH,1,3,0,5]'")},
        BrandCase{"Mixed_swch_two_digits", 0, 93, {45}, 12, once("'[SWCH,1,12,0,45]'")},
        BrandCase{"CHANGE3_swch", 0, 100, {99}, 99, once("'[SWCH,1,99,0,99]'")},
        BrandCase{"XU_pv", 0, 28, {5}, 3, once("'PV01SV0305NT'")},
        BrandCase{"XU_VR_pv", 0, 69, {5}, 3, once("'PR01SW0305NT'")},
        BrandCase{"XTA001_pv", 0, 71, {5}, 3, once("'PV01SV0305NT'")},
        BrandCase{"KICON_comma", 0, 23, {5}, 3, once("'3,5,1,D,Y'")},
        BrandCase{.name = "KICON_comma_id0_no_address", .sourceCode = 0, .company = 23, .outputs = {5}, .in = 3,
                  .expected = once("'3,5,Y'"), .id = 0},
        BrandCase{.name = "KICON_comma_id12", .sourceCode = 0, .company = 23, .outputs = {5}, .in = 3,
                  .expected = once("'3,5,12,D,V'"), .sw = 1, .id = 12},
        BrandCase{"KICON1_numbers_from_zero", 0, 91, {5}, 3, once("'2,4,1,D,V'")},
        BrandCase{"DB_framed_comma", 0, 35, {5}, 3, once("'<3,5,1,D,B>'")},
        BrandCase{.name = "CHANGE1_as_DB", .sourceCode = 0, .company = 98, .outputs = {5}, .in = 3,
                  .expected = once("'<3,5,1,D,A>'"), .sw = 2},
        BrandCase{"CREATEK_list", 0, 4, {5, 12}, 3, once("'3B5,12.'")},
        BrandCase{.name = "LCD_list_video", .sourceCode = 0, .company = 87, .outputs = {5}, .in = 3,
                  .expected = once("'3V5.'"), .sw = 1},
        BrandCase{"CHANGE2_list", 0, 99, {5, 6, 7}, 3, once("'3B5,6,7.'")},
        BrandCase{"RZET_list", 0, 101, {5}, 3, once("'3B5.'")},
        BrandCase{"JKLi_list_ampersand", 0, 67, {5, 6}, 3, once("'3X5&6.'")},
        // One byte per write, each followed by the pause.
        BrandCase{"CREATEK3_byte_per_write", 0, 10, {5, 6}, 3,
                  {"'3'", "pause 100", "'B'", "pause 100", "'5'", "pause 100", "','", "pause 100", "'6'", "pause 100",
                   "'.'", "pause 100"}},
        // TRIOLION: the address byte by model (8X8: VGA x52, RGB x40), four pairs per packet.
        BrandCase{.name = "TRIOLION_groups_of_four", .sourceCode = 0, .company = 9, .outputs = {1, 2, 3, 4, 5},
                  .in = 3,
                  .expected = {"EB 52 02 08 00 02 01 02 02 02 03 02 6A", "pause 100", "EB 52 02 02 04 02 5C",
                               "pause 100"},
                  .model = 4},
        BrandCase{.name = "TRIOLION_rgb_address", .sourceCode = 1, .company = 9, .outputs = {1}, .in = 3,
                  .expected = once("EB 40 02 02 00 02 46"), .model = 4},
        BrandCase{.name = "TRIOLION_model_16X4", .sourceCode = 0, .company = 9, .outputs = {1}, .in = 3,
                  .expected = once("EB 20 02 02 00 02 26"), .model = 5},
        BrandCase{.name = "TRIOLION_exactly_four_no_empty_packet", .sourceCode = 0, .company = 9,
                  .outputs = {1, 2, 3, 4}, .in = 1, .expected = once("EB 52 02 08 00 00 01 00 02 00 03 00 62"),
                  .model = 4}));

INSTANTIATE_TEST_SUITE_P(
    OwnFormats, VgaBrandBytes,
    ::testing::Values(
        BrandCase{"HRCMS", 0, 5, {5}, 3, once("'A0503'")},
        BrandCase{"HRCMS_hex_digits", 0, 5, {26}, 255, once("'A1AFF'")},
        BrandCase{"SL001", 0, 12, {5}, 3, once("'A5&3!'")},
        BrandCase{.name = "SL001_id0_as_1", .sourceCode = 0, .company = 12, .outputs = {5}, .in = 3,
                  .expected = once("'A5&3!'"), .id = 0},
        BrandCase{.name = "SL001_id27_as_1", .sourceCode = 0, .company = 12, .outputs = {5}, .in = 3,
                  .expected = once("'A5&3!'"), .id = 27},
        BrandCase{.name = "SL001_id26", .sourceCode = 0, .company = 12, .outputs = {5}, .in = 3,
                  .expected = once("'Z5&3!'"), .id = 26},
        BrandCase{"SWITCHER", 0, 15, {5}, 3, once("40 '01,03B05!'")},
        BrandCase{"SL002_two_digits", 0, 17, {5}, 3, once("'A05(03!'")},
        BrandCase{"SL002_three_digits", 0, 17, {123}, 3, once("'A123(03!'")},
        BrandCase{"LIGUO", 0, 19, {5}, 3, once("EB 1B 02 02 04 02")},
        BrandCase{.name = "XIE_id_mod_6", .sourceCode = 0, .company = 24, .outputs = {5}, .in = 3,
                  .expected = once("'#105G0503'"), .id = 7},
        BrandCase{.name = "KEDI_video", .sourceCode = 0, .company = 26, .outputs = {5}, .in = 3,
                  .expected = once("'*03R05#'"), .sw = 1},
        BrandCase{"FST_negative_sum_wraps_to_0_127", 0, 29, {5}, 3, once("BB 05 02 42 99")},
        BrandCase{"FST", 0, 29, {40}, 50, once("BB 28 31 14 99")},
        BrandCase{"MVIIBR", 0, 30, {5}, 3, once("96 01 01 04 A1 04 02 00")},
        BrandCase{"ZD", 0, 32, {5}, 3, once("'L1003>005R#'")},
        BrandCase{.name = "ZD_id0", .sourceCode = 0, .company = 32, .outputs = {5}, .in = 3,
                  .expected = once("'L*003>005R#'"), .id = 0},
        BrandCase{.name = "CREATEK4_audio", .sourceCode = 0, .company = 36, .outputs = {5}, .in = 3,
                  .expected = once("FE EF 00 00 00 01 02 80 00 00 00 00 03 00 00 00 AB"), .sw = 2},
        BrandCase{"CREATEK4_output_12", 0, 36, {12}, 7, once("FE EF 00 00 00 01 04 81 00 00 00 07 00 00 00 00 AB")},
        BrandCase{"KEDI1", 0, 38, {5}, 3, once("01 'WRNx04y02' '4C' 04")},
        BrandCase{"KEDI2", 0, 40, {5}, 3, once("'*WRVx04y02--#'")},
        BrandCase{"KEDI2_16", 0, 40, {16}, 16, once("'*WRVx0Fy0F--#'")},
        BrandCase{.name = "EXTA_video", .sourceCode = 0, .company = 43, .outputs = {5}, .in = 3,
                  .expected = once("'!1:M3*5' 0D"), .sw = 1},
        BrandCase{"QB", 0, 46, {5}, 3, once("'S05<03' 0D")},
        BrandCase{"QB_two_digit_input", 0, 46, {5}, 12, once("'S05<12' 0D")},
        BrandCase{.name = "PROV_audio", .sourceCode = 0, .company = 47, .outputs = {5}, .in = 3,
                  .expected = once("BA 01 01 04 A3 04 02 69"), .sw = 2},
        BrandCase{"TECH_two_digits", 0, 49, {5}, 3, once("'0503C'")},
        BrandCase{.name = "TECH_three_digit_input", .sourceCode = 0, .company = 49, .outputs = {5}, .in = 3,
                  .expected = once("'05003C'"), .inputMax = 100},
        BrandCase{"SFLAG", 0, 50, {5}, 3, once("E0 F9 05 FF FF FF FF FF FF FF FF 03 01 A1")},
        BrandCase{"HYK", 0, 51, {5}, 3, once("55 05 01 A1 04 02 06")},
        BrandCase{.name = "CREATEK5_video", .sourceCode = 0, .company = 52, .outputs = {5}, .in = 3,
                  .expected = once("'3V5.' 0D"), .sw = 1},
        BrandCase{"SMTH4", 0, 54, {45}, 12, once("'01V12M45'")},
        BrandCase{"SMTH4_single_digits", 0, 54, {5}, 3, once("'01V03M05'")},
        BrandCase{"SMTH5", 0, 56, {5}, 3, once("'01V03V05'")},
        BrandCase{.name = "Erton_audio", .sourceCode = 0, .company = 63, .outputs = {5}, .in = 3,
                  .expected = once("'A0503'"), .sw = 2},
        BrandCase{"SMTH6", 0, 70, {5}, 3, once("7E 01 03 05 00 0D")},
        BrandCase{.name = "REA", .sourceCode = 0, .company = 73, .outputs = {5}, .in = 40,
                  .expected = once("F8 01 01 07 04 01 06"), .id = 2, .inputMax = 64},
        BrandCase{"VSS", 0, 74, {5}, 3, once("45 33 0D 0A")},
        BrandCase{"A5", 0, 76, {5}, 3, once("A5 00 01 01 03 05 01 B0")},
        BrandCase{"A5_01", 0, 78, {5}, 3, once("A5 00 01 01 05 03 01 B0")},
        BrandCase{"MAINVAN", 0, 79, {5}, 3, once("F4 03 21 05 00 00 29")},
        // The brand list's example: input 300 sends x2C second and x21 sixth.
        BrandCase{.name = "MAINVAN_input_300", .sourceCode = 0, .company = 79, .outputs = {5}, .in = 300,
                  .expected = once("F4 2C 21 05 00 21 73"), .inputMax = 300},
        BrandCase{"CREATEK6", 0, 82, {5}, 3, once("'3B5'")},
        BrandCase{"SWI", 0, 84, {5}, 3, once("'^SWI003005$'")},
        BrandCase{"GCZ001", 0, 86, {5}, 3, once("02 '00F0305' 03")},
        BrandCase{"AC004", 0, 89, {5}, 3, once("'!1:G3*5~' 0D")},
        BrandCase{.name = "YUJIN_video", .sourceCode = 0, .company = 92, .outputs = {5}, .in = 3,
                  .expected = once("FD 05 05 03 55"), .sw = 1},
        BrandCase{"SITO", 0, 94, {5}, 3, once("FF 03 00 81 05 00 00 89")},
        BrandCase{.name = "SITO_256_first_of_range_1", .sourceCode = 0, .company = 94, .outputs = {5}, .in = 256,
                  .expected = once("FF 00 01 81 05 00 00 87"), .inputMax = 1000},
        BrandCase{.name = "SITO_300", .sourceCode = 0, .company = 94, .outputs = {5}, .in = 300,
                  .expected = once("FF 2C 01 81 05 00 00 B3"), .inputMax = 1000},
        BrandCase{.name = "SITO_768_last_of_range_2", .sourceCode = 0, .company = 94, .outputs = {5}, .in = 768,
                  .expected = once("FF 00 02 81 05 00 00 88"), .inputMax = 1000},
        BrandCase{"JKJS", 0, 97, {5}, 3, once("'#A' 00 03 04 04 02 'V' FF")},
        BrandCase{"SMTH8", 0, 102, {5}, 3, once("'<m01#03v05>'")}));

// Values a field cannot carry: nothing is sent for that output, and the log
// says why; the other outputs of the call still go out.
struct RefusedCase {
  const char* name;
  int company;
  int in;
  std::vector<int> outputs;
  std::vector<std::string> expected;  // what the other outputs still send
  int id = 1;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class VgaRefusals : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(VgaRefusals, SendNothingForThatOutputAndSayWhy) {
  const RefusedCase& c = GetParam();
  MatrixRig rig;
  rig.configure(MatrixKind::VGA, c.company, c.id, 1000);
  rig.wireFirstRow(MatrixKind::VGA, c.outputs);
  const auto result = rig.run(0, c.in);
  EXPECT_EQ(result.script.toText(), expectedScript(c.expected).toText());
  ASSERT_FALSE(result.log.empty());
  EXPECT_NE(result.log.front().find(std::string(brandName(MatrixKind::VGA, c.company))), std::string::npos)
      << result.log.front();
}

INSTANTIATE_TEST_SUITE_P(
    UndefinedBytes, VgaRefusals,
    ::testing::Values(RefusedCase{"SITO_input_769", 94, 769, {5}, {}},
                      RefusedCase{"KEDI2_output_17", 40, 3, {17, 5}, once("'*WRVx04y02--#'")},
                      RefusedCase{"KEDI2_input_17", 40, 17, {5}, {}},
                      RefusedCase{"XIAONIAO_input_100", 88, 100, {5}, {}},
                      RefusedCase{"Mixed_output_100", 93, 3, {100, 5}, once("'[SWCH,1,3,0,5]'")},
                      RefusedCase{"CHANGE3_output_100", 100, 3, {100}, {}},
                      RefusedCase{"SMTH4_input_100", 54, 100, {5}, {}},
                      RefusedCase{"SMTH5_id_100", 56, 3, {5}, {}, 100},
                      RefusedCase{"SMTH5_output_100", 56, 3, {100}, {}},
                      RefusedCase{"SMTH8_input_100", 102, 100, {5}, {}},
                      RefusedCase{"Erton_output_100", 63, 3, {100}, {}}));

TEST(VgaBrands, CZ004HasNoFormatAndSendsNothing) {
  MatrixRig rig;
  rig.configure(MatrixKind::VGA, 75);
  rig.wireFirstRow(MatrixKind::VGA, {5});
  const auto result = rig.run(0, 3);
  EXPECT_TRUE(result.script.empty());
  EXPECT_TRUE(result.updatedEntries.empty());
  EXPECT_FALSE(result.log.empty());
}

}  // namespace
}  // namespace wall::test
