#include "stats_doubles.h"

namespace quavix {
namespace {

struct RecordedGame : ::testing::Test, Headless {
  void SetUp() override { velmora.Form_Load(); }
};

// A mixed test: a wrong white key then the answer, a black key then a miss; the time runs out
// and the stop after it adds no second game.
TEST_F(RecordedGame, AScriptedTestGivesExactFiguresConfusionsTimesAndOneGame) {
  velmora.Option1_Click(2);
  velmora.Option2_Click(1);
  clock.steady = 1000;
  velmora.Command3_Click();
  card(15, 0);  // treble C4, answered by Command1(16)
  clock.steady = 1020;
  velmora.Timer1_Timer();
  clock.steady = 2520;
  velmora.Command1_MouseDown(15, 1, 0, 0, 0);  // B3, MIDI 59
  clock.steady = 3020;
  velmora.Command1_MouseDown(16, 1, 0, 0, 0);
  card(6, 1);  // bass G3
  clock.steady = 4000;
  velmora.Timer1_Timer();
  clock.steady = 4400;
  velmora.Command2_MouseDown(0, 1, 0, 0, 0);  // C#2, MIDI 37
  do velmora.Timer1_Timer();
  while (velmora.state().noteFallY != 0);  // until the card is missed
  for (int minute = 1; minute <= 3; ++minute) {
    clock.steady = 1000 + 60'000 * minute;
    velmora.Timer2_Timer();
  }
  clock.steady = 200'000;  // the game's length is taken at its end, not at the stop
  velmora.Command1_MouseDown(5, 1, 0, 0, 0);  // the time is up: not judged
  velmora.Command3_Click();
  Statistics expected;
  expected.notes[0][15] = {1, 1, 1, 0, 2000, 1500, {{59, 1}}};
  expected.notes[1][18] = {1, 0, 1, 1, 0, 400, {{37, 1}}};
  expected.games = {{PlayMode::Test, 2, 0, 0, clock.unix, 180'000, 1, 2, 1, 2000}};
  // A wrong key sends a note back to the first box, and a right answer after it lifts nothing.
  const int64_t today = 1'700'000'000 / 86'400;
  expected.memories[{Clef::Treble, {0, 0, 4}}] = {1, today, {}};
  expected.memories[{Clef::Bass, {4, 0, 3}}] = {1, today, {}};
  EXPECT_EQ(recorder.statistics(), expected);
}

// A stopped game is kept once with the score at that moment, also when the statistics were
// cleared while it ran. Clearing writes at once, the unload writes the rest; the window hears
// of every change.
TEST_F(RecordedGame, AStoppedGameIsKeptThoughClearedWhileItRan) {
  int changes = 0;
  recorder.setListener([&] { ++changes; });
  clock.steady = 500;
  velmora.Command3_Click();  // learning, treble, score 0
  card(15);
  velmora.Timer1_Timer();
  recorder.clear();
  clock.steady = 2500;
  velmora.Command1_MouseDown(16, 1, 0, 0, 0);  // +10 at weight 20
  velmora.Command3_Click();
  clock.steady = 9000;
  velmora.Form_Unload();
  Statistics expected;
  expected.notes[0][15] = {0, 1, 0, 0, 2000, 0, {}};
  expected.games = {{PlayMode::Learning, 0, 0, 10, clock.unix, 2000, 1, 0, 0, 2000}};
  expected.memories[{Clef::Treble, {0, 0, 4}}] = {
      1, clock.unix / 86'400, {{clock.unix / 86'400, 2000}}};
  EXPECT_EQ(recorder.statistics(), expected);
  EXPECT_EQ(storage.saves, (std::vector<Statistics>{{}, expected}));
  EXPECT_EQ(changes, 4) << "shown, cleared, answered, ended";
}

}  // namespace
}  // namespace quavix
