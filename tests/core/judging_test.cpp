#include <gtest/gtest.h>

#include <string>

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
      {.keys = {16}, .weight = 20, .score = 40,
       .scoreAfter = 50, .weightAfter = 19, .fall = 0, .red = false, .samples = 1},
      {.keys = {16}, .weight = 3, .score = 40,
       .scoreAfter = 41, .weightAfter = 2, .fall = 0, .red = false, .samples = 1},
      {.keys = {16}, .weight = 2, .score = 40,
       .scoreAfter = 41, .weightAfter = 2, .fall = 0, .red = false, .samples = 1},
      {.keys = {16, 16}, .weight = 10, .score = 40,
       .scoreAfter = 49, .weightAfter = 8, .fall = 0, .red = false, .samples = 2},
      {.keys = {16}, .weight = 20, .score = 32760,
       .scoreAfter = 32767, .weightAfter = 19, .fall = 0, .red = false, .samples = 1},
      {.keys = {17}, .weight = 19, .score = 25,
       .scoreAfter = 15, .weightAfter = 20, .fall = 400, .red = true, .samples = 0},
      {.keys = {-1}, .weight = 19, .score = 25,
       .scoreAfter = 15, .weightAfter = 19, .fall = 400, .red = true, .samples = 0},
      {.keys = {17}, .weight = 20, .score = 10,
       .scoreAfter = 0, .weightAfter = 20, .fall = 400, .red = true, .samples = 0},
      {.keys = {-1}, .weight = 20, .score = 9,
       .scoreAfter = 0, .weightAfter = 20, .fall = 400, .red = true, .samples = 0},
      {.keys = {5, 16}, .weight = 9, .score = 30,
       .scoreAfter = 25, .weightAfter = 9, .fall = 0, .red = true, .samples = 1},
      {.keys = {0, 32, -1}, .weight = 20, .score = 50,
       .scoreAfter = 20, .weightAfter = 20, .fall = 400, .red = true, .samples = 0},
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
  struct Case {
    bool running;
    bool test;
    int16_t testTicks;
    bool judged;
  };
  const Case cases[] = {{.running = false, .test = false, .testTicks = 0, .judged = false},
                        {.running = false, .test = true, .testTicks = 0, .judged = false},
                        {.running = true, .test = false, .testTicks = 3, .judged = true},
                        {.running = true, .test = false, .testTicks = 7, .judged = true},
                        {.running = true, .test = true, .testTicks = 2, .judged = true},
                        {.running = true, .test = true, .testTicks = 3, .judged = false},
                        {.running = true, .test = true, .testTicks = 4, .judged = false}};
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

TEST(Judging, SampleFilesFollowThePitchClassOfEveryWhiteKey) {
  const char* byPitchClass[12] = {"2.wav", "",      "3.wav", "",      "4.wav", "5.wav",
                                  "",      "6.wav", "",      "7.wav", "",      "8.wav"};
  GameState tables;
  fillKeyTables(tables);
  for (int key = 0; key < kWhiteKeyCount; ++key) {
    EXPECT_EQ(noteSampleFile(key), byPitchClass[keyMidiNote(tables, {false, key}) % 12]) << key;
  }
}

}  // namespace quavix
