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

uint32_t noteOn(int midiNote) { return 0x0064009Du | (static_cast<uint32_t>(midiNote) << 8); }
uint32_t noteOff(int midiNote) { return 0x0064008Du | (static_cast<uint32_t>(midiNote) << 8); }

// MIDI notes of Command1(0..32) and Command2(0..22), as the keyboard is tuned.
constexpr std::array<int, kWhiteKeyCount> kWhiteNotes = {
    33, 35, 36, 38, 40, 41, 43, 45, 47, 48, 50, 52, 53, 55, 57, 59, 60,
    62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83, 84, 86, 88};
constexpr std::array<int, kBlackKeyCount> kBlackNotes = {
    37, 39, 42, 44, 46, 49, 51, 54, 56, 58, 61, 63, 66, 68, 70, 73, 75, 78, 80, 82, 85, 87, 34};

class VelmoraTest : public ::testing::Test {
 protected:
  Rig rig;
  Velmora& v = rig.make();
};

// ---- Start-up and shut-down ----------------------------------------------------------------

TEST_F(VelmoraTest, LoadReadsTheScoresFirstThenOpensMidiThenSetsUpSound) {
  std::optional<bool> tablesFilledAtSoundSetUp;
  rig.sound.onSetUp = [&] { tablesFilledAtSoundSetUp = v.state().whiteKeyOffsets[0] != 0; };
  rig.scores.stored = {7, 8, 9, 0};
  v.Form_Load();
  EXPECT_THAT(rig.log, ElementsAre("loadScores", "midiOutOpen 0", "setUpAudio"));
  EXPECT_EQ(v.midiOutHandle(), kHandle);
  EXPECT_EQ(tablesFilledAtSoundSetUp, false);
  EXPECT_EQ(v.state().whiteKeyOffsets, kWhiteKeyOffsets);
  EXPECT_EQ(v.state().blackKeyOffsets, kBlackKeyOffsets);
  EXPECT_EQ(v.state().scores, (std::array<int16_t, 4>{7, 8, 9, 0}));
  EXPECT_FALSE(v.controls().timer1Enabled);
}

TEST_F(VelmoraTest, FailedSoundSetUpGoesOnWithoutReopeningMidi) {
  rig.sound.setUpSucceeds = false;
  v.Form_Load();
  EXPECT_EQ(std::count(rig.log.begin(), rig.log.end(), "midiOutOpen 0"), 1);
  EXPECT_EQ(v.state().whiteKeyOffsets, kWhiteKeyOffsets);
  v.Command1_MouseDown(16, kLeftButton, 0, 0, 0);
  EXPECT_THAT(rig.midi.messages, ElementsAre(MidiMessage{kHandle, 0x00643C9D}));
}

TEST_F(VelmoraTest, UnloadClosesMidiBeforeSavingOnceOnly) {
  rig.scores.stored = {30, 20, 10, 0};
  v.Form_Load();
  rig.log.clear();
  v.Form_Unload();
  v.Form_Unload();
  EXPECT_THAT(rig.log, ElementsAre("midiOutClose 42", "saveScores"));
  EXPECT_TRUE(v.unloaded());
  EXPECT_EQ(rig.scores.saved, (std::array<int16_t, 4>{30, 20, 10, 0}));
  EXPECT_TRUE(rig.midi.messages.empty());  // no note-off before the close
}

TEST_F(VelmoraTest, UnloadDuringAGameSavesTheScoresAsTheyStand) {
  rig.scores.stored = {50, 0, 0, 0};
  v.Form_Load();
  v.Command3_Click();
  v.Command1_MouseDown(0, kLeftButton, 0, 0, 0);  // never an answer: 10 points off
  v.Form_Unload();
  EXPECT_EQ(rig.scores.saved[0], 40);
}

TEST_F(VelmoraTest, TheWindowStartsWithTheCardPicture) {
  EXPECT_THAT(rig.pictures.loaded, ElementsAre(kCardPictureFile));
  ASSERT_NE(v.controls().picture1.picture, nullptr);
  EXPECT_EQ(v.controls().picture1.picture->width, 80);
}

TEST(VelmoraCardPicture, AMissingCardPictureLeavesABlankCard) {
  Rig rig;
  rig.pictures.missing = kCardPictureFile;
  Velmora& v = rig.make();
  EXPECT_EQ(v.controls().picture1.picture, nullptr);
  v.Form_Load();
  EXPECT_EQ(rig.log.size(), 3u);
}

// ---- The keys ------------------------------------------------------------------------------

TEST_F(VelmoraTest, EveryWhiteKeySoundsItsNoteWhileHeld) {
  v.Form_Load();
  for (int key = 0; key < kWhiteKeyCount; ++key) {
    rig.midi.messages.clear();
    v.Command1_MouseDown(key, kLeftButton, 0, 100, 100);
    v.Command1_MouseUp(key, kLeftButton, 0, 100, 100);
    EXPECT_THAT(rig.midi.messages, ElementsAre(MidiMessage{kHandle, noteOn(kWhiteNotes[key])},
                                               MidiMessage{kHandle, noteOff(kWhiteNotes[key])}))
        << "Command1(" << key << ")";
  }
}

TEST_F(VelmoraTest, EveryBlackKeySoundsItsNoteWhileHeld) {
  v.Form_Load();
  for (int key = 0; key < kBlackKeyCount; ++key) {
    rig.midi.messages.clear();
    v.Command2_MouseDown(key, kLeftButton, 0, 100, 100);
    v.Command2_MouseUp(key, kLeftButton, 0, 100, 100);
    EXPECT_THAT(rig.midi.messages, ElementsAre(MidiMessage{kHandle, noteOn(kBlackNotes[key])},
                                               MidiMessage{kHandle, noteOff(kBlackNotes[key])}))
        << "Command2(" << key << ")";
  }
}

TEST_F(VelmoraTest, TellingWords) {
  v.Form_Load();
  v.Command1_MouseDown(0, kLeftButton, 0, 0, 0);
  v.Command1_MouseUp(0, kLeftButton, 0, 0, 0);
  v.Command1_MouseDown(12, kLeftButton, 0, 0, 0);
  v.Command1_MouseDown(32, kLeftButton, 0, 0, 0);
  v.Command2_MouseDown(22, kLeftButton, 0, 0, 0);
  v.Command2_MouseUp(22, kLeftButton, 0, 0, 0);
  EXPECT_THAT(rig.midi.messages,
              ElementsAre(MidiMessage{kHandle, 0x0064219D}, MidiMessage{kHandle, 0x0064218D},
                          MidiMessage{kHandle, 0x0064359D}, MidiMessage{kHandle, 0x0064589D},
                          MidiMessage{kHandle, 0x0064229D}, MidiMessage{kHandle, 0x0064228D}));
}

TEST_F(VelmoraTest, AnyButtonAndShiftStateSoundsTheKeyAlike) {
  v.Form_Load();
  for (int button : {kLeftButton, kRightButton, kMiddleButton}) {
    for (int shift = 0; shift <= (kShiftMask | kCtrlMask | kAltMask); ++shift) {
      rig.midi.messages.clear();
      v.Command2_MouseDown(10, button, shift, 5, 5);
      v.Command2_MouseUp(10, button, shift, 5, 5);
      EXPECT_THAT(rig.midi.messages,
                  ElementsAre(MidiMessage{kHandle, noteOn(61)}, MidiMessage{kHandle, noteOff(61)}))
          << button << " " << shift;
    }
  }
}

struct PressAtNoteOn {
  int16_t score;
  std::string display;
};

// The judging of a press comes after its note-on: what the note-on sees is still unjudged.
TEST_F(VelmoraTest, NoteOnIsSentBeforeThePressIsJudged) {
  rig.scores.stored = {50, 0, 0, 0};
  v.Form_Load();
  v.Command3_Click();
  std::vector<PressAtNoteOn> seen;
  rig.midi.onMessage = [&] { seen.push_back({v.state().scores[0], v.controls().label2Caption}); };
  v.Command1_MouseDown(32, kLeftButton, 0, 0, 0);
  v.Command2_MouseDown(3, kRightButton, 0, 0, 0);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].score, 50);
  EXPECT_EQ(seen[0].display, "得分:50");
  EXPECT_EQ(seen[1].score, 40);
  EXPECT_EQ(v.state().scores[0], 30);
  EXPECT_EQ(v.controls().label2Caption, "得分:30");
}

TEST_F(VelmoraTest, AReleaseOnlySendsItsNoteOff) {
  rig.scores.stored = {50, 0, 0, 0};
  v.Form_Load();
  v.Command3_Click();
  const GameState before = v.state();
  const Controls controlsBefore = v.controls();
  v.Command1_MouseUp(0, kLeftButton, 0, 0, 0);
  v.Command2_MouseUp(0, kLeftButton, 0, 0, 0);
  EXPECT_EQ(rig.midi.messages.size(), 2u);
  EXPECT_EQ(v.state().scores, before.scores);
  EXPECT_EQ(v.state().noteWeights, before.noteWeights);
  EXPECT_EQ(v.controls().label2Caption, controlsBefore.label2Caption);
  EXPECT_EQ(v.controls().whiteKeyColours, controlsBefore.whiteKeyColours);
}

// ---- Options, buttons and timers -----------------------------------------------------------

TEST_F(VelmoraTest, AClickedOptionIsSelectedAloneInItsGroupBeforeTheHandlerRuns) {
  v.Form_Load();
  v.Option1_Click(2);
  EXPECT_EQ(v.controls().option1Selected, (std::array<bool, 3>{false, false, true}));
  EXPECT_EQ(v.state().scoreSlot, 2);
  v.Option2_Click(1);
  EXPECT_EQ(v.controls().option2Selected, (std::array<bool, 2>{false, true}));
  EXPECT_EQ(v.controls().option1Selected, (std::array<bool, 3>{false, false, true}));
  EXPECT_EQ(v.state().scoreSlot, 3);
  EXPECT_FALSE(v.controls().label1Visible);
  v.Option2_Click(0);
  EXPECT_EQ(v.controls().option2Selected, (std::array<bool, 2>{true, false}));
  EXPECT_EQ(v.state().scoreSlot, 2);
  EXPECT_TRUE(v.controls().label1Visible);
}

TEST_F(VelmoraTest, StartTickAndStopReachTheGame) {
  v.Form_Load();
  v.Command3_Click();
  EXPECT_EQ(v.controls().command3Caption, kCaptionStop);
  EXPECT_TRUE(v.controls().timer1Enabled);
  rig.pictures.loaded.clear();
  v.Timer1_Timer();
  EXPECT_THAT(rig.pictures.loaded, ElementsAre("wode.bmp"));
  EXPECT_GT(v.state().noteFallY, 0);
  v.Command3_Click();
  EXPECT_EQ(v.controls().command3Caption, kCaptionStart);
  EXPECT_TRUE(v.controls().command4Enabled);
  v.Command4_Click();
  EXPECT_EQ(v.state().scores, (std::array<int16_t, 4>{}));
}

TEST_F(VelmoraTest, TheTestClockEndsATestAtItsThirdTick) {
  v.Form_Load();
  v.Option2_Click(1);
  v.Command3_Click();
  EXPECT_TRUE(v.controls().timer2Enabled);
  for (int tick = 0; tick < 3; ++tick) v.Timer2_Timer();
  EXPECT_FALSE(v.controls().timer1Enabled);
  EXPECT_FALSE(v.controls().timer2Enabled);
}

}  // namespace
}  // namespace quavix::testing
