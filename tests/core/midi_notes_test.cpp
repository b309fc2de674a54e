#include "core/midi_notes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/note_model.h"

namespace quavix {
namespace {

using layout::KeyRef;

TEST(KeyForNote, CoversTheKeyboardAndNothingElse) {
  const std::pair<int, std::optional<KeyRef>> cases[] = {
      {32, std::nullopt},     {33, KeyRef{false, 0}},  {34, KeyRef{true, 22}},
      {61, KeyRef{true, 10}}, {88, KeyRef{false, 32}}, {89, std::nullopt},
      {0, std::nullopt},      {127, std::nullopt}};
  for (const auto& [note, key] : cases) EXPECT_EQ(keyForNote(note), key) << note;
  GameState tables;
  fillKeyTables(tables);
  for (int note = 33; note <= 88; ++note) EXPECT_EQ(keyMidiNote(tables, *keyForNote(note)), note);
}

TEST(ReadNoteMessage, NotesOnEveryChannelAndNothingElse) {
  const std::pair<std::vector<uint8_t>, std::optional<NotePlay>> cases[] = {
      {{0x90, 60, 100}, NotePlay{60, true}}, {{0x9F, 60, 1}, NotePlay{60, true}},
      {{0x90, 60, 0}, NotePlay{60, false}},  // velocity 0 is a release
      {{0x8D, 88, 64}, NotePlay{88, false}}, {{60, 100}, std::nullopt},
      {{0xB0, 64, 127}, std::nullopt},       {{0xC0, 5}, std::nullopt},
      {{0x90, 0x80, 100}, std::nullopt},     {{}, std::nullopt}};
  for (const auto& [bytes, play] : cases) {
    EXPECT_EQ(readNoteMessage(bytes), play) << testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace quavix
