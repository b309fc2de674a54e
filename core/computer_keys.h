#pragma once

#include <optional>
#include <string_view>

namespace quavix {

// The computer's keyboard as a piano, as desktop virtual pianos lay it out: the row A S D F ...
// plays the white keys from a C, the row above (W E, T Y U, O P) the black keys between them,
// one and a half octaves in all. Z and X shift the range an octave down and up. Keys are the
// lower-case characters of a US layout.
constexpr int kLowestKeyOctave = 1;   // C1: the row then reaches the lowest key, A1
constexpr int kHighestKeyOctave = 5;  // C5: up to F6, past the highest key, E6
constexpr int kDefaultKeyOctave = 4;  // the A key plays middle C
// The keys that play, by semitones above the row's C.
constexpr std::string_view kComputerKeyRow = "awsedftgyhujkolp;'";

// The MIDI note a key plays with its row starting at C of `octave`; none for other keys.
std::optional<int> computerKeyNote(char key, int octave);
// -1 or +1 for the octave keys, else 0.
int computerKeyOctaveStep(char key);
// A key that plays or shifts the octave.
bool isPianoComputerKey(char key);

}  // namespace quavix
