#pragma once

#include <cstdint>
#include <functional>

#include "core/interfaces/random_source.h"

namespace quavix {

// A SplitMix64 generator. Re-seeding folds a clock reading into the running state instead of
// replacing it, so re-seeds within one clock reading still lead to different draws.
class ClockRandom final : public RandomSource {
 public:
  using Clock = std::function<uint64_t()>;

  ClockRandom();  // the system clock, in nanoseconds
  explicit ClockRandom(Clock clock);

  void reseed() override;
  float next() override;

 private:
  Clock clock_;
  uint64_t state_;
};

}  // namespace quavix
