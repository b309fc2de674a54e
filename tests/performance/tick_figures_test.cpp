#include "ui/tick_figures.h"

#include <gtest/gtest.h>

#include <vector>

namespace quavix {
namespace {

using std::chrono::milliseconds;

struct Ticks {
  std::vector<int> atMs;
  int ticks;
  double rateHz;
  int longestGapMs;
};

class TickFiguresTest : public testing::TestWithParam<Ticks> {};

TEST_P(TickFiguresTest, CountsRateAndLongestGap) {
  const Ticks& run = GetParam();
  TickFigures figures;
  const auto start = TickFigures::Clock::now();
  for (int at : run.atMs) figures.add(start + milliseconds(at));
  EXPECT_EQ(figures.ticks(), run.ticks);
  EXPECT_NEAR(figures.rateHz(), run.rateHz, 1e-9);
  EXPECT_EQ(figures.longestGap(), milliseconds(run.longestGapMs));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, TickFiguresTest,
    testing::Values(Ticks{{}, 0, 0, 0},                             // never started
                    Ticks{{500}, 1, 0, 0},                          // a rate needs two ticks
                    Ticks{{0, 20, 40, 60, 80}, 5, 50, 20},          // steady 50 Hz
                    Ticks{{100, 120, 165, 180}, 4, 3 / 0.080, 45},  // the gap need not be first
                    Ticks{{0, 30, 40}, 3, 50, 30}));                // a late tick, then a quick one

TEST(TickFiguresSummary, PrintsEveryFigureOnOneLine) {
  TickFigures figures;
  const auto start = TickFigures::Clock::now();
  for (int at : {0, 20, 45}) figures.add(start + milliseconds(at));
  EXPECT_EQ(figures.summary(), "ticks 3 seconds 0.045 rate-hz 44.44 longest-gap-ms 25.0");
}

}  // namespace
}  // namespace quavix
