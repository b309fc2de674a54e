#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/picture.h"
#include "game/random_source.h"
#include "game/score_storage.h"
#include "game/state.h"
#include "sound/midi_output.h"
#include "sound/sound_system.h"
#include "ui/velmora.h"

namespace quavix::testing {

// Every call of every double, in order, into one shared log.
using CallLog = std::vector<std::string>;

struct MidiMessage {
  uint32_t handle;
  uint32_t word;
  bool operator==(const MidiMessage&) const = default;
};

class RecordingMidi : public MidiOutput {
 public:
  static constexpr uint32_t kHandle = 0x2A;
  explicit RecordingMidi(CallLog& log) : log_(log) {}

  uint32_t midiOutOpen(uint32_t* handle, uint32_t deviceId) override {
    log_.push_back("midiOutOpen " + std::to_string(deviceId));
    *handle = kHandle;
    return 0;
  }
  uint32_t midiOutShortMsg(uint32_t handle, uint32_t message) override {
    messages.push_back({handle, message});
    if (onMessage) onMessage();
    return 0;
  }
  uint32_t midiOutClose(uint32_t handle) override {
    log_.push_back("midiOutClose " + std::to_string(handle));
    return 0;
  }

  std::vector<MidiMessage> messages;
  std::function<void()> onMessage;

 private:
  CallLog& log_;
};

class FakeSound : public SoundSystem {
 public:
  explicit FakeSound(CallLog& log) : log_(log) {}

  bool setUpAudio() override {
    log_.push_back("setUpAudio");
    if (onSetUp) onSetUp();
    return setUpSucceeds;
  }
  bool playNoteSample(std::string_view fileName) override {
    log_.push_back("playNoteSample " + std::string(fileName));
    return true;
  }

  bool setUpSucceeds = true;
  std::function<void()> onSetUp;

 private:
  CallLog& log_;
};

class FakeScores : public ScoreStorage {
 public:
  explicit FakeScores(CallLog& log) : log_(log) {}

  void loadScores(GameState& state) override {
    log_.push_back("loadScores");
    for (int i = 0; i < 3; ++i) state.scores[i] = stored[i];
  }
  bool saveScores(const GameState& state) override {
    log_.push_back("saveScores");
    saved = state.scores;
    return true;
  }

  std::array<int16_t, kScoreSlotCount> stored{};
  std::array<int16_t, kScoreSlotCount> saved{};

 private:
  CallLog& log_;
};

// Draws spread evenly over [0, 1) (golden-ratio steps), so a spawn always finds its note.
class EvenRandom : public RandomSource {
 public:
  void reseed() override {}
  float next() override {
    value_ += 0.6180339887;
    value_ -= static_cast<int>(value_);
    return static_cast<float>(value_);
  }

 private:
  double value_ = 0;
};

class FakePictures : public PictureFiles {
 public:
  std::shared_ptr<const Picture> load(std::string_view fileName) override {
    loaded.emplace_back(fileName);
    if (fileName == missing) return nullptr;
    auto picture = std::make_shared<Picture>();
    picture->width = picture->height = 80;
    picture->pixels.assign(80 * 80, 0xFFFFFFFF);
    std::fill_n(picture->pixels.begin() + 26 * 80, 80, 0xFF000000);  // one staff line
    return picture;
  }

  std::vector<std::string> loaded;
  std::string missing;
};

// A Velmora on recording doubles.
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
