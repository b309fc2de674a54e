#include "game/judging.h"

#include <gtest/gtest.h>

#include <map>

#include "game/score_display.h"
#include "game_doubles.h"

namespace quavix {
namespace {

using testing::Game;

constexpr int kMiddleCKey = 16;

// A learning game on the treble clef with middle C falling.
Game gameOnMiddleC(int16_t weight, int16_t score) {
  Game game;
  game.controls.command3Caption = kCaptionStop;
  game.state.currentNote = 15;
  game.state.noteFallY = 400;
  game.weight() = weight;
  game.score() = score;
  game.controls.label2Caption = "stale";
  return game;
}

void press(Game& game, int key) { judgeWhiteKey(game.state, game.controls, game.samples, key); }

struct CorrectCase {
  int16_t weight;
  int16_t points;
  int16_t weightAfter;
};

class CorrectAnswerTest : public ::testing::TestWithParam<CorrectCase> {};

TEST_P(CorrectAnswerTest, EarnsHalfTheWeightAndLowersIt) {
  Game game = gameOnMiddleC(GetParam().weight, 40);
  press(game, kMiddleCKey);
  EXPECT_EQ(game.state.noteFallY, 0);
  EXPECT_EQ(game.score(), 40 + GetParam().points);
  EXPECT_EQ(game.weight(), GetParam().weightAfter);
  EXPECT_EQ(game.controls.label2Caption, scoreCaption(game.score()));
  EXPECT_EQ(game.samples.played, std::vector<std::string>{"2.wav"});
}

INSTANTIATE_TEST_SUITE_P(Weights, CorrectAnswerTest,
                         ::testing::Values(CorrectCase{20, 10, 19}, CorrectCase{3, 1, 2},
                                           CorrectCase{2, 1, 2}, CorrectCase{10, 5, 9},
                                           CorrectCase{9, 4, 8}));

TEST(Judging, AnsweringAgainBeforeTheNextCardCountsAgain) {
  Game game = gameOnMiddleC(10, 0);
  press(game, kMiddleCKey);
  press(game, kMiddleCKey);
  EXPECT_EQ(game.score(), 9);
  EXPECT_EQ(game.weight(), 8);
}

TEST(Judging, ScoresStopAtTheLargest16BitValue) {
  Game game = gameOnMiddleC(20, 32760);
  press(game, kMiddleCKey);
  EXPECT_EQ(game.score(), 32767);
  press(game, kMiddleCKey);
  EXPECT_EQ(game.score(), 32767);
  EXPECT_EQ(game.controls.label2Caption, "得分:32767");
}

TEST(Judging, AFailingSampleChangesNothingElse) {
  Game game = gameOnMiddleC(20, 0);
  game.samples.playable = false;
  press(game, kMiddleCKey);
  EXPECT_EQ(game.score(), 10);
  EXPECT_EQ(game.weight(), 19);
  EXPECT_EQ(game.state.noteFallY, 0);
  EXPECT_EQ(game.controls.label2Caption, "得分:10");
}

struct WrongCase {
  int16_t score;
  int16_t after;
};

class WrongAnswerTest : public ::testing::TestWithParam<WrongCase> {};

TEST_P(WrongAnswerTest, CostsTenPointsDownToZeroAndMarksTheAnswerKey) {
  for (bool blackKey : {false, true}) {
    Game game = gameOnMiddleC(20, GetParam().score);
    if (blackKey) {
      judgeBlackKey(game.state, game.controls);
    } else {
      press(game, kMiddleCKey + 1);
    }
    EXPECT_EQ(game.score(), GetParam().after);
    EXPECT_EQ(game.controls.label2Caption, scoreCaption(GetParam().after));
    EXPECT_EQ(game.controls.whiteKeyColours[kMiddleCKey], kRed);
    EXPECT_EQ(game.controls.whiteKeyColours[kMiddleCKey + 1], kWhite);
    EXPECT_EQ(game.state.noteFallY, 400);
    EXPECT_TRUE(game.samples.played.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Scores, WrongAnswerTest,
                         ::testing::Values(WrongCase{25, 15}, WrongCase{10, 0}, WrongCase{9, 0},
                                           WrongCase{0, 0}));

TEST(Judging, AWrongWhiteKeyRaisesTheWeightUpToTwenty) {
  for (int16_t weight : {19, 20}) {
    Game game = gameOnMiddleC(weight, 0);
    press(game, 2);
    EXPECT_EQ(game.weight(), 20);
  }
}

TEST(Judging, ABlackKeyLeavesTheWeight) {
  Game game = gameOnMiddleC(15, 50);
  judgeBlackKey(game.state, game.controls);
  EXPECT_EQ(game.weight(), 15);
}

TEST(Judging, AWrongKeyThenTheRightOneEarnsHalfTheRaisedWeight) {
  Game game = gameOnMiddleC(9, 30);
  press(game, 5);
  press(game, kMiddleCKey);
  EXPECT_EQ(game.score(), 25);
  EXPECT_EQ(game.weight(), 9);
}

TEST(Judging, TwoWrongPressesAreChargedTwice) {
  Game game = gameOnMiddleC(20, 25);
  press(game, 3);
  judgeBlackKey(game.state, game.controls);
  EXPECT_EQ(game.score(), 5);
}

TEST(Judging, TheOuterWhiteKeysAnswerNoNote) {
  for (int note = 0; note <= 30; ++note) {
    for (int key : {0, 32}) {
      Game game = gameOnMiddleC(20, 50);
      game.state.currentNote = static_cast<int16_t>(note);
      press(game, key);
      EXPECT_EQ(game.score(), 40) << note << ' ' << key;
    }
  }
}

struct GateCase {
  const char* caption;
  bool test;
  int16_t testTicks;
  bool judged;
};

class GateTest : public ::testing::TestWithParam<GateCase> {};

TEST_P(GateTest, JudgesOnlyARunningGameWithTimeLeft) {
  const GateCase& c = GetParam();
  Game game = gameOnMiddleC(20, 50);
  game.controls.command3Caption = c.caption;
  game.selectTestMode(c.test);
  game.state.testTicks = c.testTicks;
  judgeBlackKey(game.state, game.controls);
  EXPECT_EQ(game.score(), c.judged ? 40 : 50);
  EXPECT_EQ(game.controls.label2Caption, c.judged ? "得分:40" : "stale");
  press(game, kMiddleCKey);
  EXPECT_EQ(game.weight(), c.judged ? 19 : 20);
  EXPECT_EQ(game.state.noteFallY, c.judged ? 0 : 400);
}

INSTANTIATE_TEST_SUITE_P(Cases, GateTest,
                         ::testing::Values(GateCase{kCaptionStart, false, 0, false},
                                           GateCase{kCaptionStart, true, 0, false},
                                           GateCase{"游戏结束 ", false, 0, false},
                                           GateCase{kCaptionStop, false, 3, true},
                                           GateCase{kCaptionStop, false, 7, true},
                                           GateCase{kCaptionStop, true, 2, true},
                                           GateCase{kCaptionStop, true, -1, true},
                                           GateCase{kCaptionStop, true, 3, false},
                                           GateCase{kCaptionStop, true, 4, false}));

TEST(Judging, TestsPlayNoSampleAndMarkNoKey) {
  Game game = gameOnMiddleC(10, 20);
  game.selectTestMode(true);
  press(game, 4);
  press(game, kMiddleCKey);
  EXPECT_TRUE(game.samples.played.empty());
  EXPECT_EQ(game.controls.whiteKeyColours[kMiddleCKey], kWhite);
  EXPECT_EQ(game.score(), 15);
  EXPECT_EQ(game.weight(), 10);
}

TEST(Judging, SampleFilesFollowThePitchClassOfEveryWhiteKey) {
  // Pitch class of the key's MIDI note -> recording; only white keys occur.
  const std::map<int, std::string> byPitchClass = {{0, "2.wav"}, {2, "3.wav"}, {4, "4.wav"},
                                                   {5, "5.wav"}, {7, "6.wav"}, {9, "7.wav"},
                                                   {11, "8.wav"}};
  GameState tables;
  fillKeyTables(tables);
  for (int key = 0; key < kWhiteKeyCount; ++key) {
    EXPECT_EQ(noteSampleFile(key), byPitchClass.at(whiteKeyMidiNote(tables, key) % 12)) << key;
  }
}

TEST(Judging, ACorrectAnswerPlaysTheSampleOfThePressedKey) {
  for (int key = 1; key <= 31; ++key) {
    Game game = gameOnMiddleC(20, 0);
    game.state.currentNote = static_cast<int16_t>(31 - key);
    press(game, key);
    EXPECT_EQ(game.samples.played, std::vector<std::string>{std::string(noteSampleFile(key))});
  }
}

}  // namespace
}  // namespace quavix
