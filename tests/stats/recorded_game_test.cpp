#include "core/note_model.h"
#include "stats_doubles.h"

namespace quavix {
namespace {

constexpr int kB3 = 59, kCSharp2 = 37;

struct RecordedGame : ::testing::Test, Headless {
  void SetUp() override { velmora.Form_Load(); }
  void at(int64_t milliseconds) { clock.steady = milliseconds; }
};

// A mixed test: a wrong white key then the answer, a black key then a miss, a quick answer; the
// time runs out and the stop after it adds no second game.
TEST_F(RecordedGame, AScriptedTestGivesExactFiguresConfusionsTimesAndOneGame) {
  choose(2, true);
  at(1000);
  velmora.Command3_Click();
  card(15, 0);  // treble C4, answered by Command1(16)
  at(1020);
  velmora.Timer1_Timer();
  at(2520);
  velmora.Command1_MouseDown(15, 1, 0, 0, 0);  // B3
  at(3020);
  velmora.Command1_MouseDown(16, 1, 0, 0, 0);
  card(6, 1);  // bass G3
  at(4000);
  velmora.Timer1_Timer();
  at(4400);
  velmora.Command2_MouseDown(0, 1, 0, 0, 0);  // C#2
  tickUntilMissed();
  card(0, 0);  // treble D6
  at(9000);
  velmora.Timer1_Timer();
  at(9700);
  velmora.Command1_MouseDown(answerKey(0), 1, 0, 0, 0);
  for (int minute = 1; minute <= 3; ++minute) {
    at(1000 + 60'000 * minute);
    velmora.Timer2_Timer();
  }
  velmora.Command1_MouseDown(5, 1, 0, 0, 0);  // the time is up: not judged
  velmora.Command3_Click();

  NoteFigures c4{1, 1, 1, 0, 2000, 1500, {{kB3, 1}}};
  NoteFigures g3{1, 0, 1, 1, 0, 400, {{kCSharp2, 1}}};
  NoteFigures d6{1, 1, 0, 0, 700, 0, {}};
  Statistics expected;
  expected.notes[0][15] = c4;
  expected.notes[1][18] = g3;
  expected.notes[0][0] = d6;
  // 0, -10 floored, +5 at weight 11, -10 -10 floored, +5 at weight 10.
  expected.games = {{PlayMode::Test, 2, 0, 5, clock.unix, 180'000}};
  EXPECT_EQ(recorder.statistics(), expected);
}

// However a game ends, it is kept once, with the score at that moment, and the unload writes it.
TEST(RecordedGames, EveryWayAGameEndsKeepsItOnce) {
  enum End { Stop, Unload, MissingClefPicture, UnloadWhenIdle };
  for (End end : {Stop, Unload, MissingClefPicture, UnloadWhenIdle}) {
    Headless rig;
    rig.velmora.Form_Load();
    rig.clock.steady = 500;
    if (end != UnloadWhenIdle) rig.velmora.Command3_Click();  // learning, treble, score 0
    rig.card(15);
    if (end == MissingClefPicture) rig.missingPicture = "wode.bmp";
    if (end != UnloadWhenIdle) rig.velmora.Timer1_Timer();
    rig.clock.steady = 2500;
    if (end <= Unload) rig.velmora.Command1_MouseDown(16, 1, 0, 0, 0);  // +10 at weight 20
    if (end == Stop) rig.velmora.Command3_Click();
    rig.velmora.Form_Unload();
    const bool played = end <= Unload;
    const std::vector<GameRecord> kept = {
        {PlayMode::Learning, 0, 0, int16_t(played ? 10 : 0), rig.clock.unix, played ? 2000 : 0}};
    EXPECT_EQ(rig.recorder.statistics().games,
              end == UnloadWhenIdle ? std::vector<GameRecord>{} : kept)
        << end;
    ASSERT_EQ(rig.storage.saves.empty(), end == UnloadWhenIdle) << end;
    if (end != UnloadWhenIdle) EXPECT_EQ(rig.storage.saves.back(), rig.recorder.statistics());
  }
}

}  // namespace
}  // namespace quavix
