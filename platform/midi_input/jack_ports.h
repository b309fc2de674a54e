#pragma once

#include <jack/jack.h>

#include <atomic>
#include <memory>
#include <string>

#include "platform/midi_input/midi_ports.h"

namespace quavix {

// A JACK server's MIDI ports, read without RtMidi: RtMidi takes every event after an
// unterminated SysEx as its continuation, which would deafen that source. The game's own port
// belongs to the client that lists the sources; each other port that listens is a client of its
// own, so that letting one go never stops another.
class JackPorts : public MidiPorts {
 public:
  // Null when no JACK server runs; asked without starting one, and quietly: libjack's own lines
  // would otherwise come at every look.
  static std::unique_ptr<JackPorts> find(const std::string& clientName,
                                         const MidiReceiver& receiver);
  ~JackPorts() override;
  JackPorts(const JackPorts&) = delete;
  JackPorts& operator=(const JackPorts&) = delete;

  std::vector<std::string> list() override;
  std::unique_ptr<MidiLink> listen(const std::optional<std::string>& source, int id) override;
  bool gone() const override { return gone_; }

 private:
  JackPorts(jack_client_t* client, const std::string& clientName, const MidiReceiver& receiver);

  jack_client_t* client_;
  std::string clientName_;
  const MidiReceiver& receiver_;
  std::atomic<bool> gone_ = false;
};

}  // namespace quavix
