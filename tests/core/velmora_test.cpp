#include "core/velmora.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/clock_random.h"
#include "core/midi_words.h"
#include "core/note_model.h"
#include "tests/core/recording_services.h"
#include "tests/support/quiet_services.h"

namespace quavix::test {
namespace {

using Log = std::vector<std::string>;

struct BlankPictures : PictureFiles {
  std::shared_ptr<const Picture> load(std::string_view) override {
    return std::make_shared<Picture>();
  }
  std::shared_ptr<const Picture> loadBuiltIn(std::string_view name) override { return load(name); }
};

class VelmoraTest : public testing::Test {
 protected:
  VelmoraTest() { services.scores = &velmora.state(); }

  RecordingServices services;
  ClockRandom random{[] { return uint64_t{7}; }};
  BlankPictures pictures;
  NoRecorder recorder;
  Velmora velmora{{services, services, random, pictures, services, services, services, recorder}};
};

TEST_F(VelmoraTest, LoadReadsTheScoresBeforeOpeningMidiAndSettingUpTheSound) {
  velmora.Form_Load();
  EXPECT_EQ(services.log, (Log{"noteNames zh", "loadScores", "midiOutOpen 0", "setUpAudio"}));
  EXPECT_EQ(velmora.state().scores[0], 50);
}

// Command1(0) is never the answer, Command2(10) never is; each costs 10 points. Middle C,
// Command1(16), is the only card a score of 30 allows.
TEST_F(VelmoraTest, EveryKeySendsItsNoteBeforeItIsJudged) {
  velmora.Form_Load();
  velmora.Command3_Click();
  velmora.Command1_MouseDown(0, 1, 0, 0, 0);
  velmora.Command1_MouseUp(0, 1, 0, 0, 0);
  velmora.Command2_MouseDown(10, 2, 0, 0, 0);
  velmora.Command2_MouseUp(10, 2, 0, 0, 0);
  velmora.Timer1_Timer();
  ASSERT_EQ(velmora.state().currentNote, kMiddleC);
  velmora.Command1_MouseDown(16, 1, 0, 0, 0);
  const auto& state = velmora.state();
  using Message = std::pair<uint32_t, uint32_t>;
  const auto sent = [](uint32_t word) { return Message{RecordingServices::kHandle, word}; };
  EXPECT_EQ(services.messages, (std::vector<Message>{sent(noteOnWord(state.whiteKeyOffsets[0])),
                                                     sent(noteOffWord(state.whiteKeyOffsets[0])),
                                                     sent(noteOnWord(state.blackKeyOffsets[10])),
                                                     sent(noteOffWord(state.blackKeyOffsets[10])),
                                                     sent(noteOnWord(state.whiteKeyOffsets[16]))}));
  EXPECT_EQ(services.scoreAtMessage, (std::vector<int>{50, 40, 40, 30, 30}));
  EXPECT_GT(state.scores[0], 30);
  EXPECT_EQ(services.log.back(), "playNoteSample 2.wav after 5 messages");
}

// However often the program's ways of ending call it: MIDI closes before the scores are saved.
TEST_F(VelmoraTest, UnloadClosesMidiThenSavesOnce) {
  velmora.Form_Load();
  services.log.clear();
  for (int call = 0; call < 3; ++call) velmora.Form_Unload();
  EXPECT_EQ(services.log, (Log{"midiOutClose 42", "saveScores"}));
  EXPECT_TRUE(velmora.unloaded());
}

}  // namespace
}  // namespace quavix::test
