#include "core/statistics.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "core/note_model.h"
#include "core/note_names.h"
#include "core/note_naming.h"

namespace quavix {

bool clefShowsNote(int clef, int note) {
  const int step = note - kClefNoteOffset * clef;
  return clef >= 0 && clef < kClefCount && step >= 0 && step < kStaffStepCount;
}

std::vector<Confusion> mostConfused(const Statistics& statistics, int clef, size_t count) {
  std::vector<Confusion> all;
  const auto add = [&all](int notePitch, const NoteFigures& figures) {
    for (const auto& [pressed, times] : figures.instead) all.push_back({notePitch, pressed, times});
  };
  if (clef < kClefCount) {
    for (int note = 0; note < kNoteIndexCount; ++note) {
      add(notePitch(note), statistics.notes[clef][note]);
    }
  }
  for (const auto& [card, figures] : statistics.written) {
    if (static_cast<int>(card.clef) == clef) add(pitchOf(card.note), figures);
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

bool clefCanShowPitch(int clef, int pitch) {
  const bool natural = spellingOfPitch(pitch).accidental == 0;
  for (int step = 0; step < kStaffStepCount; ++step) {
    const int onStep = pitchOf(naturalAt(diatonicOnStep(static_cast<Clef>(clef), step)));
    if (onStep == pitch || (!natural && std::abs(onStep - pitch) == 1)) return true;
  }
  return false;
}

NoteFigures figuresOfPitch(const Statistics& statistics, int clef, int pitch) {
  NoteFigures sum;
  const auto add = [&sum](const NoteFigures& figures) {
    sum.shown += figures.shown;
    sum.right += figures.right;
    sum.wrong += figures.wrong;
    sum.missed += figures.missed;
    sum.rightMilliseconds += figures.rightMilliseconds;
    sum.wrongMilliseconds += figures.wrongMilliseconds;
    for (const auto& [pressed, times] : figures.instead) sum.instead[pressed] += times;
  };
  for (int note = 0; note < kNoteIndexCount; ++note) {
    if (clefShowsNote(clef, note) && notePitch(note) == pitch) add(statistics.notes[clef][note]);
  }
  for (const auto& [card, figures] : statistics.written) {
    if (static_cast<int>(card.clef) == clef && pitchOf(card.note) == pitch) add(figures);
  }
  return sum;
}

}  // namespace quavix
