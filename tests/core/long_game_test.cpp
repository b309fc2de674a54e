#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>

#include "core/note_choice.h"
#include "tests/core/game_doubles.h"

namespace quavix {

// Plays games headless with a player who presses now and then, mostly right, and checks after
// every tick what must always hold.
TEST(LongGame, InvariantsHoldThroughManyGames) {
  Game game;
  game.state.scores = {0, 32700, 2600, 0};  // slot 1 runs into the cap
  ClockRandom random([] { return uint64_t{99}; });
  ClockRandom player([] { return uint64_t{1234}; });
  struct Round {
    int clef;  // 2 mixes both staffs
    bool test;
    int ticks;
  };
  const Round games[] = {{.clef = 0, .test = false, .ticks = 40000},
                         {.clef = 1, .test = false, .ticks = 20000},
                         {.clef = 2, .test = false, .ticks = 20000},
                         {.clef = 2, .test = true, .ticks = 10000}};
  for (const auto& [clef, test, ticks] : games) {
    game.select(clef, test);
    Option2_Click(game.state, game.controls, test);
    game.click();
    for (int t = 1; t <= ticks && !HasFailure(); ++t) {
      if (game.controls.timer1Enabled) {
        const bool spawning = game.state.noteFallY == 0;
        const int limit = test || game.score() > 3200 ? 15 : distanceLimit(game.score());
        Timer1_Timer(game.state, game.controls, random, game);
        if (spawning) {
          EXPECT_LE(std::abs(game.state.currentNote - kMiddleC), limit) << game.score();
        }
      }
      if (game.controls.timer2Enabled && t % 3000 == 0) Timer2_Timer(game.state, game.controls);
      const float r = player.next();
      const int key = r < 0.002f ? t % 33 : answerKey(game.state.currentNote);
      if (r < 0.001f) game.pressBlack();
      if (r >= 0.001f && r < 0.03f) game.press(key);
      EXPECT_GE(std::ranges::min(game.state.scores), 0);
      EXPECT_TRUE(std::ranges::all_of(game.state.noteWeights | std::views::join,
                                      [](int16_t w) { return w >= 2 && w <= 20; }));
      EXPECT_EQ(game.controls.label2Score, game.score());
    }
    game.click();
  }
  EXPECT_GT(game.state.scores[0], 160);
}

}  // namespace quavix
