#pragma once

#include <rtmidi/RtMidi.h>

#include <memory>
#include <string>

#include "platform/midi_input/midi_ports.h"

namespace quavix {

// The ALSA sequencer's ports, through RtMidi. Each port that listens is a client of its own.
class AlsaPorts : public MidiPorts {
 public:
  // Null where there is no sequencer; asked without ALSA's own error on stderr.
  static std::unique_ptr<AlsaPorts> find(const std::string& clientName,
                                         const MidiReceiver& receiver);

  std::vector<std::string> list() override;
  std::unique_ptr<MidiLink> listen(const std::optional<std::string>& source, int id) override;
  bool gone() const override { return false; }

 private:
  AlsaPorts(const std::string& clientName, const MidiReceiver& receiver)
      : clientName_(clientName), receiver_(receiver), lister_(RtMidi::LINUX_ALSA, clientName) {}

  std::string clientName_;
  const MidiReceiver& receiver_;
  RtMidiIn lister_;
};

}  // namespace quavix
