// The input-control confirm as a timeline: the wall command and the matrix
// switch in the configured order with the configured pause between, the
// single-screen code, the preamble of the brands that need it, sources
// without a matrix, and Kestrel's channels.
#include "core/matrix/input_switch.h"

#include <gtest/gtest.h>

#include "core/link/virtual_runner.h"
#include "core/link/wall_frames.h"
#include "core/matrix/source_list.h"

namespace wall::test {
namespace {

template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& p) {
  return p.param.name;
}

constexpr int kDviZc001 = 33;  // FF frame per output: FF id 03 in out AA (video and audio)
constexpr int kAvSiso = 22;
constexpr int kVgaHokuto = 37;
constexpr int kVgaZc001 = 3;

// A 3 × 3 wall wired one to one; the first two units of the top row selected.
struct SwitchRig {
  MatrixState matrices;
  WallShape wall{3, 3, false};
  PortFlags flags;
  Selection selection{0, 0, 0, 1};

  SwitchRig() {
    for (MatrixKind kind : kMatrixKinds) matrices.map(kind) = oneToOneByUnit(kind, wall);
    matrices.of(MatrixKind::DVI) = MatrixSettings{kDviZc001, 0, 1, 16, 100};
  }

  InputSwitchRequest request(int sourceCode) const {
    InputSwitchRequest r{matrices, wall, flags, selection};
    r.sourceCode = sourceCode;
    r.switchType = 0;
    r.inputIndex = {0, 0, 2, 0};  // DVI input 3
    return r;
  }

  static std::string timeline(const InputSwitchPlan& plan) {
    VirtualRunner runner;
    return timelineText(runner.run(plan.script));
  }
};

struct OrderCase {
  const char* name;
  int switchOrder;
  bool singleScreen;
  int pause;
  const char* expected;
};

class InputSwitchOrder : public ::testing::TestWithParam<OrderCase> {};

// Fennel's "HDMI" (SourceCode 11) through the DVI matrix.
TEST_P(InputSwitchOrder, MatrixAndWallInTheConfiguredOrder) {
  const OrderCase& c = GetParam();
  SwitchRig rig;
  InputSwitchRequest r = rig.request(11);
  r.switchOrder = c.switchOrder;
  r.singleScreen = c.singleScreen;
  r.matrixToScreenTime = c.pause;
  const InputSwitchPlan plan = buildInputSwitch(r);
  EXPECT_EQ(SwitchRig::timeline(plan), c.expected);
  EXPECT_EQ(plan.units, (std::vector<int>{0, 1}));
  ASSERT_TRUE(plan.matrix.has_value());
  EXPECT_EQ(plan.matrix->updatedEntries, (std::vector<int>{0, 1}));
  EXPECT_EQ(plan.matrix->input, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputSwitchOrder,
    ::testing::Values(
        // The matrix first; 200 ms after its last pause the wall frame.
        OrderCase{"MatrixFirst", 0, false, 200,
                  "0 1 FF 01 03 03 01 AA\n100 1 FF 01 03 03 02 AA\n400 1 FB B0 11 12 30 0F AE\n"},
        OrderCase{"SingleScreen", 0, true, 200,
                  "0 1 FF 01 03 03 01 AA\n100 1 FF 01 03 03 02 AA\n400 1 FB B0 11 12 31 0F AE\n"},
        // The wall first, then the pause, then the matrix.
        OrderCase{"WallFirst", 1, false, 350,
                  "0 1 FB B0 11 12 30 0F AE\n350 1 FF 01 03 03 01 AA\n450 1 FF 01 03 03 02 AA\n"},
        // A value neither 0 nor 1 (a hand-edited file) is taken as 0.
        OrderCase{"OtherOrderIsMatrixFirst", 2, false, 0,
                  "0 1 FF 01 03 03 01 AA\n100 1 FF 01 03 03 02 AA\n200 1 FB B0 11 12 30 0F AE\n"}),
    caseName<OrderCase>);

TEST(InputSwitch, ASourceWithoutAMatrixSendsOnlyTheWallCommand) {
  SwitchRig rig;
  for (int source : {7, 9}) {
    const InputSwitchPlan plan = buildInputSwitch(rig.request(source));
    EXPECT_FALSE(plan.matrix.has_value()) << source;
    const std::string expected = "200 1 FB B0 11 12 30 " + std::string(source == 7 ? "09" : "10") + " AE\n";
    EXPECT_EQ(SwitchRig::timeline(plan), expected) << source;
  }
}

TEST(InputSwitch, MatrixUseOffSkipsTheMatrixAndThePreamble) {
  SwitchRig rig;
  rig.matrices.of(MatrixKind::DVI).company = 36;  // "SISO": would send the preamble
  InputSwitchRequest r = rig.request(10);
  r.matrixUse = false;
  const InputSwitchPlan plan = buildInputSwitch(r);
  EXPECT_FALSE(plan.matrix.has_value());
  EXPECT_EQ(SwitchRig::timeline(plan), "200 1 FB B0 11 12 30 0E AE\n");
  EXPECT_EQ(plan.units, (std::vector<int>{0, 1}));
}

TEST(InputSwitch, AKindNotInUseSendsNoMatrixCommand) {
  SwitchRig rig;
  const InputSwitchPlan plan = buildInputSwitch(rig.request(0));  // VGA "NotUsed"
  EXPECT_EQ(SwitchRig::timeline(plan), "200 1 FB B0 11 12 30 0C AE\n");
}

struct PreambleCase {
  const char* name;
  MatrixKind kind;
  int company;
  int sourceCode;
  PortFlags flags;
  int preambleDevice;  // 0: no preamble
};

class InputSwitchPreamble : public ::testing::TestWithParam<PreambleCase> {};

TEST_P(InputSwitchPreamble, BeforeTheMatrixCommandOnlyWhenTheKindSharesALine) {
  const PreambleCase& c = GetParam();
  SwitchRig rig;
  rig.flags = c.flags;
  rig.matrices.of(c.kind) = MatrixSettings{c.company, 0, 1, 16, 0};
  const InputSwitchPlan plan = buildInputSwitch(rig.request(c.sourceCode));
  ASSERT_FALSE(plan.script.empty());
  const auto& first = std::get<SendStep>(plan.script.steps().front());
  if (c.preambleDevice == 0) {
    EXPECT_NE(first.bytes, matrixPreamble());
    for (const Step& s : plan.script.steps()) {
      if (const auto* send = std::get_if<SendStep>(&s)) {
        EXPECT_NE(send->bytes, matrixPreamble());
      }
    }
  } else {
    EXPECT_EQ(hexText(first.bytes), "F2 00 00 22 00 01 00 23");
    EXPECT_EQ(first.device, c.preambleDevice);
    // No pause between the preamble and the matrix command.
    ASSERT_GE(plan.script.size(), 2u);
    EXPECT_TRUE(std::holds_alternative<SendStep>(plan.script.steps()[1]));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputSwitchPreamble,
    ::testing::Values(PreambleCase{"AvSisoOnTheWallPort", MatrixKind::AV, kAvSiso, 2, {}, 1},
                      PreambleCase{"AvSisoOwnPort", MatrixKind::AV, kAvSiso, 2, {false, true, false, false, false}, 0},
                      PreambleCase{"AvSisoSharedPort", MatrixKind::AV, kAvSiso, 3, {true, false, false, false, false}, 2},
                      PreambleCase{"AvAcv", MatrixKind::AV, 84, 2, {}, 1},
                      PreambleCase{"VgaHokuto", MatrixKind::VGA, kVgaHokuto, 1, {}, 1},
                      PreambleCase{"VgaOwnPort", MatrixKind::VGA, kVgaHokuto, 0, {false, false, true, false, false}, 0},
                      PreambleCase{"VgaOtherBrand", MatrixKind::VGA, kVgaZc001, 0, {}, 0},
                      PreambleCase{"DviSiso", MatrixKind::DVI, 36, 11, {}, 1},
                      // The DVI flag says nothing about the AV kind.
                      PreambleCase{"OtherKindsFlag", MatrixKind::AV, kAvSiso, 2, {false, false, false, true, false}, 1}),
    caseName<PreambleCase>);

// Kestrel: AV1..AV4 are their own channel; "QUAD" takes "子信号", and
// "NULL" switches no matrix output (the wall command still goes out).
TEST(InputSwitch, KestrelChannels) {
  SwitchRig rig;
  rig.wall.kestrel = true;
  rig.selection = Selection::unit(0, 1);
  rig.matrices.map(MatrixKind::AV) = oneToOneByUnit(MatrixKind::AV, rig.wall);
  rig.matrices.map(MatrixKind::AV)[4 + 2] = 7;  // unit 1, AV3
  rig.matrices.of(MatrixKind::AV) = MatrixSettings{4, 0, 1, 16, 0};  // "ZC001"
  struct Case {
    int source, subSignal;
    std::vector<int> entries;
  };
  for (const Case& c : {Case{4, 0, {6}}, Case{6, 3, {6}}, Case{6, 0, {}}, Case{2, 4, {4}}}) {
    InputSwitchRequest r = rig.request(c.source);
    r.subSignal = c.subSignal;
    const InputSwitchPlan plan = buildInputSwitch(r);
    ASSERT_TRUE(plan.matrix.has_value());
    EXPECT_EQ(plan.matrix->updatedEntries, c.entries) << c.source << "/" << c.subSignal;
    const auto& last = std::get<SendStep>(plan.script.steps().back());
    EXPECT_EQ(last.bytes, WallFrames(0, rig.selection).buttonIncDec(0x30, wallInputCode(c.source)));
  }
}

TEST(SourceList, ProductListsAndCodes) {
  EXPECT_EQ(sourceList(0).size(), 2u);
  EXPECT_EQ(sourceCodeAt(6, 5), 11);      // Fennel "HDMI"
  EXPECT_EQ(sourceCodeAt(10, 5), 6);      // Kestrel "QUAD"
  EXPECT_EQ(sourceList(13).back().name, "DVI2");
  EXPECT_EQ(sourceCodeAt(0, 2), std::nullopt);
  EXPECT_EQ(sourceCodeAt(6, -1), std::nullopt);
  EXPECT_TRUE(sourceList(14).empty());
  EXPECT_TRUE(sourceList(-1).empty());
  for (int p = 0; p < 14; ++p) EXPECT_LE(sourceList(p).size(), static_cast<std::size_t>(kMaxSourceEntries));
  const std::uint8_t codes[] = {0x0C, 0x0D, 0x00, 0x01, 0x02, 0x03, 0x04, 0x09, 0x0B, 0x10, 0x0E, 0x0F, 0x00};
  for (int s = 0; s < 13; ++s) EXPECT_EQ(wallInputCode(s), codes[s]) << s;
  EXPECT_EQ(wallInputCode(13), 0x00);
}

}  // namespace
}  // namespace wall::test
