#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/interfaces/midi_input.h"
#include "platform/midi_input/midi_ports.h"

namespace quavix {

// Which ports of a MIDI system the game listens to: its own port, which other programs connect
// to (switched off by `ownName`, it stays open but unlistened), and every source found but the
// game's own ports and the system's pass-through, unless switched off by name. Each connection
// is a new source id, so that nothing queued before it counts. A port that refuses is said once,
// and tried again when it is plugged in again or switched off and on.
class MidiPortBook {
 public:
  explicit MidiPortBook(std::string ownName) : ownName_(std::move(ownName)) {}

  void refresh(MidiPorts& ports, const std::vector<std::string>& switchedOff);
  // Lets go of every port, as when the system went away; ids given later are still new.
  void clear();
  std::vector<MidiSource> sources() const;

 private:
  struct Connection {
    MidiSource source;
    std::string portName;  // as the system lists it
    std::unique_ptr<MidiLink> link;
    bool refused = false;
  };

  std::string ownName_;
  bool ownTried_ = false;
  MidiSource own_;
  std::unique_ptr<MidiLink> ownLink_;
  std::vector<Connection> connections_;
  int nextId_ = 1;
};

// A source's name without what changes when it is plugged in again (ALSA's client:port numbers).
std::string stableMidiSourceName(const std::string& portName);
// The sources that are never connected to by themselves.
bool isOwnOrPassThrough(const std::string& portName, const std::string& clientName);

}  // namespace quavix
