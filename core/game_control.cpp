#include "core/game_control.h"

#include "core/card_fall.h"
#include "core/game_mode.h"
#include "core/key_marks.h"
#include "core/score_caption.h"

namespace quavix {

namespace {

constexpr int16_t kLearningWeight = 20;
constexpr int16_t kTestWeight = 10;

void setAllWeights(GameState& state, int16_t weight) {
  for (auto& clefWeights : state.noteWeights) clefWeights.fill(weight);
}

void setFramesEnabled(Controls& controls, bool enabled) {
  controls.frame1Enabled = enabled;
  controls.frame2Enabled = enabled;
}

void setTextsVisible(Controls& controls, bool visible) {
  controls.text1Visible = visible;
  controls.text2Visible = visible;
}

void startGame(GameState& state, Controls& controls) {
  state.scores[kTestSlot] = 0;
  controls.command4Enabled = false;
  setTextsVisible(controls, false);
  showScore(state, controls);
  if (learningModeSelected(controls)) {
    setAllWeights(state, kLearningWeight);
  } else {
    state.testTicks = 0;
    controls.timer2Enabled = true;
    setAllWeights(state, kTestWeight);
  }
  controls.timer1Enabled = true;
  setFramesEnabled(controls, false);
  controls.gameRunning = true;
}

}  // namespace

void Command3_Click(GameState& state, Controls& controls) {
  if (!controls.gameRunning) {
    startGame(state, controls);
  } else {
    stopGame(state, controls);
  }
}

void stopGame(GameState& state, Controls& controls) {
  setTextsVisible(controls, true);
  state.noteFallY = 0;
  controls.command4Enabled = true;
  controls.timer1Enabled = false;
  controls.timer2Enabled = false;
  setFramesEnabled(controls, true);
  placeCard(state, controls);
  whitenAnswerKey(state, controls);
  controls.gameRunning = false;
}

void Command4_Click(GameState& state) { state.scores.fill(0); }

void Option1_Click(GameState& state, Controls& controls, int index) {
  state.scoreSlot = static_cast<int16_t>(learningModeSelected(controls) ? index : kTestSlot);
}

void Option2_Click(GameState& state, Controls& controls, int /*index*/) {
  if (learningModeSelected(controls)) {
    for (int16_t clef = 0; clef < 3; ++clef) {
      if (controls.option1Selected[clef]) state.scoreSlot = clef;
    }
    controls.label1Visible = true;
  } else {
    controls.label1Visible = false;
    state.scoreSlot = kTestSlot;
  }
}

void Timer2_Timer(GameState& state, Controls& controls) {
  ++state.testTicks;
  if (testTimeIsUp(state)) {
    controls.timer1Enabled = false;
    controls.timer2Enabled = false;
    whitenAnswerKey(state, controls);
  }
}

}  // namespace quavix
