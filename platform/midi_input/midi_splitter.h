#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace quavix {

// Cuts what a MIDI source sends into whole messages. A SysEx may run over several pieces, and any
// status byte but a real-time one ends it: a source that leaves one unterminated is heard again
// at its next message. Real-time bytes come out on their own wherever they stand; a SysEx cut
// short, one too long to keep and stray data bytes are dropped. Running status is not resolved.
class MidiSplitter {
 public:
  using Out = std::function<void(std::vector<uint8_t> message)>;

  // One piece as the system hands it over (a JACK event, an ALSA message). Outside a SysEx the
  // piece's end also ends its message.
  void feed(std::span<const uint8_t> piece, const Out& out);

 private:
  bool inSysex() const { return !pending_.empty() && pending_.front() == 0xF0; }
  void flush(const Out& out);

  std::vector<uint8_t> pending_;
};

}  // namespace quavix
