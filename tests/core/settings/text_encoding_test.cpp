#include "core/settings/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace wall {
namespace {

using namespace std::string_literals;

struct DecodeCase {
  std::string name;
  std::string bytes;
  std::string utf8;
  TextEncoding encoding;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, PicksTheEncodingAndDecodes) {
  const DecodedText d = decodeSettingsText(GetParam().bytes);
  EXPECT_EQ(d.utf8, GetParam().utf8);
  EXPECT_EQ(d.encoding, GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeTest,
    ::testing::Values(
        DecodeCase{"Empty", "", "", TextEncoding::Utf8},
        DecodeCase{"Ascii", "[S]\r\nk=1\r\n", "[S]\r\nk=1\r\n", TextEncoding::Utf8},
        DecodeCase{"Utf8Bom", "\xEF\xBB\xBF[S]\nk=模式1\n", "[S]\nk=模式1\n", TextEncoding::Utf8Bom},
        // With a mark, two-byte sequences are UTF-8 too.
        DecodeCase{"Utf8BomTwoByte", "\xEF\xBB\xBF\xC4\xA3\xCA\xBD\x31", "ģʽ1", TextEncoding::Utf8Bom},
        // 模式1 in GBK is also valid UTF-8 ("ģʽ1"), but of two-byte sequences: GBK.
        DecodeCase{"ShortGbkThatIsValidUtf8", "k=\xC4\xA3\xCA\xBD\x31", "k=模式1", TextEncoding::Gb18030},
        DecodeCase{"GbkInvalidAsUtf8", "[\xC6\xD5\xCD\xA8]\nName=\xBB\xE1\xD2\xE9\xCA\xD2\n", "[普通]\nName=会议室\n",
                   TextEncoding::Gb18030},
        // Chinese saved by a Linux editor: three-byte sequences only.
        DecodeCase{"Utf8ChineseWithoutBom", "k=模式1\n名=会议室\n", "k=模式1\n名=会议室\n", TextEncoding::Utf8},
        // Four-byte UTF-8 is not the shape of Chinese text: read as GB18030.
        DecodeCase{"FourByteUtf8IsNotTakenAsUtf8", "\xF0\x9F\x98\x80", "\xE9\xA6\x83\xE6\xA6\xBE"s,
                   TextEncoding::Gb18030},
        DecodeCase{"Utf16Le", "\xFF\xFE[\0S\0]\0\n\0k\0=\0\x21\x6A\x0F\x5F"s, "[S]\nk=模式", TextEncoding::Utf16Le},
        DecodeCase{"Utf16LeSurrogatePair", "\xFF\xFE\x3D\xD8\x00\xDE"s, "\xF0\x9F\x98\x80", TextEncoding::Utf16Le},
        DecodeCase{"Utf16LeLoneSurrogateAndOddByte", "\xFF\xFE\x00\xD8\x41\x00\x42"s, "\xEF\xBF\xBD" "A\xEF\xBF\xBD",
                   TextEncoding::Utf16Le},
        DecodeCase{"Utf16Be", "\xFE\xFF\0k\0=\x6A\x21"s, "k=模", TextEncoding::Utf16Be},
        // Bytes GB18030 does not know become U+FFFD and decoding goes on.
        DecodeCase{"InvalidGbBytes", "a\xFF" "b\x80" "c\x81", "a\xEF\xBF\xBD" "b\xEF\xBF\xBD" "c\xEF\xBF\xBD",
                   TextEncoding::Gb18030},
        DecodeCase{"NulKept", "a\0b"s, "a\0b"s, TextEncoding::Utf8}),
    [](const auto& tpi) { return tpi.param.name; });

TEST(TextEncoding, GbkRoundTripOfEveryCommonHanzi) {
  // Every character of the GB2312 Chinese rows, through GB18030 and back.
  std::string gb;
  for (int lead = 0xB0; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      if (lead == 0xD7 && trail > 0xF9) continue;  // the unused end of row 55
      gb += static_cast<char>(lead);
      gb += static_cast<char>(trail);
    }
  }
  const DecodedText d = decodeSettingsText(gb);
  EXPECT_EQ(d.encoding, TextEncoding::Gb18030);
  EXPECT_EQ(d.utf8.find("\xEF\xBF\xBD"), std::string::npos);
  EXPECT_EQ(utf8ToGb18030(d.utf8), gb);
  // And the UTF-8 of the same text, without a mark, is taken as UTF-8.
  EXPECT_EQ(decodeSettingsText(d.utf8).encoding, TextEncoding::Utf8);
  EXPECT_EQ(decodeSettingsText(d.utf8).utf8, d.utf8);
}

TEST(TextEncoding, WritesUtf8WithAMark) {
  const std::string bytes = encodeSettingsText("k=模式1");
  EXPECT_EQ(bytes, "\xEF\xBB\xBFk=模式1");
  EXPECT_EQ(decodeSettingsText(bytes).utf8, "k=模式1");
}

TEST(TextEncoding, Utf8ShapeCheck) {
  EXPECT_TRUE(looksLikeUtf8Chinese("plain ascii"));
  EXPECT_TRUE(looksLikeUtf8Chinese("模式"));
  EXPECT_FALSE(looksLikeUtf8Chinese("é"));
  EXPECT_FALSE(looksLikeUtf8Chinese("\xE6\xA8"));            // cut short
  EXPECT_FALSE(looksLikeUtf8Chinese("\xE0\x80\x80"));        // overlong
  EXPECT_FALSE(looksLikeUtf8Chinese("\xED\xA0\x80"));        // a surrogate
  EXPECT_FALSE(looksLikeUtf8Chinese("12345678\xE6\xA8" "x"));  // after the fast ASCII run
}

}  // namespace
}  // namespace wall
