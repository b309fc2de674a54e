#include "core/key_router.h"

#include <gtest/gtest.h>

#include <vector>

namespace quavix {
namespace {

constexpr int kLeft = mouseSource(1), kRight = mouseSource(2), kMidi = 1, kOtherMidi = 2;
constexpr layout::KeyRef kMiddleC{false, 16};
constexpr KeyAction kNothing{}, kSilent{true, false}, kSounds{true, true};

struct Step {
  int source;
  bool down;
  KeyAction action;
  bool sounds = true;  // the source's notes go through the synthesiser
};

// One key played by several sources at once: it sounds from the first holder's press to the
// last holder's release, once; the mouse alone sends every press and every release.
TEST(KeyRouter, SourcesOnOneKey) {
  // clang-format off
  const std::vector<std::vector<Step>> plays = {
      {{kLeft, true, kSounds}, {kRight, true, kSounds}, {kLeft, false, kSounds},
       {kRight, false, kSounds}, {kRight, false, kNothing}},
      {{kMidi, true, kSounds}, {kLeft, true, kNothing}, {kLeft, false, kNothing},
       {kMidi, false, kSounds}},
      {{kLeft, true, kSounds}, {kMidi, true, kNothing}, {kRight, true, kNothing},
       {kLeft, false, kNothing}, {kRight, false, kNothing}, {kMidi, false, kSounds}},
      {{kMidi, true, kSounds}, {kMidi, true, kNothing}, {kOtherMidi, true, kNothing},
       {kMidi, false, kNothing}, {kOtherMidi, false, kSounds}},
      {{kMidi, true, kSilent, false}, {kComputerKeys, true, kNothing}, {kMidi, false, kNothing},
       {kComputerKeys, false, kSilent}},
      {{kMidi, false, kNothing}, {kLeft, false, kNothing}},
  };
  // clang-format on
  for (size_t play = 0; play < plays.size(); ++play) {
    KeyRouter keys;
    for (size_t i = 0; i < plays[play].size(); ++i) {
      const Step& step = plays[play][i];
      const KeyAction action = step.down ? keys.press(step.source, kMiddleC, step.sounds)
                                         : keys.release(step.source, kMiddleC);
      EXPECT_EQ(action, step.action) << "play " << play << " step " << i;
    }
    EXPECT_FALSE(keys.isHeld(kMiddleC)) << play;
  }
}

TEST(KeyRouter, ASourceLettingGoReleasesOnlyWhatItAloneHeld) {
  KeyRouter keys;
  const layout::KeyRef lowest{true, 22};
  keys.press(kMidi, kMiddleC, false);
  keys.press(kMidi, lowest, true);
  keys.press(kLeft, lowest, true);
  EXPECT_EQ(keys.mouseKey(), lowest);
  EXPECT_EQ(keys.releaseAll(kMidi), (std::vector<KeyRelease>{{kMiddleC, false}}));
  EXPECT_TRUE(keys.isHeld(lowest));
  EXPECT_EQ(keys.release(kLeft, lowest), kSounds);
  EXPECT_EQ(keys.mouseKey(), std::nullopt);
}

}  // namespace
}  // namespace quavix
