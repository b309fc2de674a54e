#pragma once

#include <string>

namespace quavix {

// The MIDI note sounded by the answer key of note index n.
int notePitch(int note);

}  // namespace quavix
