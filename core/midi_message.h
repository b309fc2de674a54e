#pragma once

#include <cstdint>

// A MIDI short message packed into one word, as the MIDI output takes it: the status byte in the
// low byte, then the first and the second data byte.
namespace quavix::midi {

constexpr uint8_t kNoteOff = 0x80;
constexpr uint8_t kNoteOn = 0x90;
// A status byte has its top bit set; data bytes never do.
constexpr uint8_t kStatusFlag = 0x80;
constexpr uint8_t kDataMax = 0x7F;
constexpr uint8_t kKindMask = 0xF0;
constexpr uint8_t kChannelMask = 0x0F;

constexpr int kDataShift = 8;
constexpr int kValueShift = 16;
constexpr uint32_t kByteMask = 0xFF;

constexpr uint32_t packWord(uint8_t status, uint8_t data1, uint8_t data2) {
  return uint32_t{status} | uint32_t{data1} << kDataShift | uint32_t{data2} << kValueShift;
}
constexpr uint8_t statusOf(uint32_t word) { return word & kByteMask; }
constexpr uint8_t data1Of(uint32_t word) { return (word >> kDataShift) & kByteMask; }
constexpr uint8_t data2Of(uint32_t word) { return (word >> kValueShift) & kByteMask; }

}  // namespace quavix::midi
