#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/practice_settings.h"
#include "core/spelled_note.h"
#include "core/state.h"

namespace quavix {

// The card of a practice game: where it stands and how it is written.
struct PracticeCard {
  Clef clef = Clef::Treble;
  int16_t step = 0;
  SpelledNote note;
  int16_t keyFifths = 0;  // the key signature, 0 without one
};

// A game played over the player's chosen notes. It replaces the game's card choice, answer and
// weights only while `active`, which a game's start sets from the settings of that moment.
struct PracticeGame {
  bool active = false;
  PracticeSettings rules;
  PracticeCard card;
  // [clef][staff step - kHighestPracticeStep][accidental + 1]: one weight per written note.
  std::array<std::array<std::array<int16_t, kAccidentalKinds>, kPracticeStepCount>, kClefKinds>
      weights{};
  // Cards shown before any is drawn, the last first.
  std::vector<PracticeCard> queued;

  int16_t& weight() {
    return weights[static_cast<int>(card.clef)][card.step - kHighestPracticeStep]
                  [card.note.accidental + 1];
  }
};

// At a game's start: the rules of that moment, every weight at the game's starting weight.
void startPractice(PracticeGame& practice, const PracticeSettings& rules, int16_t weight);
// Puts these notes first, in this order; notes that no card can show are left out.
void queueNotes(PracticeGame& practice, const std::vector<WrittenNote>& notes);

}  // namespace quavix
