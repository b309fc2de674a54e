#include "core/practice_choice.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/game_mode.h"
#include "core/key_signature.h"
#include "core/note_choice.h"
#include "core/note_model.h"

namespace quavix {

namespace {

constexpr int kLeftRange = 5000;
constexpr int kLeftMin = 1000;

int drawBelow(RandomSource& random, int count) {
  return static_cast<int>(std::floor(static_cast<float>(count) * random.next()));
}

int distanceFromMiddleC(int diatonic) { return std::abs(diatonic - kMiddleCDiatonic); }

int nearestDistance(NoteRange range) {
  if (range.lowest > kMiddleCDiatonic) return distanceFromMiddleC(range.lowest);
  if (range.highest < kMiddleCDiatonic) return distanceFromMiddleC(range.highest);
  return 0;
}

// E#, B#, Cb and Fb are left to the key signatures that need them.
int16_t drawAccidental(int letter, RandomSource& random) {
  int16_t choices[kAccidentalKinds];
  int count = 0;
  if (letter != 0 && letter != 3) choices[count++] = -1;
  choices[count++] = 0;
  if (letter != 2 && letter != 6) choices[count++] = 1;
  return choices[drawBelow(random, count)];
}

// Draws how the natural note is written: sets the card's note and key signature.
void drawSpelling(PracticeCard& card, const PracticeSettings& rules, RandomSource& random) {
  card.note = naturalAt(diatonicOnStep(card.clef, card.step));
  card.keyFifths = 0;
  if (rules.accidentals == Accidentals::SharpsFlats) {
    card.note.accidental = drawAccidental(card.note.letter, random);
  } else if (rules.accidentals == Accidentals::Keys) {
    std::vector<int16_t> keys;
    for (int fifths = kFewestFifths; fifths <= kMostFifths; ++fifths) {
      if (rules.hasKey(fifths)) keys.push_back(static_cast<int16_t>(fifths));
    }
    // An empty choice is refused when the settings are read; C major then stands in.
    if (!keys.empty()) card.keyFifths = keys[drawBelow(random, static_cast<int>(keys.size()))];
    card.note = spellInKey(card.keyFifths, card.note);
  }
}

// The clefs the selected option draws from, in Clef order.
std::vector<Clef> chosenClefs(const PracticeSettings& rules, const Controls& controls) {
  if (rules.onlyClef) return {*rules.onlyClef};
  if (controls.option1Selected[0]) return {Clef::Treble};
  if (controls.option1Selected[1]) return {Clef::Bass};
  std::vector<Clef> clefs;
  for (Clef clef : kAllClefs) {
    if (rules.mixedClefs[static_cast<int>(clef)]) clefs.push_back(clef);
  }
  return clefs;
}

void drawCard(GameState& state, PracticeGame& practice, const Controls& controls,
              RandomSource& random) {
  const int16_t score = state.scores[state.scoreSlot];
  const bool takeFirst = score > kFirstCandidateScore || testModeSelected(controls);
  std::vector<Clef> clefs = chosenClefs(practice.rules, controls);
  // Settings never leave the mixed list empty; should a model do, the last clef goes on.
  if (clefs.empty()) clefs.push_back(practice.card.clef);
  int nearest = kPracticeStepCount;
  for (Clef clef : clefs) nearest = std::min(nearest, nearestDistance(practice.rules.range(clef)));
  const int limit = std::max(distanceLimit(score), nearest);
  PracticeCard& card = practice.card;
  for (;;) {
    random.reseed();
    card.clef = clefs.size() == 1 ? clefs.front()
                                  : clefs[drawBelow(random, static_cast<int>(clefs.size()))];
    const NoteRange range = practice.rules.range(card.clef);
    card.step = static_cast<int16_t>(stepOfDiatonic(card.clef, range.highest) +
                                     drawBelow(random, range.highest - range.lowest + 1));
    state.noteLeft = static_cast<int16_t>(drawBelow(random, kLeftRange) + kLeftMin);
    drawSpelling(card, practice.rules, random);
    const bool nearEnough = limit >= distanceFromMiddleC(diatonicOnStep(card.clef, card.step));
    const bool weighted = weightTestPasses(practice.weight(), random.next());
    if (takeFirst || (nearEnough && weighted)) break;
  }
}

}  // namespace

void choosePracticeCard(GameState& state, PracticeGame& practice, const Controls& controls,
                        RandomSource& random) {
  PracticeCard& card = practice.card;
  if (practice.queued.empty()) {
    drawCard(state, practice, controls, random);
  } else {
    card = practice.queued.back();
    practice.queued.pop_back();
    random.reseed();
    state.noteLeft = static_cast<int16_t>(drawBelow(random, kLeftRange) + kLeftMin);
  }
  state.staffStep = card.step;
  if (isGameStep(card.clef, card.step)) {
    state.currentClef = static_cast<int16_t>(card.clef);
    state.currentNote = static_cast<int16_t>(noteIndex(state.currentClef, card.step));
  }
}

}  // namespace quavix
