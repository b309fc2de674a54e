#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <set>
#include <tuple>
#include <vector>

#include "core/note_model.h"
#include "platform/sound/keyboard_midi_output.h"
#include "core/midi_words.h"
#include "sound_test_support.h"

namespace quavix::test {

TEST(KeyWords, TellingRows) {
  const std::tuple<int16_t, uint32_t, uint32_t> rows[] = {
      {kWhiteKeyOffsets[0], 0x0064219D, 0x0064218D},   // Command1(0)
      {kWhiteKeyOffsets[12], 0x0064359D, 0x0064358D},  // Command1(12)
      {kWhiteKeyOffsets[16], 0x00643C9D, 0x00643C8D},  // Command1(16), middle C
      {kWhiteKeyOffsets[32], 0x0064589D, 0x0064588D},  // Command1(32)
      {kBlackKeyOffsets[22], 0x0064229D, 0x0064228D},  // Command2(22)
  };
  for (const auto& [offset, press, release] : rows) {
    EXPECT_EQ(noteOnWord(offset), press) << offset;
    EXPECT_EQ(noteOffWord(offset), release) << offset;
  }
}

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

TEST(KeySound, KeySoundsItsPitchUntilReleased) {
  const std::pair<int16_t, double> keys[] = {
      {kWhiteKeyOffsets[16], 261.63},  // Command1(16), C4
      {kWhiteKeyOffsets[0], 55.0},     // Command1(0), A1
  };
  AudioEngine engine{AudioEngine::Output::caller};
  KeyboardMidiOutput midi{engine};
  uint32_t handle = 0;
  ASSERT_EQ(midi.midiOutOpen(&handle, 0), kMidiOk);
  for (const auto& [offset, hz] : keys) {
    EXPECT_EQ(midi.midiOutShortMsg(handle, noteOnWord(offset)), kMidiOk);
    renderMono(engine, 0.1);
    const auto held = renderMono(engine, 1.1);
    EXPECT_GT(semitoneContrast(held, hz), 3.0) << hz;
    EXPECT_EQ(midi.midiOutShortMsg(handle, noteOffWord(offset)), kMidiOk);
    renderMono(engine, 2.25);
    const auto after = renderMono(engine, 0.25);
    EXPECT_LT(toneAmplitude(after, hz), 0.01 * toneAmplitude(held, hz)) << hz;
  }
}

}  // namespace quavix::test
