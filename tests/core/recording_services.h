#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/interfaces/midi_output.h"
#include "core/interfaces/score_storage.h"
#include "core/interfaces/sound_system.h"
#include "core/state.h"

namespace quavix::test {

// The window's MIDI output, sound and score file, recording what they are asked. Opening and
// closing MIDI, the sound's calls and the score file's load and save go to one log in order;
// each MIDI message is kept with the score of `scores` at the time it went out. The stored
// score is 50; the tune never starts, and the game has to go on without it.
struct RecordingServices : MidiOutput, SoundSystem, ScoreStorage {
  static constexpr uint32_t kHandle = 42;

  std::vector<std::string> log;
  std::vector<std::pair<uint32_t, uint32_t>> messages;  // handle, word
  std::vector<int> scoreAtMessage;
  const GameState* scores = nullptr;

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
  void loadScores(GameState& state) override {
    log.push_back("loadScores");
    state.scores[0] = 50;
  }
  bool saveScores(const GameState&) override {
    log.push_back("saveScores");
    return true;
  }
};

}  // namespace quavix::test
