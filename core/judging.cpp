#include "core/judging.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/game_mode.h"
#include "core/key_marks.h"
#include "core/note_model.h"
#include "core/penalty.h"
#include "core/score_caption.h"

namespace quavix {

namespace {

// Indexed by key mod 7: the keys run A, B, C, ... from Command1(0).
constexpr std::array<std::string_view, 7> kSampleFiles = {"7.wav", "8.wav", "2.wav", "3.wav",
                                                          "4.wav", "5.wav", "6.wav"};

int16_t& currentWeight(GameState& state) {
  return state.noteWeights[state.currentNote][state.currentClef];
}

void judgeCorrect(GameState& state, Controls& controls, NoteSamplePlayer& samples,
                  NoteNaming naming) {
  state.noteFallY = 0;
  // A sample that fails to play changes nothing else.
  if (!testModeSelected(controls)) {
    samples.playNoteSample(spokenNameFile(naming, spellingOfNote(state.currentNote)));
  }
  scoreRightAnswer(state, controls, currentWeight(state));
}

}  // namespace

bool pressIsJudged(const GameState& state, const Controls& controls) {
  return controls.gameRunning && (!testModeSelected(controls) || !testTimeIsUp(state));
}

void scoreRightAnswer(GameState& state, Controls& controls, int16_t& weight) {
  int16_t& score = state.scores[state.scoreSlot];
  const double sum = score + std::floor(weight / 2.0);
  // Scores stop at the 16-bit limit instead of wrapping.
  score = static_cast<int16_t>(std::min(sum, double{std::numeric_limits<int16_t>::max()}));
  if (weight > kWeightFloor) --weight;
  showScore(state, controls);
}

void chargeWrongAnswer(GameState& state, Controls& controls, layout::KeyRef answer) {
  deductPenalty(state);
  if (!testModeSelected(controls)) markKeyRed(controls, answer);
  showScore(state, controls);
}

Judgement judgeKey(GameState& state, Controls& controls, NoteSamplePlayer& samples,
                   layout::KeyRef pressed, NoteNaming naming) {
  if (!pressIsJudged(state, controls)) return Judgement::NotJudged;
  // A black key is never the answer, and changes no weight.
  const layout::KeyRef answer{false, answerKey(state.currentNote)};
  if (pressed.black) {
    chargeWrongAnswer(state, controls, answer);
    return Judgement::Wrong;
  }
  const int key = pressed.index;
  if (key == answerKey(state.currentNote)) {
    judgeCorrect(state, controls, samples, naming);
    return Judgement::Right;
  }
  int16_t& weight = currentWeight(state);
  if (weight < kWeightCeiling) ++weight;
  chargeWrongAnswer(state, controls, answer);
  return Judgement::Wrong;
}

std::string_view noteSampleFile(int key) { return kSampleFiles[key % 7]; }

SpelledNote spellingOfNote(int note) { return naturalAt(diatonicOnStep(Clef::Treble, note)); }

// Command1(2) is a C.
std::string_view naturalSampleFile(int letter) { return noteSampleFile(letter + 2); }

}  // namespace quavix
