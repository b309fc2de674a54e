#pragma once

#include <array>
#include <cstdint>

#include "core/state.h"
#include "core/window_layout.h"

namespace quavix {

constexpr int kMidiBaseNote = 53;
constexpr int kMiddleC = 15;  // note index of C4
constexpr int kClefNoteOffset = 12;

extern const std::array<int16_t, kWhiteKeyCount> kWhiteKeyOffsets;
extern const std::array<int16_t, kBlackKeyCount> kBlackKeyOffsets;

void fillKeyTables(GameState& state);

constexpr int noteIndex(int clef, int staffStep) { return kClefNoteOffset * clef + staffStep; }
// The white key (index into Command1) that answers note index n.
constexpr int answerKey(int note) { return 31 - note; }
// A key's semitones above F3, and its MIDI note, from the game's key tables.
int16_t keyOffset(const GameState& state, layout::KeyRef key);
int keyMidiNote(const GameState& state, layout::KeyRef key);

}  // namespace quavix
