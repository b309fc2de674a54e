#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "game/clock_random.h"
#include "game/note_choice.h"
#include "game_doubles.h"

namespace quavix {
namespace {

using testing::Game;

// How often each note index comes in `spawns` spawns, drawn by the real generator with a frozen
// clock, so the counts are the same on every run.
std::map<int, int> noteCounts(Game& game, int spawns) {
  ClockRandom random([] { return uint64_t{20240601}; });
  std::map<int, int> counts;
  for (int i = 0; i < spawns; ++i) {
    chooseCard(game.state, game.controls, random);
    ++counts[game.state.currentNote];
  }
  return counts;
}

// Pearson's statistic of the counts against the expected shares.
double chiSquare(const std::map<int, int>& counts, const std::map<int, double>& shares, int total) {
  double statistic = 0;
  for (const auto& [note, share] : shares) {
    const double expected = share * total;
    const auto found = counts.find(note);
    const double seen = found == counts.end() ? 0 : found->second;
    statistic += (seen - expected) * (seen - expected) / expected;
  }
  return statistic;
}

Game freshLearningGame(int clef, int16_t score) {
  Game game;
  game.selectClef(clef);
  game.state.scoreSlot = static_cast<int16_t>(clef);
  game.score() = score;
  for (auto& weights : game.state.noteWeights) weights.fill(20);
  return game;
}

TEST(NoteDistribution, EveryAllowedNoteComesEquallyOften) {
  Game game = freshLearningGame(0, 2730);
  std::map<int, double> shares;
  for (int note = 0; note < 19; ++note) shares[note] = 1.0 / 19;
  const auto counts = noteCounts(game, 19 * 400);
  EXPECT_EQ(counts.size(), 19u);
  EXPECT_LT(chiSquare(counts, shares, 19 * 400), 42.3);  // 18 degrees of freedom, p = 0.001
}

TEST(NoteDistribution, ALowWeightComesAQuarterAsOften) {
  Game game = freshLearningGame(1, 52);
  game.state.noteWeights[14][1] = 2;
  const auto counts = noteCounts(game, 4500);
  EXPECT_EQ(counts.size(), 3u);
  EXPECT_LT(chiSquare(counts, {{14, 1.0 / 9}, {15, 4.0 / 9}, {16, 4.0 / 9}}, 4500), 13.8);
}

TEST(NoteDistribution, MixedClefsAtScoreZeroShowMiddleCOnBothStaffsEquallyOften) {
  Game game = freshLearningGame(2, 0);
  ClockRandom random([] { return uint64_t{7}; });
  std::map<int, int> clefs;
  for (int i = 0; i < 4000; ++i) {
    chooseCard(game.state, game.controls, random);
    ASSERT_EQ(game.state.currentNote, 15);
    ++clefs[game.state.currentClef];
  }
  EXPECT_LT(chiSquare(clefs, {{0, 0.5}, {1, 0.5}}, 4000), 10.8);
}

}  // namespace
}  // namespace quavix
