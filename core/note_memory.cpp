#include "core/note_memory.h"

#include <algorithm>

#include "core/fluency.h"

namespace quavix {

namespace {

int64_t dueDay(const NoteMemory& memory) {
  return memory.lastReviewDay + kReviewDays.at(static_cast<size_t>(memory.box - 1));
}

}  // namespace

bool isDue(const NoteMemory& memory, int64_t today) { return today >= dueDay(memory); }

int64_t weekMedian(const NoteMemory& memory, int64_t today) {
  std::vector<int64_t> times;
  for (const TimedAnswer& answer : memory.recent) {
    // A clock set back leaves answers "from the future"; they are no guide.
    if (answer.day > today - 7 && answer.day <= today) times.push_back(answer.milliseconds);
  }
  return medianOf(std::move(times));
}

void rememberRight(NoteMemory& memory, int64_t milliseconds, int64_t today) {
  if (isDue(memory, today)) {
    const int64_t median = weekMedian(memory, today);
    if (milliseconds < (median > 0 ? median : kFastWithoutHistory)) {
      memory.box = static_cast<int16_t>(std::min(memory.box + 1, kBoxCount));
    }
    memory.lastReviewDay = today;
  }
  memory.recent.push_back({today, milliseconds});
  if (memory.recent.size() > kRecentAnswersKept) memory.recent.erase(memory.recent.begin());
}

void rememberFailure(NoteMemory& memory, int64_t today) {
  memory.box = 1;
  memory.lastReviewDay = today;
}

std::vector<WrittenNote> dueNotes(const Memories& memories, int64_t today) {
  std::vector<std::pair<int64_t, WrittenNote>> due;
  for (const auto& [note, memory] : memories) {
    if (isDue(memory, today)) due.emplace_back(dueDay(memory), note);
  }
  std::stable_sort(due.begin(), due.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<WrittenNote> notes;
  for (const auto& entry : due) notes.push_back(entry.second);
  return notes;
}

std::array<int, kBoxCount> boxCounts(const Memories& memories) {
  std::array<int, kBoxCount> counts{};
  for (const auto& entry : memories) ++counts.at(static_cast<size_t>(entry.second.box - 1));
  return counts;
}

}  // namespace quavix
