#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <set>
#include <span>

#include "core/midi_words.h"
#include "core/note_model.h"
#include "platform/sound/engine_sound_system.h"
#include "platform/sound/keyboard_midi_output.h"
#include "sound_test_support.h"

namespace quavix::test {

// Channel 14 at velocity 100, each key its own semitone: the 56 keys sound A1 (33) to E6 (88).
TEST(KeyWords, EveryKeyPressAndReleaseCoverA1ToE6Once) {
  std::set<uint32_t> notes;
  using Offsets = std::span<const int16_t>;
  for (Offsets offsets : {Offsets(kWhiteKeyOffsets), Offsets(kBlackKeyOffsets)}) {
    for (int16_t offset : offsets) {
      const uint32_t note = kMidiBaseNote + offset;
      EXPECT_EQ(noteOnWord(offset), 0x0064009D | note << 8) << offset;
      EXPECT_EQ(noteOffWord(offset), 0x0064008D | note << 8) << offset;
      notes.insert(note);
    }
  }
  EXPECT_TRUE(std::ranges::equal(notes, std::views::iota(33u, 89u)));
}

// A key held when the output closes, as at the window's unload, must not ring on. No drum kit is
// loaded, so channel 10 sounds pitches like the others. Each new tune deletes the one before, and
// with it its hold on the SoundFont that the keyboard lends it.
TEST(KeySound, SoundsItsPitchUntilReleasedOrClosedWhileTunesComeAndGo) {
  struct Key {
    const char* name;
    int16_t offset = kWhiteKeyOffsets[16];
    double hz = 261.63;
    uint32_t channel = 14;
    bool closeInstead = false;  // of sending the note-off
  };
  const Key keys[] = {
      {.name = "C4"},
      {.name = "A1", .offset = kWhiteKeyOffsets[0], .hz = 55.0},
      {.name = "C4, closed", .closeInstead = true},
      {.name = "C4 on channel 10", .channel = 10},
      {.name = "C4 on channel 1", .channel = 1},
  };
  const TempDir dir;
  writeBytes(dir / "tune.mid", kOneNoteTune);
  AudioEngine engine{AudioEngine::Output::caller};
  KeyboardMidiOutput midi{engine};
  EngineSoundSystem tune{engine, dir / "tune.mid"};
  for (const Key& key : keys) {
    SCOPED_TRACE(key.name);
    ASSERT_TRUE(tune.setUpAudio());
    EXPECT_GT(toneAmplitude(renderMono(engine, 0.2), kC5), 0.01);
    const auto onChannel = [&](uint32_t word) { return (word & ~0xFu) | (key.channel - 1); };
    uint32_t handle = 0;
    ASSERT_EQ(midi.midiOutOpen(&handle, 0), kMidiOk);
    EXPECT_EQ(midi.midiOutShortMsg(handle, onChannel(noteOnWord(key.offset))), kMidiOk);
    renderMono(engine, 0.1);
    const auto held = renderMono(engine, 1.1);
    EXPECT_GT(semitoneContrast(held, key.hz), 3.0);
    EXPECT_EQ(key.closeInstead ? midi.midiOutClose(handle)
                               : midi.midiOutShortMsg(handle, onChannel(noteOffWord(key.offset))),
              kMidiOk);
    renderMono(engine, 2.25);
    EXPECT_LT(toneAmplitude(renderMono(engine, 0.25), key.hz), 0.01 * toneAmplitude(held, key.hz));
    if (!key.closeInstead) midi.midiOutClose(handle);
  }
}

}  // namespace quavix::test
