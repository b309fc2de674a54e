#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <set>
#include <vector>

#include "core/midi_words.h"
#include "core/note_model.h"
#include "platform/sound/keyboard_midi_output.h"
#include "sound_test_support.h"

namespace quavix::test {

// Channel 14 at velocity 100, each key its own semitone: the 56 keys sound A1 (33) to E6 (88).
TEST(KeyWords, EveryKeyPressAndReleaseCoverA1ToE6Once) {
  std::vector<int16_t> offsets(kWhiteKeyOffsets.begin(), kWhiteKeyOffsets.end());
  offsets.insert(offsets.end(), kBlackKeyOffsets.begin(), kBlackKeyOffsets.end());
  std::set<uint32_t> notes;
  for (int16_t offset : offsets) {
    const uint32_t note = kMidiBaseNote + offset;
    EXPECT_EQ(noteOnWord(offset), 0x0064009D | note << 8) << offset;
    EXPECT_EQ(noteOffWord(offset), 0x0064008D | note << 8) << offset;
    notes.insert(noteOnWord(offset) >> 8 & 0xFF);
  }
  EXPECT_TRUE(std::ranges::equal(notes, std::views::iota(33u, 89u)));
}

// A key held when the output closes, as at the window's unload, must not ring on.
TEST(KeySound, KeySoundsItsPitchUntilReleasedOrTheOutputCloses) {
  struct Key {
    const char* name;
    int16_t offset;
    double hz;
    bool closeInstead = false;  // of sending the note-off
  };
  const Key keys[] = {
      {.name = "Command1(16), C4", .offset = kWhiteKeyOffsets[16], .hz = 261.63},
      {.name = "Command1(0), A1", .offset = kWhiteKeyOffsets[0], .hz = 55.0},
      {.name = "C4, closed", .offset = kWhiteKeyOffsets[16], .hz = 261.63, .closeInstead = true},
  };
  AudioEngine engine{AudioEngine::Output::caller};
  KeyboardMidiOutput midi{engine};
  for (const Key& key : keys) {
    uint32_t handle = 0;
    ASSERT_EQ(midi.midiOutOpen(&handle, 0), kMidiOk);
    EXPECT_EQ(midi.midiOutShortMsg(handle, noteOnWord(key.offset)), kMidiOk);
    renderMono(engine, 0.1);
    const auto held = renderMono(engine, 1.1);
    EXPECT_GT(semitoneContrast(held, key.hz), 3.0) << key.name;
    EXPECT_EQ(key.closeInstead ? midi.midiOutClose(handle)
                               : midi.midiOutShortMsg(handle, noteOffWord(key.offset)),
              kMidiOk);
    renderMono(engine, 2.25);
    const auto after = renderMono(engine, 0.25);
    EXPECT_LT(toneAmplitude(after, key.hz), 0.01 * toneAmplitude(held, key.hz)) << key.name;
    if (!key.closeInstead) midi.midiOutClose(handle);
  }
}

}  // namespace quavix::test
