#include "core/link/read_reply.h"

#include <gtest/gtest.h>

namespace wall {
namespace {

struct ReplyCase {
  const char* what;
  int cmdForm;
  std::uint8_t code;
  bool forList;
  Bytes package;
  std::optional<ReplyValue> expected;
};

class ReplyDecoding : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ReplyDecoding, DecodesOrRefuses) {
  const ReplyCase& c = GetParam();
  EXPECT_EQ(decodeReply(valueReplyExpect(c.cmdForm, c.code, c.forList), c.package), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ReplyDecoding,
    ::testing::Values(
        ReplyCase{"format 0 brightness", 0, 0x41, false, {0x11, 0x41, 0x32, 0xAE}, ReplyValue{50, {}, {}}},
        ReplyCase{"format 3 is the 7-byte layout", 3, 0x41, false, {0x00, 0x41, 0x07, 0xAE, 0x99}, ReplyValue{7, {}, {}}},
        ReplyCase{"format 0 wrong code", 0, 0x41, false, {0x11, 0x40, 0x32, 0xAE}, std::nullopt},
        ReplyCase{"format 0 wrong tail", 0, 0x41, false, {0x11, 0x41, 0x32, 0xAF}, std::nullopt},
        ReplyCase{"format 0 short", 0, 0x41, false, {0x11, 0x41, 0x32}, std::nullopt},
        ReplyCase{"format 1 general 299", 1, 0x41, false, {0xE5, 0x00, 0x41, 0x2C, 0x01, 0xE0}, ReplyValue{299, {}, {}}},
        ReplyCase{"format 1 general wrong head", 1, 0x41, false, {0xE4, 0x00, 0x41, 0x2C, 0x01, 0xE0}, std::nullopt},
        ReplyCase{"format 1 general wrong tail", 1, 0x41, false, {0xE5, 0x00, 0x41, 0x2C, 0x01, 0xE1}, std::nullopt},
        ReplyCase{"format 1 pip window", 1, 0x65, false,
                  {0xE5, 0x00, 0x65, 0x10, 0x00, 0xE0, 0xE5, 0x00, 0x00, 0x01, 0x00, 0xE0, 0xE5, 0x00, 0x00, 0x64, 0x00, 0xE0},
                  ReplyValue{16, 1, 100}},
        ReplyCase{"format 1 pip window with 256 words", 1, 0x68, false,
                  {0xE5, 0x00, 0x68, 0x02, 0x01, 0xE0, 0xE5, 0x00, 0x00, 0x00, 0x00, 0xE0, 0xE5, 0x00, 0x00, 0x00, 0x02, 0xE0},
                  ReplyValue{258, 0, 512}},
        ReplyCase{"format 1 pip window one block short", 1, 0x65, false,
                  {0xE5, 0x00, 0x65, 0x10, 0x00, 0xE0, 0xE5, 0x00, 0x00, 0x01, 0x00, 0xE0, 0xE5, 0x00, 0x00, 0x64, 0x00},
                  std::nullopt},
        ReplyCase{"format 1 pip window broken middle block", 1, 0x66, false,
                  {0xE5, 0x00, 0x66, 0x10, 0x00, 0xE0, 0x00, 0x00, 0x00, 0x01, 0x00, 0xE0, 0xE5, 0x00, 0x00, 0x64, 0x00, 0xE0},
                  std::nullopt},
        ReplyCase{"format 1 pip code read by a list: general", 1, 0x65, true, {0xE5, 0x00, 0x65, 0x03, 0x00, 0xE0},
                  ReplyValue{3, {}, {}}},
        ReplyCase{"format 1 position: range block first", 1, 0x80, false,
                  {0xE5, 0x00, 0x00, 0xC8, 0x00, 0xE0, 0xE5, 0x00, 0x80, 0x40, 0x00, 0xE0}, ReplyValue{64, {}, 200}},
        ReplyCase{"format 1 position above 255 adds the high part", 1, 0x81, false,
                  {0xE5, 0x00, 0x00, 0x2D, 0x01, 0xE0, 0x00, 0x00, 0x81, 0x2C, 0x01}, std::nullopt},
        ReplyCase{"format 1 position, 12 bytes, hi 1", 1, 0x81, false,
                  {0xE5, 0x00, 0x00, 0x2D, 0x01, 0xE0, 0x00, 0x00, 0x81, 0x2C, 0x01, 0x00}, ReplyValue{299, {}, 300}},
        ReplyCase{"format 1 position wrong code", 1, 0x80, false,
                  {0xE5, 0x00, 0x00, 0xC8, 0x00, 0xE0, 0xE5, 0x00, 0x81, 0x40, 0x00, 0xE0}, std::nullopt},
        ReplyCase{"format 2", 2, 0x41, false, {0x01, 0x01, 0x41, 0x32, 0xAE}, ReplyValue{50, {}, {}}},
        ReplyCase{"format 2 wrong tail", 2, 0x41, false, {0x01, 0x01, 0x41, 0x32, 0x00}, std::nullopt},
        ReplyCase{"format 2 short", 2, 0x41, false, {0x01, 0x01, 0x41, 0x32}, std::nullopt}),
    [](const auto& param) { return "case" + std::to_string(param.index); });

struct SourceCase {
  int cmdForm;
  int row, column;
  Bytes package;
  std::optional<int> code;
};

class SourceReplies : public ::testing::TestWithParam<SourceCase> {};

TEST_P(SourceReplies, ChecksTheUnitByte) {
  const SourceCase& c = GetParam();
  auto v = decodeReply(sourceReplyExpect(c.cmdForm, c.row, c.column), c.package);
  ASSERT_EQ(v.has_value(), c.code.has_value());
  if (c.code) {
    EXPECT_EQ(v->value, *c.code);
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, SourceReplies,
                         ::testing::Values(SourceCase{0, 1, 2, {0x23, 0x30, 0x0F, 0xAE}, 15},
                                           SourceCase{0, 1, 2, {0x22, 0x30, 0x0F, 0xAE}, std::nullopt},  // another unit
                                           SourceCase{1, 1, 2, {0xE5, 0x07, 0x30, 0x0F, 0x00, 0xE0}, 15},
                                           SourceCase{1, 1, 2, {0xE5, 0x07, 0x31, 0x0F, 0x00, 0xE0}, std::nullopt},
                                           SourceCase{2, 1, 2, {0x00, 0x03, 0x30, 0x1E, 0xAE}, 30},
                                           SourceCase{2, 1, 2, {0x00, 0x02, 0x30, 0x1E, 0xAE}, std::nullopt},
                                           SourceCase{2, 1, 2, {0x00, 0x03, 0x30, 0x1E}, std::nullopt}));

TEST(InputSourceTable, MapsEveryCodeAndKeepsUnknownOnes) {
  const int expected[30] = {2, 3, 4, 5, 6, 0, 0, 0, 0, 7, 0, 8, 0, 1, 10, 11, 9, 0, 12, 13, 0, 1, 2, 3, 4, 9, 11, 16, 14, 15};
  for (int c = 0; c < 30; ++c) EXPECT_EQ(inputSourceFromCode(c), expected[c]) << c;
  EXPECT_EQ(inputSourceFromCode(30), 30);
  EXPECT_EQ(inputSourceFromCode(255), 255);
}

TEST(ReplyLayoutNames, RoundTrip) {
  for (auto l : {ReplyLayout::Short7, ReplyLayout::General8, ReplyLayout::Position8, ReplyLayout::Window8,
                 ReplyLayout::Nine, ReplyLayout::Source7, ReplyLayout::Source8, ReplyLayout::Source9}) {
    EXPECT_EQ(replyLayoutFromName(replyLayoutName(l)), l);
  }
  EXPECT_FALSE(replyLayoutFromName("short8"));
}

}  // namespace
}  // namespace wall
