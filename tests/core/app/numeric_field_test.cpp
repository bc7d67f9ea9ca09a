#include "core/app/numeric_field.h"

#include <gtest/gtest.h>

namespace wall {
namespace {

struct FieldCase {
  const char* typed;
  const char* shown;
  std::optional<int> value;
  bool beep;
};

class NumericField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(NumericField, StripsAndClamps) {
  const auto r = numericFieldChanged(GetParam().typed);
  EXPECT_EQ(r.text, GetParam().shown);
  EXPECT_EQ(r.value, GetParam().value);
  EXPECT_EQ(r.beep, GetParam().beep);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumericField,
    ::testing::Values(FieldCase{"12a3", "123", 123, false}, FieldCase{"99999", "10000", 10000, true},
                      FieldCase{"10000", "10000", 10000, false}, FieldCase{"10001", "10000", 10000, true},
                      FieldCase{"", "", std::nullopt, false}, FieldCase{"abc", "", std::nullopt, false},
                      FieldCase{"007", "7", 7, false}, FieldCase{"-5", "5", 5, false},
                      FieldCase{"0", "0", 0, false},
                      FieldCase{"99999999999999999999999", "10000", 10000, true},
                      FieldCase{"１２", "", std::nullopt, false}));  // full-width digits are not digits

TEST(NumericKey, DigitsAndBackspaceOnly) {
  for (char32_t k : {U'0', U'5', U'9', kBackspace}) EXPECT_TRUE(numericKeyAccepted(k));
  for (char32_t k : {U'a', U'-', U' ', U'.', U'\r', U'０', U'/', U':'}) EXPECT_FALSE(numericKeyAccepted(k));
}

}  // namespace
}  // namespace wall
