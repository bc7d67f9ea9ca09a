#include "core/app/plan_names.h"

#include <gtest/gtest.h>

namespace wall {
namespace {

TEST(PlanNames, DefaultByLanguageAndStoredNameInBoth) {
  EXPECT_EQ(planName(std::nullopt, 4, 0), "模式5");
  EXPECT_EQ(planName(std::nullopt, 4, 1), "Mode5");
  EXPECT_EQ(planName(std::nullopt, 47, 7), "Mode48");  // any language but 0 is English
  EXPECT_EQ(planName(std::string("会议"), 4, 0), "会议");
  EXPECT_EQ(planName(std::string("会议"), 4, 1), "会议");
  EXPECT_EQ(planName(std::string(""), 0, 1), "");  // a name set to empty stays empty
  EXPECT_EQ(planNameKey(0), "Wall_Mode0");
}

}  // namespace
}  // namespace wall
