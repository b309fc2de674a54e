#include "ui/tick_figures.h"

#include <gtest/gtest.h>

#include <vector>

namespace quavix {
namespace {

TEST(TickFigures, SummaryGivesCountSpanRateAndLongestGap) {
  struct Run {
    std::vector<int> atMs;
    const char* summary;
  };
  const Run runs[] = {
      {.atMs = {}, .summary = "ticks 0 seconds 0.000 rate-hz 0.00 longest-gap-ms 0.0"},
      // A rate needs two ticks.
      {.atMs = {500}, .summary = "ticks 1 seconds 0.000 rate-hz 0.00 longest-gap-ms 0.0"},
      {.atMs = {0, 20, 40, 60, 80},
       .summary = "ticks 5 seconds 0.080 rate-hz 50.00 longest-gap-ms 20.0"},
      // The longest gap need not be the first, nor the last.
      {.atMs = {100, 120, 165, 180},
       .summary = "ticks 4 seconds 0.080 rate-hz 37.50 longest-gap-ms 45.0"},
      {.atMs = {0, 20, 45}, .summary = "ticks 3 seconds 0.045 rate-hz 44.44 longest-gap-ms 25.0"},
  };
  for (const Run& run : runs) {
    TickFigures figures;
    const auto start = TickFigures::Clock::now();
    for (int at : run.atMs) figures.add(start + std::chrono::milliseconds(at));
    EXPECT_EQ(figures.summary(), run.summary);
  }
}

}  // namespace
}  // namespace quavix
