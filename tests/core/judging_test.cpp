#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/core/game_doubles.h"

namespace quavix {

// A running learning game on the treble clef with middle C (key 16) falling at 400.
static Game onMiddleC(int16_t weight, int16_t score) {
  Game game;
  game.controls.gameRunning = true;
  game.state.currentNote = kMiddleC;
  game.state.noteFallY = 400;
  game.weight() = weight;
  game.score() = score;
  game.controls.label2Score = -1;
  return game;
}

TEST(Judging, PressesScoreWeighAndMarkTheAnswerKey) {
  struct Case {
    std::vector<int> keys;  // pressed in turn; -1 is a black key, 0 and 32 answer no note
    int16_t weight, score;
    int scoreAfter, weightAfter, fall;
    bool red;  // key 16
    size_t samples;
  };
  // clang-format off
  const Case cases[] = {
      // keys   weight score  scoreAfter weightAfter fall red samples
      {{16},      20,    40,     50,        19,      0,  false, 1},
      {{16},       3,    40,     41,         2,      0,  false, 1},
      {{16},       2,    40,     41,         2,      0,  false, 1},
      {{16, 16},  10,    40,     49,         8,      0,  false, 2},
      {{16},      20, 32760,  32767,        19,      0,  false, 1},
      {{17},      19,    25,     15,        20,    400,  true,  0},
      {{-1},      19,    25,     15,        19,    400,  true,  0},
      {{17},      20,    10,      0,        20,    400,  true,  0},
      {{5, 16},    9,    30,     25,         9,      0,  true,  1},
      {{0, 32, -1}, 20,  50,     20,        20,    400,  true,  0},
  };
  // clang-format on
  for (const Case& c : cases) {
    Game game = onMiddleC(c.weight, c.score);
    for (int key : c.keys) key < 0 ? game.pressBlack() : game.press(key);
    EXPECT_EQ(game.controls.label2Score, c.scoreAfter) << c.score;
    EXPECT_EQ(game.weight(), c.weightAfter) << c.score;
    EXPECT_EQ(game.state.noteFallY, c.fall) << c.score;
    EXPECT_EQ(game.controls.whiteKeyColours[16], c.red ? kRed : kWhite) << c.score;
    EXPECT_EQ(game.played, std::vector<std::string>(c.samples, "2.wav")) << c.score;
  }
}

TEST(Judging, OnlyARunningGameWithTimeLeftIsJudgedAndATestNeitherSoundsNorMarks) {
  // clang-format off
  const std::tuple<bool, bool, int16_t, bool> cases[] = {
      // running test  testTicks judged
      {false,    false, 0,       false}, {true, false, 3, true}, {true, true, 2, true},
      {true,     true,  3,       false}};
  // clang-format on
  for (const auto& [running, test, testTicks, judged] : cases) {
    Game game = onMiddleC(20, 50);
    game.controls.gameRunning = running;
    game.select(0, test);
    game.state.testTicks = testTicks;
    game.pressBlack();
    EXPECT_EQ(game.controls.label2Score, judged ? 40 : -1) << testTicks;
    EXPECT_EQ(game.controls.whiteKeyColours[16], judged && !test ? kRed : kWhite);
    game.press(16);
    EXPECT_EQ(game.state.noteFallY, judged ? 0 : 400) << testTicks;
    EXPECT_EQ(game.played.size(), judged && !test ? 1u : 0u);
  }
}

}  // namespace quavix
