#pragma once

#include <deque>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/controls.h"
#include "game/note_model.h"
#include "game/picture.h"
#include "game/random_source.h"
#include "game/sample_player.h"
#include "game/state.h"

namespace quavix::testing {

// Hands out scripted draws; running out fails the test instead of looping on.
class ScriptedRandom : public RandomSource {
 public:
  void reseed() override { ++reseeds; }
  float next() override {
    if (draws.empty()) throw std::runtime_error("the scripted draws ran out");
    const float r = draws.front();
    draws.pop_front();
    return r;
  }
  // One attempt of a spawn on a single clef: staff step, left edge, weight-test draw.
  void attempt(int step, int left = 1000, float weightDraw = 0.0f) {
    draws.push_back((step + 0.5f) / 19);
    draws.push_back((left - 1000 + 0.5f) / 5000);
    draws.push_back(weightDraw);
  }
  // The same with mixed clefs.
  void mixedAttempt(int clef, int step, float weightDraw = 0.0f) {
    draws.push_back((step + 0.5f) / 19);
    draws.push_back(0.0f);
    draws.push_back(clef == 1 ? 0.75f : 0.25f);
    draws.push_back(weightDraw);
  }

  std::deque<float> draws;
  int reseeds = 0;
};

class MemoryPictures : public PictureFiles {
 public:
  MemoryPictures() {
    files["wode.bmp"] = std::make_shared<Picture>(Picture{80, 80, {}});
    files["wodedi.bmp"] = std::make_shared<Picture>(Picture{80, 80, {}});
  }
  std::shared_ptr<const Picture> load(std::string_view fileName) override {
    loads.emplace_back(fileName);
    auto found = files.find(std::string(fileName));
    return found == files.end() ? nullptr : found->second;
  }

  std::map<std::string, std::shared_ptr<const Picture>> files;
  std::vector<std::string> loads;
};

class RecordingSamples : public NoteSamplePlayer {
 public:
  bool playNoteSample(std::string_view fileName) override {
    played.emplace_back(fileName);
    return playable;
  }

  std::vector<std::string> played;
  bool playable = true;
};

// A window's worth of game: the record, the controls and the services, as at start-up.
struct Game {
  Game() { fillKeyTables(state); }

  void selectClef(int index) { controls.option1Selected = {index == 0, index == 1, index == 2}; }
  void selectTestMode(bool test) { controls.option2Selected = {!test, test}; }
  int16_t& score() { return state.scores[state.scoreSlot]; }
  int16_t& weight() { return state.noteWeights[state.currentNote][state.currentClef]; }

  GameState state;
  Controls controls = initialControls();
  ScriptedRandom random;
  MemoryPictures pictures;
  RecordingSamples samples;
};

}  // namespace quavix::testing
