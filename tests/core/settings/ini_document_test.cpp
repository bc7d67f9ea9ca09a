#include "core/settings/ini_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace wall {
namespace {

using namespace std::string_literals;

// ---- Reading -------------------------------------------------------------

struct ReadCase {
  std::string name;
  std::string text;
  std::string section;
  std::string key;
  std::optional<std::string> expected;
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, ReadsAsTheEarlierProgram) {
  const ReadCase& c = GetParam();
  const IniDocument doc(c.text);
  const auto v = doc.value(c.section, c.key);
  ASSERT_EQ(v.has_value(), c.expected.has_value());
  if (v) {
    EXPECT_EQ(std::string(*v), *c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniReadTest,
    ::testing::Values(
        ReadCase{"Plain", "[S]\nk=v\n", "S", "k", "v"},
        ReadCase{"NamesIgnoreCase", "[setting]\nLANGUAGE=1\n", "SETTING", "Language", "1"},
        ReadCase{"KeyMatchesWhole", "[S]\nkey1=1\n", "S", "key", std::nullopt},
        ReadCase{"SectionMatchesWhole", "[SS]\nk=1\n", "S", "k", std::nullopt},
        ReadCase{"BlanksStripped", "  [ S ]  \n \t k \t= \t v w \t \n", "S", "k", "v w"},
        ReadCase{"CallerNamesStripped", "[S]\nk=v\n", " S ", "\tk ", "v"},
        ReadCase{"SectionEndsAtFirstBracket", "[S]junk]\nk=v\n", "S", "k", "v"},
        ReadCase{"TextAfterSectionIgnored", "[S] ; note\nk=v\n", "S", "k", "v"},
        ReadCase{"UnclosedSection", "[S\nk=v\n", "S", "k", "v"},
        ReadCase{"FirstKeyWins", "[S]\nk=1\nK=2\n", "S", "k", "1"},
        ReadCase{"OnlyFirstSectionSearched", "[S]\na=1\n[T]\n[s]\nb=2\n", "S", "b", std::nullopt},
        ReadCase{"RepeatedSectionKeepsFirst", "[S]\na=1\n[S]\na=3\n", "S", "a", "1"},
        ReadCase{"CommentLine", "[S]\n;k=1\n  ;k=2\nk=3\n", "S", "k", "3"},
        ReadCase{"HashIsNotComment", "[S]\n#k=1\n", "S", "#k", "1"},
        ReadCase{"NoInlineComment", "[S]\nk=v ; note\n", "S", "k", "v ; note"},
        ReadCase{"DoubleQuotes", "[S]\nk=\" a \"\n", "S", "k", " a "},
        ReadCase{"SingleQuotes", "[S]\nk='v'\n", "S", "k", "v"},
        ReadCase{"OnlyOnePairOfQuotes", "[S]\nk=\"\"v\"\"\n", "S", "k", "\"v\""},
        ReadCase{"MismatchedQuotesKept", "[S]\nk=\"v'\n", "S", "k", "\"v'"},
        ReadCase{"LoneQuoteKept", "[S]\nk=\"\n", "S", "k", "\""},
        ReadCase{"EmptyQuotes", "[S]\nk=\"\"\n", "S", "k", ""},
        ReadCase{"EmptyValueIsNotMissing", "[S]\nk=  \n", "S", "k", ""},
        ReadCase{"EqualsInValue", "[S]\nk=a=b\n", "S", "k", "a=b"},
        ReadCase{"LineWithoutEqualsHoldsNoKey", "[S]\nk\nk=2\n", "S", "k", "2"},
        ReadCase{"KeyBeforeAnySection", "k=1\n[S]\n", "S", "k", std::nullopt},
        ReadCase{"Crlf", "[S]\r\nk=v\r\n", "S", "k", "v"},
        ReadCase{"LoneCr", "[S]\rk=v\r", "S", "k", "v"},
        ReadCase{"MixedEndings", "[S]\ra=1\nb=2\r\nc=3", "S", "c", "3"},
        ReadCase{"NulInValue", "[S]\nk=a\0b\n"s, "S", "k", "a\0b"s},
        ReadCase{"ChineseNames", "[模式]\n名称=预案一\n", "模式", "名称", "预案一"},
        ReadCase{"EmptySectionName", "[]\nk=1\n", "", "k", std::nullopt},
        ReadCase{"EmptyKeyName", "[S]\n=1\n", "S", "", std::nullopt},
        ReadCase{"LongValueCut", "[S]\nk=" + std::string(3000, 'x') + "\n", "S", "k", std::string(2047, 'x')},
        ReadCase{"LongNulValueCut", "[S]\nk=" + std::string(3000, '\0') + "\n", "S", "k",
                 std::string(2047, '\0')}),
    [](const auto& tpi) { return tpi.param.name; });

TEST(IniDocument, CutsLongValuesAtCharactersNotBytes) {
  std::string chinese;
  for (int i = 0; i < 3000; ++i) chinese += "模";
  const IniDocument doc("[S]\nk=" + chinese + "\n");
  const auto v = doc.value("S", "k");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->size(), 2047u * 3);
  EXPECT_EQ(v->substr(v->size() - 3), "模");
}

struct TypedCase {
  std::string value;
  std::int32_t asInt;  // read with default -99
  bool asBoolTrueDefault;
  bool asBoolFalseDefault;
};

class IniTypedReadTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(IniTypedReadTest, NumbersOrTheDefault) {
  const IniDocument doc("[S]\nk=" + GetParam().value + "\n");
  EXPECT_EQ(doc.readInt("S", "k", -99), GetParam().asInt);
  EXPECT_EQ(doc.readBool("S", "k", true), GetParam().asBoolTrueDefault);
  EXPECT_EQ(doc.readBool("S", "k", false), GetParam().asBoolFalseDefault);
}

INSTANTIATE_TEST_SUITE_P(Table, IniTypedReadTest,
                         ::testing::Values(TypedCase{"0", 0, false, false}, TypedCase{"1", 1, true, true},
                                           TypedCase{"2", 2, true, true}, TypedCase{"-1", -1, true, true},
                                           TypedCase{"$0", 0, false, false}, TypedCase{"\"5\"", 5, true, true},
                                           TypedCase{"true", -99, true, false}, TypedCase{"", -99, true, false},
                                           TypedCase{"1.5", -99, true, false}, TypedCase{"42A9", -99, true, false}));

TEST(IniDocument, MissingKeyGivesDefaultButEmptyValueGivesEmpty) {
  const IniDocument doc("[S]\nempty=\n");
  EXPECT_EQ(doc.readString("S", "empty", "def"), "");
  EXPECT_EQ(doc.readString("S", "missing", "def"), "def");
  EXPECT_EQ(doc.readString("T", "empty", "def"), "def");
  EXPECT_EQ(doc.readInt("S", "missing", 7), 7);
  EXPECT_TRUE(doc.hasSection("s"));
  EXPECT_FALSE(doc.hasSection("T"));
}

// ---- Editing -------------------------------------------------------------

struct EditCase {
  std::string name;
  std::string before;
  std::string section;
  std::string key;
  std::string value;
  std::string after;
};

class IniEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(IniEditTest, ChangesOnlyWhatItMust) {
  const EditCase& c = GetParam();
  IniDocument doc(c.before);
  ASSERT_TRUE(doc.set(c.section, c.key, c.value));
  EXPECT_EQ(doc.text(), c.after);
  // The edit reads back, from the document and from its text.
  EXPECT_EQ(doc.value(c.section, c.key), std::optional<std::string_view>(c.value));
  EXPECT_EQ(IniDocument(doc.text()).value(c.section, c.key), std::optional<std::string_view>(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniEditTest,
    ::testing::Values(
        EditCase{"InPlaceKeepsBlanks", "[S]\r\nk = 1  \r\n", "S", "k", "2", "[S]\r\nk = 2  \r\n"},
        EditCase{"FirstOccurrence", "[S]\nk=1\nk=2\n", "S", "k", "9", "[S]\nk=9\nk=2\n"},
        EditCase{"CaseOfFileKept", "[s]\nK=1\n", "S", "k", "9", "[s]\nK=9\n"},
        EditCase{"QuotedValueReplaced", "[S]\nk=\"old\"\n", "S", "k", "new", "[S]\nk=new\n"},
        EditCase{"EmptyValueFilled", "[S]\nk=\n", "S", "k", "5", "[S]\nk=5\n"},
        EditCase{"HeaderJunkKept", "[S] junk\nk=1\n", "S", "k", "2", "[S] junk\nk=2\n"},
        EditCase{"AppendAfterLastKey", "[A]\nx=1\n\n; about B\n[B]\ny=2\n", "A", "z", "3",
                 "[A]\nx=1\nz=3\n\n; about B\n[B]\ny=2\n"},
        EditCase{"AppendToHeaderOnly", "[A]\n[B]\n", "A", "k", "1", "[A]\nk=1\n[B]\n"},
        EditCase{"AppendToFirstOfRepeated", "[A]\na=1\n[A]\nb=2\n", "A", "b", "3", "[A]\na=1\nb=3\n[A]\nb=2\n"},
        EditCase{"AppendAfterLineWithoutEquals", "[A]\nnote\n\n", "A", "k", "1", "[A]\nnote\nk=1\n\n"},
        EditCase{"NewSectionAtEnd", "[A]\na=1\n", "B", "b", "2", "[A]\na=1\n\n[B]\nb=2\n"},
        EditCase{"NewSectionAfterBlank", "[A]\na=1\n\n", "B", "b", "2", "[A]\na=1\n\n[B]\nb=2\n"},
        EditCase{"NewSectionNoFinalNewline", "[A]\na=1", "B", "b", "2", "[A]\na=1\n\n[B]\nb=2\n"},
        EditCase{"AppendKeyNoFinalNewline", "[A]\na=1", "A", "b", "2", "[A]\na=1\nb=2\n"},
        EditCase{"EmptyDocumentUsesCrlf", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        EditCase{"CrlfKept", "[A]\r\na=1\r\n", "A", "b", "2", "[A]\r\na=1\r\nb=2\r\n"},
        EditCase{"LoneCrKept", "[A]\ra=1\r", "A", "b", "2", "[A]\ra=1\rb=2\r"},
        EditCase{"CommentsAndUnknownKeysKept", "; top\n[A]\n;c\nunknown=?\na=1\n", "A", "a", "2",
                 "; top\n[A]\n;c\nunknown=?\na=2\n"},
        EditCase{"BlankEndsQuoted", "[S]\nk=1\n", "S", "k", " x ", "[S]\nk=\" x \"\n"},
        EditCase{"OuterQuotesQuoted", "[S]\nk=1\n", "S", "k", "\"q\"", "[S]\nk=\"\"q\"\"\n"},
        EditCase{"InnerQuoteNotQuoted", "[S]\nk=1\n", "S", "k", "a\"b", "[S]\nk=a\"b\n"},
        EditCase{"ChineseValue", "[Wall]\n", "Wall", "Wall_Mode0", "会议模式", "[Wall]\nWall_Mode0=会议模式\n"}),
    [](const auto& tpi) { return tpi.param.name; });

struct RejectCase {
  std::string section;
  std::string key;
  std::string value;
};

class IniRejectTest : public ::testing::TestWithParam<RejectCase> {};

TEST_P(IniRejectTest, RefusesWhatCouldNotBeReadBack) {
  const std::string before = "[S]\nk=1\n";
  IniDocument doc(before);
  EXPECT_FALSE(doc.set(GetParam().section, GetParam().key, GetParam().value));
  EXPECT_EQ(doc.text(), before);
}

INSTANTIATE_TEST_SUITE_P(Table, IniRejectTest,
                         ::testing::Values(RejectCase{"a]b", "k", "v"}, RejectCase{"", "k", "v"},
                                           RejectCase{"  ", "k", "v"}, RejectCase{"a\nb", "k", "v"},
                                           RejectCase{"S", "", "v"}, RejectCase{"S", "a=b", "v"},
                                           RejectCase{"S", "[a", "v"}, RejectCase{"S", ";a", "v"},
                                           RejectCase{"S", "a\rb", "v"}, RejectCase{"S", "k", "line\nbreak"},
                                           RejectCase{"S", "k", "cr\r"}));

TEST(IniDocument, AwkwardValuesReadBackAsWritten) {
  const std::vector<std::string> values = {"",  " ",   "\"",      "''",   "'x'",  "\" \"", "a=b", ";x",
                                           "#", "[x]", "\t tab", "a\0b"s, "值 ", std::string(2047, 'z')};
  IniDocument doc;
  for (std::size_t i = 0; i < values.size(); ++i) {
    ASSERT_TRUE(doc.set("S", "k" + std::to_string(i), values[i]));
  }
  const IniDocument reread(doc.text());
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(reread.value("S", "k" + std::to_string(i)), std::optional<std::string_view>(values[i])) << i;
  }
}

// Appends move the blank and comment lines after a section's last key; the
// index must keep pointing at the right lines however many appends follow.
TEST(IniDocument, ManyAppendsKeepTheIndexRight) {
  IniDocument doc("[A]\na0=0\n\n; trailing\n\n[B]\nb0=0\n; more\n[A]\nshadow=1\n");
  for (int i = 1; i < 500; ++i) {
    ASSERT_TRUE(doc.set("A", "a" + std::to_string(i), std::to_string(i)));
    ASSERT_TRUE(doc.set("B", "b" + std::to_string(i), std::to_string(-i)));
    ASSERT_TRUE(doc.set("C" + std::to_string(i % 7), "c" + std::to_string(i), "x"));
  }
  ASSERT_TRUE(doc.set("A", "a0", "changed"));
  const IniDocument reread(doc.text());
  for (const IniDocument* d : std::initializer_list<const IniDocument*>{&doc, &reread}) {
    EXPECT_EQ(d->readString("A", "a0", ""), "changed");
    EXPECT_FALSE(d->value("A", "shadow"));
    for (int i = 1; i < 500; ++i) {
      ASSERT_EQ(d->readInt("A", "a" + std::to_string(i), -1), i);
      ASSERT_EQ(d->readInt("B", "b" + std::to_string(i), 1), -i);
      ASSERT_EQ(d->readString("C" + std::to_string(i % 7), "c" + std::to_string(i), ""), "x");
    }
  }
  const std::string text = doc.text();
  EXPECT_NE(text.find("a499=499\n\n; trailing\n\n[B]"), std::string::npos);
  EXPECT_NE(text.find("b499=-499\n; more\n[A]\nshadow=1\n"), std::string::npos);
}

// ---- Bad input -----------------------------------------------------------

std::string randomBytes(std::size_t size, unsigned seed, std::string_view alphabet = {}) {
  std::mt19937 rng(seed);
  std::string s(size, '\0');
  for (char& c : s) {
    const auto r = rng();
    c = alphabet.empty() ? static_cast<char>(r & 0xFF) : alphabet[r % alphabet.size()];
  }
  return s;
}

struct GarbageCase {
  std::string name;
  std::string text;
};

class IniGarbageTest : public ::testing::TestWithParam<GarbageCase> {};

TEST_P(IniGarbageTest, KeepsEveryByteAndStillWorks) {
  const std::string& text = GetParam().text;
  IniDocument doc(text);
  EXPECT_EQ(doc.text(), text);  // untouched: byte for byte
  (void)doc.value("S", "k");
  (void)doc.readInt("SETTING", "Row", 3);
  ASSERT_TRUE(doc.set("Fuzz Section 8d1f", "Key", "value"));
  const std::string edited = doc.text();
  EXPECT_EQ(edited.substr(0, text.size()), text);  // only appended to
  EXPECT_EQ(IniDocument(edited).readString("Fuzz Section 8d1f", "Key", ""), "value");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, IniGarbageTest,
    ::testing::Values(GarbageCase{"FiveMegabytesOfBytes", randomBytes(5 << 20, 1)},
                      GarbageCase{"IniLikeNoise", randomBytes(1 << 20, 2, "[]=;\"' \t\r\nab\0\xC4\xE6"s)},
                      GarbageCase{"OneHugeLine", "[S]\nk=" + std::string(8 << 20, 'v')},
                      GarbageCase{"OnlyLineEnds", std::string(100000, '\r') + std::string(100000, '\n')},
                      GarbageCase{"NulBytes", std::string(4096, '\0') + "\n[S]\n\0=\0\n"s},
                      GarbageCase{"InvalidUtf8", "[\xFF\xFE]\n\xC0\x80=\xED\xA0\x80\n[S]\nk=\xF8\x88\n"s}),
    [](const auto& tpi) { return tpi.param.name; });

TEST(IniDocument, HugeLineStillReadsCut) {
  const IniDocument doc("[S]\nk=" + std::string(8 << 20, 'v'));
  EXPECT_EQ(doc.value("S", "k")->size(), IniDocument::kMaxValueLength);
}

}  // namespace
}  // namespace wall
