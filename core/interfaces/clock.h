#pragma once

#include <cstdint>

namespace quavix {

// The time of day and a steady count of milliseconds; a test double scripts both.
class Clock {
 public:
  virtual ~Clock() = default;
  // Only differences mean anything; never goes back.
  virtual int64_t steadyMilliseconds() = 0;
  // Seconds since 1970-01-01 UTC.
  virtual int64_t unixSeconds() = 0;
  // How far the local time is ahead of UTC now, which makes the player's calendar day.
  virtual int64_t utcOffsetSeconds() = 0;
};

}  // namespace quavix
