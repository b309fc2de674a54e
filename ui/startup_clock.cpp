#include "ui/startup_clock.h"

#include <time.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace quavix {

namespace {

const auto kLoaded = std::chrono::steady_clock::now();

// The start time in /proc/self/stat counts clock ticks since boot; the command name before it
// may hold blanks and parentheses, so fields are counted from its closing one.
std::optional<int64_t> startSinceBootMs() {
  std::ifstream stat("/proc/self/stat");
  std::string line;
  if (!std::getline(stat, line)) return std::nullopt;
  const auto close = line.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::istringstream fields(line.substr(close + 1));
  constexpr int kStartTimeField = 22;
  constexpr int kFirstFieldAfterName = 3;
  std::string field;
  for (int i = kFirstFieldAfterName; i <= kStartTimeField; ++i) {
    if (!(fields >> field)) return std::nullopt;
  }
  const long ticksPerSecond = sysconf(_SC_CLK_TCK);
  if (ticksPerSecond <= 0) return std::nullopt;
  return std::stoll(field) * 1000 / ticksPerSecond;
}

}  // namespace

int64_t millisecondsSinceProcessStart() {
  timespec now{};
  const auto start = startSinceBootMs();
  if (start && clock_gettime(CLOCK_BOOTTIME, &now) == 0) {
    return int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000 - *start;
  }
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               kLoaded)
      .count();
}

}  // namespace quavix
