// Every DVI and YPbPr brand's bytes, with the examples the brand lists are
// known by.
#include <gtest/gtest.h>

#include "brand_case.h"
#include "core/matrix/matrix_catalog.h"
#include "matrix_test_support.h"

namespace wall::test {
namespace {

class DviYpbprBrandBytes : public ::testing::TestWithParam<BrandCase> {};

TEST_P(DviYpbprBrandBytes, MatchTheWire) { expectBrandBytes(GetParam()); }

// Key events of "SMTH3": press and release, each followed by the pause.
std::vector<std::string> smth3Keys(std::initializer_list<int> keys) {
  std::vector<std::string> lines;
  for (int k : keys) {
    for (char e : {'1', '0'}) {
      lines.push_back("'*801K0," + std::to_string(k) + "," + e + "'");
      lines.push_back("pause 100");
    }
  }
  return lines;
}

std::vector<std::string> bytePerWrite(const std::string& text) {
  std::vector<std::string> lines;
  for (char ch : text) {
    lines.push_back(ch == '@' ? "40" : std::string("'") + ch + "'");
    lines.push_back("pause 100");
  }
  return lines;
}

constexpr int kDvi = 10;
constexpr int kHdmi = 11;
constexpr int kYpbpr = 8;

INSTANTIATE_TEST_SUITE_P(
    Dvi, DviYpbprBrandBytes,
    ::testing::Values(
        BrandCase{"QRV001_k_A5", kDvi, 1, {5}, 3, once("C5 B1 01 A5 04 15 'Q' 03 05 18")},
        BrandCase{"DVI001_two_packets", kDvi, 2, {5}, 3, {"'3,5,1,D,V'", "pause 100", "'5,3,1,D,Z'", "pause 100"}},
        BrandCase{.name = "DVI001_id0_as_1", .sourceCode = kDvi, .company = 2, .outputs = {5}, .in = 3,
                  .expected = {"'3,5,1,D,V'", "pause 100", "'5,3,1,D,Z'", "pause 100"}, .id = 0},
        BrandCase{.name = "DVI001_id100_as_1", .sourceCode = kDvi, .company = 2, .outputs = {5}, .in = 3,
                  .expected = {"'3,5,1,D,V'", "pause 100", "'5,3,1,D,Z'", "pause 100"}, .id = 100},
        BrandCase{.name = "DVI001_id99", .sourceCode = kDvi, .company = 2, .outputs = {5}, .in = 3,
                  .expected = {"'3,5,99,D,V'", "pause 100", "'5,3,99,D,Z'", "pause 100"}, .id = 99},
        // Written three times in a row, then the pause.
        BrandCase{"LKV344_three_writes", kDvi, 3, {4}, 2, {"'a44' 00", "'a44' 00", "'a44' 00", "pause 100"}},
        BrandCase{"CKDZ", kDvi, 4, {5}, 3, once("FF 01 09 03 05 AA")},
        BrandCase{"HDMI0808", kDvi, 5, {5}, 3, once("BB 00 02 04")},
        BrandCase{.name = "MVIIBR_audio", .sourceCode = kDvi, .company = 6, .outputs = {5}, .in = 3,
                  .expected = once("96 01 01 04 A1 04 02 00"), .sw = 2},
        BrandCase{"CH001", kDvi, 7, {5}, 3, once("FF 07 01 02 02 04 F1")},
        BrandCase{"ATYC", kDvi, 8, {5}, 3, once("FF AA 05 02 04 3C")},
        BrandCase{.name = "PROV_video", .sourceCode = kDvi, .company = 9, .outputs = {5}, .in = 3,
                  .expected = once("BA 01 01 04 A5 04 02 6B"), .sw = 1},
        BrandCase{.name = "ODIN", .sourceCode = kDvi, .company = 10, .outputs = {5}, .in = 3,
                  .expected = once("FF 07 02 02 02 04 F0"), .id = 2},
        BrandCase{"SFLAG", kDvi, 11, {5}, 3, once("E0 D9 05 FF FF FF FF FF FF FF FF 03 01 A1")},
        BrandCase{"IDOT", kDvi, 12, {3}, 1, once("'a5E'")},
        // The brand list's example: input 12 and output 3.
        BrandCase{"SMTH3_keys", kDvi, 13, {3}, 12, smth3Keys({73, 62, 63, 76, 61, 64, 76})},
        BrandCase{"SMTH3_digit_zero_is_key_61", kDvi, 13, {10}, 20, smth3Keys({73, 63, 61, 76, 61, 62, 61, 76})},
        BrandCase{"SMTH3_input_alone", kDvi, 13, {0}, 7, smth3Keys({73, 68, 76})},
        BrandCase{"JKJS", kDvi, 14, {5}, 3, once("'#A' 00 03 04 04 02 'V' FF")},
        BrandCase{"HDMx", kDvi, 15, {5, 6}, 3, once("'3X5&6.'")},
        BrandCase{"EXTRON", kDvi, 16, {5}, 3, once("'3*5!'")},
        BrandCase{"CREATEK", kDvi, 17, {5}, 3, once("'3B5.'")},
        // The brand list's example: input 2 to output 3 sends x12 seventh.
        BrandCase{"YD4x4", kDvi, 18, {3}, 2, once("7E 06 3F 01 FF 30 12 7F")},
        BrandCase{"YD4x4_output_17_wraps_to_0", kDvi, 18, {17}, 2, once("7E 06 3F 01 FF 30 10 7F")},
        BrandCase{.name = "CREATEK2_trailer", .sourceCode = kDvi, .company = 19, .outputs = {5, 6}, .in = 3,
                  .expected = once("'3A5&6.' 0D 0A"), .sw = 2},
        BrandCase{"MAINVAN", kDvi, 20, {5}, 3, once("F4 03 21 05 00 00 29")},
        BrandCase{"DB", kDvi, 21, {5}, 3, once("'<3,5,1,D,B>'")},
        BrandCase{"DB002", kDvi, 22, {5}, 3, once("'3,5,1,D,B'")},
        BrandCase{.name = "XU_video", .sourceCode = kDvi, .company = 23, .outputs = {5}, .in = 3,
                  .expected = once("'PH01SW0305NT'"), .sw = 1},
        BrandCase{"ITRON", kDvi, 24, {5}, 3, once("'A05<03!'")},
        BrandCase{"QRV003", kDvi, 25, {5}, 3, once("'<3,5,1,D,B>'")},
        BrandCase{"GC002", kDvi, 26, {5}, 3, once("96 01 01 04 A2 04 02 00")},
        BrandCase{"IFB", kDvi, 27, {5}, 3, once("'IFBF305P'")},
        BrandCase{"QRV002", kDvi, 28, {5}, 3, once("96 01 01 04 A2 04 02 44")},
        BrandCase{.name = "CREATEK6_video", .sourceCode = kDvi, .company = 29, .outputs = {5}, .in = 3,
                  .expected = once("'3XV5.'"), .sw = 1},
        BrandCase{.name = "ITRON2_id0", .sourceCode = kDvi, .company = 30, .outputs = {5}, .in = 3,
                  .expected = once("'*05<03!'"), .id = 0},
        BrandCase{"SWITCHER_byte_per_write", kDvi, 31, {5}, 3, bytePerWrite("@01,03B05!")},
        BrandCase{"CREATEK7", kDvi, 32, {5}, 3, once("'3B5'")},
        BrandCase{"ZC001", kHdmi, 33, {5}, 3, once("FF 01 03 03 05 AA")},
        BrandCase{"XTA001", kDvi, 34, {5}, 3, once("'PD01SW0305NT'")},
        BrandCase{"SWIT", kDvi, 35, {5}, 3, once("'<swit,5,3>'")},
        BrandCase{"SISO", kDvi, 36, {5}, 3, once("F2 00 03 22 05 01 00 25")},
        // The brand list's example: input 2 to output 4.
        BrandCase{"MX0404", kDvi, 37, {4}, 2, once("'cir 44' 0D 0A")},
        BrandCase{.name = "XUHDMI_audio", .sourceCode = kDvi, .company = 38, .outputs = {5}, .in = 3,
                  .expected = once("'PV01SA0305NT'"), .sw = 2},
        BrandCase{"XIAONIAO", kDvi, 39, {5}, 3, once("'[SWCH,1,3,0,5]'")},
        BrandCase{.name = "A8EXTRON_video", .sourceCode = kDvi, .company = 40, .outputs = {5}, .in = 3,
                  .expected = once("C8 A5 00 01 03 05 55 AA"), .sw = 1},
        BrandCase{"CREATEK8_byte_per_write", kDvi, 41, {5}, 3, bytePerWrite("3B5.")},
        BrandCase{"AC_bang_H", kDvi, 42, {5}, 3, {"'!' 0D", "pause 100", "'!1:H3*5' 0D", "pause 100"}},
        BrandCase{"Mixed", kDvi, 43, {5}, 3, once("'[SWCH,1,3,0,5]'")},
        BrandCase{.name = "XTA002_video", .sourceCode = kDvi, .company = 44, .outputs = {5}, .in = 3,
                  .expected = once("'PR01SW0305NT'"), .sw = 1},
        BrandCase{"PR0404_letters", kDvi, 45, {5, 6}, 3, once("'EF@3!'")},
        // Sent also without an output letter.
        BrandCase{"PR0404_no_output", kDvi, 45, {0}, 3, once("'@3!'")},
        BrandCase{"P-DVI", kDvi, 46, {5}, 3, once("'3B5.'")},
        BrandCase{"P-HDMI", kHdmi, 47, {5}, 3, once("'3B5.'")},
        BrandCase{"CHANGE1", kDvi, 48, {5}, 3, once("'<3,5,1,D,B>'")},
        BrandCase{"CHANGE2", kDvi, 49, {5}, 3, once("'3B5.'")},
        BrandCase{"CHANGE3", kDvi, 50, {5}, 3, once("'[SWCH,1,3,0,5]'")},
        BrandCase{"RZET", kDvi, 51, {5}, 3, once("'3B5.'")},
        BrandCase{"QRV004", kDvi, 52, {5}, 3, once("'{{' 01 02 02 10 05 '}}'")},
        BrandCase{"QRV004_output_8", kDvi, 52, {8}, 1, once("'{{' 01 02 00 80 73 '}}'")},
        BrandCase{.name = "HVSM_audio", .sourceCode = kDvi, .company = 53, .outputs = {5}, .in = 3,
                  .expected = once("BB 04 01 01 03 05 55"), .sw = 2},
        // The brand list's example: input 1 to output 3 as the one byte x5E.
        BrandCase{"HDMXs", kDvi, 54, {3}, 1, once("05 55 19 5E 77")}));

INSTANTIATE_TEST_SUITE_P(
    Ypbpr, DviYpbprBrandBytes,
    ::testing::Values(BrandCase{"QRV001_k_A6", kYpbpr, 1, {5}, 3, once("C5 B1 01 A6 04 15 'Q' 03 05 19")},
                      BrandCase{"MVIIBR", kYpbpr, 2, {5}, 3, once("96 01 01 04 A1 04 02 00")},
                      BrandCase{"AC002_VR", kYpbpr, 3, {5}, 3, once("'!' 00 '1:R' 00 '3*' 00 '5' 0D")}));

// The four-by-four code table, whole, through "IDOT" ('a' + code).
TEST(FourByFourBrands, EveryPairOfTheCodeTable) {
  const char* codes[4][4] = {
      {"09", "17", "5E", "18"}, {"1D", "12", "06", "44"}, {"1F", "59", "05", "0F"}, {"0D", "08", "03", "51"}};
  for (int in = 1; in <= 4; ++in) {
    for (int out = 1; out <= 4; ++out) {
      MatrixRig rig;
      rig.configure(MatrixKind::DVI, 12);
      rig.wireFirstRow(MatrixKind::DVI, {out});
      EXPECT_EQ(rig.run(kDvi, in).script, expectedScript(once(std::string("'a") + codes[in - 1][out - 1] + "'")))
          << "input " << in << " output " << out;
    }
  }
}

struct OutsideCase {
  const char* name;
  int company;
  int in;
  int out;
};

void PrintTo(const OutsideCase& c, std::ostream* os) { *os << c.name; }

class DviRefusals : public ::testing::TestWithParam<OutsideCase> {};

TEST_P(DviRefusals, SendNothingAndSayWhy) {
  const OutsideCase& c = GetParam();
  MatrixRig rig;
  rig.configure(MatrixKind::DVI, c.company, 1, 1000);
  rig.wireFirstRow(MatrixKind::DVI, {c.out});
  const auto result = rig.run(kDvi, c.in);
  EXPECT_TRUE(result.script.empty()) << result.script.toText();
  ASSERT_EQ(result.log.size(), 1u);
  EXPECT_NE(result.log.front().find(std::string(brandName(MatrixKind::DVI, c.company))), std::string::npos);
  // The unit still records its input: the walk goes on, only the packet is withheld.
  EXPECT_EQ(result.updatedEntries, std::vector<int>{0});
}

INSTANTIATE_TEST_SUITE_P(
    OutsideTheirRange, DviRefusals,
    ::testing::Values(OutsideCase{"MX0404_input_5", 37, 5, 4}, OutsideCase{"MX0404_output_5", 37, 2, 5},
                      OutsideCase{"LKV344_input_5", 3, 5, 1}, OutsideCase{"IDOT_output_5", 12, 1, 5},
                      OutsideCase{"HDMXs_input_5", 54, 5, 3}, OutsideCase{"QRV004_output_9", 52, 1, 9},
                      OutsideCase{"XIAONIAO_output_100", 39, 1, 100}, OutsideCase{"Mixed_input_100", 43, 100, 1},
                      OutsideCase{"CHANGE3_input_150", 50, 150, 1}));

}  // namespace
}  // namespace wall::test
