#include "core/midi_notes.h"

#include "core/note_model.h"

namespace quavix {

namespace {

constexpr uint8_t kNoteOff = 0x80;
constexpr uint8_t kNoteOn = 0x90;

}  // namespace

std::optional<layout::KeyRef> keyForNote(int note) {
  const int offset = note - kMidiBaseNote;
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    if (kWhiteKeyOffsets[i] == offset) return layout::KeyRef{false, i};
  }
  for (int i = 0; i < kBlackKeyCount; ++i) {
    if (kBlackKeyOffsets[i] == offset) return layout::KeyRef{true, i};
  }
  return std::nullopt;
}

std::optional<NotePlay> readNoteMessage(std::span<const uint8_t> message) {
  if (message.size() < 3) return std::nullopt;
  const uint8_t kind = message[0] & 0xF0;
  const uint8_t note = message[1];
  const uint8_t velocity = message[2];
  if ((note | velocity) & 0x80) return std::nullopt;
  if (kind == kNoteOn) return NotePlay{note, velocity != 0};
  if (kind == kNoteOff) return NotePlay{note, false};
  return std::nullopt;
}

}  // namespace quavix
