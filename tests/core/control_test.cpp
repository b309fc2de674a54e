#include <gtest/gtest.h>

#include <cstring>
#include <ranges>
#include <string>

#include "tests/core/game_doubles.h"

namespace quavix {

// The caption, then as 0/1: timer1, timer2, frame1, frame2, command4, text1, text2 enabled/shown.
static std::string controlState(const Controls& c) {
  std::string state = command3Caption(c) + std::string(" ");
  for (bool on : {c.timer1Enabled, c.timer2Enabled, c.frame1Enabled, c.frame2Enabled,
                  c.command4Enabled, c.text1Visible, c.text2Visible}) {
    state += on ? '1' : '0';
  }
  return state;
}

static bool allWeightsAre(const GameState& state, int16_t weight) {
  return std::ranges::count(state.noteWeights | std::views::join, weight) == 2 * kNoteIndexCount;
}

TEST(Control, ALearningGameRunsThroughItsStates) {
  Game game;
  game.state.scores = {35, 1, 2, 99};
  EXPECT_EQ(controlState(game.controls), "游戏开始 0011011");
  game.click();
  EXPECT_EQ(controlState(game.controls), "游戏结束 1000000");
  EXPECT_TRUE(allWeightsAre(game.state, 20));
  EXPECT_EQ(game.state.scores, (std::array<int16_t, 4>{35, 1, 2, 0}));
  EXPECT_EQ(game.controls.label2Score, 35);
  game.attempt(15, 3000);
  game.tick();
  game.tick();
  game.controls.whiteKeyColours[16] = kRed;
  game.click();
  EXPECT_EQ(controlState(game.controls), "游戏开始 0011111");
  EXPECT_EQ(game.controls.picture1.left, 3000);
  EXPECT_EQ(game.controls.picture1.top, -500);
  EXPECT_EQ(game.controls.whiteKeyColours[16], kWhite);
  Command4_Click(game.state);
  EXPECT_EQ(game.state.scores, (std::array<int16_t, 4>{}));
  game.click();
  EXPECT_EQ(controlState(game.controls), "游戏结束 1000000");
}

TEST(Control, ATestRunsOutAtTheThirdTimer2TickAndOneClickEndsIt) {
  Game game(0, true);
  game.state.testTicks = 2;
  game.click();
  EXPECT_TRUE(allWeightsAre(game.state, 10));
  game.attempt(15);
  game.tick();
  for (int minute = 1; minute <= 3; ++minute) {
    EXPECT_EQ(controlState(game.controls), "游戏结束 1100000") << minute;
    game.controls.whiteKeyColours[16] = kRed;
    Timer2_Timer(game.state, game.controls);
  }
  EXPECT_EQ(controlState(game.controls), "游戏结束 0000000");
  EXPECT_EQ(game.controls.whiteKeyColours[16], kWhite);
  const GameState before = game.state;
  game.press(16);  // presses only sound now
  game.pressBlack();
  EXPECT_EQ(std::memcmp(&before, &game.state, sizeof before), 0);
  game.click();
  EXPECT_EQ(controlState(game.controls), "游戏开始 0011111");
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
