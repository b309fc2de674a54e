#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/velmora.h"

namespace quavix::testing {

// Every service call that matters for ordering, in order, in one log.
using CallLog = std::vector<std::string>;

struct MidiMessage {
  uint32_t handle;
  uint32_t word;
  bool operator==(const MidiMessage&) const = default;
};

struct RecordingMidi : MidiOutput {
  static constexpr uint32_t kHandle = 42;
  CallLog& log;
  std::vector<MidiMessage> messages;
  std::function<void()> onMessage;

  explicit RecordingMidi(CallLog& l) : log(l) {}
  uint32_t midiOutOpen(uint32_t* handle, uint32_t device) override {
    log.push_back("midiOutOpen " + std::to_string(device));
    *handle = kHandle;
    return 0;
  }
  uint32_t midiOutShortMsg(uint32_t handle, uint32_t word) override {
    messages.push_back({handle, word});
    if (onMessage) onMessage();
    return 0;
  }
  uint32_t midiOutClose(uint32_t handle) override {
    log.push_back("midiOutClose " + std::to_string(handle));
    return 0;
  }
};

struct FakeSound : SoundSystem {
  CallLog& log;
  bool setUpSucceeds = true;
  std::function<void()> onSetUp;

  explicit FakeSound(CallLog& l) : log(l) {}
  bool setUpAudio() override {
    log.push_back("setUpAudio");
    if (onSetUp) onSetUp();
    return setUpSucceeds;
  }
  bool playNoteSample(std::string_view) override { return true; }
};

struct FakeScores : ScoreStorage {
  CallLog& log;
  std::array<int16_t, kScoreSlotCount> stored{}, saved{};

  explicit FakeScores(CallLog& l) : log(l) {}
  void loadScores(GameState& state) override {
    log.push_back("loadScores");
    std::copy_n(stored.begin(), 3, state.scores.begin());
  }
  bool saveScores(const GameState& state) override {
    log.push_back("saveScores");
    saved = state.scores;
    return true;
  }
};

// Draws spread evenly over [0, 1) in golden-ratio steps, so a spawn always finds its note.
struct EvenRandom : RandomSource {
  double value = 0;
  void reseed() override {}
  float next() override {
    value += 0.6180339887;
    value -= static_cast<int>(value);
    return static_cast<float>(value);
  }
};

// 80 x 80 white pictures with one black line at row 26; `missing` can't be read.
struct FakePictures : PictureFiles {
  std::vector<std::string> loaded;
  std::string missing;

  std::shared_ptr<const Picture> load(std::string_view name) override {
    loaded.emplace_back(name);
    if (name == missing) return nullptr;
    auto picture = std::make_shared<Picture>(Picture{80, 80, {}});
    picture->pixels.assign(80 * 80, 0xFFFFFFFF);
    std::fill_n(picture->pixels.begin() + 26 * 80, 80, 0xFF000000);
    return picture;
  }
};

struct Rig {
  CallLog log;
  RecordingMidi midi{log};
  FakeSound sound{log};
  EvenRandom random;
  FakePictures pictures;
  FakeScores scores{log};
  std::unique_ptr<Velmora> velmora;

  Velmora& make() {
    velmora = std::make_unique<Velmora>(VelmoraServices{midi, sound, random, pictures, scores});
    return *velmora;
  }
};

}  // namespace quavix::testing
