#include "core/played_keys.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/clock_random.h"
#include "core/computer_keys.h"
#include "core/midi_words.h"
#include "core/note_model.h"
#include "core/velmora.h"
#include "tests/support/quiet_services.h"

namespace quavix {
namespace {

using layout::KeyRef;

TEST(KeyForNote, CoversTheKeyboardAndNothingElse) {
  struct Case {
    int note;
    std::optional<KeyRef> key;
  };
  const Case cases[] = {
      {32, std::nullopt},      {33, KeyRef{false, 0}}, {34, KeyRef{true, 22}},
      {60, KeyRef{false, 16}}, {61, KeyRef{true, 10}}, {88, KeyRef{false, 32}},
      {89, std::nullopt},      {0, std::nullopt},      {127, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(keyForNote(c.note), c.key) << c.note;
  // Every key once, each at its own note.
  for (int note = 33; note <= 88; ++note) {
    const KeyRef key = *keyForNote(note);
    const int offset = key.black ? kBlackKeyOffsets[key.index] : kWhiteKeyOffsets[key.index];
    EXPECT_EQ(kMidiBaseNote + offset, note);
  }
}

TEST(ReadNoteMessage, NotesOnEveryChannelAndNothingElse) {
  struct Case {
    std::vector<uint8_t> bytes;
    std::optional<NotePlay> play;
  };
  const Case cases[] = {
      {{0x90, 60, 100}, NotePlay{60, true}},
      {{0x9F, 60, 1}, NotePlay{60, true}},
      {{0x90, 60, 0}, NotePlay{60, false}},  // velocity 0 is a release
      {{0x80, 61, 64}, NotePlay{61, false}},
      {{0x8D, 88, 0}, NotePlay{88, false}},
      {{60, 100}, std::nullopt},  // running status: RtMidi always hands on the status byte
      {{0xB0, 64, 127}, std::nullopt},
      {{0xC0, 5}, std::nullopt},
      {{0xF8}, std::nullopt},
      {{0x90, 0x80, 100}, std::nullopt},
      {{}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readNoteMessage(c.bytes), c.play) << testing::PrintToString(c.bytes);
  }
  for (uint8_t channel = 0; channel < 16; ++channel) {
    EXPECT_EQ(readNoteMessage(std::vector<uint8_t>{uint8_t(0x90 | channel), 40, 9}),
              (NotePlay{40, true}));
  }
}

TEST(ComputerKeys, TwoRowsFromTheOctavesC) {
  struct Case {
    char key;
    int octave;
    std::optional<int> note;
  };
  const Case cases[] = {
      {'a', 4, 60},  {'w', 4, 61},           {'j', 4, 71},           {'k', 4, 72},
      {'\'', 4, 77}, {'a', 1, 24},           {'h', 1, 33},           {'\'', 5, 89},
      {';', 5, 88},  {'r', 4, std::nullopt}, {'z', 4, std::nullopt}, {'A', 4, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(computerKeyNote(c.key, c.octave), c.note) << c.key;
  EXPECT_EQ(computerKeyOctaveStep('z'), -1);
  EXPECT_EQ(computerKeyOctaveStep('x'), 1);
  EXPECT_EQ(computerKeyOctaveStep('a'), 0);
}

// The game with recording stand-ins: the notes sent, and MIDI sources as a test sets them.
struct Rig : MidiOutput, SoundSystem, PictureFiles, ScoreStorage, SettingsStore, MidiInput {
  std::vector<uint32_t> words;
  std::vector<MidiSource> found{{1, "Quavix", true}, {2, "piano", true}};
  PlayerSettings kept;
  std::vector<bool> musicOn;
  ClockRandom random;
  NoRecorder recorder;
  Velmora velmora{{*this, *this, random, *this, *this, *this, *this, recorder}};

  explicit Rig(PlayerSettings start = {}) : kept(start) {}

  uint32_t midiOutOpen(uint32_t* handle, uint32_t) override { return *handle = 7, 0; }
  uint32_t midiOutShortMsg(uint32_t, uint32_t word) override { return words.push_back(word), 0; }
  uint32_t midiOutClose(uint32_t) override { return 0; }
  bool setUpAudio() override { return true; }
  void setMusicOn(bool on) override { musicOn.push_back(on); }
  void setNoteNameLanguage(Language) override {}
  bool playNoteSample(std::string_view) override { return true; }
  std::shared_ptr<const Picture> load(std::string_view) override {
    return std::make_shared<Picture>();
  }
  std::shared_ptr<const Picture> loadBuiltIn(std::string_view name) override { return load(name); }
  void loadScores(GameState&) override {}
  bool saveScores(const GameState&) override { return true; }
  PlayerSettings loadSettings() override { return kept; }
  void saveSettings(const PlayerSettings& settings) override { kept = settings; }
  void refresh(const std::vector<std::string>& off) override {
    for (MidiSource& s : found)
      s.connected = std::find(off.begin(), off.end(), s.name) == off.end();
  }
  std::vector<MidiSource> sources() const override { return found; }

  void midi(int source, std::vector<uint8_t> bytes) { velmora.midiMessage(source, bytes); }
  std::vector<uint32_t> sent() { return std::exchange(words, {}); }
};

constexpr uint32_t kMiddleCOn = 0x00643C9D;
constexpr uint32_t kMiddleCOff = 0x00643C8D;

struct PlayedKeysTest : ::testing::Test {
  Rig rig;
  void SetUp() override { rig.velmora.Form_Load(); }
  bool middleCHeld() { return rig.velmora.playedKeys().isHeld({false, 16}); }
  int score() { return rig.velmora.state().scores[rig.velmora.state().scoreSlot]; }
};

TEST_F(PlayedKeysTest, TwoSourcesOnOneKeyMakeOnePressAndOneRelease) {
  rig.midi(2, {0x90, 60, 100});
  rig.midi(1, {0x93, 60, 80});
  EXPECT_TRUE(rig.velmora.computerKeyDown('a'));
  EXPECT_EQ(rig.sent(), std::vector<uint32_t>{kMiddleCOn});
  rig.midi(2, {0x80, 60, 0});
  EXPECT_TRUE(rig.velmora.computerKeyUp('a'));
  EXPECT_TRUE(middleCHeld());
  EXPECT_TRUE(rig.sent().empty());
  rig.midi(1, {0x90, 60, 0});
  EXPECT_EQ(rig.sent(), std::vector<uint32_t>{kMiddleCOff});
  EXPECT_FALSE(middleCHeld());
}

TEST_F(PlayedKeysTest, WhatIsNoPlayedKeyChangesNothing) {
  rig.midi(2, {0x80, 60, 0});   // a release of a key never pressed
  rig.midi(2, {0x90, 32, 90});  // below the keyboard
  rig.midi(2, {0x90, 89, 90});  // above it
  rig.midi(9, {0x90, 60, 90});  // from no source listened to
  rig.velmora.computerKeyUp('a');
  EXPECT_FALSE(rig.velmora.computerKeyDown('1'));
  EXPECT_TRUE(rig.sent().empty());
  EXPECT_EQ(rig.velmora.playedKeys(), HeldKeys{});
}

// A chord is three presses; each played key is judged as the mouse's press: at a score of 0 the
// answer is middle C.
TEST_F(PlayedKeysTest, PlayedKeysAreJudgedAsMousePresses) {
  rig.velmora.Command3_Click();
  rig.velmora.Timer1_Timer();
  const int answer = answerKey(rig.velmora.state().currentNote);
  const int note = kMidiBaseNote + kWhiteKeyOffsets[answer];
  rig.midi(2, {0x90, uint8_t(note), 100});
  EXPECT_EQ(score(), 10);
  rig.midi(2, {0x90, uint8_t(note + 1), 100});
  rig.midi(2, {0x90, uint8_t(note + 2), 100});
  EXPECT_EQ(score(), 0);
  EXPECT_EQ(rig.sent().size(), 3u);
}

TEST_F(PlayedKeysTest, WithoutEchoAMidiKeyAnswersSilentlyButComputerKeysSound) {
  PlayerSettings settings = rig.velmora.settings();
  settings.midiEcho = false;
  rig.velmora.changeSettings(settings);
  rig.velmora.Command3_Click();
  rig.velmora.Timer1_Timer();
  const uint8_t answer =
      kMidiBaseNote + kWhiteKeyOffsets[answerKey(rig.velmora.state().currentNote)];
  rig.midi(2, {0x90, answer, 100});
  EXPECT_TRUE(rig.velmora.playedKeys().isHeld(*keyForNote(answer)));
  EXPECT_EQ(score(), 10);
  rig.midi(2, {0x80, answer, 0});
  EXPECT_TRUE(rig.sent().empty());
  rig.velmora.computerKeyDown('a');
  rig.velmora.computerKeyUp('a');
  EXPECT_EQ(rig.sent(), (std::vector<uint32_t>{kMiddleCOn, kMiddleCOff}));
  // A note that sounded is stopped however the echo is set by its release.
  rig.velmora.changeSettings(PlayerSettings{});
  rig.midi(2, {0x90, 60, 100});
  rig.velmora.changeSettings(settings);
  rig.midi(2, {0x80, 60, 0});
  EXPECT_EQ(rig.sent(), (std::vector<uint32_t>{kMiddleCOn, kMiddleCOff}));
}

TEST_F(PlayedKeysTest, ASourceThatGoesOrIsSwitchedOffLetsGoOfItsKeys) {
  rig.midi(2, {0x90, 60, 100});
  rig.found.pop_back();
  rig.velmora.refreshMidiInputs();
  EXPECT_EQ(rig.sent(), (std::vector<uint32_t>{kMiddleCOn, kMiddleCOff}));
  rig.midi(2, {0x90, 60, 100});  // queued before it went
  EXPECT_FALSE(middleCHeld());

  rig.midi(1, {0x90, 60, 100});
  PlayerSettings settings = rig.velmora.settings();
  settings.switchedOffMidiInputs = {"Quavix"};
  rig.velmora.changeSettings(settings);
  EXPECT_FALSE(middleCHeld());
  EXPECT_EQ(rig.sent(), (std::vector<uint32_t>{kMiddleCOn, kMiddleCOff}));
  EXPECT_EQ(rig.kept, settings);
}

TEST_F(PlayedKeysTest, OctaveKeysShiftAndAreKeptWhileHeldKeysReleaseTheirOwnNote) {
  rig.velmora.computerKeyDown('a');
  EXPECT_TRUE(rig.velmora.computerKeyDown('a'));  // held: no second press
  rig.velmora.computerKeyDown('x');
  rig.velmora.computerKeyUp('a');
  EXPECT_EQ(rig.sent(), (std::vector<uint32_t>{kMiddleCOn, kMiddleCOff}));
  EXPECT_EQ(rig.kept.computerKeyOctave, 5);
  for (int i = 0; i < 6; ++i) rig.velmora.computerKeyDown('z');
  EXPECT_EQ(rig.velmora.settings().computerKeyOctave, kLowestKeyOctave);
  rig.velmora.computerKeyDown('h');  // A1, the lowest key
  EXPECT_TRUE(rig.velmora.playedKeys().isHeld({false, 0}));
  rig.velmora.releaseComputerKeys();
  EXPECT_EQ(rig.velmora.playedKeys(), HeldKeys{});
  EXPECT_EQ(rig.sent(), (std::vector<uint32_t>{0x0064219D, 0x0064218D}));
}

TEST_F(PlayedKeysTest, TheBackgroundMusicFollowsItsSetting) {
  PlayerSettings settings = rig.velmora.settings();
  settings.backgroundMusic = false;
  rig.velmora.changeSettings(settings);
  rig.velmora.changeSettings(PlayerSettings{});
  EXPECT_EQ(rig.musicOn, (std::vector<bool>{true, false, true}));
  Rig quiet(settings);
  quiet.velmora.Form_Load();
  EXPECT_EQ(quiet.musicOn, std::vector<bool>{false});
}

}  // namespace
}  // namespace quavix
