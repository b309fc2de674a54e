#include "core/fluency.h"

#include "core/midi_notes.h"
#include "core/practice_days.h"
#include "stats_doubles.h"

namespace quavix {
namespace {

constexpr int kF5 = 26;  // Command1's index of F5, the top of the treble staff

// NPM is right answers per minute of play, a stopped game's too; accuracy counts wrong keys and
// misses; fewer than 15 attempts score nothing. The median of an even count is the middle pair's
// mean.
TEST(Fluency, NotesPerMinuteAccuracyAndMedian) {
  struct Case {
    uint32_t right, wrong, missed;
    int64_t ms;
    Fluency expected;
  };
  for (const Case& c : {Case{30, 0, 0, 60'000, {30, 1, 30}}, Case{12, 2, 1, 20'000, {36, 0.8, 15}},
                        Case{10, 4, 0, 60'000, {10, 10.0 / 14, 14}}, Case{0, 0, 0, 0, {0, 0, 0}}}) {
    const Fluency got = fluencyOf(c.right, c.wrong, c.missed, c.ms);
    EXPECT_DOUBLE_EQ(got.notesPerMinute, c.expected.notesPerMinute) << c.right;
    EXPECT_DOUBLE_EQ(got.accuracy, c.expected.accuracy) << c.right;
    EXPECT_EQ(got.scored(), c.expected.attempts >= 15) << c.right;
  }
  EXPECT_EQ(medianOf({}), 0);
  EXPECT_EQ(medianOf({900, 300, 5000}), 900);
  EXPECT_EQ(medianOf({800, 400, 600, 100}), 500);
}

// One note over three weeks: right and fast moves up only when due, right and slow keeps the box,
// a wrong key or a miss sends it back to box 1, due the next day.
TEST(Scheduler, BoxesMoveByDayAndAnswer) {
  struct Step {
    int64_t day;
    int64_t ms;  // 0: a wrong key or a miss
    int16_t box;
    int64_t nextDue;
  };
  NoteMemory memory;
  const Step steps[] = {{100, 600, 2, 102},   // new: under 2 s is fast
                        {100, 600, 2, 102},   // not due again the same day
                        {102, 1900, 2, 104},  // slower than the week's median of 600
                        {104, 500, 3, 108},   // faster than it
                        {108, 500, 4, 116},   // the median of 1900 and 500
                        {116, 500, 5, 132},   // nothing in the last week: under 2 s
                        {132, 500, 5, 148},  {140, 0, 1, 141},  // even when not due
                        {141, 500, 2, 143}};
  for (const Step& step : steps) {
    step.ms ? rememberRight(memory, step.ms, step.day) : rememberFailure(memory, step.day);
    EXPECT_EQ(memory.box, step.box) << step.day;
    EXPECT_FALSE(isDue(memory, step.nextDue - 1)) << step.day;
    EXPECT_TRUE(isDue(memory, step.nextDue)) << step.day;
  }
  EXPECT_EQ(weekMedian(memory, 141), 500);
  EXPECT_EQ(weekMedian(memory, 200), 0) << "nothing in the last week";

  const WrittenNote c4{Clef::Treble, {0, 0, 4}}, e4{Clef::Treble, {2, 0, 4}},
      g2{Clef::Bass, {4, 0, 2}};
  const Memories memories = {{c4, {2, 10, {}}}, {e4, {1, 9, {}}}, {g2, {5, 10, {}}}};
  EXPECT_EQ(dueNotes(memories, 12), (std::vector<WrittenNote>{e4, c4})) << "longest overdue first";
  EXPECT_EQ(boxCounts(memories), (std::array<int, kBoxCount>{1, 1, 0, 0, 1}));
}

GameRecord played(int64_t unix, int offsetMinutes, int64_t minutes) {
  GameRecord game;
  game.startedAt = unix;
  game.utcOffsetMinutes = static_cast<int16_t>(offsetMinutes);
  game.durationMilliseconds = minutes * 60'000;
  return game;
}

// A game belongs to the day where it was played; the streak runs up to today, or yesterday while
// today's goal is still open; days after today, left by a clock set back, are not counted.
TEST(Streak, CountsLocalDaysUpToToday) {
  const int64_t day = 86'400, monday = 19'999 * day;  // 2024-10-03 is a Thursday: day 19999
  const std::vector<GameRecord> games = {
      played(monday - day + 3600, 0, 12),  // day 19998
      played(monday + 3600, 0, 6),         // day 19999, and 5 more in Tokyo the night before:
      played(monday - 3600, 9 * 60, 5),    // 23:00 UTC is 08:00 in Tokyo
      played(monday + day + 23 * 3600, -120, 30)};  // 23:00 UTC is 21:00 two hours west
  const auto days = figuresByDay(games);
  ASSERT_EQ(days.size(), 3u);
  EXPECT_EQ(days[1].playMilliseconds, 11 * 60'000);
  EXPECT_EQ(weekday(19'999), 3);
  EXPECT_EQ(streakDays(days, 20'000, 10), 3);
  EXPECT_EQ(streakDays(days, 20'001, 10), 3) << "today still open";
  EXPECT_EQ(streakDays(days, 20'002, 10), 0);
  EXPECT_EQ(streakDays(days, 19'999, 10), 2) << "clock set back a day";
  EXPECT_EQ(streakDays(days, 20'000, 12), 1);
  EXPECT_EQ(weekMinutes(days, 20'000), (std::array<int64_t, 7>{0, 0, 12, 11, 30, 0, 0}));
}

struct Run : ::testing::Test, Headless {
  void SetUp() override { velmora.Form_Load(); }
  // A card of F5; the run's cards draw their step, their place and a weight test they ignore.
  void nextCard() {
    draws.insert(draws.end(), {0.0f, 0.0f, 0.0f});
    velmora.Timer1_Timer();
  }
  void press(int key) {
    velmora.Command1_MouseDown(key, 1, 0, 0, 0);
    velmora.Command1_MouseUp(key, 1, 0, 0, 0);
  }
};

// A minute over the treble staff at one falling speed, then the figures in the score's place, the
// run kept with its note set and the player's options back; a run stopped early scores nothing
// under 15 answers.
TEST_F(Run, AMinuteOfAnswersGivesItsFiguresAndKeepsTheRun) {
  velmora.Option1_Click(1);
  velmora.startRun(RunNoteSet::TrebleStaff);
  EXPECT_EQ(velmora.controls().option2Selected, (std::array<bool, 2>{false, true}));
  for (int card = 0; card < 20; ++card) {
    nextCard();
    EXPECT_EQ(velmora.state().noteFallY, 10);
    if (card == 5) {
      press(kF5 - 1);
      velmora.Timer1_Timer();
      EXPECT_EQ(velmora.state().noteFallY, 20) << "a wrong key slows no card";
    }
    clock.steady += 2000;
    press(kF5);
  }
  clock.steady = 60'000;
  velmora.Timer2_Timer();
  const Controls& controls = velmora.controls();
  EXPECT_FALSE(controls.gameRunning);
  ASSERT_TRUE(controls.runResult);
  EXPECT_DOUBLE_EQ(controls.runResult->notesPerMinute, 20);
  EXPECT_DOUBLE_EQ(controls.runResult->accuracy, 20.0 / 21);
  EXPECT_EQ(controls.option1Selected, (std::array<bool, 3>{false, true, false}));
  EXPECT_EQ(controls.option2Selected, (std::array<bool, 2>{true, false}));
  const GameRecord& run = recorder.statistics().games.back();
  EXPECT_EQ(std::tuple(run.mode, run.noteSet, run.right, run.wrong, run.medianMilliseconds),
            std::tuple(PlayMode::Run, std::optional(RunNoteSet::TrebleStaff), 20u, 1u, 2000));

  velmora.startRun(RunNoteSet::TrebleStaff);
  EXPECT_FALSE(velmora.controls().runResult) << "shown until the next game";
  nextCard();
  press(kF5);
  velmora.Command3_Click();
  ASSERT_TRUE(velmora.controls().runResult);
  EXPECT_FALSE(velmora.controls().runResult->scored());
}

// A review is a learning game whose first cards are the notes due, in any clef and spelling;
// then it draws as usual, and the player's test mode comes back at its end.
TEST_F(Run, AReviewDrawsTheDueNotesFirst) {
  velmora.Option2_Click(1);
  const WrittenNote fSharp{Clef::Alto, {3, 1, 4}}, c4{Clef::Treble, {0, 0, 4}};
  velmora.startReview({fSharp, c4});
  EXPECT_EQ(velmora.controls().option2Selected, (std::array<bool, 2>{true, false}));
  draws = {0.0f, 0.0f, 15.5f / 19, 0.0f, 0.0f};  // two places, then a drawn C4
  for (const WrittenNote& expected : {fSharp, c4, c4}) {
    velmora.Timer1_Timer();
    const PracticeCard& card = velmora.practice().card;
    EXPECT_EQ((WrittenNote{card.clef, card.note}), expected);
    const auto key = keyForNote(pitchOf(card.note));
    key->black ? velmora.Command2_MouseDown(key->index, 1, 0, 0, 0)
               : velmora.Command1_MouseDown(key->index, 1, 0, 0, 0);
  }
  EXPECT_EQ(draws.size(), used);
  EXPECT_EQ(recorder.statistics().memories.at(fSharp).recent.size(), 1u);
  velmora.Command3_Click();
  EXPECT_EQ(velmora.controls().option2Selected, (std::array<bool, 2>{false, true}));
  EXPECT_EQ(recorder.statistics().games.back().mode, PlayMode::Review);
}

}  // namespace
}  // namespace quavix
