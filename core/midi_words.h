#pragma once

#include <cstdint>

namespace quavix {

// Short-message words of a key on channel 14 at velocity 100, from its semitone offset to F3.
uint32_t noteOnWord(int16_t offset);
uint32_t noteOffWord(int16_t offset);

}  // namespace quavix
