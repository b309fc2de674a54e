#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/cards.h"
#include "game_doubles.h"

namespace quavix {
namespace {

using testing::Game;

struct StepCase {
  int step;
  int image;
  int imageTop;
  std::vector<int> ledgerYs;
};

std::vector<LedgerLine> ledgerLines(const std::vector<int>& ys) {
  std::vector<LedgerLine> lines;
  for (int y : ys) lines.push_back({340, y, 510, y});
  return lines;
}

// Spawns one card on the treble staff at `step`.
void spawnAt(Game& game, int step) {
  game.state.noteFallY = 0;
  game.score() = 3300;
  game.random.attempt(step, 2500);
  Timer1_Timer(game.state, game.controls, game.random, game.pictures);
}

class CardLayoutTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(CardLayoutTest, PlacesTheNoteAndItsLedgerLines) {
  const StepCase& c = GetParam();
  Game game;
  spawnAt(game, 0);  // leaves lines behind that the next spawn must clear
  game.state.noteImageIndex = static_cast<int16_t>(1 - c.image);
  game.controls.image1[c.image].visible = false;
  game.controls.image1[1 - c.image].visible = true;
  const uint64_t revision = game.controls.picture1.revision;
  spawnAt(game, c.step);
  EXPECT_GT(game.controls.picture1.revision, revision);
  EXPECT_EQ(game.state.noteHeadY, 45 * c.step - 150);
  EXPECT_EQ(game.state.noteImageIndex, c.image);
  const ImageModel& shown = game.controls.image1[c.image];
  EXPECT_TRUE(shown.visible);
  EXPECT_FALSE(game.controls.image1[1 - c.image].visible);
  EXPECT_EQ(shown.left, 360);
  EXPECT_EQ(shown.top, c.imageTop);
  EXPECT_EQ(game.controls.picture1.lines, ledgerLines(c.ledgerYs));
}

INSTANTIATE_TEST_SUITE_P(
    EveryStaffStep, CardLayoutTest,
    ::testing::Values(StepCase{0, 1, 135, {300, 210}}, StepCase{1, 1, 180, {300, 210}},
                      StepCase{2, 1, 225, {300}}, StepCase{3, 1, 270, {300}},
                      StepCase{4, 1, 315, {}}, StepCase{5, 1, 360, {}}, StepCase{6, 1, 405, {}},
                      StepCase{7, 1, 450, {}}, StepCase{8, 1, 495, {}}, StepCase{10, 0, 300, {}},
                      StepCase{11, 0, 345, {}}, StepCase{12, 0, 390, {}}, StepCase{13, 0, 435, {}},
                      StepCase{14, 0, 480, {}}, StepCase{15, 0, 525, {845}},
                      StepCase{16, 0, 570, {845}}, StepCase{17, 0, 615, {935, 845}},
                      StepCase{18, 0, 660, {935, 845}}));

TEST(CardLayout, MiddleLineKeepsThePreviousCardsNoteImage) {
  for (int previousStep : {2, 14}) {
    Game game;
    spawnAt(game, previousStep);
    const int image = game.state.noteImageIndex;
    spawnAt(game, 9);
    EXPECT_EQ(game.state.noteImageIndex, image);
    EXPECT_EQ(game.controls.image1[image].top, 285 * image + 255);
    EXPECT_FALSE(game.controls.image1[1 - image].visible);
    EXPECT_TRUE(game.controls.picture1.lines.empty());
  }
}

TEST(CardLayout, MiddleLineOnTheFirstCardOfARunHasItsStemUp) {
  Game game;
  spawnAt(game, 9);
  EXPECT_EQ(game.state.noteImageIndex, 0);
  EXPECT_EQ(game.controls.image1[0].top, 255);
  EXPECT_FALSE(game.controls.image1[1].visible);
}

TEST(CardLayout, EachSpawnLoadsTheClefPictureOfItsClef) {
  for (int clef : {0, 1}) {
    Game game;
    game.selectClef(clef);
    game.state.scoreSlot = static_cast<int16_t>(clef);
    spawnAt(game, 4);
    const char* file = clef == 0 ? "wode.bmp" : "wodedi.bmp";
    EXPECT_EQ(game.pictures.loads, std::vector<std::string>{file});
    EXPECT_EQ(game.controls.picture1.picture, game.pictures.files[file]);
  }
}

TEST(CardLayout, OrdinaryTicksOnlyMoveTheCard) {
  Game game;
  game.state.noteWeights[17][0] = 20;
  spawnAt(game, 17);
  const uint64_t revision = game.controls.picture1.revision;
  const auto lines = game.controls.picture1.lines;
  Timer1_Timer(game.state, game.controls, game.random, game.pictures);
  EXPECT_EQ(game.pictures.loads.size(), 1u);
  EXPECT_EQ(game.controls.picture1.revision, revision);
  EXPECT_EQ(game.controls.picture1.lines, lines);
  EXPECT_EQ(game.controls.image1[0].top, 615);
  EXPECT_EQ(game.controls.picture1.left, 2500);
  EXPECT_EQ(game.controls.picture1.top, 2 - 500);
}

TEST(CardLayout, MissingClefPictureStopsTheGameAndNamesTheFile) {
  Game game;
  game.selectClef(1);
  game.state.scoreSlot = 1;
  game.controls.command3Caption = kCaptionStop;
  game.controls.timer1Enabled = true;
  game.pictures.files.erase("wodedi.bmp");
  ::testing::internal::CaptureStderr();
  spawnAt(game, 4);
  const std::string message = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(message.find("wodedi.bmp"), std::string::npos);
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
  EXPECT_EQ(game.controls.command3Caption, kCaptionStart);
  EXPECT_FALSE(game.controls.timer1Enabled);
  EXPECT_EQ(game.state.noteFallY, 0);
  EXPECT_EQ(game.controls.picture1.top, -500);
  EXPECT_EQ(game.controls.picture1.picture, nullptr);
}

}  // namespace
}  // namespace quavix
