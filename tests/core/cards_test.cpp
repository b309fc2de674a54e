#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/core/game_doubles.h"

namespace quavix {

// Lets the next tick spawn a card at `step` on the selected staff, whatever the score.
static void spawnAt(Game& game, int step) {
  game.state.noteFallY = 0;
  game.score() = 3300;
  game.attempt(step, 2500);
  game.tick();
}

// On the middle line the note keeps the stem of the card before, here down; that card's ledger
// lines go.
TEST(Cards, StepNineKeepsTheNoteImageOfTheCardBefore) {
  Game game;
  spawnAt(game, 2);
  const uint64_t revision = game.controls.picture1.revision;
  spawnAt(game, 9);
  const auto& images = game.controls.image1;
  EXPECT_TRUE(images[1].visible && !images[0].visible);
  EXPECT_EQ(images[1].top, 540);
  EXPECT_TRUE(game.controls.picture1.lines.empty());
  EXPECT_GT(game.controls.picture1.revision, revision);
}

TEST(Cards, FallByTwelveLessHalfTheWeightUntilAMissCostsTenPoints) {
  struct Case {
    int weight;
    int first, second;  // the first two positions; halves go to even
    int missTick;
    int score, scoreAfter;
  };
  // clang-format off
  const Case cases[] = {
      // weight first second missTick score scoreAfter
      {20,      2,    4,     1551,    25,   15},
      {10,      7,    14,    444,     7,    0},
      {5,       10,   20,    311,     100,  90},
      {3,       10,   20,    311,     0,    0},
      {2,       11,   22,    283,     10,   0}};
  // clang-format on
  for (const Case& c : cases) {
    Game game;
    game.state.noteWeights[kMiddleC][0] = static_cast<int16_t>(c.weight);
    spawnAt(game, 15);
    game.score() = static_cast<int16_t>(c.score);
    EXPECT_EQ(game.state.noteFallY, c.first) << c.weight;
    game.tick();
    EXPECT_EQ(game.state.noteFallY, c.second) << c.weight;
    game.controls.whiteKeyColours[16] = kRed;
    int ticks = 2;  // so far
    for (; game.state.noteFallY != 0 && ticks < 2000; ++ticks) game.tick();
    EXPECT_EQ(ticks, c.missTick) << c.weight;
    EXPECT_EQ(game.controls.label2Score, c.scoreAfter) << c.weight;
    spawnAt(game, 14);
    EXPECT_EQ(game.controls.whiteKeyColours[16], kWhite);  // the red hint goes with its card
  }
}

TEST(Cards, AMissingClefPictureStopsTheGameWithOneLineOnStderr) {
  for (int clef : {0, 1}) {
    Game game(clef);
    game.click();
    game.missingPicture = clef == 0 ? "wode.bmp" : "wodedi.bmp";
    ::testing::internal::CaptureStderr();
    spawnAt(game, 4);
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find(game.missingPicture), std::string::npos);
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
    EXPECT_FALSE(game.controls.gameRunning);
    EXPECT_EQ(game.state.noteFallY, 0);
  }
}

}  // namespace quavix
