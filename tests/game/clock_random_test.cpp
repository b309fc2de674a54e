#include "game/clock_random.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace quavix {
namespace {

std::vector<float> drawsAfterReseeds(ClockRandom& random, int count) {
  std::vector<float> draws;
  for (int i = 0; i < count; ++i) {
    random.reseed();
    draws.push_back(random.next());
  }
  return draws;
}

TEST(ClockRandom, ReseedsWithinOneClockReadingStillDrawAnew) {
  ClockRandom random([] { return uint64_t{42}; });
  const auto draws = drawsAfterReseeds(random, 1000);
  EXPECT_EQ(std::set<float>(draws.begin(), draws.end()).size(), draws.size());
}

TEST(ClockRandom, TheClockChangesTheDraws) {
  uint64_t now = 1;
  ClockRandom ticking([&now] { return now++; });
  ClockRandom frozen([] { return uint64_t{1}; });
  EXPECT_NE(drawsAfterReseeds(ticking, 10), drawsAfterReseeds(frozen, 10));
}

TEST(ClockRandom, DrawsAreUniformOnTheUnitInterval) {
  ClockRandom random([] { return uint64_t{3}; });
  constexpr int kBins = 20;
  constexpr int kDraws = 100000;
  std::vector<int> bins(kBins);
  for (int i = 0; i < kDraws; ++i) {
    if (i % 7 == 0) random.reseed();
    const float r = random.next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    ++bins[static_cast<int>(r * kBins)];
  }
  double statistic = 0;
  const double expected = double{kDraws} / kBins;
  for (int seen : bins) statistic += (seen - expected) * (seen - expected) / expected;
  EXPECT_LT(statistic, 43.8);  // 19 degrees of freedom, p = 0.001
}

}  // namespace
}  // namespace quavix
