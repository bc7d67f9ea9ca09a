// The engine common to every brand: kinds by source, the walk, output
// de-duplication, port routing, pacing, Kestrel entries, the whole-wall
// forms and the limits of the one-packet families.
#include "core/matrix/matrix_control.h"

#include <gtest/gtest.h>

#include "brand_case.h"
#include "core/link/virtual_runner.h"
#include "core/matrix/brand_tables.h"
#include "core/matrix/format_families.h"
#include "matrix_test_support.h"

namespace wall::test {
namespace {

constexpr int kVgaFF = 3;         // "ZC001": one FF frame per output
constexpr int kVgaQrv = 1;        // "QRV001": one QRV frame per call
constexpr int kVgaSwitcher = 15;  // whole-wall form, inputs unchanged
constexpr int kVgaExtron = 22;    // whole-wall form, inputs become IN
constexpr int kVgaCreatek6 = 82;  // whole-wall form
constexpr int kVgaLw002 = 20;     // a further 3000 ms after more than one output
constexpr int kVgaCz003 = 42;     // pair list of at most 20 pairs
constexpr int kVgaQrv002 = 2;     // pair list
constexpr int kVgaCreatek = 4;    // list text
constexpr int kDviFF = 33;        // "ZC001"
constexpr int kDviSwitcher = 31;
constexpr int kDviCreatek7 = 32;
constexpr int kYpbprQrv = 1;

// A 3 × 3 wall wired one to one, every kind "ZC001"-like where it can be.
class MatrixControlTest : public ::testing::Test {
 protected:
  MatrixControlTest() {
    rig.wall = WallShape{3, 3, false};
    for (MatrixKind kind : kMatrixKinds) rig.state.map(kind) = oneToOneByUnit(kind, rig.wall);
    rig.configure(MatrixKind::VGA, kVgaFF);
    rig.configure(MatrixKind::DVI, kDviFF);
    rig.configure(MatrixKind::YPbPr, kYpbprQrv);
    rig.switchType = 0;
  }

  // The FF frame of "ZC001" with SW 0.
  static std::string ff(int in, int out, int id = 1) {
    auto b = [](int v) { return static_cast<std::uint8_t>(v); };
    return hexText(Bytes{0xFF, b(id), 0x03, b(in), b(out), 0xAA});
  }

  MatrixRig rig;
};

TEST_F(MatrixControlTest, SourcesWithoutAMatrixSendNothing) {
  rig.selection = Selection{0, 0, 2, 2};
  for (int source : {7, 9, 12, -1, 13, 100}) {
    const auto result = rig.run(source, 3);
    EXPECT_FALSE(result.kind.has_value()) << source;
    EXPECT_TRUE(result.script.empty()) << source;
    EXPECT_TRUE(result.updatedEntries.empty()) << source;
  }
}

TEST_F(MatrixControlTest, KindsBySource) {
  const std::pair<int, MatrixKind> table[] = {{0, MatrixKind::VGA},   {1, MatrixKind::VGA},   {2, MatrixKind::AV},
                                              {6, MatrixKind::AV},    {8, MatrixKind::YPbPr}, {10, MatrixKind::DVI},
                                              {11, MatrixKind::DVI}};
  for (const auto& [source, kind] : table) {
    ASSERT_TRUE(kindForSource(source).has_value()) << source;
    EXPECT_EQ(*kindForSource(source), kind) << source;
  }
}

TEST_F(MatrixControlTest, NotUsedSendsNothingAndKeepsInputs) {
  rig.configure(MatrixKind::VGA, 0);
  const auto result = rig.run(0, 3);
  EXPECT_EQ(result.kind, MatrixKind::VGA);
  EXPECT_TRUE(result.script.empty());
  EXPECT_TRUE(result.updatedEntries.empty());
  EXPECT_TRUE(result.log.empty());
}

TEST_F(MatrixControlTest, WalksRowByRowWithThePauseAfterEachPacket) {
  rig.selection = Selection{1, 1, 2, 2};
  const auto result = rig.run(0, 7);
  EXPECT_EQ(result.script.toText(), "send 1 " + ff(7, 5) + "\npause 100\nsend 1 " + ff(7, 6) + "\npause 100\nsend 1 " +
                                        ff(7, 8) + "\npause 100\nsend 1 " + ff(7, 9) + "\npause 100\n");
  EXPECT_EQ(result.updatedEntries, (std::vector<int>{4, 5, 7, 8}));
}

TEST_F(MatrixControlTest, TwoUnitsOnOneOutputSendOnePacketAndBothRecordTheInput) {
  rig.state.map(MatrixKind::VGA)[1] = 1;  // units 0 and 1 both fed by output 1
  rig.selection = Selection{0, 0, 0, 1};
  const auto result = rig.run(0, 4);
  EXPECT_EQ(result.script.toText(), "send 1 " + ff(4, 1) + "\npause 100\n");
  EXPECT_EQ(result.updatedEntries, (std::vector<int>{0, 1}));

  MatrixState after = rig.state;
  result.applyTo(after);
  EXPECT_EQ(after.inputs(MatrixKind::VGA)[0], 4);
  EXPECT_EQ(after.inputs(MatrixKind::VGA)[1], 4);
  EXPECT_EQ(after.inputs(MatrixKind::VGA)[2], 1);
}

TEST_F(MatrixControlTest, AnUnwiredUnitSendsNothingAndKeepsItsInput) {
  rig.state.map(MatrixKind::VGA)[0] = 0;
  rig.state.map(MatrixKind::VGA)[1] = -3;  // negative: as not connected
  rig.selection = Selection{0, 0, 0, 1};
  const auto result = rig.run(0, 4);
  EXPECT_TRUE(result.script.empty());
  EXPECT_TRUE(result.updatedEntries.empty());
}

TEST_F(MatrixControlTest, ASelectionOutsideTheWallSendsNothing) {
  rig.selection = Selection{5, 5, 6, 6};
  EXPECT_TRUE(rig.run(0, 4).script.empty());
  // Partly outside: only the units on the wall.
  rig.selection = Selection{2, 2, 6, 6};
  const auto result = rig.run(0, 4);
  EXPECT_EQ(result.script.toText(), "send 1 " + ff(4, 9) + "\npause 100\n");
}

TEST_F(MatrixControlTest, ADelayOfZeroSendsBackToBack) {
  rig.configure(MatrixKind::VGA, kVgaFF, 1, 16, 0);
  rig.selection = Selection{0, 0, 0, 1};
  EXPECT_EQ(rig.run(0, 2).script.toText(), "send 1 " + ff(2, 1) + "\nsend 1 " + ff(2, 2) + "\n");
}

TEST_F(MatrixControlTest, TheIdArgumentIsTheAddressSent) {
  rig.selection = Selection::unit(0, 0);
  EXPECT_EQ(rig.run(0, 2, 9).script.toText(), "send 1 " + ff(2, 1, 9) + "\npause 100\n");
}

TEST_F(MatrixControlTest, LW002PausesAFurther3000msAfterMoreThanOneOutput) {
  rig.configure(MatrixKind::VGA, kVgaLw002);
  rig.selection = Selection{0, 0, 0, 1};
  VirtualRunner runner;
  const Timeline timeline = runner.run(rig.run(0, 2).script);
  ASSERT_EQ(timeline.sends.size(), 2u);
  EXPECT_EQ(timeline.sends[0].atMs, 0);
  EXPECT_EQ(timeline.sends[1].atMs, 100);
  EXPECT_EQ(timeline.endMs, 3200);

  rig.selection = Selection::unit(0, 0);
  EXPECT_EQ(VirtualRunner().run(rig.run(0, 2).script).endMs, 100);
}

// Port routing: the shared matrix port first, then the kind's own flag, else
// the wall port.
struct RouteCase {
  const char* name;
  PortFlags flags;
  int av, vga, dvi, ypbpr;
};

void PrintTo(const RouteCase& c, std::ostream* os) { *os << c.name; }

class MatrixRouting : public ::testing::TestWithParam<RouteCase> {};

TEST_P(MatrixRouting, PacketsGoOnTheKindsPort) {
  const RouteCase& c = GetParam();
  EXPECT_EQ(matrixDevice(MatrixKind::AV, c.flags), c.av);
  EXPECT_EQ(matrixDevice(MatrixKind::VGA, c.flags), c.vga);
  EXPECT_EQ(matrixDevice(MatrixKind::DVI, c.flags), c.dvi);
  EXPECT_EQ(matrixDevice(MatrixKind::YPbPr, c.flags), c.ypbpr);

  // And through the engine, per kind.
  MatrixRig rig;
  rig.wall = WallShape{1, 1, false};
  rig.flags = c.flags;
  for (MatrixKind kind : kMatrixKinds) rig.state.map(kind)[0] = 1;
  rig.selection = Selection::unit(0, 0);
  rig.configure(MatrixKind::VGA, kVgaFF);
  rig.configure(MatrixKind::DVI, kDviFF);
  rig.configure(MatrixKind::YPbPr, kYpbprQrv);
  const BrandRow ff{1, "FF", ffFrame(sw(0x03))};
  const MatrixContext avContext{rig.state, rig.wall, rig.flags, rig.selection, 0, 0};
  const std::pair<int, int> sourceToDevice[] = {{0, c.vga}, {1, c.vga}, {10, c.dvi}, {11, c.dvi}, {8, c.ypbpr}};
  for (const auto& [source, device] : sourceToDevice) {
    const auto result = rig.run(source, 1);
    ASSERT_FALSE(result.script.empty()) << "source " << source;
    EXPECT_EQ(std::get<SendStep>(result.script.steps().front()).device, device) << "source " << source;
  }
  const auto av = matrixControlWith(avContext, ff, 2, 1, 1);
  EXPECT_EQ(std::get<SendStep>(av.script.steps().front()).device, c.av);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, MatrixRouting,
    ::testing::Values(RouteCase{"none_wall_port", {}, 1, 1, 1, 1},
                      RouteCase{"shared_port_for_all", {true, false, false, false, false}, 2, 2, 2, 2},
                      RouteCase{"shared_port_wins_over_own", {true, true, true, true, true}, 2, 2, 2, 2},
                      RouteCase{"own_ports", {false, true, true, true, true}, 2, 3, 4, 5},
                      RouteCase{"dvi_only", {false, false, false, true, false}, 1, 1, 4, 1},
                      RouteCase{"av_only", {false, true, false, false, false}, 2, 1, 1, 1},
                      RouteCase{"vga_only", {false, false, true, false, false}, 1, 3, 1, 1},
                      RouteCase{"ypbpr_only", {false, false, false, false, true}, 1, 1, 1, 5}));

// Kestrel: four AV entries and two DVI entries per unit.
class KestrelEntries : public ::testing::Test {
 protected:
  KestrelEntries() {
    rig.wall = WallShape{2, 2, true};
    rig.switchType = 0;
    for (MatrixKind kind : kMatrixKinds) rig.state.map(kind).fill(0);
    // AV: unit u's channel k fed by output 10u + k + 1; DVI likewise.
    for (int u = 0; u < 4; ++u) {
      for (int k = 0; k < 4; ++k) rig.state.map(MatrixKind::AV)[static_cast<std::size_t>(u * 4 + k)] = 10 * u + k + 1;
      for (int k = 0; k < 2; ++k) rig.state.map(MatrixKind::DVI)[static_cast<std::size_t>(u * 2 + k)] = 10 * u + k + 1;
    }
    rig.configure(MatrixKind::AV, 0);
    rig.configure(MatrixKind::DVI, kDviFF);
    rig.selection = Selection{0, 1, 1, 1};  // units 1 and 3
  }

  std::vector<int> outputsSent(const Script& script) {
    std::vector<int> outs;
    for (const Step& step : script.steps()) {
      if (const auto* send = std::get_if<SendStep>(&step)) outs.push_back(send->bytes[4]);
    }
    return outs;
  }

  MatrixRig rig;
  const BrandRow ff{1, "FF", ffFrame(sw(0x03))};
};

TEST_F(KestrelEntries, AVChannelPicksTheEntry) {
  for (int k = 0; k < 4; ++k) {
    const MatrixContext ctx{rig.state, rig.wall, rig.flags, rig.selection, 0, k};
    const auto result = matrixControlWith(ctx, ff, 2, 6, 1);
    EXPECT_EQ(outputsSent(result.script), (std::vector<int>{11 + k, 31 + k})) << "channel " << k;
    EXPECT_EQ(result.updatedEntries, (std::vector<int>{4 + k, 12 + k})) << "channel " << k;
  }
}

TEST_F(KestrelEntries, NoAVChannelSendsNothing) {
  const MatrixContext ctx{rig.state, rig.wall, rig.flags, rig.selection, 0, -1};
  const auto result = matrixControlWith(ctx, ff, 6, 6, 1);
  EXPECT_TRUE(result.script.empty());
  EXPECT_TRUE(result.updatedEntries.empty());
  EXPECT_FALSE(result.log.empty());
}

TEST_F(KestrelEntries, DviSourceCodePicksDvi1OrDvi2) {
  const auto dvi1 = rig.run(10, 6);
  EXPECT_EQ(outputsSent(dvi1.script), (std::vector<int>{11, 31}));
  EXPECT_EQ(dvi1.updatedEntries, (std::vector<int>{2, 6}));
  const auto dvi2 = rig.run(11, 6);
  EXPECT_EQ(outputsSent(dvi2.script), (std::vector<int>{12, 32}));
  EXPECT_EQ(dvi2.updatedEntries, (std::vector<int>{3, 7}));
}

TEST_F(KestrelEntries, OtherProductsUseOneEntryPerUnit) {
  rig.wall.kestrel = false;
  const MatrixContext ctx{rig.state, rig.wall, rig.flags, rig.selection, 0, 3};
  const auto result = matrixControlWith(ctx, ff, 2, 6, 1);
  EXPECT_EQ(result.updatedEntries, (std::vector<int>{1, 3}));
}

TEST(KestrelLargeWall, UnitsBeyondTheTableAreNotSwitched) {
  // 16 × 16 = 256 units: the AV entries of units 250 to 255 lie beyond 1000.
  MatrixRig rig;
  rig.wall = WallShape{16, 16, true};
  rig.state.map(MatrixKind::AV) = oneToOneByUnit(MatrixKind::AV, rig.wall);
  rig.selection = Selection{15, 0, 15, 15};  // units 240..255
  const MatrixContext ctx{rig.state, rig.wall, rig.flags, rig.selection, 0, 3};
  const auto result = matrixControlWith(ctx, BrandRow{1, "FF", ffFrame(sw(0x03))}, 2, 6, 1);
  EXPECT_EQ(result.updatedEntries.size(), 10u);  // units 240..249
  EXPECT_EQ(result.updatedEntries.back(), 999);
  ASSERT_EQ(result.log.size(), 1u);
  EXPECT_NE(result.log.front().find("6 selected unit(s)"), std::string::npos) << result.log.front();
}

// Whole-wall forms.
class WholeWall : public MatrixControlTest {
 protected:
  WholeWall() {
    rig.selection = Selection{0, 0, 2, 2};
    rig.state.map(MatrixKind::VGA)[4] = 0;  // one unit not wired
  }
};

TEST_F(WholeWall, SwitcherSendsAllAndLeavesInputs) {
  rig.configure(MatrixKind::VGA, kVgaSwitcher);
  const auto result = rig.run(0, 3);
  EXPECT_EQ(result.script.toText(), expectedScript(once("40 '01,03ALL!'")).toText());
  EXPECT_TRUE(result.updatedEntries.empty());
}

TEST_F(WholeWall, ExtronSendsOnePacketAndEveryUnitTakesTheInput) {
  rig.configure(MatrixKind::VGA, kVgaExtron);
  const auto result = rig.run(0, 3);
  EXPECT_EQ(result.script.toText(), expectedScript(once("'3*N!'")).toText());
  EXPECT_EQ(result.updatedEntries, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(WholeWall, Createk6SendsAll) {
  rig.configure(MatrixKind::VGA, kVgaCreatek6);
  EXPECT_EQ(rig.run(0, 12).script.toText(), expectedScript(once("'12All'")).toText());
}

TEST_F(WholeWall, DviSwitcherSendsOnePacketNotByteByByte) {
  rig.configure(MatrixKind::DVI, kDviSwitcher);
  EXPECT_EQ(rig.run(10, 3).script.toText(), expectedScript(once("40 '01,03ALL!'")).toText());
}

TEST_F(WholeWall, DviCreatek7SendsAll) {
  rig.configure(MatrixKind::DVI, kDviCreatek7);
  EXPECT_EQ(rig.run(11, 3).script.toText(), expectedScript(once("'3All'")).toText());
}

TEST_F(WholeWall, ALeftOutColumnMeansTheOrdinaryWalk) {
  rig.configure(MatrixKind::VGA, kVgaSwitcher);
  rig.selection = Selection{0, 0, 2, 1};
  const auto result = rig.run(0, 3);
  EXPECT_EQ(result.script.size(), 10u);  // five wired units, a packet and a pause each
  EXPECT_EQ(result.updatedEntries, (std::vector<int>{0, 1, 3, 6, 7}));
}

// The limits of the one-packet families, on a 30 × 30 wall wired one to one.
class OnePacketLimits : public ::testing::Test {
 protected:
  OnePacketLimits() {
    rig.wall = WallShape{30, 30, false};
    rig.state.map(MatrixKind::VGA) = oneToOneByUnit(MatrixKind::VGA, rig.wall);
    rig.switchType = 0;
  }

  void selectOutputs(int n) {
    // The first n units of the wall, row by row.
    auto& map = rig.state.map(MatrixKind::VGA);
    for (int e = 0; e < kMatrixEntries; ++e) map[static_cast<std::size_t>(e)] = e < n ? e + 1 : 0;
    rig.selection = Selection{0, 0, 29, 29};
  }

  std::vector<Bytes> packets(const Script& script) {
    std::vector<Bytes> out;
    for (const Step& step : script.steps()) {
      if (const auto* send = std::get_if<SendStep>(&step)) out.push_back(send->bytes);
    }
    return out;
  }

  MatrixRig rig;
};

TEST_F(OnePacketLimits, QrvFrameIsCompletedWhenItsLengthReaches150) {
  rig.configure(MatrixKind::VGA, kVgaQrv, 1, 16);
  selectOutputs(146);
  auto sent = packets(rig.run(0, 1).script);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0][4], 149);

  selectOutputs(147);
  sent = packets(rig.run(0, 1).script);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0][4], 150);
  EXPECT_EQ(sent[0].size(), 5u + 150u + 1u);
  // The last packet goes out after the walk, here with the input alone.
  EXPECT_EQ(hexText(sent[1]), "C5 B1 01 A3 03 15 51 01 0E");

  selectOutputs(148);
  sent = packets(rig.run(0, 1).script);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[1][4], 4);
  EXPECT_EQ(sent[1][8], 148);
}

TEST_F(OnePacketLimits, WideQrvFrameHolds73Outputs) {
  rig.configure(MatrixKind::VGA, kVgaQrv, 1, 300);
  selectOutputs(74);
  const auto sent = packets(rig.run(0, 1).script);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0][4], 150);
  EXPECT_EQ(sent[1][4], 6);  // w, 'Q', input and output 74, two bytes each
}

TEST_F(OnePacketLimits, Cz003SendsAPacketPerTwentyPairs) {
  rig.configure(MatrixKind::VGA, kVgaCz003);
  selectOutputs(45);
  const auto script = rig.run(0, 1).script;
  const auto sent = packets(script);
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0][3], 42);
  EXPECT_EQ(sent[1][3], 42);
  EXPECT_EQ(sent[2][3], 12);
  EXPECT_EQ(sent[2][5], 40);  // output 41 − 1
  EXPECT_EQ(script.size(), 6u);  // each followed by the pause
}

TEST_F(OnePacketLimits, PairListNeverOverflowsItsLengthByte) {
  rig.configure(MatrixKind::VGA, kVgaQrv002);
  selectOutputs(130);
  const auto sent = packets(rig.run(0, 1).script);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0][3], 254);  // 126 pairs
  EXPECT_EQ(sent[0].size(), 5u + 2u * 126u + 1u);
  EXPECT_EQ(sent[1][3], 10);   // the other 4
}

TEST_F(OnePacketLimits, ListTextStaysWithinTheFrameArea) {
  rig.configure(MatrixKind::VGA, kVgaCreatek);
  selectOutputs(900);
  const auto sent = packets(rig.run(0, 7).script);
  ASSERT_GT(sent.size(), 1u);
  std::string all;
  for (const Bytes& p : sent) {
    EXPECT_LE(p.size(), 1000u);
    EXPECT_EQ(p.front(), '7');
    EXPECT_EQ(p.back(), '.');
    all += std::string(p.begin() + 2, p.end() - 1) + ",";
  }
  // Every output once, in order, across the packets.
  std::string expected;
  for (int out = 1; out <= 900; ++out) expected += std::to_string(out) + ",";
  EXPECT_EQ(all, expected);
}

}  // namespace
}  // namespace wall::test
