#include <benchmark/benchmark.h>

#include <QApplication>

#include "recorded_events.h"
#include "ui/statistics_window.h"

namespace quavix {
namespace {

// From the menu's click to the statistics window drawn, with 10^5 events recorded. Goal: under
// 200 ms. The argument is the cards of a game: 20 as most games, 1 for a history of 25 000 games.
void BM_OpenStatisticsWindowWith100000Events(benchmark::State& state) {
  bench::StepClock clock;
  bench::NoStorage storage;
  StatisticsRecorder recorder(storage, clock);
  recorder.opened();
  bench::recordEvents(recorder, 100'000, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    StatisticsWindow window(recorder);
    window.present();
    window.grab();  // everything painted once
    QApplication::processEvents();
  }
  state.counters["games"] = static_cast<double>(recorder.statistics().games.size());
}
BENCHMARK(BM_OpenStatisticsWindowWith100000Events)->Arg(20)->Arg(1)->Unit(benchmark::kMillisecond);

// The same after a year of daily practice: 365 days, 50 000 answers, the notes' review boxes, a
// run a day. Goal: under 200 ms.
void BM_OpenStatisticsWindowAfterAYear(benchmark::State& state) {
  bench::StepClock clock;
  bench::NoStorage storage;
  StatisticsRecorder recorder(storage, clock);
  recorder.opened();
  bench::recordYear(recorder, clock);
  for (auto _ : state) {
    StatisticsWindow window(recorder);
    window.present();
    window.grab();
    QApplication::processEvents();
  }
  state.counters["games"] = static_cast<double>(recorder.statistics().games.size());
}
BENCHMARK(BM_OpenStatisticsWindowAfterAYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quavix

int main(int argc, char** argv) {
  // Drawn offscreen unless a display is asked for.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
