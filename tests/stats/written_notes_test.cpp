#include "platform/files/statistics_json.h"
#include "stats_doubles.h"

namespace quavix {
namespace {

WrittenNote written(Clef clef, const char* note) { return {clef, *parseNoteName(note)}; }

// A practice game's alto cards are kept by clef and spelling, beside the game's own notes.
TEST(WrittenNotes, PracticeCardsAreRecordedByClefAndSpelling) {
  Headless game;
  game.velmora.Form_Load();
  game.velmora.Option1_Click(2);
  PlayerSettings altoOnly;
  altoOnly.practice.mixedClefs = {false, false, true, false};
  game.velmora.changeSettings(altoOnly);
  game.velmora.Command3_Click();
  game.draws = {9.5f / 19, 0, 0};  // middle C on the alto staff
  game.velmora.Timer1_Timer();
  game.velmora.Command1_MouseDown(17, 1, 0, 0, 0);
  game.velmora.Command1_MouseDown(16, 1, 0, 0, 0);
  const Statistics& statistics = game.recorder.statistics();
  ASSERT_EQ(statistics.written.size(), 1u);
  const NoteFigures& figures = statistics.written.at(written(Clef::Alto, "C4"));
  EXPECT_EQ(figures.shown, 1u);
  EXPECT_EQ(figures.right, 1u);
  EXPECT_EQ(figures.instead, (std::map<int, uint32_t>{{62, 1}}));
  EXPECT_EQ(statistics.notes, Statistics{}.notes);
}

// A key's figures on a clef gather every spelling of its pitch; the file keeps them whole.
TEST(WrittenNotes, KeysGatherEverySpellingAndTheFileKeepsThem) {
  Statistics statistics;
  statistics.notes[0][kMiddleC] = {4, 3, 1, 0, 0, 0, {{62, 1}}};
  statistics.written[written(Clef::Treble, "B#3")] = {2, 1, 0, 1, 0, 0, {}};
  statistics.written[written(Clef::Treble, "F#4")] = {1, 0, 1, 0, 0, 0, {{65, 1}}};
  statistics.written[written(Clef::Treble, "Gb4")] = {1, 1, 0, 0, 0, 0, {}};
  statistics.written[written(Clef::Tenor, "F#4")] = {5, 5, 0, 0, 0, 0, {}};
  const NoteFigures middleC = figuresOfPitch(statistics, 0, 60);
  EXPECT_EQ(std::tuple(middleC.shown, middleC.right, middleC.missed), std::tuple(6u, 4u, 1u));
  EXPECT_EQ(figuresOfPitch(statistics, 0, 66).outcomes(), 2u);
  EXPECT_EQ(mostConfused(statistics, 0, 5).size(), 2u);
  EXPECT_TRUE(mostConfused(statistics, 3, 5).empty());

  const ParsedStatistics back = statisticsFromJson(statisticsToJson(statistics));
  EXPECT_EQ(back.result, ParsedStatistics::Result::Read);
  EXPECT_EQ(back.statistics, statistics);
  for (const char* damage : {R"({"clef": "soprano", "note": "C4", "pitch": 60})",
                             R"({"clef": "alto", "note": "H4", "pitch": 71})",
                             R"({"clef": "alto", "note": "Cb4", "pitch": 60})"}) {
    const QByteArray file = QByteArray(R"({"version": 1, "written": [)") + damage + "]}";
    EXPECT_EQ(statisticsFromJson(file).result, ParsedStatistics::Result::Damaged) << damage;
  }
}

}  // namespace
}  // namespace quavix
