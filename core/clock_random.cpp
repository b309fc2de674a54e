#include "core/clock_random.h"

#include <chrono>
#include <utility>

namespace quavix {

namespace {

constexpr uint64_t kGamma = 0x9E3779B97F4A7C15ULL;

uint64_t mix(uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

uint64_t systemClockNanoseconds() {
  const auto since = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(since).count());
}

}  // namespace

ClockRandom::ClockRandom() : ClockRandom(systemClockNanoseconds) {}

ClockRandom::ClockRandom(Clock clock) : clock_(std::move(clock)), state_(mix(clock_())) {}

void ClockRandom::reseed() { state_ = mix(state_ + kGamma + clock_()); }

float ClockRandom::next() {
  state_ += kGamma;
  // 24 bits fill a float's mantissa exactly, so the draw stays below 1.
  return static_cast<float>(mix(state_) >> 40) * 0x1p-24f;
}

}  // namespace quavix
