#include "platform/midi_input/midi_splitter.h"

#include <utility>

namespace quavix {

namespace {

constexpr uint8_t kEndOfSysex = 0xF7;
constexpr uint8_t kFirstRealTime = 0xF8;
// Far beyond any instrument's dump; the game ignores SysEx, and memory must not grow without end.
constexpr size_t kLongestSysex = 1 << 16;

bool isStatus(uint8_t byte) { return byte & 0x80; }

}  // namespace

void MidiSplitter::feed(std::span<const uint8_t> piece, const Out& out) {
  for (const uint8_t byte : piece) {
    if (byte >= kFirstRealTime) {
      out({byte});
    } else if (byte == kEndOfSysex && inSysex()) {
      pending_.push_back(byte);
      out(std::exchange(pending_, {}));
    } else if (isStatus(byte)) {
      flush(out);
      if (byte != kEndOfSysex) pending_.push_back(byte);
    } else if (inSysex() && pending_.size() >= kLongestSysex) {
      pending_.clear();
    } else if (!pending_.empty()) {
      pending_.push_back(byte);
    }
  }
  if (!inSysex()) flush(out);
}

void MidiSplitter::flush(const Out& out) {
  if (!pending_.empty() && !inSysex()) out(std::move(pending_));
  pending_.clear();
}

}  // namespace quavix
