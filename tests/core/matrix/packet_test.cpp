// The packet notation, the write modes and the families' encoders on their
// own (values the engine's walk never produces, such as output 0).
#include "core/matrix/packet.h"

#include <gtest/gtest.h>

#include "core/matrix/format_families.h"
#include "core/matrix/own_formats.h"
#include "core/matrix/switch_emitter.h"
#include "matrix_test_support.h"

namespace wall::test {
namespace {

struct NotationCase {
  const char* name;
  Packet packet;
  const char* expected;
};

void PrintTo(const NotationCase& c, std::ostream* os) { *os << c.name; }

class PacketNotation : public ::testing::TestWithParam<NotationCase> {};

TEST_P(PacketNotation, Bytes) { EXPECT_EQ(hexText(GetParam().packet.bytes()), hexText(notation(GetParam().expected))); }

INSTANTIATE_TEST_SUITE_P(
    Fields, PacketNotation,
    ::testing::Values(NotationCase{"b_keeps_low_8_bits", Packet().b(300).b(-1).b(255), "2C FF FF"},
                      NotationCase{"hi_lo", Packet().hi(300).lo(300), "01 2C"},
                      NotationCase{"D_without_leading_zeros", Packet().D(7).D(45).D(123).D(1000), "'7451231000'"},
                      NotationCase{"D2", Packet().D2(7).D2(45), "'0745'"},
                      // D2 of 100 or more is sent as computed: the first character lies above '9'.
                      NotationCase{"D2_not_clamped", Packet().D2(123), "3C 33"},
                      NotationCase{"D3", Packet().D3(7).D3(456), "'007456'"},
                      NotationCase{"D4", Packet().D4(7).D4(1234), "'00071234'"},
                      NotationCase{"Z2", Packet().Z2(0).Z2(9).Z2(10).Z2(99), "'00091099'"},
                      NotationCase{"H2_upper_case", Packet().H2(0).H2(0xAB).H2(300), "'00AB2C'"},
                      NotationCase{"atLeast2", Packet().atLeast2(5).atLeast2(12).atLeast2(123), "'0512123'"},
                      NotationCase{"sum_of_positions", [] {
                                     Packet p;
                                     p.x({0x10, 0x20, 0xF0, 0x05});
                                     return p.x(p.sum(2, 4));
                                   }(), "10 20 F0 05 15"},
                      NotationCase{"xor", [] {
                                     Packet p;
                                     p.x({0xFF, 0x0F, 0xF1});
                                     return p.x(p.xorOf(1, 3));
                                   }(), "FF 0F F1 01"},
                      NotationCase{"neg", [] {
                                     Packet p;
                                     p.x({0x00, 0x02, 0x03});
                                     return p.x(p.neg(2, 3));
                                   }(), "00 02 03 FC"},
                      NotationCase{"s7", [] {
                                     Packet p;
                                     p.x({0xF0, 0x20});
                                     return p.x(p.s7(1, 2));
                                   }(), "F0 20 10"}));

Bytes encodeOne(const BrandFormat& format, int in, int out, int id, int sw = 0) {
  SwitchCall call;
  call.in = in;
  call.id = id;
  call.switchType = sw;
  call.format = &format;
  Packet p;
  format.packet(p, call, out);
  return p.bytes();
}

// The preamble some brands need on the wall port is the F2 frame with
// input 0, output 0 and address 1.
TEST(FormatFamilies, F2FrameOfThePreamble) {
  EXPECT_EQ(hexText(encodeOne(f2Frame(), 0, 0, 1)), "F2 00 00 22 00 01 00 23");
}

TEST(FormatFamilies, F8Frame) {
  // c = low byte of (b(IN) − 127 + OUT): 3 − 127 + 5 = −119.
  EXPECT_EQ(hexText(encodeOne(f8Frame(), 3, 5, 1)), "F8 03 00 81 05 00 00 89 FF");
  EXPECT_EQ(hexText(encodeOne(f8Frame(), 300, 200, 1)), "F8 2C 00 81 C8 00 00 75 FF");
}

TEST(FormatFamilies, SwitchChoiceOutsideZeroToTwoTakesTheThird) {
  EXPECT_EQ(sw(1, 2, 3).pick(0), 1);
  EXPECT_EQ(sw(1, 2, 3).pick(1), 2);
  EXPECT_EQ(sw(1, 2, 3).pick(2), 3);
  EXPECT_EQ(sw(1, 2, 3).pick(7), 3);
}

TEST(KeyProtocol, EventsAndDigits) {
  Packet press;
  keyEvent(press, 1, 73, true, false);
  EXPECT_EQ(hexText(press.bytes()), hexText(notation("'*801K0,73,1'")));
  Packet release;
  keyEvent(release, 12, 5, false, true);
  EXPECT_EQ(hexText(release.bytes()), hexText(notation("'*812K0,05,0' 0D")));
  EXPECT_EQ(decimalDigits(0), (std::vector<int>{0}));
  EXPECT_EQ(decimalDigits(1024), (std::vector<int>{1, 0, 2, 4}));
}

struct WriteCase {
  const char* name;
  WriteMode mode;
  std::vector<std::string> expected;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class WriteModes : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteModes, StepsOfOnePacket) {
  Script script;
  std::vector<std::string> log;
  SwitchEmitter emit(script, log, 1, 100, GetParam().mode);
  Packet p;
  p.x({0xAA, 0xBB});
  emit.packet(p);
  EXPECT_EQ(script.toText(), expectedScript(GetParam().expected).toText());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, WriteModes,
    ::testing::Values(WriteCase{"once", {}, {"AA BB", "pause 100"}},
                      WriteCase{"twice_100ms_between", {2, 100, false, false}, {"AA BB", "pause 100", "AA BB", "pause 100"}},
                      WriteCase{"three_times_back_to_back", {3, 0, false, false}, {"AA BB", "AA BB", "AA BB", "pause 100"}},
                      WriteCase{"byte_per_write_each_paused", {1, 0, true, true}, {"AA", "pause 100", "BB", "pause 100"}},
                      // One byte per write, three times with 150 ms after the first and the second time.
                      WriteCase{"byte_per_write_three_times",
                                {3, 150, true, false},
                                {"AA", "BB", "pause 150", "AA", "BB", "pause 150", "AA", "BB", "pause 100"}}));

TEST(WriteModes, ARefusedPacketIsLoggedNotSent) {
  Script script;
  std::vector<std::string> log;
  SwitchEmitter emit(script, log, 1, 100, {});
  emit.setSubject("VGA KEDI2, input 3");
  PacketSteps steps;
  steps.add().x(0x01);
  steps.add().refuse("too big");
  EXPECT_FALSE(emit.steps(steps, "output 20"));
  EXPECT_TRUE(script.empty());
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log.front(), "VGA KEDI2, input 3, output 20: too big; nothing sent for it");
}

}  // namespace
}  // namespace wall::test
