#pragma once

#include <memory>
#include <string>

#include "core/interfaces/midi_input.h"
#include "platform/midi_input/midi_ports.h"
#include "platform/midi_input/port_book.h"

namespace quavix {

// The MIDI inputs: the ALSA sequencer (through RtMidi) where it exists, else a running JACK
// server. With neither at start, one line on stderr and no sources; each refresh looks again, so
// a JACK server started later is found then, and one that stops is let go of and looked for
// again. Everything but the receiver runs on the thread that made it.
class RtMidiInput : public MidiInput {
 public:
  // Called on the MIDI system's threads with each whole message; JACK hands over whole messages
  // and ALSA's are decoded whole, so running status never reaches it.
  using Receiver = MidiReceiver;

  explicit RtMidiInput(Receiver receiver, std::string clientName = "Quavix");
  ~RtMidiInput() override;
  RtMidiInput(const RtMidiInput&) = delete;
  RtMidiInput& operator=(const RtMidiInput&) = delete;

  void refresh(const std::vector<std::string>& switchedOff) override;
  std::vector<MidiSource> sources() const override { return book_.sources(); }

 private:
  std::unique_ptr<MidiPorts> findSystem() const;

  Receiver receiver_;
  std::string clientName_;
  std::unique_ptr<MidiPorts> ports_;
  MidiPortBook book_;  // after the ports, so that its links go first
};

}  // namespace quavix
