#include "ui/velmora.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "fakes.h"
#include "game/note_model.h"

namespace quavix::testing {
namespace {

using ::testing::ElementsAre;

constexpr uint32_t kHandle = RecordingMidi::kHandle;

// MIDI notes of Command1(0..32) and then Command2(0..22), as the keyboard is tuned.
constexpr std::array<int, kWhiteKeyCount + kBlackKeyCount> kKeyNotes = {
    33, 35, 36, 38, 40, 41, 43, 45, 47, 48, 50, 52, 53, 55, 57, 59, 60, 62, 64,
    65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83, 84, 86, 88, 37, 39, 42, 44, 46,
    49, 51, 54, 56, 58, 61, 63, 66, 68, 70, 73, 75, 78, 80, 82, 85, 87, 34};

class VelmoraTest : public ::testing::Test {
 protected:
  Rig rig;
  Velmora& v = rig.make();
};

TEST_F(VelmoraTest, LoadReadsTheScoresFirstThenOpensMidiThenSetsUpSoundThenTheKeys) {
  std::optional<int16_t> keyTableAtSoundSetUp;
  rig.sound.onSetUp = [&] { keyTableAtSoundSetUp = v.state().whiteKeyOffsets[0]; };
  rig.scores.stored = {7, 8, 9, 0};
  v.Form_Load();
  EXPECT_THAT(rig.log, ElementsAre("loadScores", "midiOutOpen 0", "setUpAudio"));
  EXPECT_EQ(keyTableAtSoundSetUp, 0);
  EXPECT_EQ(v.state().whiteKeyOffsets, kWhiteKeyOffsets);
  EXPECT_EQ(v.state().blackKeyOffsets, kBlackKeyOffsets);
  EXPECT_EQ(v.state().scores, (std::array<int16_t, 4>{7, 8, 9, 0}));
  EXPECT_FALSE(v.controls().timer1Enabled);
  EXPECT_THAT(rig.pictures.loaded, ElementsAre(kCardPictureFile));
  EXPECT_NE(v.controls().picture1.picture, nullptr);
}

TEST_F(VelmoraTest, FailedSoundSetUpGoesOnWithoutReopeningMidi) {
  rig.sound.setUpSucceeds = false;
  v.Form_Load();
  EXPECT_EQ(std::count(rig.log.begin(), rig.log.end(), "midiOutOpen 0"), 1);
  v.Command1_MouseDown(16, kLeftButton, 0, 0, 0);
  EXPECT_THAT(rig.midi.messages, ElementsAre(MidiMessage{kHandle, 0x00643C9D}));
}

TEST(VelmoraStart, AMissingCardPictureLeavesABlankCard) {
  Rig rig;
  rig.pictures.missing = kCardPictureFile;
  EXPECT_EQ(rig.make().controls().picture1.picture, nullptr);
}

TEST_F(VelmoraTest, UnloadClosesMidiThenSavesTheScoresAsTheyStandOnceOnly) {
  rig.scores.stored = {50, 20, 10, 0};
  v.Form_Load();
  v.Command3_Click();
  v.Command1_MouseDown(0, kLeftButton, 0, 0, 0);  // never an answer: 10 points off
  rig.log.clear();
  rig.midi.messages.clear();
  v.Form_Unload();
  v.Form_Unload();
  EXPECT_THAT(rig.log, ElementsAre("midiOutClose 42", "saveScores"));
  EXPECT_TRUE(rig.midi.messages.empty());  // no note-off before the close
  EXPECT_EQ(rig.scores.saved, (std::array<int16_t, 4>{40, 20, 10, 0}));
}

TEST_F(VelmoraTest, EveryKeySoundsItsNoteWithAnyButtonWhileHeld) {
  v.Form_Load();
  for (int key = 0; key < kWhiteKeyCount + kBlackKeyCount; ++key) {
    const bool black = key >= kWhiteKeyCount;
    const int index = black ? key - kWhiteKeyCount : key;
    const int button = std::array{kLeftButton, kRightButton, kMiddleButton}[key % 3];
    const int shift = key % 8;
    rig.midi.messages.clear();
    if (black) {
      v.Command2_MouseDown(index, button, shift, 10, 10);
      v.Command2_MouseUp(index, button, shift, 10, 10);
    } else {
      v.Command1_MouseDown(index, button, shift, 10, 10);
      v.Command1_MouseUp(index, button, shift, 10, 10);
    }
    const auto note = static_cast<uint32_t>(kKeyNotes[key]) << 8;
    EXPECT_THAT(rig.midi.messages, ElementsAre(MidiMessage{kHandle, 0x0064009D | note},
                                               MidiMessage{kHandle, 0x0064008D | note}))
        << (black ? "Command2(" : "Command1(") << index << ")";
  }
}

// What the note-on sees is still unjudged; a release judges nothing.
TEST_F(VelmoraTest, NoteOnComesBeforeJudgingAndReleaseOnlySendsNoteOff) {
  rig.scores.stored = {50, 0, 0, 0};
  v.Form_Load();
  v.Command3_Click();
  std::vector<int16_t> scoreAtMessage;
  rig.midi.onMessage = [&] { scoreAtMessage.push_back(v.state().scores[0]); };
  v.Command1_MouseDown(32, kLeftButton, 0, 0, 0);
  v.Command2_MouseDown(3, kRightButton, 0, 0, 0);
  v.Command2_MouseUp(3, kRightButton, 0, 0, 0);
  v.Command1_MouseUp(32, kLeftButton, 0, 0, 0);
  EXPECT_THAT(scoreAtMessage, ElementsAre(50, 40, 30, 30));
  EXPECT_EQ(v.state().scores[0], 30);
  EXPECT_EQ(v.controls().label2Caption, "得分:30");
}

TEST_F(VelmoraTest, AClickedOptionIsSelectedAloneInItsGroupBeforeTheHandlerRuns) {
  v.Form_Load();
  v.Option1_Click(2);
  EXPECT_EQ(v.controls().option1Selected, (std::array<bool, 3>{false, false, true}));
  EXPECT_EQ(v.state().scoreSlot, 2);
  v.Option2_Click(1);
  EXPECT_EQ(v.controls().option2Selected, (std::array<bool, 2>{false, true}));
  EXPECT_EQ(v.state().scoreSlot, 3);
  v.Option2_Click(0);
  EXPECT_EQ(v.controls().option2Selected, (std::array<bool, 2>{true, false}));
  EXPECT_EQ(v.state().scoreSlot, 2);
}

TEST_F(VelmoraTest, TheTimerTicksReachTheGameWithItsServices) {
  v.Form_Load();
  v.Option2_Click(1);
  v.Command3_Click();
  rig.pictures.loaded.clear();
  v.Timer1_Timer();
  EXPECT_THAT(rig.pictures.loaded, ElementsAre("wode.bmp"));
  EXPECT_GT(v.state().noteFallY, 0);
  for (int minute = 0; minute < 3; ++minute) v.Timer2_Timer();
  EXPECT_FALSE(v.controls().timer1Enabled);
}

}  // namespace
}  // namespace quavix::testing
