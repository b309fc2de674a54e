#include "ui/tick_figures.h"

#include <algorithm>
#include <cstdio>

namespace quavix {

namespace {

double seconds(TickFigures::Clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

void TickFigures::add(Clock::time_point at) {
  if (first_) {
    longestGap_ = std::max(longestGap_, at - last_);
  } else {
    first_ = at;
  }
  last_ = at;
  ++ticks_;
}

double TickFigures::rateHz() const {
  if (ticks_ < 2) return 0;
  const double span = seconds(last_ - *first_);
  return span > 0 ? (ticks_ - 1) / span : 0;
}

std::string TickFigures::summary() const {
  char line[128];
  std::snprintf(line, sizeof line, "ticks %d seconds %.3f rate-hz %.2f longest-gap-ms %.1f", ticks_,
                first_ ? seconds(last_ - *first_) : 0.0, rateHz(), seconds(longestGap_) * 1000);
  return line;
}

}  // namespace quavix
