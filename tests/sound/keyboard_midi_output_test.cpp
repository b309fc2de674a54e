#include "sound/keyboard_midi_output.h"

#include <gtest/gtest.h>

#include "audio_analysis.h"
#include "game/note_model.h"
#include "sound/midi_words.h"
#include "test_files.h"

namespace quavix {
namespace {

using test::renderMono;
using test::rms;
using test::semitoneContrast;
using test::slice;

class KeyboardTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(midi.midiOutOpen(&handle, 0), kMidiOk); }

  // Loudness of the last quarter second after rendering `seconds` more.
  double loudnessAfter(double seconds) {
    return rms(slice(renderMono(engine, seconds), seconds - 0.25, seconds));
  }

  AudioEngine engine{AudioEngine::Output::caller};
  KeyboardMidiOutput midi{engine};
  uint32_t handle = 0;
};

struct KeyCase {
  const char* key;
  int16_t offset;
  double frequency;
};

TEST_F(KeyboardTest, KeySoundsItsPitchUntilReleased) {
  const KeyCase cases[] = {
      {"Command1(16), C4", kWhiteKeyOffsets[16], 261.63},
      {"Command1(0), A1", kWhiteKeyOffsets[0], 55.0},
      {"Command2(22), A#1", kBlackKeyOffsets[22], 58.27},
      {"Command1(32), E6", kWhiteKeyOffsets[32], 1318.51},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(midi.midiOutShortMsg(handle, noteOnWord(c.offset)), kMidiOk);
    const auto held = renderMono(engine, 1.2);
    EXPECT_GT(semitoneContrast(slice(held, 0.1, 1.2), c.frequency), 3.0);
    const double sounding = rms(slice(held, 0.1, 1.2));
    EXPECT_EQ(midi.midiOutShortMsg(handle, noteOffWord(c.offset)), kMidiOk);
    EXPECT_LT(loudnessAfter(2.5), 0.01 * sounding);
  }
}

TEST_F(KeyboardTest, NoteOffOnlyEndsTheNoteOfItsChannel) {
  const uint32_t middleCOn = noteOnWord(kWhiteKeyOffsets[16]);
  midi.midiOutShortMsg(handle, middleCOn);
  const double sounding = rms(slice(renderMono(engine, 0.3), 0.05, 0.3));
  ASSERT_GT(sounding, 0.001);

  const uint32_t sameNoteChannel1Off = (middleCOn & 0xFFFFFF00) | 0x80;
  midi.midiOutShortMsg(handle, sameNoteChannel1Off);
  EXPECT_GT(loudnessAfter(2.5), 0.01 * sounding);

  const uint32_t zeroVelocityOn = middleCOn & 0x0000FFFF;
  EXPECT_EQ(midi.midiOutShortMsg(handle, zeroVelocityOn), kMidiOk);
  EXPECT_LT(loudnessAfter(2.5), 0.01 * sounding);
}

TEST_F(KeyboardTest, CloseReleasesHeldNotesAndEndsTheHandle) {
  midi.midiOutShortMsg(handle, noteOnWord(kWhiteKeyOffsets[16]));
  const double sounding = rms(slice(renderMono(engine, 0.3), 0.05, 0.3));
  EXPECT_EQ(midi.midiOutClose(handle), kMidiOk);
  EXPECT_LT(loudnessAfter(2.5), 0.01 * sounding);

  EXPECT_EQ(midi.midiOutShortMsg(handle, noteOnWord(kWhiteKeyOffsets[16])), kMidiInvalidHandle);
  EXPECT_LT(loudnessAfter(0.5), 0.01 * sounding);
  EXPECT_EQ(midi.midiOutClose(handle), kMidiInvalidHandle);
}

TEST_F(KeyboardTest, ResultCodes) {
  const uint32_t onWord = noteOnWord(kWhiteKeyOffsets[16]);
  uint32_t other = 0;
  EXPECT_EQ(midi.midiOutOpen(&other, 0), kMidiAllocated);
  EXPECT_EQ(other, 0u);
  EXPECT_EQ(midi.midiOutOpen(&other, 1), kMidiBadDeviceId);
  EXPECT_EQ(midi.midiOutShortMsg(0, onWord), kMidiInvalidHandle);
  EXPECT_EQ(midi.midiOutShortMsg(handle + 1, onWord), kMidiInvalidHandle);
  EXPECT_EQ(midi.midiOutShortMsg(handle, 0x00643C3D), kMidiInvalidParam);  // no status byte
  EXPECT_EQ(midi.midiOutShortMsg(handle, 0x00E43C9D), kMidiInvalidParam);  // velocity 0xE4
  EXPECT_EQ(midi.midiOutShortMsg(handle, 0x000005CD), kMidiNotSupported);  // program change

  const uint32_t first = handle;
  ASSERT_EQ(midi.midiOutClose(handle), kMidiOk);
  ASSERT_EQ(midi.midiOutOpen(&handle, 0), kMidiOk);
  EXPECT_NE(handle, first);
  EXPECT_EQ(midi.midiOutShortMsg(first, onWord), kMidiInvalidHandle);
  EXPECT_EQ(midi.midiOutShortMsg(handle, onWord), kMidiOk);
}

}  // namespace
}  // namespace quavix
