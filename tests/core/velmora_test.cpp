#include "core/velmora.h"

#include <gtest/gtest.h>

#include "core/midi_words.h"
#include "tests/core/game_doubles.h"

namespace quavix {
namespace {

using Log = std::vector<std::string>;
using Words = std::vector<uint32_t>;
constexpr uint32_t kMiddleCOn = 0x00643C9D;
constexpr uint32_t kMiddleCOff = 0x00643C8D;

struct VelmoraTest : ::testing::Test, Window<> {
  void SetUp() override { velmora.Form_Load(); }
  void midi(int source, std::vector<uint8_t> bytes) { velmora.midiMessage(source, bytes); }
  bool middleCHeld() { return velmora.keys().isHeld({false, 16}); }
  int score() { return velmora.state().scores[velmora.state().scoreSlot]; }
  PlayerSettings changed(auto change) {
    PlayerSettings settings = velmora.settings();
    change(settings);
    velmora.changeSettings(settings);
    return settings;
  }
};

TEST_F(VelmoraTest, LoadReadsTheScoresBeforeOpeningMidiAndSettingUpTheSound) {
  EXPECT_EQ(services.log, (Log{"noteNames zh", "loadScores", "midiOutOpen 0", "setUpAudio"}));
  EXPECT_EQ(velmora.state().scores[0], 50);
}

// Command1(0) is never the answer, Command2(10) never is; each costs 10 points. Middle C,
// Command1(16), is the only card a score of 30 allows.
TEST_F(VelmoraTest, EveryKeySendsItsNoteBeforeItIsJudged) {
  velmora.Command3_Click();
  velmora.Command1_MouseDown(0, 1, 0, 0, 0);
  velmora.Command1_MouseUp(0, 1, 0, 0, 0);
  velmora.Command2_MouseDown(10, 2, 0, 0, 0);
  velmora.Command2_MouseUp(10, 2, 0, 0, 0);
  velmora.Timer1_Timer();
  ASSERT_EQ(velmora.state().currentNote, kMiddleC);
  velmora.Command1_MouseDown(16, 1, 0, 0, 0);
  const auto& state = velmora.state();
  EXPECT_EQ(services.words,
            (Words{noteOnWord(state.whiteKeyOffsets[0]), noteOffWord(state.whiteKeyOffsets[0]),
                   noteOnWord(state.blackKeyOffsets[10]), noteOffWord(state.blackKeyOffsets[10]),
                   kMiddleCOn}));
  EXPECT_EQ(services.scoreAtWord, (std::vector<int>{50, 40, 40, 30, 30}));
  EXPECT_GT(state.scores[0], 30);
  EXPECT_EQ(services.log.back(), "playNoteSample 2.wav after 5 words");
}

// However often the program's ways of ending call it: MIDI closes before the scores are saved.
TEST_F(VelmoraTest, UnloadClosesMidiThenSavesOnce) {
  services.log.clear();
  for (int call = 0; call < 3; ++call) velmora.Form_Unload();
  EXPECT_EQ(services.log, (Log{"midiOutClose 42", "saveScores"}));
  EXPECT_TRUE(velmora.unloaded());
}

// A mouse click on a key a MIDI keyboard holds neither sounds it again nor silences it; the
// key is judged once.
TEST_F(VelmoraTest, AMouseClickOnAKeyHeldElsewhereChangesNothing) {
  velmora.Command3_Click();
  velmora.Timer1_Timer();
  midi(2, {0x90, 60, 100});
  const int judged = score();
  velmora.Command1_MouseDown(16, 1, 0, 0, 0);
  velmora.Command1_MouseUp(16, 1, 0, 0, 0);
  EXPECT_TRUE(velmora.computerKeyDown('a'));
  EXPECT_TRUE(velmora.computerKeyUp('a'));
  EXPECT_EQ(services.sent(), Words{kMiddleCOn});
  EXPECT_EQ(score(), judged);
  midi(2, {0x80, 60, 0});
  EXPECT_EQ(services.sent(), Words{kMiddleCOff});
  EXPECT_FALSE(middleCHeld());
}

TEST_F(VelmoraTest, WhatIsNoPlayedKeyChangesNothing) {
  midi(2, {0x80, 60, 0});   // a release of a key never pressed
  midi(2, {0x90, 32, 90});  // below the keyboard
  midi(2, {0x90, 89, 90});  // above it
  midi(9, {0x90, 60, 90});  // from no source listened to
  velmora.computerKeyUp('a');
  EXPECT_FALSE(velmora.computerKeyDown('1'));
  EXPECT_TRUE(services.sent().empty());
  EXPECT_FALSE(middleCHeld());
}

// Each played key is judged as the mouse's press, a chord as three: at 50 points the answer is
// middle C. Without echo a MIDI key answers silently, but computer keys still sound; a note that
// sounded is stopped however the echo is set by its release.
TEST_F(VelmoraTest, PlayedKeysAreJudgedAsMousePressesAndEchoOnlyIfSet) {
  const PlayerSettings silent = changed([](PlayerSettings& s) { s.midiEcho = false; });
  velmora.Command3_Click();
  velmora.Timer1_Timer();
  midi(2, {0x90, 60, 100});
  EXPECT_TRUE(middleCHeld());
  EXPECT_EQ(score(), 60);
  midi(2, {0x90, 61, 100});
  midi(2, {0x90, 62, 100});
  EXPECT_EQ(score(), 40);
  midi(2, {0x80, 60, 0});
  EXPECT_TRUE(services.sent().empty());
  velmora.computerKeyDown('a');
  velmora.computerKeyUp('a');
  EXPECT_EQ(services.sent(), (Words{kMiddleCOn, kMiddleCOff}));
  velmora.changeSettings(PlayerSettings{});
  midi(2, {0x90, 60, 100});
  velmora.changeSettings(silent);
  midi(2, {0x80, 60, 0});
  EXPECT_EQ(services.sent(), (Words{kMiddleCOn, kMiddleCOff}));
}

TEST_F(VelmoraTest, ASourceThatGoesOrIsSwitchedOffLetsGoOfItsKeys) {
  midi(2, {0x90, 60, 100});
  services.found.pop_back();
  velmora.refreshMidiInputs();
  EXPECT_EQ(services.sent(), (Words{kMiddleCOn, kMiddleCOff}));
  midi(2, {0x90, 60, 100});  // queued before it went
  EXPECT_FALSE(middleCHeld());

  midi(1, {0x90, 60, 100});
  const PlayerSettings settings =
      changed([](PlayerSettings& s) { s.switchedOffMidiInputs = {"keys"}; });
  EXPECT_FALSE(middleCHeld());
  EXPECT_EQ(services.sent(), (Words{kMiddleCOn, kMiddleCOff}));
  EXPECT_EQ(services.kept, settings);
}

TEST_F(VelmoraTest, OctaveKeysShiftOncePerPressAndHeldKeysReleaseTheirOwnNote) {
  velmora.computerKeyDown('a');
  EXPECT_TRUE(velmora.computerKeyDown('a'));  // held: no second press
  velmora.computerKeyDown('x');
  velmora.computerKeyDown('x');  // held: no second shift
  velmora.computerKeyUp('a');
  EXPECT_EQ(services.sent(), (Words{kMiddleCOn, kMiddleCOff}));
  EXPECT_EQ(services.kept.computerKeyOctave, 5);
  velmora.computerKeyUp('x');
  for (int i = 0; i < 6; ++i) {
    velmora.computerKeyDown('z');
    velmora.computerKeyUp('z');
  }
  EXPECT_EQ(velmora.settings().computerKeyOctave, kLowestKeyOctave);
  velmora.computerKeyDown('h');  // A1, the lowest key
  EXPECT_TRUE(velmora.keys().isHeld({false, 0}));
  velmora.releaseComputerKeys();
  EXPECT_FALSE(velmora.keys().isHeld({false, 0}));
  EXPECT_EQ(services.sent(), (Words{0x0064219D, 0x0064218D}));
}

TEST_F(VelmoraTest, TheBackgroundMusicFollowsItsSetting) {
  const PlayerSettings quiet = changed([](PlayerSettings& s) { s.backgroundMusic = false; });
  velmora.changeSettings(PlayerSettings{});
  EXPECT_EQ(services.musicOn, (std::vector<bool>{true, false, true}));
  Window<> next(quiet);
  next.velmora.Form_Load();
  EXPECT_EQ(next.services.musicOn, std::vector<bool>{false});
}

}  // namespace
}  // namespace quavix
