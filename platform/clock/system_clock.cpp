#include "platform/clock/system_clock.h"

#include <chrono>
#include <ctime>

namespace quavix {

int64_t SystemClock::steadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t SystemClock::unixSeconds() {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

int64_t SystemClock::utcOffsetSeconds() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  return localtime_r(&now, &local) ? local.tm_gmtoff : 0;
}

}  // namespace quavix
