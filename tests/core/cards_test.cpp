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

// On the middle line the note keeps the stem of the card before (up without one); that card's
// ledger lines go.
TEST(Cards, StepNineKeepsTheNoteImageOfTheCardBefore) {
  struct Case {
    int previous;  // the step of the card before; -1: none
    int image, imageTop;
  };
  const Case cases[] = {{.previous = 2, .image = 1, .imageTop = 540},
                        {.previous = 14, .image = 0, .imageTop = 255},
                        {.previous = -1, .image = 0, .imageTop = 255}};
  for (const Case& c : cases) {
    Game game;
    if (c.previous >= 0) spawnAt(game, c.previous);
    const uint64_t revision = game.controls.picture1.revision;
    spawnAt(game, 9);
    const auto& images = game.controls.image1;
    EXPECT_TRUE(images[c.image].visible && !images[1 - c.image].visible) << c.previous;
    EXPECT_EQ(images[c.image].top, c.imageTop) << c.previous;
    EXPECT_TRUE(game.controls.picture1.lines.empty()) << c.previous;
    EXPECT_GT(game.controls.picture1.revision, revision);
  }
}

TEST(Cards, FallByTwelveLessHalfTheWeightUntilAMissCostsTenPoints) {
  struct Case {
    int weight;
    int first, second;  // the first two positions; halves go to even
    int missTick;
    int score, scoreAfter;
  };
  const Case cases[] = {
      {.weight = 20, .first = 2, .second = 4, .missTick = 1551, .score = 25, .scoreAfter = 15},
      {.weight = 10, .first = 7, .second = 14, .missTick = 444, .score = 7, .scoreAfter = 0},
      {.weight = 5, .first = 10, .second = 20, .missTick = 311, .score = 100, .scoreAfter = 90},
      {.weight = 3, .first = 10, .second = 20, .missTick = 311, .score = 0, .scoreAfter = 0},
      {.weight = 2, .first = 11, .second = 22, .missTick = 283, .score = 10, .scoreAfter = 0}};
  for (const Case& c : cases) {
    Game game;
    game.state.noteWeights[kMiddleC][0] = static_cast<int16_t>(c.weight);
    spawnAt(game, 15);
    game.score() = static_cast<int16_t>(c.score);
    EXPECT_EQ(game.state.noteFallY, c.first) << c.weight;
    game.tick();
    EXPECT_EQ(game.state.noteFallY, c.second) << c.weight;
    EXPECT_EQ(game.controls.picture1.top, c.first - 500);
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
