#include "core/practice_days.h"

#include <algorithm>
#include <map>

namespace quavix {

namespace {

constexpr int64_t kSecondsPerDay = 86'400;

int64_t floorDivide(int64_t a, int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }

bool goalMet(const std::map<int64_t, int64_t>& played, int64_t day, int goalMinutes) {
  const auto found = played.find(day);
  return found != played.end() && found->second >= goalMinutes * int64_t{60'000};
}

}  // namespace

int64_t localDay(int64_t unixSeconds, int64_t utcOffsetSeconds) {
  return floorDivide(unixSeconds + utcOffsetSeconds, kSecondsPerDay);
}

int64_t gameDay(const GameRecord& game) {
  return localDay(game.startedAt, int64_t{game.utcOffsetMinutes} * 60);
}

// 1970-01-01 was a Thursday.
int weekday(int64_t day) {
  const int64_t rest = (day + 3) % 7;
  return static_cast<int>(rest < 0 ? rest + 7 : rest);
}

std::vector<DayFigures> figuresByDay(const std::vector<GameRecord>& games) {
  std::map<int64_t, DayFigures> days;
  for (const GameRecord& game : games) {
    DayFigures& day = days[gameDay(game)];
    day.day = gameDay(game);
    day.playMilliseconds += game.durationMilliseconds;
    day.right += game.right;
    day.wrong += game.wrong;
    day.missed += game.missed;
  }
  std::vector<DayFigures> sorted;
  sorted.reserve(days.size());
  for (const auto& entry : days) sorted.push_back(entry.second);
  return sorted;
}

int streakDays(const std::vector<DayFigures>& days, int64_t today, int goalMinutes) {
  std::map<int64_t, int64_t> played;
  for (const DayFigures& day : days) played[day.day] = day.playMilliseconds;
  int64_t day = goalMet(played, today, goalMinutes) ? today : today - 1;
  int streak = 0;
  while (goalMet(played, day, goalMinutes)) {
    ++streak;
    --day;
  }
  return streak;
}

std::array<int64_t, 7> weekMinutes(const std::vector<DayFigures>& days, int64_t today) {
  std::array<int64_t, 7> minutes{};
  const int64_t monday = today - weekday(today);
  for (const DayFigures& day : days) {
    if (day.day >= monday && day.day <= today) {
      minutes.at(static_cast<size_t>(day.day - monday)) += day.playMilliseconds / 60'000;
    }
  }
  return minutes;
}

}  // namespace quavix
