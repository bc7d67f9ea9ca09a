// "读取所有" against a wall processor on a pseudo-terminal that answers every
// read request at once: the pages of the read, then the input sources of
// every unit of an N × N wall (5 × 5 and 30 × 30). A reply can only be taken
// after the line's 50 ms of quiet, so most of the time is the polls the read
// makes by its rule and the waits it must keep. The figure of interest is
// the program's own time beyond those: overhead_pct = (total − polls × 10 ms
// − waits − pauses) / total (target: at most 5%).
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "../tests/io/wall_responder.h"
#include "core/link/read_back.h"
#include "io/port_bank.h"
#include "io/script_runner.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class NullSink : public wall::ReadSink {
 public:
  int sources = 0;
  int setValue(const wall::ReadItem&, const wall::ReplyValue& r) override { return r.value; }
  void setListIndex(const wall::ReadItem&, int) override {}
  void setUnitSource(int, int, int) override { ++sources; }
};

// The time the read's rule itself asks for: per read the polls before the
// reply (or all of them) at 10 ms each and its wait, plus every pause.
long long specifiedMs(const wall::Script& script, const std::vector<wall::ReadResult>& reads) {
  long long ms = 0;
  std::size_t read = 0;
  for (const wall::Step& step : script.steps()) {
    if (const auto* p = std::get_if<wall::PauseStep>(&step)) ms += p->ms;
    if (const auto* r = std::get_if<wall::ReadStep>(&step)) {
      if (read >= reads.size()) break;
      const wall::ReadResult& got = reads[read++];
      ms += static_cast<long long>(got.reply ? got.polls - 1 : got.polls) * wall::kReadPollMs + r->waitMs;
    }
  }
  return ms;
}

void BM_ReadAll(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  wall::test::WallResponder responder(0);
  wall::PortBank bank;
  wall::PortSettings s = wall::PortSettings::defaultsFor(1);
  s.portNo = 1;
  s.device = responder.path();
  bank.port(1).setSettings(s);
  if (!bank.port(1).open()) {
    state.SkipWithError("cannot open the pseudo-terminal");
    return;
  }
  wall::ReadContext ctx;
  ctx.cmdDelayTime10Ms = 10;
  ctx.rows = ctx.columns = side;
  ctx.selection = {0, 0, side - 1, side - 1};
  wall::ScriptRunner runner(bank);
  double totalMs = 0, ruleMs = 0;
  int reads = 0, failed = 0;
  for (auto _ : state) {
    NullSink sink;
    wall::ConfigList config;
    wall::ReadBackRun run(wall::readAll(ctx), ctx, sink, &config);
    const auto start = Clock::now();
    const auto id = runner.submit(run.plan().script);
    const auto report = runner.waitFor(id, 1h);
    const auto elapsed = Clock::now() - start;
    if (!report) {
      state.SkipWithError("the read did not end");
      return;
    }
    for (const wall::ReadResult& r : report->reads) {
      run.apply(r);
      failed += r.reply ? 0 : 1;
    }
    reads += static_cast<int>(report->reads.size());
    totalMs += std::chrono::duration<double, std::milli>(elapsed).count();
    ruleMs += static_cast<double>(specifiedMs(run.plan().script, report->reads));
  }
  state.counters["reads"] = reads;
  state.counters["failed"] = failed;
  state.counters["total_s"] = totalMs / 1000.0;
  state.counters["polls_and_waits_s"] = ruleMs / 1000.0;
  state.counters["overhead_pct"] = totalMs > 0 ? 100.0 * (totalMs - ruleMs) / totalMs : 0;
}
BENCHMARK(BM_ReadAll)->Arg(5)->Arg(30)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
