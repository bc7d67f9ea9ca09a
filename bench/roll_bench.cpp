// Roll polling: the tick that sends a group of 100 items, for each of the
// three formats, builds its script well within the one-second timer.
#include <benchmark/benchmark.h>

#include "core/matrix/roll_poller.h"

namespace {

wall::RollConfig fullGroup(int brand) {
  wall::RollConfig config;
  config.groupCount = 1;
  wall::RollGroup& g = config.groups[0];
  g.enabled = true;
  for (int j = 0; j < wall::kRollItemsPerGroup; ++j) {
    g.items.push_back(wall::RollItem{true, brand, j % 3, 0, 1 + j * 2, 255 - j});
  }
  return config;
}

// Interval 1: every tick sends the whole group.
void BM_RollTickOfAFullGroup(benchmark::State& state) {
  const wall::RollConfig config = fullGroup(static_cast<int>(state.range(0)));
  wall::RollPoller poller;
  poller.start(config, 1);
  const wall::PortFlags flags;
  for (auto _ : state) {
    wall::Script script = poller.tick(1, flags);
    benchmark::DoNotOptimize(script);
  }
  state.SetLabel(wall::kRollBrands[static_cast<std::size_t>(state.range(0))]);
}
BENCHMARK(BM_RollTickOfAFullGroup)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
