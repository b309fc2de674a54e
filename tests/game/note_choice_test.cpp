#include "game/note_choice.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "game/cards.h"
#include "game_doubles.h"

namespace quavix {
namespace {

using testing::Game;

struct LimitCase {
  int16_t score;
  int limit;
};

class DistanceLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(DistanceLimitTest, GivesTheLimit) {
  EXPECT_EQ(distanceLimit(GetParam().score), GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, DistanceLimitTest,
    ::testing::Values(LimitCase{-50, 0}, LimitCase{0, 0}, LimitCase{51, 0}, LimitCase{52, 1},
                      LimitCase{159, 1}, LimitCase{160, 2}, LimitCase{2729, 14},
                      LimitCase{2730, 15}, LimitCase{3200, 16}, LimitCase{3201, 16},
                      LimitCase{32767, 29},
                      // Only an altered score file gets here: treated like a beginner's score.
                      LimitCase{-51, 0}, LimitCase{-3199, 0}, LimitCase{-3200, 0},
                      LimitCase{-3201, 0}, LimitCase{-32768, 0}));

TEST(DistanceLimit, EqualsTheWholeQuotientForEveryPlayableScore) {
  for (int s = -50; s <= SHRT_MAX; ++s) {
    ASSERT_EQ(distanceLimit(static_cast<int16_t>(s)), 32 * (s + 50) / (s + 3200)) << s;
  }
}

struct WeightCase {
  int16_t weight;
  float r;
  bool passes;
};

class WeightTest : public ::testing::TestWithParam<WeightCase> {};

TEST_P(WeightTest, PassesBelowTheWeightsShare) {
  EXPECT_EQ(weightTestPasses(GetParam().weight, GetParam().r), GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, WeightTest,
    ::testing::Values(WeightCase{2, 0.2499f, true}, WeightCase{2, 0.25f, false},
                      WeightCase{10, 0.5833f, true}, WeightCase{10, 0.5834f, false},
                      WeightCase{20, 0.0f, true}, WeightCase{20, 0.99999994f, true}));

// The staff steps whose candidate is accepted at once, every weight at 20.
std::set<int> acceptedSteps(int clef, int16_t score) {
  std::set<int> accepted;
  for (int step = 0; step < 19; ++step) {
    Game game;
    game.selectClef(clef);
    game.state.scoreSlot = static_cast<int16_t>(clef);
    game.score() = score;
    for (auto& weights : game.state.noteWeights) weights.fill(20);
    game.random.attempt(step);
    game.random.attempt(clef == 0 ? 15 : 3);
    chooseCard(game.state, game.controls, game.random);
    if (game.random.reseeds == 1) accepted.insert(step);
  }
  return accepted;
}

TEST(ChooseCard, ScoreZeroAllowsOnlyMiddleC) {
  EXPECT_EQ(acceptedSteps(0, 0), std::set<int>{15});
  EXPECT_EQ(acceptedSteps(1, 0), std::set<int>{3});
}

TEST(ChooseCard, ScoreFiftyTwoAllowsMiddleCAndItsNeighbours) {
  EXPECT_EQ(acceptedSteps(0, 52), (std::set<int>{14, 15, 16}));
  EXPECT_EQ(acceptedSteps(1, 52), (std::set<int>{2, 3, 4}));
}

TEST(ChooseCard, AlteredScoresStillEndWithMiddleC) {
  for (int16_t score : {-51, -3200, -3201, -32768}) {
    EXPECT_EQ(acceptedSteps(0, score), std::set<int>{15}) << score;
  }
}

TEST(ChooseCard, WeightTestRejectsAtTheTopScoreOfTheBiasedRange) {
  Game game;
  game.score() = 3200;
  for (auto& weights : game.state.noteWeights) weights.fill(2);
  game.random.attempt(0, 1000, 0.9f);
  game.random.attempt(1, 1000, 0.1f);
  chooseCard(game.state, game.controls, game.random);
  EXPECT_EQ(game.state.staffStep, 1);
}

TEST(ChooseCard, TakesTheFirstCandidateAboveTheBiasedRangeAndInTests) {
  for (bool test : {false, true}) {
    Game game;
    game.selectTestMode(test);
    game.score() = test ? 0 : 3201;
    for (auto& weights : game.state.noteWeights) weights.fill(2);
    game.random.attempt(0, 5999, 0.99f);
    chooseCard(game.state, game.controls, game.random);
    EXPECT_EQ(game.random.reseeds, 1);
    EXPECT_TRUE(game.random.draws.empty());
    EXPECT_EQ(game.state.currentNote, 0);
    EXPECT_EQ(game.state.noteLeft, 5999);
  }
}

TEST(ChooseCard, EveryAttemptMakesAllItsDraws) {
  Game game;
  game.selectClef(2);
  for (auto& weights : game.state.noteWeights) weights.fill(20);
  game.random.mixedAttempt(0, 0);
  game.random.mixedAttempt(1, 18);
  game.random.mixedAttempt(1, 3);
  chooseCard(game.state, game.controls, game.random);
  EXPECT_EQ(game.random.reseeds, 3);
  EXPECT_TRUE(game.random.draws.empty());
  EXPECT_EQ(game.state.currentClef, 1);
  EXPECT_EQ(game.state.currentNote, 15);
}

TEST(ChooseCard, MixedClefsTakeTheBassOnlyAboveHalf) {
  for (float r : {0.5f, 0.50000006f}) {
    Game game;
    game.selectClef(2);
    game.score() = 3300;
    game.random.draws = {0.0f, 0.0f, r, 0.0f};
    chooseCard(game.state, game.controls, game.random);
    EXPECT_EQ(game.state.currentClef, r > 0.5f ? 1 : 0);
  }
}

}  // namespace
}  // namespace quavix
