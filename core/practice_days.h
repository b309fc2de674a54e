#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/statistics.h"

namespace quavix {

// Calendar days counted from 1970-01-01, in the time of the place where the player was.
int64_t localDay(int64_t unixSeconds, int64_t utcOffsetSeconds);
int64_t gameDay(const GameRecord& game);
// Monday 0 to Sunday 6.
int weekday(int64_t day);

// What one day's games added up to.
struct DayFigures {
  int64_t day = 0;
  int64_t playMilliseconds = 0;
  uint32_t right = 0;
  uint32_t wrong = 0;
  uint32_t missed = 0;
  bool operator==(const DayFigures&) const = default;
};

// The days that have games, earliest first.
std::vector<DayFigures> figuresByDay(const std::vector<GameRecord>& games);
// The days in a row, up to today, on which the goal was met. Today counts once met; until then
// the streak up to yesterday stands. Days after today (a clock set back) are left out.
int streakDays(const std::vector<DayFigures>& days, int64_t today, int goalMinutes);
// Minutes played on each day of today's week, Monday first.
std::array<int64_t, 7> weekMinutes(const std::vector<DayFigures>& days, int64_t today);

}  // namespace quavix
