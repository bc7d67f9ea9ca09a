// MatrixControl over a whole 30 × 30 wall wired one to one (900 outputs):
// the time to build the script, for a brand that sends one packet per
// output and for brands that gather every output into one packet.
#include <benchmark/benchmark.h>

#include "core/matrix/matrix_control.h"

namespace {

using namespace wall;

MatrixState wholeWallState(MatrixKind kind, int company) {
  MatrixState state;
  const WallShape wall{30, 30, false};
  state.map(kind) = oneToOneByUnit(kind, wall);
  state.of(kind) = MatrixSettings{company, 0, 1, 1000, 100};
  return state;
}

// The whole wall selected: 900 outputs (none of these brands has a
// whole-wall form of its own).
void runWall(benchmark::State& bench, int sourceCode, MatrixKind kind, int company) {
  const MatrixState state = wholeWallState(kind, company);
  const MatrixContext ctx{state, WallShape{30, 30, false}, PortFlags{}, Selection{0, 0, 29, 29}, 1, 0};
  std::size_t steps = 0;
  for (auto _ : bench) {
    MatrixSwitchResult result = matrixControl(ctx, sourceCode, 7, 1);
    steps = result.script.size();
    benchmark::DoNotOptimize(result);
  }
  bench.counters["steps"] = static_cast<double>(steps);
}

// "ZC001" (VGA 3): an FF frame and a pause per output, 1800 steps.
void BM_PerOutput_VgaFF(benchmark::State& s) { runWall(s, 0, MatrixKind::VGA, 3); }
// "KEDI1" (VGA 38): hexadecimal text with a checksum, per output.
void BM_PerOutput_VgaKedi1(benchmark::State& s) { runWall(s, 0, MatrixKind::VGA, 38); }
// "QRV001" (VGA 1, 1000 inputs: the wide form): packets completed at length 150.
void BM_OnePacket_VgaQrv(benchmark::State& s) { runWall(s, 0, MatrixKind::VGA, 1); }
// "QRV002" (VGA 2): the pair list.
void BM_OnePacket_VgaPairList(benchmark::State& s) { runWall(s, 0, MatrixKind::VGA, 2); }
// "CREATEK" (VGA 4): the list text, split at the frame area.
void BM_OnePacket_VgaListText(benchmark::State& s) { runWall(s, 0, MatrixKind::VGA, 4); }

BENCHMARK(BM_PerOutput_VgaFF)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PerOutput_VgaKedi1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OnePacket_VgaQrv)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OnePacket_VgaPairList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OnePacket_VgaListText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
