// MatrixControl over a whole 30 × 30 wall wired one to one (900 outputs)
// for the AV brands that write the most steps per output: the key protocol
// of "AC6800" (a press and a release per key, each with its pause) and
// "SHATIAN" (its frame one byte per write, three times over).
#include <benchmark/benchmark.h>

#include "core/matrix/matrix_control.h"

namespace {

using namespace wall;

void runAvWall(benchmark::State& bench, int company, int in) {
  MatrixState state;
  const WallShape wall{30, 30, false};
  state.map(MatrixKind::AV) = oneToOneByUnit(MatrixKind::AV, wall);
  state.of(MatrixKind::AV) = MatrixSettings{company, 0, 1, 1000, 100};
  const MatrixContext ctx{state, wall, PortFlags{}, Selection{0, 0, 29, 29}, 1, 0};
  std::size_t steps = 0;
  for (auto _ : bench) {
    MatrixSwitchResult result = matrixControl(ctx, 2, in, 1);
    steps = result.script.size();
    benchmark::DoNotOptimize(result);
  }
  bench.counters["steps"] = static_cast<double>(steps);
}

// "AC6800" (AV 95), input 123: 7 to 9 keys per output, two events each.
void BM_AvKeys_Ac6800(benchmark::State& s) { runAvWall(s, 95, 123); }
// "SHATIAN" (AV 19): 9 bytes written one at a time, three times.
void BM_AvBytePerWrite_Shatian(benchmark::State& s) { runAvWall(s, 19, 7); }
// "MAINVAN" (AV 5): one frame per output, for comparison.
void BM_AvPerOutput_Mainvan(benchmark::State& s) { runAvWall(s, 5, 7); }

BENCHMARK(BM_AvKeys_Ac6800)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AvBytePerWrite_Shatian)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AvPerOutput_Mainvan)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
