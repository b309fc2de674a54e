#include "core/note_choice.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/core/game_doubles.h"

namespace quavix {

TEST(NoteChoice, DistanceLimitAtItsBoundaries) {
  const std::pair<int16_t, int> cases[] = {{0, 0},     {51, 0},    {52, 1},    {159, 1},   {160, 2},
                                           {2729, 14}, {2730, 15}, {3200, 16}, {3201, 16}, {-50, 0},
                                           {-51, 0},   {-3199, 0}, {-3200, 0}, {-32768, 0}};
  for (auto [score, limit] : cases) EXPECT_EQ(distanceLimit(score), limit) << score;
}

TEST(NoteChoice, WeightTestPassesBelowTheWeightsShare) {
  struct Case {
    int16_t weight;
    float draw;
    bool passes;
  };
  const Case cases[] = {{2, 0.2499f, true},   {2, 0.25f, false}, {10, 0.5833f, true},
                        {10, 0.5834f, false}, {20, 0.0f, true},  {20, 0.99999994f, true}};
  for (const Case& c : cases) EXPECT_EQ(weightTestPasses(c.weight, c.draw), c.passes) << c.draw;
}

TEST(NoteChoice, AFreshLearningGameDrawsEveryNoteItsScoreAllowsEquallyOften) {
  struct Case {
    int16_t score;
    int limit;     // its distance limit from middle C
    size_t cards;  // how many (clef, note) that allows
  };
  const Case cases[] = {{0, 0, 2}, {52, 1, 6}, {1000, 8, 24}, {-32768, 0, 2}};
  for (const auto& [score, limit, cards] : cases) {
    Game game(2);
    game.click();
    game.score() = score;
    ClockRandom random([] { return uint64_t{20240601}; });
    while (game.draws.size() < 200000) game.draws.push_back(random.next());  // no endless loop
    std::map<std::pair<int, int>, int> counts;
    for (size_t i = 0; i < 300 * cards; ++i) {
      chooseCard(game.state, game.controls, game);
      ++counts[{game.state.currentClef, game.state.currentNote}];
    }
    EXPECT_EQ(counts.size(), cards) << score;
    for (const auto& [card, seen] : counts) {
      EXPECT_LE(std::abs(card.second - kMiddleC), limit) << score;
      EXPECT_NEAR(seen, 300, 70) << score;  // four standard deviations
    }
  }
}

TEST(ClockRandom, ReseedsWithinOneClockReadingStillDrawAnewInTheUnitInterval) {
  ClockRandom random([] { return uint64_t{42}; });
  std::set<float> draws;
  for (int i = 0; i < 1000; ++i) {
    random.reseed();
    draws.insert(random.next());
  }
  EXPECT_EQ(draws.size(), 1000u);
  EXPECT_TRUE(*draws.begin() >= 0.0f && *draws.rbegin() < 1.0f);
}

}  // namespace quavix
