#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quavix {

// Called on the MIDI system's threads with each whole message from source `source`.
using MidiReceiver = std::function<void(int source, std::vector<uint8_t> message)>;

// A port that listens; destroying it lets go, and no message of it comes after that.
class MidiLink {
 public:
  virtual ~MidiLink() = default;
};

// One MIDI system's ports (the ALSA sequencer's, a JACK server's): what the bookkeeping
// connects and lets go of.
class MidiPorts {
 public:
  virtual ~MidiPorts() = default;
  // The ports that sources send from, as the system names them.
  virtual std::vector<std::string> list() = 0;
  // Listens to the port named `source` (none: the game's own port, which other programs connect
  // to) and hands its messages on with `id`; null, said on stderr, where the system refuses.
  virtual std::unique_ptr<MidiLink> listen(const std::optional<std::string>& source, int id) = 0;
  // True once the system went away (a JACK server stopped): nothing it gave works any more.
  virtual bool gone() const = 0;
};

}  // namespace quavix
