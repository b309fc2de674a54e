#include <benchmark/benchmark.h>

#include "statistics/recorded_events.h"

namespace quavix {
namespace {

// What recording costs the game's handlers: 10^5 events into a record, writes left out.
void BM_Record100000Events(benchmark::State& state) {
  for (auto _ : state) {
    bench::StepClock clock;
    bench::NoStorage storage;
    StatisticsRecorder recorder(storage, clock);
    recorder.opened();
    bench::recordEvents(recorder, 100'000);
    benchmark::DoNotOptimize(recorder.statistics().games.size());
  }
  state.SetItemsProcessed(state.iterations() * 100'000);
}
BENCHMARK(BM_Record100000Events)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quavix
