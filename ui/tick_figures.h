#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace quavix {

// How regularly a timer ticked: how many ticks, from the first to the last, and the longest wait
// between two. Kept as running figures, so a long session costs no memory.
class TickFigures {
 public:
  using Clock = std::chrono::steady_clock;

  void add(Clock::time_point at);

  // Ticks per second between the first tick and the last; 0 before the second tick.
  double rateHz() const;
  // One line for a script: "ticks N seconds S rate-hz R longest-gap-ms G".
  std::string summary() const;

 private:
  int ticks_ = 0;
  std::optional<Clock::time_point> first_;
  Clock::time_point last_{};
  Clock::duration longestGap_{};
};

}  // namespace quavix
