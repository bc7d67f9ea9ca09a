#include "core/link/script.h"

#include <gtest/gtest.h>

#include "core/link/virtual_runner.h"

namespace wall {
namespace {

TEST(ScriptText, RoundTripsSendsAndPauses) {
  Script s;
  s.send(1, {0xFB, 0xB0, 0x00, 0x00, 0x10, 0x01, 0xAE}).pause(200).send(4, {0xF2, 0x00, 0x03, 0x22, 0x01, 0x01, 0x00, 0x21});
  const std::string text = s.toText();
  EXPECT_EQ(text,
            "send 1 FB B0 00 00 10 01 AE\n"
            "pause 200\n"
            "send 4 F2 00 03 22 01 01 00 21\n");
  auto parsed = parseScript(text);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  EXPECT_EQ(parsed.script, s);
}

TEST(ScriptText, AcceptsLooseButUnambiguousInput) {
  auto parsed = parseScript("# replay\r\n\n  SEND 2 fb 0 a\r\nPause 0\n");
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  Script expected;
  expected.send(2, {0xFB, 0x00, 0x0A}).pause(0);
  EXPECT_EQ(parsed.script, expected);
}

struct BadLine {
  const char* text;
  const char* errorPart;
};

class ScriptTextErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ScriptTextErrors, NamesTheLineAndKeepsTheStepsBefore) {
  const std::string text = std::string("pause 5\n") + GetParam().text + "\n";
  auto parsed = parseScript(text);
  EXPECT_FALSE(parsed.ok());
  EXPECT_NE(parsed.error.find("line 2"), std::string::npos) << parsed.error;
  EXPECT_NE(parsed.error.find(GetParam().errorPart), std::string::npos) << parsed.error;
  EXPECT_EQ(parsed.script.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptTextErrors,
    ::testing::Values(BadLine{"send 0 FB", "device"}, BadLine{"send 6 FB", "device"},
                      BadLine{"send 1", "no bytes"}, BadLine{"send 1 FBB", "FBB"},
                      BadLine{"send 1 G0", "G0"}, BadLine{"send x FB", "device"},
                      BadLine{"pause -1", "pause"}, BadLine{"pause 86400001", "pause"},
                      BadLine{"pause 1.5", "pause"}, BadLine{"wait 5", "unknown"}));

TEST(VirtualRunner, TimesSendsByThePausesBeforeThem) {
  Script s;
  s.send(1, {0x01}).pause(100).send(2, {0x02}).send(1, {0x03}).pause(50);
  VirtualRunner runner;
  Timeline t = runner.run(s);
  EXPECT_EQ(timelineText(t), "0 1 01\n100 2 02\n100 1 03\n");
  EXPECT_EQ(t.endMs, 150);
  // The clock carries on into the next script, as the real runner's would.
  Timeline next = runner.run(Script().send(3, {0x04}));
  EXPECT_EQ(timelineText(next), "150 3 04\n");
}

TEST(VirtualRunner, DropsAndCountsSendsToClosedDevices) {
  Script s;
  s.send(1, {0x01}).send(3, {0x02}).pause(10).send(3, {0x03});
  VirtualRunner runner([](int device) { return device != 3; });
  Timeline t = runner.run(s);
  EXPECT_EQ(timelineText(t), "0 1 01\n");
  EXPECT_EQ(t.dropped, 2);
  EXPECT_EQ(t.endMs, 10);
}

}  // namespace
}  // namespace wall

namespace wall {
namespace {

TEST(ScriptReadText, RoundTripsReadSteps) {
  Script s;
  s.send(1, {0xFB, 0xB2, 0x11, 0x11, 0x41, 0x01, 0xAE})
      .read(1, 50, {ReplyLayout::Short7, 0x41, 0}, 50)
      .read(1, 5, {ReplyLayout::Source9, 0x30, 0x03}, 0);
  const std::string text = s.toText();
  EXPECT_EQ(text,
            "send 1 FB B2 11 11 41 01 AE\n"
            "read 1 polls=50 reply=short7 code=41 wait=50\n"
            "read 1 polls=5 reply=source9 code=30 unit=03 wait=0\n");
  auto parsed = parseScript(text);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  EXPECT_EQ(parsed.script, s);
}

TEST(ScriptReadText, RefusesIncompleteOrOutOfRangeReads) {
  for (const char* bad : {"read 1 polls=5 code=41", "read 1 polls=5 reply=short9 code=41",
                          "read 6 polls=5 reply=short7 code=41", "read 1 polls=-1 reply=short7 code=41",
                          "read 1 polls=9000000 reply=short7 code=41", "read 1 polls=5 reply=short7 code=411",
                          "read 1 polls 5 reply=short7 code=41", "read 1 polls=5 reply=short7 code=41 colour=2"}) {
    EXPECT_FALSE(parseScript(bad).ok()) << bad;
  }
}

}  // namespace
}  // namespace wall
