#include "core/midi_notes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/computer_keys.h"
#include "core/note_model.h"

namespace quavix {
namespace {

using layout::KeyRef;

TEST(KeyForNote, CoversTheKeyboardAndNothingElse) {
  struct Case {
    int note;
    std::optional<KeyRef> key;
  };
  const Case cases[] = {
      {32, std::nullopt},      {33, KeyRef{false, 0}}, {34, KeyRef{true, 22}},
      {60, KeyRef{false, 16}}, {61, KeyRef{true, 10}}, {88, KeyRef{false, 32}},
      {89, std::nullopt},      {0, std::nullopt},      {127, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(keyForNote(c.note), c.key) << c.note;
  // Every key once, each at its own note.
  for (int note = 33; note <= 88; ++note) {
    const KeyRef key = *keyForNote(note);
    const int offset = key.black ? kBlackKeyOffsets[key.index] : kWhiteKeyOffsets[key.index];
    EXPECT_EQ(kMidiBaseNote + offset, note);
  }
}

TEST(ReadNoteMessage, NotesOnEveryChannelAndNothingElse) {
  struct Case {
    std::vector<uint8_t> bytes;
    std::optional<NotePlay> play;
  };
  const Case cases[] = {
      {{0x90, 60, 100}, NotePlay{60, true}},
      {{0x9F, 60, 1}, NotePlay{60, true}},
      {{0x90, 60, 0}, NotePlay{60, false}},  // velocity 0 is a release
      {{0x80, 61, 64}, NotePlay{61, false}},
      {{0x8D, 88, 0}, NotePlay{88, false}},
      {{60, 100}, std::nullopt},  // running status: RtMidi always hands on the status byte
      {{0xB0, 64, 127}, std::nullopt},
      {{0xC0, 5}, std::nullopt},
      {{0xF8}, std::nullopt},
      {{0x90, 0x80, 100}, std::nullopt},
      {{}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readNoteMessage(c.bytes), c.play) << testing::PrintToString(c.bytes);
  }
  for (uint8_t channel = 0; channel < 16; ++channel) {
    EXPECT_EQ(readNoteMessage(std::vector<uint8_t>{uint8_t(0x90 | channel), 40, 9}),
              (NotePlay{40, true}));
  }
}

TEST(ComputerKeys, TwoRowsFromTheOctavesC) {
  struct Case {
    char key;
    int octave;
    std::optional<int> note;
  };
  const Case cases[] = {
      {'a', 4, 60},  {'w', 4, 61},           {'j', 4, 71},           {'k', 4, 72},
      {'\'', 4, 77}, {'a', 1, 24},           {'h', 1, 33},           {'\'', 5, 89},
      {';', 5, 88},  {'r', 4, std::nullopt}, {'z', 4, std::nullopt}, {'A', 4, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(computerKeyNote(c.key, c.octave), c.note) << c.key;
  EXPECT_EQ(computerKeyOctaveStep('z'), -1);
  EXPECT_EQ(computerKeyOctaveStep('x'), 1);
  EXPECT_EQ(computerKeyOctaveStep('a'), 0);
}

}  // namespace
}  // namespace quavix
