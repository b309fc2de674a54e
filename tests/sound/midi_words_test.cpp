#include "sound/midi_words.h"

#include <gtest/gtest.h>

#include <set>

#include "game/note_model.h"

namespace quavix {
namespace {

struct TellingRow {
  const char* key;
  int16_t offset;
  uint32_t noteOn;
  uint32_t noteOff;
};

TEST(MidiWords, TellingRows) {
  const TellingRow rows[] = {
      {"Command1(0)", kWhiteKeyOffsets[0], 0x0064219D, 0x0064218D},
      {"Command1(12)", kWhiteKeyOffsets[12], 0x0064359D, 0x0064358D},
      {"Command1(32)", kWhiteKeyOffsets[32], 0x0064589D, 0x0064588D},
      {"Command2(22)", kBlackKeyOffsets[22], 0x0064229D, 0x0064228D},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.key);
    EXPECT_EQ(noteOnWord(row.offset), row.noteOn);
    EXPECT_EQ(noteOffWord(row.offset), row.noteOff);
  }
  EXPECT_EQ(noteOnWord(kWhiteKeyOffsets[16]), 0x00643C9Du);  // middle C
}

// Status 0x9D or 0x8D (channel 14), the key's pitch, velocity 100, a zero top byte.
void expectKeyWords(int16_t offset) {
  const uint32_t note = static_cast<uint32_t>(kMidiBaseNote + offset);
  EXPECT_EQ(noteOnWord(offset), 0x9Du | note << 8 | 100u << 16);
  EXPECT_EQ(noteOffWord(offset), 0x8Du | note << 8 | 100u << 16);
}

TEST(MidiWords, EveryKeyPressAndRelease) {
  for (size_t i = 0; i < kWhiteKeyOffsets.size(); ++i) {
    SCOPED_TRACE("Command1(" + std::to_string(i) + ")");
    expectKeyWords(kWhiteKeyOffsets[i]);
  }
  for (size_t i = 0; i < kBlackKeyOffsets.size(); ++i) {
    SCOPED_TRACE("Command2(" + std::to_string(i) + ")");
    expectKeyWords(kBlackKeyOffsets[i]);
  }
}

TEST(MidiWords, FiftySixKeysSoundEverySemitoneFromA1ToE6Once) {
  std::multiset<int> notes;
  for (int16_t offset : kWhiteKeyOffsets) notes.insert((noteOnWord(offset) >> 8) & 0xFF);
  for (int16_t offset : kBlackKeyOffsets) notes.insert((noteOnWord(offset) >> 8) & 0xFF);
  std::multiset<int> expected;
  for (int note = 33; note <= 88; ++note) expected.insert(note);
  EXPECT_EQ(notes, expected);
}

}  // namespace
}  // namespace quavix
