#include "platform/midi_input/rtmidi_input.h"

#include <jack/jack.h>
#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <regex>

namespace quavix {

namespace {

constexpr int kOwnPortId = 1;

void reportProblem(const std::string& text) { std::cerr << "quavix: MIDI input: " << text << '\n'; }

void quiet(const char*) {}

// Asked without starting a server, and without libjack's own lines on stderr, which would
// otherwise also say so at every failed attempt.
bool jackServerRuns() {
  jack_set_error_function(quiet);
  jack_set_info_function(quiet);
  jack_status_t status{};
  jack_client_t* probe = jack_client_open("quavix-probe", JackNoStartServer, &status);
  if (!probe) return false;
  jack_client_close(probe);
  return true;
}

// Opening an ALSA client where there is no sequencer would have ALSA print its own error.
std::optional<RtMidi::Api> chooseApi(const std::string& clientName) {
  if (access("/dev/snd/seq", R_OK | W_OK) == 0) {
    try {
      RtMidiIn probe(RtMidi::LINUX_ALSA, clientName);
      return RtMidi::LINUX_ALSA;
    } catch (const RtMidiError&) {
    }
  }
  if (jackServerRuns()) return RtMidi::UNIX_JACK;
  return std::nullopt;
}

}  // namespace

struct RtMidiInput::Listener {
  Listener(RtMidi::Api api, const std::string& clientName, Receiver& receiver, int id)
      : in(api, clientName), receiver(receiver), id(id) {
    in.setErrorCallback(&Listener::refuse, this);
    in.setCallback(&Listener::deliver, this);
  }
  static void refuse(RtMidiError::Type, const std::string& text, void* self) {
    static_cast<Listener*>(self)->refused = true;
    reportProblem(text);
  }
  static void deliver(double, std::vector<unsigned char>* message, void* self) {
    const auto* listener = static_cast<Listener*>(self);
    if (message) listener->receiver(listener->id, {message->begin(), message->end()});
  }

  RtMidiIn in;
  Receiver& receiver;
  int id;
  bool refused = false;
};

RtMidiInput::RtMidiInput(Receiver receiver, std::string clientName)
    : receiver_(std::move(receiver)), clientName_(std::move(clientName)) {
  api_ = chooseApi(clientName_);
  if (!api_) {
    std::cerr << "quavix: no MIDI input (no ALSA sequencer and no JACK server); the mouse and "
                 "the computer keys still play\n";
    return;
  }
  own_ = listen(kOwnPortId, std::nullopt);
}

RtMidiInput::~RtMidiInput() = default;

std::unique_ptr<RtMidiInput::Listener> RtMidiInput::listen(int id, std::optional<unsigned> port) {
  try {
    auto listener = std::make_unique<Listener>(*api_, clientName_, receiver_, id);
    // RtMidi counts only a connection to a source as an open port, not a port of its own.
    if (port) {
      listener->in.openPort(*port, clientName_);
      if (!listener->in.isPortOpen()) listener->refused = true;
    } else {
      listener->in.openVirtualPort(clientName_);
    }
    if (!listener->refused) return listener;
  } catch (const RtMidiError& error) {
    reportProblem(error.getMessage());
  }
  return nullptr;
}

void RtMidiInput::refresh(const std::vector<std::string>& switchedOff) {
  if (!own_) return;
  ownOn_ = std::find(switchedOff.begin(), switchedOff.end(), clientName_) == switchedOff.end();
  RtMidiIn& lister = own_->in;
  std::vector<std::string> found;
  const unsigned count = lister.getPortCount();
  for (unsigned i = 0; i < count; ++i) found.push_back(lister.getPortName(i));
  auto isOff = [&](const std::string& name) {
    return std::find(switchedOff.begin(), switchedOff.end(), name) != switchedOff.end();
  };

  std::erase_if(connections_, [&](const Connection& c) {
    return std::find(found.begin(), found.end(), c.portName) == found.end();
  });
  for (Connection& c : connections_) {
    if (isOff(c.source.name)) {
      c.listener.reset();
      c.source.connected = false;
    }
  }
  for (unsigned i = 0; i < found.size(); ++i) {
    const std::string& portName = found[i];
    if (isOwnOrPassThrough(portName, clientName_)) continue;
    auto known = std::find_if(connections_.begin(), connections_.end(),
                              [&](const Connection& c) { return c.portName == portName; });
    if (known == connections_.end()) {
      connections_.push_back({{0, stableMidiSourceName(portName), false}, portName, {}});
      known = connections_.end() - 1;
    }
    if (known->listener || known->refused || isOff(known->source.name)) continue;
    // Each connection is a new source, so that nothing queued before it counts.
    known->source.id = nextId_++;
    known->listener = listen(known->source.id, i);
    known->source.connected = known->listener != nullptr;
    // Said once; it is tried again when it is plugged in again.
    known->refused = !known->source.connected;
  }
}

std::vector<MidiSource> RtMidiInput::sources() const {
  std::vector<MidiSource> list;
  if (own_) list.push_back({kOwnPortId, clientName_, ownOn_});
  for (const Connection& c : connections_) list.push_back(c.source);
  return list;
}

std::string stableMidiSourceName(const std::string& portName) {
  static const std::regex numbers(R"( \d+:\d+$)");
  return std::regex_replace(portName, numbers, "");
}

bool isOwnOrPassThrough(const std::string& portName, const std::string& clientName) {
  return portName.starts_with(clientName) || portName.starts_with("Midi Through");
}

}  // namespace quavix
