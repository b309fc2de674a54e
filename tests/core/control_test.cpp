#include <gtest/gtest.h>

#include <cstring>
#include <ranges>

#include "tests/core/game_doubles.h"

namespace quavix {

static bool allWeightsAre(const GameState& state, int16_t weight) {
  return std::ranges::count(state.noteWeights | std::views::join, weight) == 2 * kNoteIndexCount;
}

// While a game runs the options are locked, the titles hidden and the scores can't be cleared.
static bool locked(const Controls& c) {
  return !c.frame1Enabled && !c.frame2Enabled && !c.text1Visible && !c.text2Visible &&
         !c.command4Enabled;
}

TEST(Control, ALearningGameRunsThroughItsStates) {
  Game game;
  game.state.scores = {35, 1, 2, 99};
  game.click();
  EXPECT_TRUE(game.controls.gameRunning && game.controls.timer1Enabled && locked(game.controls));
  EXPECT_FALSE(game.controls.timer2Enabled);
  EXPECT_TRUE(allWeightsAre(game.state, 20));
  EXPECT_EQ(game.state.scores, (std::array<int16_t, 4>{35, 1, 2, 0}));
  EXPECT_EQ(game.controls.label2Score, 35);
  game.attempt(15, 3000);
  game.tick();
  game.tick();
  game.controls.whiteKeyColours[16] = kRed;
  game.click();
  const Controls& c = game.controls;
  EXPECT_FALSE(c.gameRunning || c.timer1Enabled);
  EXPECT_TRUE(c.frame1Enabled && c.frame2Enabled && c.text1Visible && c.command4Enabled);
  EXPECT_EQ(std::pair(c.picture1.left, c.picture1.top), std::pair(3000, -500));
  EXPECT_EQ(c.whiteKeyColours[16], kWhite);
  Command4_Click(game.state);
  EXPECT_EQ(game.state.scores, (std::array<int16_t, 4>{}));
}

// After the third minute the card stops and presses only sound; one click ends the test.
TEST(Control, ATestRunsOutAtTheThirdTimer2TickAndOneClickEndsIt) {
  Game game(0, true);
  game.state.testTicks = 2;
  game.click();
  EXPECT_TRUE(allWeightsAre(game.state, 10));
  game.attempt(15);
  game.tick();
  for (int minute = 1; minute <= 3; ++minute) {
    EXPECT_TRUE(game.controls.timer1Enabled && game.controls.timer2Enabled) << minute;
    game.controls.whiteKeyColours[16] = kRed;
    Timer2_Timer(game.state, game.controls);
  }
  EXPECT_TRUE(game.controls.gameRunning && locked(game.controls));
  EXPECT_FALSE(game.controls.timer1Enabled || game.controls.timer2Enabled);
  EXPECT_EQ(game.controls.whiteKeyColours[16], kWhite);
  const GameState before = game.state;
  game.press(16);
  game.pressBlack();
  EXPECT_EQ(std::memcmp(&before, &game.state, sizeof before), 0);
  game.click();
  EXPECT_FALSE(game.controls.gameRunning);
  EXPECT_EQ(game.controls.picture1.top, -500);
}

TEST(Control, OptionHandlersKeepTheSlotRule) {
  for (bool test : {false, true}) {
    for (int16_t clef = 0; clef < 3; ++clef) {
      const int16_t slot = test ? kTestSlot : clef;
      Game game(clef, test);
      game.state.scoreSlot = 2;
      Option1_Click(game.state, game.controls, clef);
      EXPECT_EQ(game.state.scoreSlot, slot) << test << clef;
      game.state.scoreSlot = static_cast<int16_t>((slot + 1) % 4);
      Option2_Click(game.state, game.controls, test);
      EXPECT_EQ(game.state.scoreSlot, slot) << test << clef;
      EXPECT_EQ(game.controls.label1Visible, !test);
    }
  }
}

}  // namespace quavix
