#include "platform/midi_input/jack_ports.h"

#include <jack/midiport.h>

#include "platform/midi_input/midi_problem.h"
#include "platform/midi_input/midi_splitter.h"

namespace quavix {

namespace {

void quiet(const char*) {}

jack_client_t* openClient(const std::string& name) {
  return jack_client_open(name.c_str(), JackNoStartServer, nullptr);
}

class JackLink : public MidiLink {
 public:
  // Listens through a port of `client`, which it closes at the end if `owned`, and else stops.
  JackLink(jack_client_t* client, bool owned, const MidiReceiver& receiver, int id)
      : client_(client), owned_(owned), receiver_(receiver), id_(id) {}
  ~JackLink() override {
    if (owned_) {
      jack_client_close(client_);
    } else {
      jack_deactivate(client_);
      if (port_) jack_port_unregister(client_, port_);
    }
  }

  bool open(const std::string& portName) {
    port_ =
        jack_port_register(client_, portName.c_str(), JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    return port_ && jack_set_process_callback(client_, &JackLink::process, this) == 0 &&
           jack_activate(client_) == 0;
  }
  bool connect(const std::string& source) {
    return jack_connect(client_, source.c_str(), jack_port_name(port_)) == 0;
  }

 private:
  static int process(jack_nframes_t frames, void* self) {
    auto* link = static_cast<JackLink*>(self);
    void* buffer = jack_port_get_buffer(link->port_, frames);
    const uint32_t count = jack_midi_get_event_count(buffer);
    for (uint32_t i = 0; i < count; ++i) {
      jack_midi_event_t event;
      if (jack_midi_event_get(&event, buffer, i) != 0) continue;
      link->splitter_.feed({event.buffer, event.size}, [link](std::vector<uint8_t> message) {
        link->receiver_(link->id_, std::move(message));
      });
    }
    return 0;
  }

  jack_client_t* client_;
  bool owned_;
  const MidiReceiver& receiver_;
  int id_;
  jack_port_t* port_ = nullptr;
  MidiSplitter splitter_;
};

}  // namespace

std::unique_ptr<JackPorts> JackPorts::find(const std::string& clientName,
                                           const MidiReceiver& receiver) {
  jack_set_error_function(quiet);
  jack_set_info_function(quiet);
  jack_client_t* client = openClient(clientName);
  if (!client) return nullptr;
  return std::unique_ptr<JackPorts>(new JackPorts(client, clientName, receiver));
}

JackPorts::JackPorts(jack_client_t* client, const std::string& clientName,
                     const MidiReceiver& receiver)
    : client_(client), clientName_(clientName), receiver_(receiver) {
  jack_on_shutdown(
      client_, [](void* self) { static_cast<JackPorts*>(self)->gone_ = true; }, this);
}

JackPorts::~JackPorts() { jack_client_close(client_); }

std::vector<std::string> JackPorts::list() {
  std::vector<std::string> names;
  const char** ports = jack_get_ports(client_, nullptr, JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput);
  for (const char** port = ports; port && *port; ++port) names.emplace_back(*port);
  jack_free(ports);
  return names;
}

std::unique_ptr<MidiLink> JackPorts::listen(const std::optional<std::string>& source, int id) {
  jack_client_t* client = source ? openClient(clientName_) : client_;
  if (!client) {
    reportMidiProblem("cannot open a JACK client to listen to " + *source);
    return nullptr;
  }
  auto link = std::make_unique<JackLink>(client, source.has_value(), receiver_, id);
  if (!link->open(clientName_)) {
    reportMidiProblem("cannot open a JACK MIDI port named " + clientName_);
    return nullptr;
  }
  if (source && !link->connect(*source)) {
    reportMidiProblem("cannot connect to " + *source);
    return nullptr;
  }
  return link;
}

}  // namespace quavix
