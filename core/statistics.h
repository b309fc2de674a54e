#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "core/game_record.h"
#include "core/note_memory.h"
#include "core/state.h"

namespace quavix {

// What happened to one note on one clef over all games. Counts outgrow 16 bits in a few weeks
// of play, so they are wider than the game's values.
struct NoteFigures {
  uint32_t shown = 0;
  uint32_t right = 0;
  uint32_t wrong = 0;
  uint32_t missed = 0;
  // From the card's appearance to each answer, summed.
  uint64_t rightMilliseconds = 0;
  uint64_t wrongMilliseconds = 0;
  std::map<int, uint32_t> instead;  // MIDI note of the key pressed instead -> times

  // Answers and misses, the cards that say something about the player.
  uint32_t outcomes() const { return right + wrong + missed; }
  bool operator==(const NoteFigures&) const = default;
};

constexpr int16_t kDefaultGoalMinutes = 10;
constexpr int16_t kLongestGoalMinutes = 600;

struct Statistics {
  std::array<std::array<NoteFigures, kNoteIndexCount>, kClefCount> notes{};  // [clef][note]
  // Practice cards beyond the game's own notes: the alto and tenor clefs, sharps and flats.
  std::map<WrittenNote, NoteFigures> written{};
  std::vector<GameRecord> games;
  Memories memories{};
  int16_t dailyGoalMinutes = kDefaultGoalMinutes;
  bool operator==(const Statistics&) const = default;
};

// Whether cards of this clef can show the note: its staff steps are 0 to 18.
bool clefShowsNote(int clef, int note);

struct Confusion {
  int notePitch = 0;
  int pressedPitch = 0;
  uint32_t times = 0;
  bool operator==(const Confusion&) const = default;
};

// The most frequent wrong answers on one clef (a Clef's number), most frequent first; ties by
// pitch.
std::vector<Confusion> mostConfused(const Statistics& statistics, int clef, size_t count);
// Whether a card of this clef (a Clef's number) can have this pitch as its answer: a natural note
// of its staff, or one a semitone from it.
bool clefCanShowPitch(int clef, int pitch);
// Everything cards of this clef whose answer is this pitch gathered, however they were written.
NoteFigures figuresOfPitch(const Statistics& statistics, int clef, int pitch);

}  // namespace quavix
