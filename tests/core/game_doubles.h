#pragma once

// What the game's tests share: the headers they use and the game with its stand-ins.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <memory>
#include <ranges>
#include <set>
#include <string>
#include <vector>

#include "core/card_fall.h"
#include "core/clock_random.h"
#include "core/game_control.h"
#include "core/judging.h"
#include "core/note_choice.h"
#include "core/note_model.h"
#include "core/score_caption.h"

namespace quavix {

// A window's worth of game as at start-up. It stands in for the random source (scripted draws;
// running out throws instead of looping on), the picture files (all load but `missingPicture`)
// and the samples (all fail to play, which must change nothing else).
struct Game : RandomSource, PictureFiles, NoteSamplePlayer {
  explicit Game(int clef = 0, bool test = false) { select(clef, test); }
  void reseed() override {}
  float next() override { return draws.at(used++); }
  std::shared_ptr<const Picture> load(std::string_view name) override {
    return name == missingPicture ? nullptr : std::make_shared<Picture>();
  }
  std::shared_ptr<const Picture> loadBuiltIn(std::string_view name) override { return load(name); }
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
  void press(int key) { judgeWhiteKey(state, controls, *this, key); }
  void pressBlack() { judgeBlackKey(state, controls); }
  int16_t& score() { return state.scores[state.scoreSlot]; }
  int16_t& weight() { return state.noteWeights[state.currentNote][state.currentClef]; }

  GameState state;
  Controls controls = initialControls();
  std::vector<float> draws;
  size_t used = 0;
  std::string missingPicture;
  std::vector<std::string> played;
};

}  // namespace quavix
