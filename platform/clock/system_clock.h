#pragma once

#include "core/interfaces/clock.h"

namespace quavix {

class SystemClock final : public Clock {
 public:
  int64_t steadyMilliseconds() override;
  int64_t unixSeconds() override;
  int64_t utcOffsetSeconds() override;
};

}  // namespace quavix
