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

constexpr int16_t kWeightFloor = 2;
constexpr int16_t kWeightCeiling = 20;

// Indexed by key mod 7: the keys run A, B, C, ... from Command1(0).
constexpr std::array<std::string_view, 7> kSampleFiles = {"7.wav", "8.wav", "2.wav", "3.wav",
                                                          "4.wav", "5.wav", "6.wav"};

// Only a running game is judged, and a test only until its time is up.
bool pressIsJudged(const GameState& state, const Controls& controls) {
  return controls.gameRunning && (!testModeSelected(controls) || !testTimeIsUp(state));
}

int16_t& currentWeight(GameState& state) {
  return state.noteWeights[state.currentNote][state.currentClef];
}

void judgeCorrect(GameState& state, Controls& controls, NoteSamplePlayer& samples, int key) {
  state.noteFallY = 0;
  // A sample that fails to play changes nothing else.
  if (!testModeSelected(controls)) samples.playNoteSample(noteSampleFile(key));
  int16_t& weight = currentWeight(state);
  int16_t& score = state.scores[state.scoreSlot];
  const double sum = score + std::floor(weight / 2.0);
  // Scores stop at the 16-bit limit instead of wrapping.
  score = static_cast<int16_t>(std::min(sum, double{std::numeric_limits<int16_t>::max()}));
  if (weight > kWeightFloor) --weight;
  showScore(state, controls);
}

void judgeWrong(GameState& state, Controls& controls) {
  deductPenalty(state);
  if (!testModeSelected(controls)) markAnswerKeyRed(state, controls);
  showScore(state, controls);
}

}  // namespace

Judgement judgeKey(GameState& state, Controls& controls, NoteSamplePlayer& samples,
                   layout::KeyRef pressed) {
  if (!pressIsJudged(state, controls)) return Judgement::NotJudged;
  // A black key is never the answer, and changes no weight.
  if (pressed.black) {
    judgeWrong(state, controls);
    return Judgement::Wrong;
  }
  const int key = pressed.index;
  if (key == answerKey(state.currentNote)) {
    judgeCorrect(state, controls, samples, key);
    return Judgement::Right;
  }
  int16_t& weight = currentWeight(state);
  if (weight < kWeightCeiling) ++weight;
  judgeWrong(state, controls);
  return Judgement::Wrong;
}

std::string_view noteSampleFile(int key) { return kSampleFiles[key % 7]; }

}  // namespace quavix
