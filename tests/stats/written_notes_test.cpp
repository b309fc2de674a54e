#include "core/midi_notes.h"
#include "platform/files/statistics_json.h"
#include "stats_doubles.h"

namespace quavix {
namespace {

WrittenNote written(Clef clef, const char* note) { return {clef, *parseNoteName(note)}; }

// Practice settings apply from the next game; its cards are kept by clef and spelling, beside
// the game's own notes, and the red mark on a black key goes when the game stops.
TEST(WrittenNotes, PracticeCardsAreRecordedByClefAndSpelling) {
  Headless game;
  Velmora& velmora = game.velmora;
  velmora.Form_Load();
  velmora.Option1_Click(2);
  velmora.Command3_Click();
  PlayerSettings altoInD;
  altoInD.practice = {
      .mixedClefs = {false, false, true, false}, .accidentals = Accidentals::Keys, .keys = {}};
  altoInD.practice.keys[2 - kFewestFifths] = true;
  velmora.changeSettings(altoInD);
  EXPECT_FALSE(velmora.practice().active);
  velmora.Command3_Click();
  velmora.Command3_Click();
  game.draws = {9.5f / 19, 0, 0, 0};  // middle C on the alto staff, C sharp in D major
  velmora.Timer1_Timer();
  velmora.Command1_MouseDown(17, 1, 0, 0, 0);
  const int black = keyForNote(61)->index;
  EXPECT_EQ(velmora.controls().blackKeyColours[black], kRed);
  velmora.Command2_MouseDown(black, 1, 0, 0, 0);
  const Statistics& statistics = game.recorder.statistics();
  ASSERT_EQ(statistics.written.size(), 1u);
  const NoteFigures& figures = statistics.written.at(written(Clef::Alto, "C#4"));
  EXPECT_EQ(std::tuple(figures.shown, figures.right), std::tuple(1u, 1u));
  EXPECT_EQ(figures.instead, (std::map<int, uint32_t>{{62, 1}}));
  EXPECT_EQ(statistics.notes, Statistics{}.notes);
  velmora.Command3_Click();
  EXPECT_EQ(velmora.controls().blackKeyColours, decltype(Controls::blackKeyColours){});
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
