#include "game/control.h"

#include <gtest/gtest.h>

#include "game/cards.h"
#include "game/judging.h"
#include "game_doubles.h"

namespace quavix {
namespace {

using testing::Game;

// One row of the table of game states, as the controls show it.
struct ControlState {
  std::string caption;
  bool timer1, timer2, framesEnabled, command4Enabled, textsVisible;
  bool operator==(const ControlState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ControlState& s) {
  return out << s.caption << " timer1=" << s.timer1 << " timer2=" << s.timer2
             << " frames=" << s.framesEnabled << " command4=" << s.command4Enabled
             << " texts=" << s.textsVisible;
}

ControlState controlState(const Controls& c) {
  EXPECT_EQ(c.frame1Enabled, c.frame2Enabled);
  EXPECT_EQ(c.text1Visible, c.text2Visible);
  return {c.command3Caption, c.timer1Enabled,   c.timer2Enabled,
          c.frame1Enabled,   c.command4Enabled, c.text1Visible};
}

const ControlState kIdleAtOpening{kCaptionStart, false, false, true, false, true};
const ControlState kIdle{kCaptionStart, false, false, true, true, true};
const ControlState kLearningGame{kCaptionStop, true, false, false, false, false};
const ControlState kTestRunning{kCaptionStop, true, true, false, false, false};
const ControlState kTestOver{kCaptionStop, false, false, false, false, false};

void click(Game& game) { Command3_Click(game.state, game.controls); }
void tick(Game& game) { Timer1_Timer(game.state, game.controls, game.random, game.pictures); }

bool allWeightsAre(const GameState& state, int16_t weight) {
  for (const auto& weights : state.noteWeights) {
    for (int16_t w : weights) {
      if (w != weight) return false;
    }
  }
  return true;
}

TEST(GameControl, ALearningGameRunsThroughItsStates) {
  Game game;
  game.state.scores = {35, 0, 0, 99};
  EXPECT_EQ(controlState(game.controls), kIdleAtOpening);
  click(game);
  EXPECT_EQ(controlState(game.controls), kLearningGame);
  EXPECT_TRUE(allWeightsAre(game.state, 20));
  EXPECT_EQ(game.state.scores[3], 0);
  EXPECT_EQ(game.controls.label2Caption, "得分:35");
  game.random.attempt(15, 3000);
  tick(game);
  game.controls.whiteKeyColours[16] = kRed;
  click(game);
  EXPECT_EQ(controlState(game.controls), kIdle);
  EXPECT_EQ(game.state.noteFallY, 0);
  EXPECT_EQ(game.controls.picture1.left, 3000);
  EXPECT_EQ(game.controls.picture1.top, -500);
  EXPECT_EQ(game.controls.whiteKeyColours[16], kWhite);
  EXPECT_EQ(game.controls.label2Caption, "得分:35");
}

TEST(GameControl, ATestRunsOutAtTheThirdMinuteAndOneClickEndsIt) {
  Game game;
  game.selectTestMode(true);
  game.state.scoreSlot = kTestSlot;
  game.state.testTicks = 2;
  click(game);
  EXPECT_EQ(controlState(game.controls), kTestRunning);
  EXPECT_EQ(game.state.testTicks, 0);
  EXPECT_TRUE(allWeightsAre(game.state, 10));
  EXPECT_EQ(game.controls.label2Caption, "得分:0");
  game.random.attempt(15);
  tick(game);
  tick(game);
  Timer2_Timer(game.state, game.controls);
  Timer2_Timer(game.state, game.controls);
  EXPECT_EQ(controlState(game.controls), kTestRunning);
  game.controls.whiteKeyColours[16] = kRed;
  Timer2_Timer(game.state, game.controls);
  EXPECT_EQ(controlState(game.controls), kTestOver);
  EXPECT_EQ(game.controls.whiteKeyColours[16], kWhite);
  EXPECT_EQ(game.state.noteFallY, 14);

  // Presses only sound now: nothing of the game changes.
  const GameState before = game.state;
  judgeWhiteKey(game.state, game.controls, game.samples, 16);
  judgeBlackKey(game.state, game.controls);
  EXPECT_EQ(game.state.scores, before.scores);
  EXPECT_EQ(game.state.noteWeights, before.noteWeights);
  EXPECT_EQ(game.state.noteFallY, 14);
  EXPECT_EQ(game.controls.label2Caption, "得分:0");

  click(game);
  EXPECT_EQ(controlState(game.controls), kIdle);
  EXPECT_EQ(game.controls.picture1.top, -500);
}

TEST(GameControl, AStartShowsTheActiveSlotsScore) {
  Game game;
  game.state.scores = {5, 17, 30, 44};
  game.selectClef(1);
  Option1_Click(game.state, game.controls, 1);
  click(game);
  EXPECT_EQ(game.controls.label2Caption, "得分:17");
}

TEST(GameControl, ClearingScoresLeavesTheDisplayUntilTheNextStart) {
  Game game;
  game.state.scores = {35, 1, 2, 3};
  click(game);
  click(game);
  EXPECT_TRUE(game.controls.command4Enabled);
  Command4_Click(game.state);
  EXPECT_EQ(game.state.scores, (std::array<int16_t, 4>{0, 0, 0, 0}));
  EXPECT_EQ(game.controls.label2Caption, "得分:35");
  click(game);
  EXPECT_EQ(game.controls.label2Caption, "得分:0");
  EXPECT_FALSE(game.controls.command4Enabled);
}

TEST(GameControl, EveryStartResetsAllWeights) {
  Game game;
  click(game);
  game.state.noteWeights[15][0] = 3;
  game.state.noteWeights[31][1] = 7;
  click(game);
  click(game);
  EXPECT_TRUE(allWeightsAre(game.state, 20));
}

struct SlotCase {
  bool test;
  int clef;
  int16_t slot;
};

class ScoreSlotTest : public ::testing::TestWithParam<SlotCase> {};

TEST_P(ScoreSlotTest, OptionHandlersKeepTheSlotRule) {
  const SlotCase& c = GetParam();
  Game game;
  game.state.scoreSlot = 2;
  game.selectTestMode(c.test);
  game.selectClef(c.clef);
  Option1_Click(game.state, game.controls, c.clef);
  EXPECT_EQ(game.state.scoreSlot, c.slot);
  game.state.scoreSlot = static_cast<int16_t>((c.slot + 1) % 4);
  Option2_Click(game.state, game.controls, c.test ? 1 : 0);
  EXPECT_EQ(game.state.scoreSlot, c.slot);
  EXPECT_EQ(game.controls.label1Visible, !c.test);
  EXPECT_EQ(game.controls.label2Caption, "");
}

INSTANTIATE_TEST_SUITE_P(BothModes, ScoreSlotTest,
                         ::testing::Values(SlotCase{false, 0, 0}, SlotCase{false, 1, 1},
                                           SlotCase{false, 2, 2}, SlotCase{true, 0, 3},
                                           SlotCase{true, 1, 3}, SlotCase{true, 2, 3}));

}  // namespace
}  // namespace quavix
