#include "core/practice_judging.h"

#include "core/game_mode.h"
#include "core/midi_notes.h"

namespace quavix {

Judgement judgePracticeKey(GameState& state, PracticeGame& practice, Controls& controls,
                           NoteSamplePlayer& samples, int pressedPitch, NoteNaming naming) {
  if (!pressIsJudged(state, controls)) return Judgement::NotJudged;
  const SpelledNote& note = practice.card.note;
  int16_t& weight = practice.weight();
  if (pressedPitch == pitchOf(note)) {
    state.noteFallY = 0;
    if (!testModeSelected(controls)) {
      samples.playNoteSample(
          spokenNameFile(naming, namedNote(naming, practice.card.keyFifths, note)));
    }
    scoreRightAnswer(state, controls, weight);
    return Judgement::Right;
  }
  if (weight < kWeightCeiling) ++weight;
  // Every spelling the cards use sounds on a key of the keyboard.
  chargeWrongAnswer(state, controls, *keyForNote(pitchOf(note)));
  return Judgement::Wrong;
}

}  // namespace quavix
