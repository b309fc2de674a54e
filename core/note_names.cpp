#include "core/note_names.h"

#include <array>

#include "core/note_model.h"

namespace quavix {

int notePitch(int note) { return kMidiBaseNote + kWhiteKeyOffsets.at(answerKey(note)); }

std::string pitchName(int midiNote) {
  static constexpr std::array<const char*, 12> kNames = {"C",  "C#", "D",  "D#", "E",  "F",
                                                         "F#", "G",  "G#", "A",  "A#", "B"};
  // MIDI 60 is C4; the octave changes at each C.
  const int octave = midiNote / 12 - 1;
  return std::string(kNames[midiNote % 12]) + std::to_string(octave);
}

}  // namespace quavix
