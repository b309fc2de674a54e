#pragma once

// The stand-ins every test of the game shares, from its rules up to the Qt window.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/card_fall.h"
#include "core/clock_random.h"
#include "core/game_control.h"
#include "core/interfaces/game_recorder.h"
#include "core/judging.h"
#include "core/note_model.h"
#include "core/velmora.h"

namespace quavix {

// Scripted draws; running out throws instead of looping on.
struct ScriptedDraws : RandomSource {
  std::vector<float> draws;
  size_t used = 0;
  void reseed() override {}
  float next() override { return draws.at(used++); }
};

// Every picture loads but `missingPicture`.
struct Pictures : PictureFiles {
  std::string missingPicture;
  std::shared_ptr<const Picture> load(std::string_view name) override {
    return name == missingPicture ? nullptr : std::make_shared<Picture>();
  }
  std::shared_ptr<const Picture> loadBuiltIn(std::string_view name) override { return load(name); }
};

struct NoRecorder : GameRecorder {
  void opened() override {}
  void closed() override {}
  void gameStarted(PlayMode, int, int16_t, std::optional<RunNoteSet>) override {}
  std::optional<GameRecord> gameEnded(int16_t) override { return std::nullopt; }
  void cardShown(int, int) override {}
  void answered(int, int, int, bool) override {}
  void cardMissed(int, int) override {}
  void writtenCardShown(const WrittenNote&) override {}
  void writtenAnswered(const WrittenNote&, int, bool) override {}
  void writtenCardMissed(const WrittenNote&) override {}
};

// The window's MIDI output and input, sound, score file and settings, recording what they are
// asked. Opening and closing MIDI, the sound's calls, the score file's load and save and the
// settings' save go to one log in order. The stored score is `storedScore`; the tune never starts,
// and the game has to go on without it. Two MIDI keyboards are plugged in; switched off, they
// disconnect. The microphone answers each listen with `refusal`.
struct RecordingServices : MidiOutput,
                           SoundSystem,
                           ScoreStorage,
                           SettingsStore,
                           MidiInput,
                           Microphone {
  static constexpr uint32_t kHandle = 42;

  explicit RecordingServices(PlayerSettings kept = {}) : kept(kept) {}

  std::vector<std::string> log;
  std::vector<uint32_t> words;  // a word sent to another handle is kept as 0, which no test expects
  std::vector<bool> musicOn;
  int16_t storedScore = 50;
  PlayerSettings kept;
  std::vector<MidiSource> found{{1, "keys", true}, {2, "piano", true}};

  std::vector<uint32_t> sent() { return std::exchange(words, {}); }

  uint32_t midiOutOpen(uint32_t* handle, uint32_t device) override {
    log.push_back("midiOutOpen " + std::to_string(device));
    return *handle = kHandle, kMidiOk;
  }
  uint32_t midiOutShortMsg(uint32_t handle, uint32_t word) override {
    words.push_back(handle == kHandle ? word : 0);
    return kMidiOk;
  }
  uint32_t midiOutClose(uint32_t handle) override {
    log.push_back("midiOutClose " + std::to_string(handle));
    return kMidiOk;
  }
  bool setUpAudio() override { return log.push_back("setUpAudio"), false; }
  bool playNoteSample(std::string_view name) override {
    log.push_back("playNoteSample " + std::string(name));
    return true;
  }
  void setNoteNameLanguage(Language language) override {
    log.push_back(language == Language::English ? "noteNames en" : "noteNames zh");
  }
  void setMusicOn(bool on) override { musicOn.push_back(on); }
  void loadScores(GameState& state) override {
    log.push_back("loadScores");
    state.scores[0] = storedScore;
  }
  bool saveScores(const GameState&) override { return log.push_back("saveScores"), true; }
  PlayerSettings loadSettings() override { return kept; }
  void saveSettings(const PlayerSettings& settings) override {
    log.push_back("saveSettings");
    kept = settings;
  }
  void refresh(const std::vector<std::string>& off) override {
    for (MidiSource& s : found) s.connected = std::ranges::find(off, s.name) == off.end();
  }
  std::vector<MidiSource> sources() const override { return found; }
  std::vector<std::string> devices() const override { return {"USB microphone"}; }
  std::string listen(const std::optional<std::string>& device) override {
    listened.push_back(device);
    return device ? refusal : "";
  }

  std::string refusal;
  std::vector<std::optional<std::string>> listened;
};

// The window's handlers on these stand-ins.
template <class PictureSource = Pictures>
struct Window {
  explicit Window(PlayerSettings kept = {}) : services(kept) {}
  RecordingServices services;
  ClockRandom random{[] { return uint64_t{7}; }};
  PictureSource pictures;
  NoRecorder recorder;
  Velmora velmora{
      {services, services, random, pictures, services, services, services, recorder, services}};
};

// A window's worth of game as at start-up, on the rules' own functions. Its samples all fail to
// play, which must change nothing else.
struct Game : ScriptedDraws, Pictures, NoteSamplePlayer {
  explicit Game(int clef = 0, bool test = false) { select(clef, test); }
  bool playNoteSample(std::string_view name) override {
    played.emplace_back(name);
    return false;
  }
  // One attempt of a spawn on a single clef: staff step, left edge, weight-test draw.
  void attempt(int step, int left = 1000, float weightDraw = 0.0f) {
    draws.insert(draws.end(), {(step + 0.5f) / 19, (left - 1000 + 0.5f) / 5000, weightDraw});
  }
  // As a click on the options leaves them; clef 2 mixes both staffs.
  void select(int clef, bool test = false) {
    controls.option1Selected = {clef == 0, clef == 1, clef == 2};
    controls.option2Selected = {!test, test};
  }
  void click() { Command3_Click(state, controls); }
  void tick() { Timer1_Timer(state, controls, *this, *this); }
  void press(int key) { judgeKey(state, controls, *this, {false, key}); }
  void pressBlack() { judgeKey(state, controls, *this, {true, 0}); }
  int16_t& score() { return state.scores[state.scoreSlot]; }
  int16_t& weight() { return state.noteWeights[state.currentNote][state.currentClef]; }

  GameState state;
  Controls controls = initialControls();
  std::vector<std::string> played;
};

}  // namespace quavix
