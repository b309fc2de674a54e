#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "game/cards.h"
#include "game/clock_random.h"
#include "game/control.h"
#include "game/judging.h"
#include "game/score_display.h"
#include "game_doubles.h"

namespace quavix {
namespace {

using testing::Game;

constexpr int kTicksPerMinute = 3000;  // Timer1 every 20 ms

// Plays whole games headless with a player who presses now and then, mostly right.
class LongGame {
 public:
  LongGame() : random_([] { return uint64_t{99}; }), player_(1234) {}

  void play(bool test, int clef, int ticks) {
    game_.selectTestMode(test);
    Option2_Click(game_.state, game_.controls, test ? 1 : 0);
    game_.selectClef(clef);
    Option1_Click(game_.state, game_.controls, clef);
    Command3_Click(game_.state, game_.controls);
    for (int t = 1; t <= ticks; ++t) {
      if (game_.controls.timer1Enabled) tick(test, clef);
      if (game_.controls.timer2Enabled && t % kTicksPerMinute == 0) {
        Timer2_Timer(game_.state, game_.controls);
      }
      if (chance(0.03)) press();
      checkInvariants();
      if (::testing::Test::HasFailure()) return;
    }
    Command3_Click(game_.state, game_.controls);
  }

  Game game_;
  int spawns_ = 0;
  int16_t highest_ = 0;

 private:
  bool chance(double p) { return std::uniform_real_distribution<>(0, 1)(player_) < p; }

  void tick(bool test, int clef) {
    const bool spawning = game_.state.noteFallY == 0;
    const int score = game_.score();
    Timer1_Timer(game_.state, game_.controls, random_, game_.pictures);
    if (!spawning) return;
    ++spawns_;
    const int distance = std::abs(15 - game_.state.currentNote);
    if (!test && score <= 3200) {
      ASSERT_LE(distance, 32 * (score + 50) / (score + 3200)) << "score " << score;
    }
    if (clef < 2) {
      ASSERT_EQ(game_.state.currentClef, clef);
    }
  }

  void press() {
    if (chance(0.02)) {
      judgeBlackKey(game_.state, game_.controls);
    } else {
      const int key = chance(0.95) ? 31 - game_.state.currentNote
                                   : std::uniform_int_distribution<>(0, 32)(player_);
      judgeWhiteKey(game_.state, game_.controls, game_.samples, key);
    }
  }

  void checkInvariants() {
    for (int16_t score : game_.state.scores) {
      ASSERT_GE(score, 0);
      highest_ = std::max(highest_, score);
    }
    if (game_.controls.command3Caption != kCaptionStop) return;
    for (const auto& weights : game_.state.noteWeights) {
      for (int16_t weight : weights) {
        ASSERT_GE(weight, 2);
        ASSERT_LE(weight, 20);
      }
    }
    ASSERT_EQ(game_.controls.label2Caption, scoreCaption(game_.score()));
  }

  ClockRandom random_;
  std::mt19937 player_;
};

TEST(LongGame, InvariantsHoldThroughManyGames) {
  LongGame run;
  run.game_.state.scores = {0, 32700, 2600, 0};
  run.play(false, 0, 40000);
  run.play(false, 1, 20000);
  run.play(false, 2, 20000);
  run.play(true, 2, 10000);
  run.play(true, 0, 4000);
  EXPECT_GT(run.spawns_, 1000);
  EXPECT_EQ(run.highest_, 32767);
  EXPECT_GT(run.game_.state.scores[0], 160);
}

}  // namespace
}  // namespace quavix
