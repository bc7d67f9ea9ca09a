#include "core/app/source_names.h"

#include <gtest/gtest.h>

namespace wall {
namespace {

struct NameCase {
  int productType;
  int source;
  const char* name;
};

class SourceNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(SourceNames, ByProductType) {
  EXPECT_EQ(sourceName(GetParam().productType, GetParam().source), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SourceNames,
    ::testing::Values(NameCase{6, 11, "HDMI"}, NameCase{0, 0, "VGA"}, NameCase{2, 11, "DP"},
                      NameCase{2, 10, "DVI"}, NameCase{5, 2, "AV1"}, NameCase{5, 11, "DVI2"},
                      NameCase{7, 0, "VGA1"}, NameCase{7, 7, "HDMI1"}, NameCase{7, 8, ""},
                      NameCase{7, 11, ""}, NameCase{8, 10, "HDMI1"}, NameCase{9, 2, "AV"},
                      NameCase{10, 6, "QUAD"}, NameCase{11, 2, "AV1"}, NameCase{11, 11, "HDMI"},
                      NameCase{12, 11, "DVI2"}, NameCase{13, 10, "DVI1"}, NameCase{3, 7, "SV"},
                      NameCase{4, 9, "YUV2"}, NameCase{1, 12, ""}, NameCase{13, 12, ""},
                      // Outside the table: the number stands in for the name.
                      NameCase{14, 11, "11"}, NameCase{-1, 3, "3"}, NameCase{6, 13, "13"},
                      NameCase{6, -2, "-2"}, NameCase{255, 2147483647, "2147483647"}));

TEST(UnitLabel, RowColumnTwoBlanksName) {
  EXPECT_EQ(unitLabel(1, 2, "HDMI"), "2:3  HDMI");
  EXPECT_EQ(unitLabel(0, 0, ""), "1:1  ");
  EXPECT_EQ(unitLabel(29, 29, "DP"), "30:30  DP");
  EXPECT_EQ(unitHint(1, 2), "2:3");
}

}  // namespace
}  // namespace wall
