#include "core/midi_words.h"

#include "core/midi_message.h"
#include "core/note_model.h"

namespace quavix {

namespace {

constexpr uint8_t kKeyboardChannel = 13;  // channel 14, counted from 1
constexpr uint8_t kKeyboardVelocity = 100;

// The words of F3, the note that offsets count from.
constexpr uint32_t kBaseNoteOn =
    midi::packWord(midi::kNoteOn | kKeyboardChannel, kMidiBaseNote, kKeyboardVelocity);
constexpr uint32_t kBaseNoteOff =
    midi::packWord(midi::kNoteOff | kKeyboardChannel, kMidiBaseNote, kKeyboardVelocity);

// The offset is scaled in 16 bits and sign-extended, so a negative one lowers the note byte.
uint32_t keyWord(uint32_t base, int16_t offset) {
  const auto scaled = static_cast<int16_t>(offset * (1 << midi::kDataShift));
  return static_cast<uint32_t>(static_cast<int32_t>(base) + static_cast<int32_t>(scaled));
}

}  // namespace

uint32_t noteOnWord(int16_t offset) { return keyWord(kBaseNoteOn, offset); }
uint32_t noteOffWord(int16_t offset) { return keyWord(kBaseNoteOff, offset); }

}  // namespace quavix
