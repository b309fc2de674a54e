#pragma once

#include <rtmidi/RtMidi.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/interfaces/midi_input.h"

namespace quavix {

// The MIDI inputs through RtMidi: the ALSA sequencer where it exists, else a running JACK
// server; with neither, one line on stderr and no sources. It opens an input port of its own,
// named after the client, that other programs may connect to (source 1, switched off by
// that name, which leaves it open but unlistened), and connects a port of
// the same name to each source it finds, except its own and the system's pass-through port.
// Everything but the receiver runs on the thread that made it.
class RtMidiInput : public MidiInput {
 public:
  // Called on RtMidi's threads with each message, running status resolved.
  using Receiver = std::function<void(int source, std::vector<uint8_t> message)>;

  explicit RtMidiInput(Receiver receiver, std::string clientName = "Quavix");
  ~RtMidiInput() override;
  RtMidiInput(const RtMidiInput&) = delete;
  RtMidiInput& operator=(const RtMidiInput&) = delete;

  void refresh(const std::vector<std::string>& switchedOff) override;
  std::vector<MidiSource> sources() const override;

 private:
  struct Listener;
  struct Connection {
    MidiSource source;
    std::string portName;  // as RtMidi lists it
    std::unique_ptr<Listener> listener;
    bool refused = false;
  };

  std::unique_ptr<Listener> listen(int id, std::optional<unsigned> port);

  Receiver receiver_;
  std::string clientName_;
  std::optional<RtMidi::Api> api_;
  std::unique_ptr<Listener> own_;  // the port of our own; it also lists the sources
  bool ownOn_ = true;
  std::vector<Connection> connections_;
  int nextId_ = 2;
};

// A source's name without what changes when it is plugged in again (ALSA's client:port numbers).
std::string stableMidiSourceName(const std::string& portName);
// The sources that are never connected to by themselves.
bool isOwnOrPassThrough(const std::string& portName, const std::string& clientName);

}  // namespace quavix
