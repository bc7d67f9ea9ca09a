#include "core/link/config_list.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../settings/temp_folder.h"
#include "core/link/raw_sender.h"

namespace wall {
namespace {

struct LineCase {
  const char* line;
  const char* name;
  std::uint32_t value;
};

TEST(ConfigLine, ParsesByTheReplayRule) {
  for (const LineCase& c : {LineCase{"CmdVidoBrightness:50", "CmdVidoBrightness", 50},
                            LineCase{"Nonsense:7", "Nonsense", 7}, LineCase{"no colon 12", "", 0},
                            LineCase{"a:b:1x2", "a", 12}, LineCase{":", "", 0}, LineCase{"", "", 0},
                            LineCase{"x:99999999999999999999", "x", 4294967295u}}) {
    const ConfigLine l = parseConfigLine(c.line);
    EXPECT_EQ(l.name, c.name) << c.line;
    EXPECT_EQ(l.value, c.value) << c.line;
  }
}

TEST(ConfigList, ReplaysWithUnknownNamesAsCodeZeroAndTenMsBetween) {
  ConfigList list;
  list.append("CmdVidoBrightness:50");
  list.append("Unknown:7");
  const Script s = list.replay(0, Selection::unit(0, 0));
  EXPECT_EQ(s.toText(),
            "send 1 FB B1 11 11 41 32 AE\n"
            "pause 10\n"
            "send 1 FB B1 11 11 00 07 AE\n");
}

TEST(ConfigList, SaveAppendsCfgAlwaysAndLoadReadsItBack) {
  testing::TempFolder dir;
  ConfigList list;
  list.appendValue("CmdVidoHue", 68);
  list.append("CmdFanRun:1");
  const std::string path = dir.file(ConfigList::savedFileName("mine.cfg"));
  EXPECT_EQ(path, dir.file("mine.cfg.cfg"));
  ASSERT_EQ(list.save(path), "");
  ConfigList loaded;
  loaded.append("stale:1");
  ASSERT_EQ(loaded.load(path, 1), "");
  EXPECT_EQ(loaded.lines(), list.lines());
}

TEST(ConfigList, RefusesBinaryAndHugeFilesAndKeepsTheList) {
  testing::TempFolder dir;
  {
    std::ofstream(dir.file("bin.cfg"), std::ios::binary) << std::string("CmdVidoHue:1\n\0\x01", 15);
    std::ofstream big(dir.file("big.cfg"), std::ios::binary);
    for (std::size_t i = 0; i < kConfigFileMaxBytes / 10 + 1; ++i) big << "Cmd:12345\n";
  }
  ConfigList list;
  list.append("kept:1");
  EXPECT_NE(list.load(dir.file("bin.cfg"), 0), "");
  EXPECT_NE(list.load(dir.file("big.cfg"), 1), "");
  EXPECT_NE(list.load(dir.file("missing.cfg"), 1), "");
  EXPECT_EQ(list.lines(), std::vector<std::string>{"kept:1"});
}

TEST(RawSender, SendsTheInitialItemTypedLooselyAndKeepsHistory) {
  RawSender raw;
  auto r = raw.send("f5 b0 11 ff 40 01 ae", 0);
  ASSERT_TRUE(r.bytes);
  EXPECT_EQ(*r.bytes, (Bytes{0xF5, 0xB0, 0x11, 0xFF, 0x40, 0x01, 0xAE}));
  EXPECT_EQ(raw.items().size(), 2u);
  EXPECT_EQ(raw.selected(), 0);
  // The selected item itself sends without growing the list.
  EXPECT_TRUE(raw.send(kRawInitialItem, 0).bytes);
  EXPECT_EQ(raw.items().size(), 2u);
}

TEST(RawSender, RefusesEmptyAndOverlongCommands) {
  RawSender raw;
  auto empty = raw.send("xyz --", 0);
  EXPECT_FALSE(empty.bytes);
  EXPECT_EQ(empty.message, "命令不能为空!");
  EXPECT_EQ(empty.caption, "命令提示信息框");
  EXPECT_TRUE(raw.send(std::string(2000, 'A'), 1).bytes);
  auto tooLong = raw.send(std::string(2002, 'A'), 1);
  EXPECT_FALSE(tooLong.bytes);
  EXPECT_FALSE(tooLong.message.empty());
  // An odd last digit is ignored.
  EXPECT_EQ(raw.send("ABC", 1).bytes, (Bytes{0xAB}));
}

TEST(RawSender, HistoryIsBounded) {
  RawSender raw;
  for (int i = 0; i < 300; ++i) raw.send(std::to_string(i) + "0", 0);
  EXPECT_EQ(raw.items().size(), kRawHistoryMax + 1);
  EXPECT_EQ(raw.items().front(), kRawInitialItem);
  EXPECT_EQ(raw.items().back(), "2990");
}

}  // namespace
}  // namespace wall
