#include "core/card_fall.h"

#include <cmath>
#include <iostream>
#include <utility>

#include "core/card_face.h"
#include "core/game_control.h"
#include "core/key_marks.h"
#include "core/note_choice.h"
#include "core/penalty.h"
#include "core/practice_choice.h"
#include "core/practice_face.h"
#include "core/score_caption.h"

namespace quavix {

namespace {

// A card's top edge sits this far above its fall position, so a new card starts out of sight.
constexpr int kCardAboveTop = 500;
constexpr int kMissLine = 3099;
constexpr int kNoteImageLeft = 360;
constexpr int kStemDownImageDrop = 285;
constexpr double kFallBase = 12;

const char* clefPictureFile(int clef) { return clef == 0 ? "wode.bmp" : "wodedi.bmp"; }

// False when the clef picture cannot be read; the game is stopped then.
bool loadClefPicture(GameState& state, Controls& controls, PictureFiles& pictures, int clef) {
  const char* file = clefPictureFile(clef);
  auto picture = pictures.load(file);
  if (!picture) {
    std::cerr << "quavix: cannot read the clef picture " << file << '\n';
    stopGame(state, controls);
    return false;
  }
  controls.picture1.picture = std::move(picture);
  return true;
}

bool spawnCard(GameState& state, Controls& controls, RandomSource& random, PictureFiles& pictures) {
  whitenAnswerKey(state, controls);
  chooseCard(state, controls, random);
  if (!loadClefPicture(state, controls, pictures, state.currentClef)) return false;
  layOutCard(state, controls);
  return true;
}

// The clefs without a picture file are drawn whole onto a blank card.
bool spawnPracticeCard(GameState& state, PracticeGame& practice, Controls& controls,
                       RandomSource& random, PictureFiles& pictures) {
  clearKeyMarks(controls);
  choosePracticeCard(state, practice, controls, random);
  const PracticeCard& card = practice.card;
  if (hasClefPicture(card.clef)) {
    if (!loadClefPicture(state, controls, pictures, static_cast<int>(card.clef))) return false;
  } else {
    controls.picture1.picture = nullptr;
  }
  layOutCard(state, controls);
  facePracticeCard(card, controls);
  return true;
}

void moveCard(const GameState& state, Controls& controls) {
  placeCard(state, controls);
  ImageModel& note = controls.image1[state.noteImageIndex];
  note.left = kNoteImageLeft + controls.picture1.noteShift;
  note.top =
      kStemDownImageDrop * state.noteImageIndex + state.noteHeadY + controls.picture1.growth.above;
}

// True on a miss.
bool fallOrMiss(GameState& state, Controls& controls, double weight) {
  if (state.noteFallY > kMissLine) {
    state.noteFallY = 0;
    deductPenalty(state);
    showScore(state, controls);
    return true;
  }
  // nearbyint in the default rounding mode takes halves to the even neighbour.
  state.noteFallY =
      static_cast<int16_t>(std::nearbyint((state.noteFallY + kFallBase) - weight / 2));
  return false;
}

}  // namespace

void placeCard(const GameState& state, Controls& controls) {
  controls.picture1.left = state.noteLeft;
  controls.picture1.top = state.noteFallY - kCardAboveTop - controls.picture1.growth.above;
}

TickOutcome Timer1_Timer(GameState& state, Controls& controls, RandomSource& random,
                         PictureFiles& pictures, PracticeGame* practice) {
  TickOutcome outcome;
  if (state.noteFallY == 0) {
    const bool spawned = practice ? spawnPracticeCard(state, *practice, controls, random, pictures)
                                  : spawnCard(state, controls, random, pictures);
    if (!spawned) {
      outcome.stopped = true;
      return outcome;
    }
    outcome.spawned = true;
  }
  moveCard(state, controls);
  // Read anew on every tick: a wrong answer slows the card at once.
  const int16_t weight =
      practice ? practice->weight() : state.noteWeights[state.currentNote][state.currentClef];
  outcome.missed = fallOrMiss(state, controls, weight);
  return outcome;
}

}  // namespace quavix
