#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "core/spelled_note.h"

namespace quavix {

// A Leitner scheme over days: a note in box b comes back kReviewDays[b - 1] days after it was last
// reviewed. Doubling intervals are the scheme's classic form and need nothing but the answers the
// game already judges.
constexpr int kBoxCount = 5;
constexpr std::array<int64_t, kBoxCount> kReviewDays = {1, 2, 4, 8, 16};
// A right answer faster than this, when the note has no timed answer in the last week, is fast.
constexpr int64_t kFastWithoutHistory = 2000;
constexpr int kRecentAnswersKept = 16;
constexpr int64_t kNeverReviewed = INT64_MIN / 4;

struct TimedAnswer {
  int64_t day = 0;
  int64_t milliseconds = 0;
  bool operator==(const TimedAnswer&) const = default;
};

// What the game remembers of one written note across days. Days are local calendar days counted
// from 1970-01-01.
struct NoteMemory {
  int16_t box = 1;
  int64_t lastReviewDay = kNeverReviewed;
  std::vector<TimedAnswer> recent;  // the last right answers' times, oldest first
  bool operator==(const NoteMemory&) const = default;
};

using Memories = std::map<WrittenNote, NoteMemory>;

bool isDue(const NoteMemory& memory, int64_t today);
// The median time of the right answers of the last seven days; 0 when there are none.
int64_t weekMedian(const NoteMemory& memory, int64_t today);
// A due note answered right goes up a box when faster than its week's median, stays when slower;
// a note not due keeps its box, so one long session cannot rush it to the last box.
void rememberRight(NoteMemory& memory, int64_t milliseconds, int64_t today);
// A wrong answer or a miss sends the note back to box 1, due tomorrow.
void rememberFailure(NoteMemory& memory, int64_t today);
// The notes due today, the longest overdue first.
std::vector<WrittenNote> dueNotes(const Memories& memories, int64_t today);
std::array<int, kBoxCount> boxCounts(const Memories& memories);

}  // namespace quavix
