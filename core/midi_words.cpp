#include "core/midi_words.h"

namespace quavix {

namespace {

// The offset is scaled in 16 bits and sign-extended, so a negative one lowers the note byte.
uint32_t keyWord(int32_t base, int16_t offset) {
  const auto scaled = static_cast<int16_t>(offset * 256);
  return static_cast<uint32_t>(base + static_cast<int32_t>(scaled));
}

}  // namespace

uint32_t noteOnWord(int16_t offset) { return keyWord(0x0064359D, offset); }
uint32_t noteOffWord(int16_t offset) { return keyWord(0x0064358D, offset); }

}  // namespace quavix
