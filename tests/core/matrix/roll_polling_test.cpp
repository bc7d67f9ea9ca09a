// Roll polling: the three item formats with their ports and pauses, the
// running list taken at the start, the one-second ticks as a timeline on
// the virtual clock, and the configuration's keys.
#include <gtest/gtest.h>

#include "../settings/temp_folder.h"
#include "core/link/virtual_runner.h"
#include "core/matrix/roll_config.h"
#include "core/matrix/roll_control.h"
#include "core/matrix/roll_poller.h"
#include "core/settings/settings_file.h"

namespace wall::test {
namespace {

template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& p) {
  return p.param.name;
}

struct FormatCase {
  const char* name;
  RollItem item;
  PortFlags flags;
  const char* script;  // text form
};

class RollFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(RollFormat, BytesPortAndPause) {
  const FormatCase& c = GetParam();
  const RollSend sent = matrixRollControl(c.item, c.flags);
  EXPECT_TRUE(sent.refused.empty()) << sent.refused;
  EXPECT_EQ(sent.script.toText(), c.script);
}

constexpr PortFlags kShared{true, false, false, false, false};
constexpr PortFlags kAvOwn{false, true, false, false, false};
constexpr PortFlags kVgaOwn{false, false, true, false, false};

INSTANTIATE_TEST_SUITE_P(
    Cases, RollFormat,
    ::testing::Values(
        // c = 03 + 21 + 05 + 00 + 00
        FormatCase{"Mainvan", {true, 0, 0, 9, 3, 5}, {}, "send 1 F4 03 21 05 00 00 29\npause 21\n"},
        FormatCase{"MainvanAvPort", {true, 0, 2, 0, 255, 255}, kAvOwn, "send 2 F4 FF 21 FF 00 00 1F\npause 21\n"},
        FormatCase{"MainvanSharedPort", {true, 0, 1, 0, 1, 2}, kShared, "send 2 F4 01 21 02 00 00 24\npause 21\n"},
        // From input 256 the sixth byte is 21 and the input's low byte is sent.
        FormatCase{"MainvanInput256", {true, 0, 0, 0, 256, 1}, {}, "send 1 F4 00 21 01 00 21 43\npause 21\n"},
        // The VGA flag is not the AV rule.
        FormatCase{"MainvanVgaFlag", {true, 0, 0, 0, 1, 1}, kVgaOwn, "send 1 F4 01 21 01 00 00 23\npause 21\n"},
        FormatCase{"ExtronVideo", {true, 1, 0, 0, 12, 3}, {}, "send 1 31 32 2A 33 25\npause 21\n"},
        FormatCase{"ExtronAudio", {true, 1, 1, 0, 1, 100}, kAvOwn, "send 2 31 2A 31 30 30 24\npause 21\n"},
        FormatCase{"ExtronBoth", {true, 1, 2, 0, 7, 8}, {}, "send 1 37 2A 38 21\npause 21\n"},
        FormatCase{"Createk5Video", {true, 2, 0, 0, 2, 10}, {}, "send 1 32 56 31 30 2E 0D\npause 100\n"},
        FormatCase{"Createk5AudioVgaPort", {true, 2, 1, 0, 2, 1}, kVgaOwn, "send 3 32 41 31 2E 0D\npause 100\n"},
        FormatCase{"Createk5BothShared", {true, 2, 2, 0, 255, 1}, kShared, "send 2 32 35 35 42 31 2E 0D\npause 100\n"},
        // The AV flag does not move the VGA brand.
        FormatCase{"Createk5AvFlag", {true, 2, 0, 0, 1, 1}, kAvOwn, "send 1 31 56 31 2E 0D\npause 100\n"}),
    caseName<FormatCase>);

TEST(RollFormat, ValuesNoFormatCarriesAreRefused) {
  for (const RollItem& item : {RollItem{true, 3, 0, 0, 1, 1}, RollItem{true, -1, 0, 0, 1, 1},
                               RollItem{true, 1, 3, 0, 1, 1}, RollItem{true, 2, -1, 0, 1, 1},
                               RollItem{true, 1, 0, 0, 1000, 1}, RollItem{true, 2, 0, 0, 1, -5}}) {
    const RollSend sent = matrixRollControl(item, {});
    EXPECT_TRUE(sent.script.empty());
    EXPECT_FALSE(sent.refused.empty());
  }
}

RollGroup group(bool enabled, std::vector<RollItem> items) { return RollGroup{enabled, std::move(items)}; }

// Runs `seconds` one-second ticks from the start on the virtual clock.
Timeline runTicks(RollPoller& poller, int seconds, int interval, const PortFlags& flags = {}) {
  VirtualRunner runner;
  Timeline all;
  for (int s = 1; s <= seconds; ++s) {
    if (runner.now() < s * 1000LL) runner.advance(s * 1000LL - runner.now());
    const Timeline t = runner.run(poller.tick(interval, flags));
    all.sends.insert(all.sends.end(), t.sends.begin(), t.sends.end());
  }
  return all;
}

TEST(RollPoller, OnlyTheEnabledGroupGoesOutEveryInterval) {
  RollConfig config;
  config.groupCount = 2;
  config.groups[0] = group(false, {{true, 1, 0, 0, 1, 1}});
  config.groups[1] = group(true, {{true, 1, 0, 0, 2, 2}, {true, 0, 0, 0, 3, 3}});
  RollPoller poller;
  ASSERT_TRUE(poller.start(config, 2));
  EXPECT_EQ(timelineText(runTicks(poller, 16, 5)),
            "5000 1 32 2A 32 25\n5021 1 F4 03 21 03 00 00 27\n"
            "10000 1 32 2A 32 25\n10021 1 F4 03 21 03 00 00 27\n"
            "15000 1 32 2A 32 25\n15021 1 F4 03 21 03 00 00 27\n");
}

TEST(RollPoller, GroupsInTurnAndTheFirstAgain) {
  RollConfig config;
  config.groupCount = 4;
  for (int g = 0; g < 3; ++g) config.groups[g] = group(true, {{true, 1, 0, 0, g + 1, 9}});
  config.groups[3] = group(true, {{true, 1, 0, 0, 4, 9}});
  RollPoller poller;
  // The group count limits the running list: group 3 is left out.
  ASSERT_TRUE(poller.start(config, 3));
  EXPECT_EQ(poller.runningList().size(), 3u);
  EXPECT_EQ(timelineText(runTicks(poller, 40, 10)),
            "10000 1 31 2A 39 25\n20000 1 32 2A 39 25\n30000 1 33 2A 39 25\n40000 1 31 2A 39 25\n");
}

TEST(RollPoller, TheIntervalIsReadAtEveryTick) {
  RollConfig config;
  config.groups[0] = group(true, {{true, 1, 0, 0, 1, 1}});
  RollPoller poller;
  ASSERT_TRUE(poller.start(config, 1));
  // Ticks 1..3 at interval 10: nothing; tick 4 with interval 2 is a
  // multiple: sent. An interval of 0 counts as 1.
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(poller.tick(10, {}).empty());
  EXPECT_FALSE(poller.tick(2, {}).empty());
  EXPECT_FALSE(poller.tick(0, {}).empty());
}

TEST(RollPoller, TheRunningListIsTakenAtTheStart) {
  RollConfig config;
  config.groups[0] = group(true, {{true, 1, 0, 0, 1, 1}});
  RollPoller poller;
  ASSERT_TRUE(poller.start(config, 1));
  config.groups[0].items[0].input = 5;  // changed after the start: not seen
  EXPECT_EQ(poller.tick(1, {}).toText(), "send 1 31 2A 31 25\npause 21\n");
}

TEST(RollPoller, AnEmptyRunningListRefusesToStart) {
  RollConfig config;
  config.groupCount = 3;
  config.groups[0] = group(false, {{true, 1, 0, 0, 1, 1}});
  config.groups[5] = group(true, {{true, 1, 0, 0, 1, 1}});  // beyond the group count
  RollPoller poller;
  EXPECT_FALSE(poller.start(config, 3));
  EXPECT_FALSE(poller.running());
  EXPECT_TRUE(poller.tick(1, {}).empty());
}

TEST(RollPoller, StopAndStartBeginAtTheFirstGroup) {
  RollConfig config;
  config.groups[0] = group(true, {{true, 1, 0, 0, 1, 1}});
  config.groups[1] = group(true, {{true, 1, 0, 0, 2, 1}});
  RollPoller poller;
  ASSERT_TRUE(poller.start(config, 2));
  EXPECT_FALSE(poller.tick(1, {}).empty());
  EXPECT_EQ(poller.position(), 1);
  poller.stop();
  EXPECT_TRUE(poller.tick(1, {}).empty());
  ASSERT_TRUE(poller.start(config, 2));
  EXPECT_EQ(poller.tick(1, {}).toText(), "send 1 31 2A 31 25\npause 21\n");
}

TEST(RollPoller, AnEnabledGroupWithoutItemsSendsNothingInItsTurn) {
  RollConfig config;
  config.groups[0] = group(true, {});
  config.groups[1] = group(true, {{true, 1, 0, 0, 2, 1}});
  RollPoller poller;
  ASSERT_TRUE(poller.start(config, 2));
  EXPECT_TRUE(poller.tick(1, {}).empty());
  EXPECT_FALSE(poller.tick(1, {}).empty());
}

TEST(RollConfigFile, WriteThenReadGivesTheSameGroups) {
  wall::testing::TempFolder dir;
  RollConfig config;
  config.groupCount = 3;
  config.interval = 42;
  config.groups[0] = group(true, {{true, 2, 1, 7, 12, 34}, {false, 1, 2, 0, 255, 1}});
  config.groups[2] = group(false, {{true, 0, 0, 0, 3, 4}});
  config.groups[3] = group(true, {{true, 0, 0, 0, 5, 6}});  // beyond the group count: not saved
  {
    SettingsFile file(dir.file("Setting.ini"));
    writeRollConfig(file, config);
  }
  SettingsFile file(dir.file("Setting.ini"));
  const RollConfig back = readRollConfig(file);
  RollConfig expected = config;
  expected.groups[3] = RollGroup{};
  EXPECT_EQ(back, expected);
  EXPECT_EQ(file.readInt("MatrixRoll0", "SubRoll_In0", 0), 12);
  EXPECT_EQ(file.readInt("MatrixRoll0", "Count", 0), 2);
  EXPECT_FALSE(file.hasKey("MatrixRoll3", "Count"));
}

TEST(RollConfigFile, DefaultsAndHandEditedValuesHeldToTheDialogsRanges) {
  wall::testing::TempFolder dir;
  wall::testing::writeBytes(dir.file("Setting.ini"),
                            "[MatrixRoll]\nGroupCount=500\nspTime=0\n[MatrixRoll0]\nEnable=1\nCount=100000\n"
                            "SubRoll_In0=4\n[MatrixRoll1]\nCount=-3\n");
  SettingsFile file(dir.file("Setting.ini"));
  const RollConfig config = readRollConfig(file);
  EXPECT_EQ(config.groupCount, kRollGroups);
  EXPECT_EQ(config.interval, 1);
  EXPECT_EQ(config.groups[0].items.size(), static_cast<std::size_t>(kRollItemsPerGroup));
  EXPECT_EQ(config.groups[0].items[0].input, 4);
  EXPECT_FALSE(config.groups[0].items[1].used);
  EXPECT_TRUE(config.groups[1].items.empty());
  EXPECT_FALSE(readRollOnOff(file));

  wall::testing::TempFolder fresh;
  SettingsFile empty(fresh.file("Setting.ini"));
  const RollConfig defaults = readRollConfig(empty);
  EXPECT_EQ(defaults.groupCount, 1);
  EXPECT_EQ(defaults.interval, 10);
  EXPECT_FALSE(defaults.groups[0].enabled);
}

}  // namespace
}  // namespace wall::test
