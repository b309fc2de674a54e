#include "core/card_fall.h"

#include "game_doubles.h"

namespace quavix {

// Lets the next tick spawn a card at `step` on the selected staff, whatever the score.
static void spawnAt(Game& game, int step) {
  game.state.noteFallY = 0;
  game.score() = 3300;
  game.attempt(step, 2500);
  game.tick();
}

TEST(Cards, LayOutTheNoteAndItsLedgerLinesForEveryStaffStep) {
  // previous: the step of the card before (-1: none), whose image and lines must go.
  const std::array<int, 6> cases[] = {
      {0, 18, 1, 135, 300, 210}, {1, 18, 1, 180, 300, 210}, {2, 18, 1, 225, 300, 0},
      {3, 18, 1, 270, 300, 0},   {4, 18, 1, 315, 0, 0},     {5, 18, 1, 360, 0, 0},
      {6, 18, 1, 405, 0, 0},     {7, 18, 1, 450, 0, 0},     {8, 18, 1, 495, 0, 0},
      {9, 2, 1, 540, 0, 0},      {9, 14, 0, 255, 0, 0},     {9, -1, 0, 255, 0, 0},
      {10, 0, 0, 300, 0, 0},     {11, 0, 0, 345, 0, 0},     {12, 0, 0, 390, 0, 0},
      {13, 0, 0, 435, 0, 0},     {14, 0, 0, 480, 0, 0},     {15, 0, 0, 525, 845, 0},
      {16, 0, 0, 570, 845, 0},   {17, 0, 0, 615, 935, 845}, {18, 0, 0, 660, 935, 845}};
  for (auto [step, previous, image, imageTop, ledger1, ledger2] : cases) {
    Game game;
    if (previous >= 0) spawnAt(game, previous);
    const uint64_t revision = game.controls.picture1.revision;
    spawnAt(game, step);
    std::vector<LedgerLine> lines;
    if (ledger1 != 0) lines.push_back({340, ledger1, 510, ledger1});
    if (ledger2 != 0) lines.push_back({340, ledger2, 510, ledger2});
    const auto& images = game.controls.image1;
    EXPECT_TRUE(images[image].visible && !images[1 - image].visible) << step;
    EXPECT_EQ(images[image].top, imageTop) << step;
    EXPECT_EQ(game.controls.picture1.lines, lines) << step;
    EXPECT_GT(game.controls.picture1.revision, revision);
  }
}

TEST(Cards, FallByTwelveLessHalfTheWeightUntilAMissCostsTenPoints) {
  // weight, first two positions (halves go to even), the tick of the miss, score before, after
  const std::array<int, 6> cases[] = {{20, 2, 4, 1551, 25, 15}, {20, 2, 4, 1551, 10, 0},
                                      {10, 7, 14, 444, 7, 0},   {5, 10, 20, 311, 100, 90},
                                      {3, 10, 20, 311, 0, 0},   {2, 11, 22, 283, 10, 0}};
  for (auto [weight, first, second, missTick, score, after] : cases) {
    Game game;
    game.state.noteWeights[kMiddleC][0] = static_cast<int16_t>(weight);
    spawnAt(game, 15);
    game.score() = static_cast<int16_t>(score);
    EXPECT_EQ(game.state.noteFallY, first) << weight;
    game.tick();
    EXPECT_EQ(game.state.noteFallY, second) << weight;
    EXPECT_EQ(game.controls.picture1.top, first - 500);
    game.controls.whiteKeyColours[16] = kRed;
    int ticks = 2;  // so far
    for (; game.state.noteFallY != 0 && ticks < 2000; ++ticks) game.tick();
    EXPECT_EQ(ticks, missTick) << weight;
    EXPECT_EQ(game.controls.label2Caption, "得分:" + std::to_string(after)) << weight;
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
