#include "core/statistics.h"

#include <algorithm>
#include <tuple>

#include "core/note_model.h"
#include "core/note_names.h"

namespace quavix {

bool clefShowsNote(int clef, int note) {
  const int step = note - kClefNoteOffset * clef;
  return clef >= 0 && clef < kClefCount && step >= 0 && step < kStaffStepCount;
}

std::vector<Confusion> mostConfused(const Statistics& statistics, int clef, size_t count) {
  std::vector<Confusion> all;
  for (int note = 0; note < kNoteIndexCount; ++note) {
    for (const auto& [pressed, times] : statistics.notes.at(clef)[note].instead) {
      all.push_back({notePitch(note), pressed, times});
    }
  }
  const auto order = [](const Confusion& a, const Confusion& b) {
    return std::tuple(b.times, a.notePitch, a.pressedPitch) <
           std::tuple(a.times, b.notePitch, b.pressedPitch);
  };
  const size_t kept = std::min(count, all.size());
  std::partial_sort(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(kept), all.end(), order);
  all.resize(kept);
  return all;
}

}  // namespace quavix
