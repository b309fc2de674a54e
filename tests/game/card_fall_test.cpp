#include <gtest/gtest.h>

#include <vector>

#include "game/cards.h"
#include "game_doubles.h"

namespace quavix {
namespace {

using testing::Game;

// A running learning game on the treble clef whose next tick spawns middle C.
Game gameAboutToSpawn(int16_t weight) {
  Game game;
  game.controls.command3Caption = kCaptionStop;
  for (auto& weights : game.state.noteWeights) weights.fill(weight);
  game.random.attempt(15, 4000);
  return game;
}

void tick(Game& game) { Timer1_Timer(game.state, game.controls, game.random, game.pictures); }

struct FallCase {
  int16_t weight;
  std::vector<int> positions;  // noteFallY after each of the first ticks
};

class CardFallTest : public ::testing::TestWithParam<FallCase> {};

TEST_P(CardFallTest, FallsByTwelveLessHalfTheWeightHalvesToEven) {
  Game game = gameAboutToSpawn(GetParam().weight);
  std::vector<int> positions;
  for (size_t i = 0; i < GetParam().positions.size(); ++i) {
    const int drawnAt = game.state.noteFallY;
    tick(game);
    EXPECT_EQ(game.controls.picture1.top, drawnAt - 500);
    positions.push_back(game.state.noteFallY);
  }
  EXPECT_EQ(positions, GetParam().positions);
}

INSTANTIATE_TEST_SUITE_P(Weights, CardFallTest,
                         ::testing::Values(FallCase{20, {2, 4, 6}}, FallCase{10, {7, 14, 21}},
                                           FallCase{5, {10, 20, 30}}, FallCase{3, {10, 20, 30}},
                                           FallCase{2, {11, 22, 33}}));

TEST(CardFall, AWrongAnswerSlowsTheCardAtOnce) {
  Game game = gameAboutToSpawn(10);
  tick(game);
  game.state.noteWeights[15][0] = 11;
  tick(game);
  EXPECT_EQ(game.state.noteFallY, 14);  // 7 + 12 - 5.5 = 13.5 goes to the even 14
}

TEST(CardFall, AtWeightTwentyTheCardIsMissedOnThe1551stTick) {
  Game game = gameAboutToSpawn(20);
  game.score() = 100;
  int ticks = 0;
  do {
    tick(game);
    ++ticks;
  } while (game.state.noteFallY != 0 && ticks < 2000);
  EXPECT_EQ(ticks, 1551);
  EXPECT_EQ(game.controls.picture1.top, 2600);
  EXPECT_EQ(game.score(), 90);
}

struct MissCase {
  int16_t score;
  int16_t after;
  const char* display;
};

class MissTest : public ::testing::TestWithParam<MissCase> {};

TEST_P(MissTest, CostsTenPointsDownToZero) {
  Game game = gameAboutToSpawn(20);
  tick(game);
  game.score() = GetParam().score;
  game.state.noteFallY = 3100;
  game.controls.whiteKeyColours[16] = kRed;
  tick(game);
  EXPECT_EQ(game.state.noteFallY, 0);
  EXPECT_EQ(game.score(), GetParam().after);
  EXPECT_EQ(game.controls.label2Caption, GetParam().display);
  EXPECT_EQ(game.state.noteWeights[15][0], 20);
  EXPECT_EQ(game.controls.whiteKeyColours[16], kRed);
}

INSTANTIATE_TEST_SUITE_P(Scores, MissTest,
                         ::testing::Values(MissCase{7, 0, "得分:0"}, MissCase{25, 15, "得分:15"},
                                           MissCase{10, 0, "得分:0"}));

TEST(CardFall, OnTheMissLineTheCardStillFalls) {
  Game game = gameAboutToSpawn(20);
  tick(game);
  game.state.noteFallY = 3099;
  tick(game);
  EXPECT_EQ(game.state.noteFallY, 3101);
}

TEST(CardFall, TheNextSpawnTurnsTheRedAnswerKeyWhite) {
  Game game = gameAboutToSpawn(20);
  tick(game);
  game.controls.whiteKeyColours[16] = kRed;
  game.state.noteFallY = 0;
  game.score() = 52;
  game.random.attempt(14);
  tick(game);
  EXPECT_EQ(game.controls.whiteKeyColours[16], kWhite);
  EXPECT_EQ(game.state.currentNote, 14);
}

TEST(CardFall, TheFirstSpawnOfARunWhitensTheTopAnswerKey) {
  Game game = gameAboutToSpawn(20);
  game.controls.whiteKeyColours[31] = kRed;
  tick(game);
  EXPECT_EQ(game.controls.whiteKeyColours[31], kWhite);
}

}  // namespace
}  // namespace quavix
