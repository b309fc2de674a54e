#pragma once

#include <span>
#include <string_view>

namespace quavix {

// The player's instrument: a transposing one sounds lower than its part is written, and the card
// shows the written note.
enum class Transposition { Concert, BFlat, EFlat, F, OctaveDown };

struct TranspositionInfo {
  Transposition transposition;
  std::string_view code;  // in the settings file
  int writtenAbove;       // semitones from the sounding note up to the written one
};

std::span<const TranspositionInfo> transpositions();
const TranspositionInfo& transpositionInfo(Transposition transposition);

// The written note, and so the key, of a note an instrument sounds.
int writtenNote(Transposition transposition, int soundingNote);

}  // namespace quavix
