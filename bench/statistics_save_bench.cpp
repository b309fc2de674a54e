#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/files/background_saves.h"
#include "platform/files/statistics_file.h"

namespace quavix {
namespace {

namespace fs = std::filesystem;

// A record of `games` three-minute games and a season of figures.
Statistics recordOf(int64_t games) {
  Statistics statistics;
  for (int note = 0; note < 19; ++note) {
    statistics.notes[0][note] = {4000, 3500, 300, 200, 4'000'000, 600'000, {{59, 150}, {62, 150}}};
  }
  statistics.games.assign(static_cast<std::size_t>(games),
                          {PlayMode::Learning, 1, 120, 480, 1'700'000'000, 180'000});
  return statistics;
}

// stats.json in a folder of its own, removed at the end.
struct ScratchFile {
  fs::path folder = fs::temp_directory_path() / ("quavix-bench-" + std::to_string(::getpid()));
  fs::path path = folder / "stats.json";
  ~ScratchFile() { fs::remove_all(folder); }
};

// What a save costs the window's thread: a copy handed to the writer. Its end, which waits for
// the last write, is not timed.
void BM_SaveInBackground(benchmark::State& state) {
  const Statistics record = recordOf(state.range(0));
  ScratchFile scratch;
  StatisticsFile file(scratch.path);
  BackgroundSaves saves(file);
  for (auto _ : state) benchmark::DoNotOptimize(saves.saveStatistics(record));
}
BENCHMARK(BM_SaveInBackground)->Arg(100'000)->Arg(1'500'000)->Unit(benchmark::kMillisecond);

// The write itself, which the writer's thread does.
void BM_WriteStatisticsFile(benchmark::State& state) {
  const Statistics record = recordOf(state.range(0));
  ScratchFile scratch;
  StatisticsFile file(scratch.path);
  for (auto _ : state) benchmark::DoNotOptimize(file.saveStatistics(record));
  state.counters["MB"] = static_cast<double>(fs::file_size(scratch.path)) / (1 << 20);
}
BENCHMARK(BM_WriteStatisticsFile)->Arg(70'000)->Unit(benchmark::kMillisecond);

// Start-up's read of a file of that record, which the window waits for.
void BM_LoadStatisticsFile(benchmark::State& state) {
  ScratchFile scratch;
  StatisticsFile file(scratch.path);
  file.saveStatistics(recordOf(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(file.loadStatistics().statistics.games.size());
}
BENCHMARK(BM_LoadStatisticsFile)->Arg(70'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quavix
