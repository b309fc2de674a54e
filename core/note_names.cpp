#include "core/note_names.h"

#include <array>

#include "core/note_model.h"

namespace quavix {

int notePitch(int note) { return kMidiBaseNote + kWhiteKeyOffsets.at(answerKey(note)); }

}  // namespace quavix
