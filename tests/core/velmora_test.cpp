#include "core/velmora.h"

#include <gtest/gtest.h>

#include "core/midi_notes.h"
#include "tests/core/game_doubles.h"

namespace quavix {
namespace {

using Log = std::vector<std::string>;
using Words = std::vector<uint32_t>;
constexpr uint32_t kMiddleCOn = 0x00643C9D, kMiddleCOff = 0x00643C8D;

struct VelmoraTest : ::testing::Test, Window<> {
  void SetUp() override { velmora.Form_Load(); }
  void midi(int source, std::vector<uint8_t> bytes) { velmora.midiMessage(source, bytes); }
  bool middleCHeld() { return velmora.keys().isHeld({false, 16}); }
  int score() { return velmora.state().scores[velmora.state().scoreSlot]; }
  void startGame() {
    velmora.Command3_Click();
    velmora.Timer1_Timer();  // at 50 points the card is middle C
  }
  PlayerSettings changed(auto change) {
    PlayerSettings settings = velmora.settings();
    change(settings);
    velmora.changeSettings(settings);
    return settings;
  }
};

// MIDI closes before the scores are saved, once, however often the program's ways of ending
// call it.
TEST_F(VelmoraTest, LoadReadsTheScoresFirstAndUnloadSavesThemLastOnce) {
  for (int call = 0; call < 3; ++call) velmora.Form_Unload();
  EXPECT_EQ(services.log, (Log{"noteNames zh", "loadScores", "midiOutOpen 0", "setUpAudio",
                               "midiOutClose 42", "saveScores"}));
  EXPECT_EQ(velmora.state().scores[0], 50);
}

// A click on a key a MIDI keyboard holds neither sounds it again, nor silences it, nor is
// judged; the keyboard's own note-off ends it.
TEST_F(VelmoraTest, AMouseClickOnAKeyHeldElsewhereChangesNothing) {
  startGame();
  midi(2, {0x90, 60, 100});
  const int judged = score();
  velmora.Command1_MouseDown(16, 1, 0, 0, 0);
  velmora.Command1_MouseUp(16, 1, 0, 0, 0);
  EXPECT_TRUE(velmora.computerKeyDown('a') && velmora.computerKeyUp('a'));
  EXPECT_EQ(services.sent(), Words{kMiddleCOn});
  EXPECT_EQ(score(), judged);
  midi(2, {0x80, 60, 0});
  EXPECT_EQ(services.sent(), Words{kMiddleCOff});
  EXPECT_FALSE(middleCHeld());
}

// Without echo a MIDI key answers silently, but computer keys still sound; a note that sounded
// is stopped by its release whatever the echo is set to by then.
TEST_F(VelmoraTest, MidiKeysAreJudgedAndEchoedOnlyIfSet) {
  const PlayerSettings silent = changed([](PlayerSettings& s) { s.midiEcho = false; });
  startGame();
  midi(2, {0x90, 60, 100});
  EXPECT_EQ(score(), 60);
  midi(2, {0x90, 62, 100});
  EXPECT_EQ(score(), 50);
  midi(2, {0x80, 60, 0});
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
  midi(2, {0x90, 60, 100});  // queued before it went
  EXPECT_FALSE(middleCHeld());
  midi(1, {0x90, 60, 100});
  changed([](PlayerSettings& s) { s.switchedOffMidiInputs = {"keys"}; });
  EXPECT_FALSE(middleCHeld());
  EXPECT_EQ(services.sent(), (Words{kMiddleCOn, kMiddleCOff, kMiddleCOn, kMiddleCOff}));
}

// A MIDI note, or a note the microphone hears, presses the key of the note written for it; a
// note-off after the transposition changed still ends the key its note-on pressed.
TEST_F(VelmoraTest, TranspositionMovesMidiAndHeardNotesToTheWrittenKey) {
  struct Row {
    Transposition transposition;
    int sounding;
    uint32_t noteOn;  // of the key pressed; 0 for none
  };
  const Row rows[] = {{Transposition::Concert, 60, kMiddleCOn},
                      {Transposition::BFlat, 58, kMiddleCOn},
                      {Transposition::EFlat, 51, kMiddleCOn},
                      {Transposition::F, 53, kMiddleCOn},
                      {Transposition::OctaveDown, 48, kMiddleCOn},
                      {Transposition::OctaveDown, 21, 0x0064219D},
                      {Transposition::BFlat, 87, 0},
                      {Transposition::OctaveDown, 88, 0}};
  changed([](PlayerSettings& s) { s.microphoneOn = true; });
  for (const Row& row : rows) {
    changed([&](PlayerSettings& s) { s.transposition = row.transposition; });
    midi(2, {0x90, uint8_t(row.sounding), 100});
    EXPECT_EQ(services.sent(), row.noteOn ? Words{row.noteOn} : Words{}) << row.sounding;
    changed([](PlayerSettings& s) { s.transposition = Transposition::Concert; });
    midi(2, {0x80, uint8_t(row.sounding), 0});
    EXPECT_EQ(services.sent(), row.noteOn ? Words{row.noteOn - 0x10} : Words{}) << row.sounding;
    changed([&](PlayerSettings& s) { s.transposition = row.transposition; });
    velmora.microphoneNote(row.sounding);
    const auto key = keyForNote(int(row.noteOn >> 8 & 0x7f));
    EXPECT_EQ(row.noteOn && velmora.keys().holds(kMicrophone, *key), row.noteOn != 0)
        << row.sounding;
    velmora.microphoneNote(std::nullopt);
    EXPECT_FALSE(row.noteOn && velmora.keys().isHeld(*key)) << row.sounding;
    EXPECT_EQ(services.sent(), Words{}) << "never sounded";
  }
}

// Off by default. Listening pauses the tune; a heard note answers the card and a note heard
// anew answers again; what comes after it stops is dropped. A refused microphone is said and
// changes nothing else.
TEST_F(VelmoraTest, TheMicrophoneAnswersWhileItListensAndPausesTheTune) {
  EXPECT_TRUE(services.listened.empty());
  startGame();
  changed([](PlayerSettings& s) { s.microphoneOn = true; });
  velmora.microphoneNote(60);
  EXPECT_EQ(score(), 60);
  velmora.microphoneNote(std::nullopt);
  velmora.Timer1_Timer();
  velmora.microphoneNote(60);
  EXPECT_NE(score(), 60);
  changed([](PlayerSettings& s) { s.microphoneDevice = "USB microphone"; });
  EXPECT_FALSE(middleCHeld());
  services.refusal = "no microphone (refused)";
  testing::internal::CaptureStderr();
  changed([](PlayerSettings& s) { s.microphoneDevice = ""; });
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "quavix: no microphone (refused)\n");
  EXPECT_EQ(velmora.microphoneProblem(), services.refusal);
  const int before = score();
  velmora.microphoneNote(62);
  changed([](PlayerSettings& s) { s.microphoneOn = false; });
  EXPECT_EQ(velmora.microphoneProblem(), "");
  EXPECT_EQ(score(), before);
  EXPECT_EQ(services.listened, (std::vector<std::optional<std::string>>{"", "USB microphone", ""}));
  EXPECT_EQ(services.musicOn, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(services.sent(), Words{});
}

// A computer key's release ends the note it pressed, whatever the octave is by then; a held
// key, octave keys included, presses once.
TEST_F(VelmoraTest, ComputerKeysPressOnceAndReleaseTheirOwnNote) {
  velmora.computerKeyDown('a');
  velmora.computerKeyDown('a');
  velmora.computerKeyDown('z');
  velmora.computerKeyDown('z');
  velmora.computerKeyUp('a');
  EXPECT_EQ(services.sent(), (Words{kMiddleCOn, kMiddleCOff}));
  EXPECT_EQ(services.kept.computerKeyOctave, kDefaultKeyOctave - 1);
  velmora.computerKeyUp('z');
  EXPECT_TRUE(velmora.computerKeyDown('x') && velmora.computerKeyUp('x'));
  EXPECT_EQ(velmora.settings().computerKeyOctave, kDefaultKeyOctave);
  for (int i = 0; i < 6; ++i) velmora.computerKeyDown('z') && velmora.computerKeyUp('z');
  EXPECT_EQ(velmora.settings().computerKeyOctave, kLowestKeyOctave);
  velmora.computerKeyDown('h');  // A1, the lowest key
  velmora.releaseComputerKeys();
  EXPECT_EQ(services.sent(), (Words{0x0064219D, 0x0064218D}));
}

}  // namespace
}  // namespace quavix
