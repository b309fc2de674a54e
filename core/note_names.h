#pragma once

#include <string>

namespace quavix {

// The MIDI note sounded by the answer key of note index n.
int notePitch(int note);
// Scientific pitch names, middle C is "C4"; black keys are named as sharps, "C#4".
std::string pitchName(int midiNote);

}  // namespace quavix
