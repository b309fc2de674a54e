#include "platform/midi_input/rtmidi_input.h"

#include <iostream>

#include "platform/midi_input/alsa_ports.h"
#include "platform/midi_input/jack_ports.h"
#include "platform/midi_input/midi_problem.h"

namespace quavix {

RtMidiInput::RtMidiInput(Receiver receiver, std::string clientName)
    : receiver_(std::move(receiver)), clientName_(std::move(clientName)), book_(clientName_) {
  ports_ = findSystem();
  if (!ports_) {
    std::cerr << "quavix: no MIDI input (no ALSA sequencer and no JACK server); the mouse and "
                 "the computer keys still play\n";
  }
}

RtMidiInput::~RtMidiInput() = default;

std::unique_ptr<MidiPorts> RtMidiInput::findSystem() const {
  if (auto alsa = AlsaPorts::find(clientName_, receiver_)) return alsa;
  return JackPorts::find(clientName_, receiver_);
}

void RtMidiInput::refresh(const std::vector<std::string>& switchedOff) {
  if (ports_ && ports_->gone()) {
    reportMidiProblem("the JACK server stopped; MIDI input comes back when one runs again");
    book_.clear();
    ports_.reset();
  }
  // Cheap where there is neither: a file's access and a refused socket connection.
  if (!ports_) ports_ = findSystem();
  if (ports_) book_.refresh(*ports_, switchedOff);
}

}  // namespace quavix
