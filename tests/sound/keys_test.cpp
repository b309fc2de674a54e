#include <gtest/gtest.h>

#include "core/midi_words.h"
#include "core/note_model.h"
#include "platform/sound/engine_sound_system.h"
#include "platform/sound/keyboard_midi_output.h"
#include "sound_test_support.h"

namespace quavix::test {

// A key held when the output closes, as at the window's unload, must not ring on. No drum kit is
// loaded, so channel 10 sounds pitches like the others. Each new tune deletes the one before, and
// with it its hold on the SoundFont that the keyboard lends it; each plays its one note, then
// nothing until it starts again at 2 s.
TEST(KeySound, SoundsItsPitchUntilReleasedOrClosedWhileTunesComeAndGo) {
  struct Key {
    int16_t offset;
    double hz;
    uint32_t channel;
    bool closeInstead;  // of sending the note-off
  };
  // D4, none of whose harmonics is the tune's C5, and A1, the lowest key.
  const Key keys[] = {{kWhiteKeyOffsets[0], 55.0, 14, false},
                      {kWhiteKeyOffsets[17], 293.66, 14, true},
                      {kWhiteKeyOffsets[17], 293.66, 10, false}};
  const TempDir dir;
  writeBytes(dir / "tune.mid", kOneNoteTune);
  AudioEngine engine{AudioEngine::Output::caller};
  KeyboardMidiOutput midi{engine};
  EngineSoundSystem tune{engine, dir / "tune.mid"};
  for (const Key& key : keys) {
    SCOPED_TRACE(testing::Message() << key.hz << " Hz on channel " << key.channel);
    ASSERT_TRUE(tune.setUpAudio());
    const double tuneNote = toneAmplitude(renderMono(engine, 0.2), kC5);
    EXPECT_GT(tuneNote, 0.01);
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
    renderMono(engine, 0.3);
    EXPECT_LT(toneAmplitude(renderMono(engine, 0.29), kC5), 0.1 * tuneNote);
    renderMono(engine, 0.02);
    EXPECT_GT(toneAmplitude(renderMono(engine, 0.19), kC5), 0.7 * tuneNote);
    renderMono(engine, 1.45);
    EXPECT_LT(toneAmplitude(renderMono(engine, 0.25), key.hz), 0.01 * toneAmplitude(held, key.hz));
    if (!key.closeInstead) midi.midiOutClose(handle);
  }
}

}  // namespace quavix::test
