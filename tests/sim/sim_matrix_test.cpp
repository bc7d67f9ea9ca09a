// Simulated matrices against the switch engine: what MatrixControl sends for
// a family must come back as the same routing, on the wall port (packets
// unwrapped among the wall frames) and on the matrices' own ports.

#include <gtest/gtest.h>

#include "core/matrix/format_families.h"
#include "core/matrix/matrix_control.h"
#include <memory>

#include "sim/sim_system.h"

namespace wall::sim {
namespace {

struct FamilyCase {
  const char* name;
  BrandFormat format;
  int sourceCode;  // picks the kind
  int in;
};

void PrintTo(const FamilyCase& c, std::ostream* os) { *os << c.name; }

// A 2 × 3 wall wired to outputs 4, 5, 5 / 7, 0, 9: a shared output and an
// unwired unit, as installations have them.
class FamilyRoundTrip : public ::testing::TestWithParam<FamilyCase> {
 protected:
  FamilyRoundTrip() {
    const MatrixKind kind = *kindForSource(GetParam().sourceCode);
    wiring = {4, 5, 5, 7, 0, 9};
    std::copy(wiring.begin(), wiring.end(), state.map(kind).begin());
    state.of(kind).inputMax = 64;
    // The simulation is cabled from the program's own diagram.
    sim->setWiring(kind, wiringFromMap(state.map(kind), kind, WallShape{2, 3, false}));
  }

  MatrixSwitchResult run(const Selection& selection, const PortFlags& flags = {}) {
    const MatrixContext ctx{state, WallShape{2, 3, false}, flags, selection, 1, 0};
    return matrixControlWith(ctx, BrandRow{1, GetParam().name, GetParam().format}, GetParam().sourceCode,
                             GetParam().in, 1);
  }

  void play(const Script& script) {
    for (const Step& step : script.steps()) {
      if (const auto* send = std::get_if<SendStep>(&step)) {
        const auto out = sim->feed(send->device, send->bytes);
        for (const std::string& line : out.log) {
          EXPECT_EQ(line.find("unknown"), std::string::npos) << line;
          EXPECT_EQ(line.find("no matrix"), std::string::npos) << line;
        }
      }
    }
  }

  MatrixState state;
  std::vector<int> wiring;
  std::unique_ptr<SimSystem> sim = std::make_unique<SimSystem>(2, 3, 0);
};

TEST_P(FamilyRoundTrip, EngineOutputRoutesTheWiredOutputs) {
  const MatrixKind kind = *kindForSource(GetParam().sourceCode);
  const auto result = run(Selection{0, 0, 1, 2});
  ASSERT_FALSE(result.script.empty());
  play(result.script);
  EXPECT_EQ(sim->matrix(kind).routes(),
            (std::map<int, int>{{4, GetParam().in}, {5, GetParam().in}, {7, GetParam().in}, {9, GetParam().in}}));
}

TEST_P(FamilyRoundTrip, OwnPortsAndTheSharedPortReachTheMatrix) {
  const MatrixKind kind = *kindForSource(GetParam().sourceCode);
  for (const PortFlags& flags : {PortFlags{true, false, false, false, false}, PortFlags{false, true, true, true, true}}) {
    sim = std::make_unique<SimSystem>(2, 3, 0);
    sim->setWiring(kind, wiring);
    play(run(Selection::unit(1, 2), flags).script);
    EXPECT_EQ(sim->matrix(kind).inputOf(9), GetParam().in);
    EXPECT_EQ(sim->view(1, 2).matrixInput, std::nullopt) << "the unit shows no matrix source yet";
  }
}

TEST_P(FamilyRoundTrip, PacketsSplitByteByByteAndJoinedWithWallFrames) {
  const MatrixKind kind = *kindForSource(GetParam().sourceCode);
  Bytes stream{0xFB, 0xB0, 0x11, 0x11, 0x10, 0x01, 0xAE};
  const auto result = run(Selection{0, 0, 1, 2});
  for (const Step& step : result.script.steps()) {
    if (const auto* send = std::get_if<SendStep>(&step)) stream.insert(stream.end(), send->bytes.begin(), send->bytes.end());
  }
  stream.insert(stream.end(), {0xFB, 0xB0, 0x23, 0x23, 0x10, 0x01, 0xAE});
  std::vector<std::string> log;
  for (std::uint8_t b : stream) {
    const auto out = sim->feed(kWallDevice, std::span<const std::uint8_t>(&b, 1));
    log.insert(log.end(), out.log.begin(), out.log.end());
  }
  for (const std::string& line : log) EXPECT_EQ(line.find("unknown"), std::string::npos) << line;
  EXPECT_TRUE(sim->wall().unit(0, 0).power);
  EXPECT_TRUE(sim->wall().unit(1, 2).power);
  EXPECT_EQ(sim->matrix(kind).inputOf(7), GetParam().in);
}

INSTANTIATE_TEST_SUITE_P(
    Families, FamilyRoundTrip,
    ::testing::Values(FamilyCase{"FF", ffFrame(sw(0x03, 0x05, 0x04)), 0, 3},
                      FamilyCase{"BB", bbFrame(sw(0x01)), 10, 12},
                      FamilyCase{"star", starText(), 2, 17},
                      FamilyCase{"letter", letterText('<'), 0, 2},
                      FamilyCase{"letter_paren", letterText('('), 11, 33},
                      FamilyCase{"list", listText(sw('B', 'V', 'A')), 0, 5},
                      FamilyCase{"list_amp_crlf", listText(sw('B', 'V', 'A'), '&', "\r\n"), 2, 8},
                      FamilyCase{"pairs_sum", pairList(sw(0xA3, 0xA0, 0xA2), PairCheck::Sum), 0, 6},
                      FamilyCase{"pairs_sum96_ba", pairList(sw(0xA4), PairCheck::Sum96, {.h = 0xBA}), 10, 2},
                      FamilyCase{"pairs_zero", pairList(sw(0xA0), PairCheck::Zero), 8, 4},
                      FamilyCase{"qrv_vga", qrvFrame(), 0, 7},
                      FamilyCase{"qrv_dvi", qrvFrame(), 10, 9},
                      FamilyCase{"qrv_ypbpr", qrvFrame(), 8, 1}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(QrvKind, APacketForOneKindLeavesTheOthersAlone) {
  MatrixState state;
  state.map(MatrixKind::DVI)[0] = 3;
  const MatrixContext ctx{state, WallShape{1, 1, false}, {}, Selection::unit(0, 0), 1, 0};
  SimSystem sim{1, 1, 0};
  const auto result = matrixControlWith(ctx, BrandRow{1, "QRV", qrvFrame()}, 10, 4, 1);
  for (const Step& step : result.script.steps()) {
    if (const auto* send = std::get_if<SendStep>(&step)) sim.feed(send->device, send->bytes);
  }
  EXPECT_EQ(sim.matrix(MatrixKind::DVI).inputOf(3), 4);
  EXPECT_TRUE(sim.matrix(MatrixKind::VGA).routes().empty());
}

TEST(MatrixAddress, AMatrixWithAnAddressTakesOnlyItsOwnPackets) {
  SimMatrix m(MatrixKind::VGA, 2);
  auto other = scanMatrixPacket(Bytes{0xFF, 0x01, 0x03, 0x04, 0x05, 0xAA});
  auto own = scanMatrixPacket(Bytes{0xFF, 0x02, 0x03, 0x04, 0x05, 0xAA});
  ASSERT_EQ(own.status, ScanStatus::Complete);
  EXPECT_FALSE(m.take(other.value));
  EXPECT_TRUE(m.take(own.value));
  EXPECT_EQ(m.inputOf(5), 4);
}

struct BadPacket {
  const char* name;
  Bytes bytes;
};

TEST(MatrixScan, DamagedPacketsAreNotSwitches) {
  const BadPacket cases[] = {
      {"ff_wrong_tail", {0xFF, 0x01, 0x03, 0x04, 0x05, 0xAB}},
      {"bb_wrong_second", {0xBB, 0x05, 0x01, 0x01, 0x02, 0x03, 0x55}},
      {"qrv_bad_sum", {0xC5, 0xB1, 0x01, 0xA3, 0x03, 0x15, 'R', 0x02, 0x03, 0x00}},
      {"pairs_bad_sum", {0x96, 0x01, 0x01, 0x04, 0xA0, 0x00, 0x01, 0x42}},
      {"star_no_tail", {'1', '*', '2', '?'}},
      {"letter_bad", {'A', '0', '1', '>', '0', '2', '!'}},
  };
  for (const BadPacket& c : cases) EXPECT_EQ(scanMatrixPacket(c.bytes).status, ScanStatus::NoMatch) << c.name;
}

// A Kestrel wall keeps four AV entries and two DVI entries per unit: the
// unit's cable is its first channel's output, and units past the 1000-entry
// table have none.
TEST(Cabling, FollowsTheFirstChannelOfEachUnitAndStopsAtTheTable) {
  MatrixTable map{};
  for (int e = 0; e < kMatrixEntries; ++e) map[static_cast<std::size_t>(e)] = 1000 + e;
  map[4] = 0;   // AV: unit 1's first channel left unconnected
  map[8] = -3;  // a hand-edited negative output is not a cable
  const WallShape kestrel{16, 16, true};
  const std::vector<int> av = wiringFromMap(map, MatrixKind::AV, kestrel);
  ASSERT_EQ(av.size(), 256u);
  EXPECT_EQ(av[0], 1000);
  EXPECT_EQ(av[1], 0);
  EXPECT_EQ(av[2], 0);
  EXPECT_EQ(av[3], 1012);
  EXPECT_EQ(av[249], 1000 + 249 * 4);
  EXPECT_EQ(av[250], 0);  // entry 1000 is past the table
  const std::vector<int> dvi = wiringFromMap(map, MatrixKind::DVI, kestrel);
  EXPECT_EQ(dvi[3], 1006);
  EXPECT_EQ(dvi[255], 1000 + 510);
  const std::vector<int> vga = wiringFromMap(map, MatrixKind::VGA, WallShape{2, 3, false});
  EXPECT_EQ(vga, (std::vector<int>{1000, 1001, 1002, 1003, 0, 1005}));  // one entry per unit
}

}  // namespace
}  // namespace wall::sim
