#include "core/settings/ini_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace wall {
namespace {

struct NumberCase {
  std::string text;
  std::optional<std::int32_t> expected;
};

class IniNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(IniNumberTest, ReadsAsTheEarlierProgramDid) {
  EXPECT_EQ(parseIniInt(GetParam().text), GetParam().expected) << "text: \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniNumberTest,
    ::testing::Values(
        // Decimal, with the 32-bit bounds on both sides.
        NumberCase{"0", 0}, NumberCase{"42", 42}, NumberCase{"-7", -7}, NumberCase{"+7", 7},
        NumberCase{"007", 7}, NumberCase{"2147483647", 2147483647}, NumberCase{"2147483648", std::nullopt},
        NumberCase{"-2147483648", INT32_MIN}, NumberCase{"-2147483649", std::nullopt},
        NumberCase{"99999999999999999999999", std::nullopt},
        // Hexadecimal after $, 0x and 0X; a bit pattern of 32 bits.
        NumberCase{"$10", 16}, NumberCase{"0x1f", 31}, NumberCase{"0X1F", 31}, NumberCase{"$FFFFFF", 0xFFFFFF},
        NumberCase{"$FFFFFFFF", -1}, NumberCase{"0x80000000", INT32_MIN}, NumberCase{"$100000000", std::nullopt},
        NumberCase{"-$10", -16}, NumberCase{"-0x1", -1},
        // Not numbers: the caller's default applies.
        NumberCase{"", std::nullopt}, NumberCase{"-", std::nullopt}, NumberCase{"+", std::nullopt},
        NumberCase{"$", std::nullopt}, NumberCase{"0x", std::nullopt}, NumberCase{"1.5", std::nullopt},
        NumberCase{"42A9", std::nullopt}, NumberCase{"ten", std::nullopt}, NumberCase{"1 2", std::nullopt},
        NumberCase{" 1", std::nullopt}, NumberCase{"$G", std::nullopt}, NumberCase{"0x-1", std::nullopt},
        NumberCase{"--1", std::nullopt}, NumberCase{"1e3", std::nullopt}, NumberCase{std::string("1\0", 2), std::nullopt},
        NumberCase{"１", std::nullopt}));

}  // namespace
}  // namespace wall
