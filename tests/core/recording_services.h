#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/interfaces/midi_input.h"
#include "core/interfaces/midi_output.h"
#include "core/interfaces/score_storage.h"
#include "core/interfaces/settings_store.h"
#include "core/interfaces/sound_system.h"
#include "core/state.h"

namespace quavix::test {

// The window's MIDI output and input, sound, score file and settings, recording what they are
// asked. Opening and closing MIDI, the sound's calls, the score file's load and save and the
// settings' save go to one log in order; each MIDI message is kept with the score of `scores` at
// the time it went out. The stored score is 50, the stored settings `saved`; the tune never
// starts, and the game has to go on without it. One MIDI keyboard, "keys", is plugged in.
struct RecordingServices : MidiOutput, SoundSystem, ScoreStorage, SettingsStore, MidiInput {
  static constexpr uint32_t kHandle = 42;

  explicit RecordingServices(PlayerSettings saved = {}) : saved(saved) {}

  std::vector<std::string> log;
  std::vector<std::pair<uint32_t, uint32_t>> messages;  // handle, word
  std::vector<int> scoreAtMessage;
  const GameState* scores = nullptr;
  PlayerSettings saved;

  uint32_t midiOutOpen(uint32_t* handle, uint32_t device) override {
    log.push_back("midiOutOpen " + std::to_string(device));
    *handle = kHandle;
    return kMidiOk;
  }
  uint32_t midiOutShortMsg(uint32_t handle, uint32_t word) override {
    messages.emplace_back(handle, word);
    scoreAtMessage.push_back(scores ? scores->scores[0] : -1);
    return kMidiOk;
  }
  uint32_t midiOutClose(uint32_t handle) override {
    log.push_back("midiOutClose " + std::to_string(handle));
    return kMidiOk;
  }
  bool setUpAudio() override {
    log.push_back("setUpAudio");
    return false;
  }
  bool playNoteSample(std::string_view name) override {
    log.push_back("playNoteSample " + std::string(name) + " after " +
                  std::to_string(messages.size()) + " messages");
    return true;
  }
  void setNoteNameLanguage(Language language) override {
    log.push_back(language == Language::English ? "noteNames en" : "noteNames zh");
  }
  void setMusicOn(bool) override {}
  void loadScores(GameState& state) override {
    log.push_back("loadScores");
    state.scores[0] = 50;
  }
  bool saveScores(const GameState&) override {
    log.push_back("saveScores");
    return true;
  }
  PlayerSettings loadSettings() override { return saved; }
  void saveSettings(const PlayerSettings&) override { log.push_back("saveSettings"); }
  void refresh(const std::vector<std::string>&) override {}
  std::vector<MidiSource> sources() const override { return {{1, "keys", true}}; }
};

}  // namespace quavix::test
