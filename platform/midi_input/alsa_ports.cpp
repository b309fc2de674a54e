#include "platform/midi_input/alsa_ports.h"

#include <unistd.h>

#include "platform/midi_input/midi_problem.h"
#include "platform/midi_input/midi_splitter.h"

namespace quavix {

namespace {

struct AlsaLink : MidiLink {
  AlsaLink(const std::string& clientName, const MidiReceiver& receiver, int id)
      : receiver(receiver), id(id), in(RtMidi::LINUX_ALSA, clientName) {
    in.setErrorCallback(&AlsaLink::refuse, this);
    in.setCallback(&AlsaLink::deliver, this);
  }
  static void refuse(RtMidiError::Type, const std::string& text, void* self) {
    static_cast<AlsaLink*>(self)->refused = true;
    reportMidiProblem(text);
  }
  static void deliver(double, std::vector<unsigned char>* message, void* self) {
    auto* link = static_cast<AlsaLink*>(self);
    if (!message) return;
    link->splitter.feed(*message, [link](std::vector<uint8_t> whole) {
      link->receiver(link->id, std::move(whole));
    });
  }

  const MidiReceiver& receiver;
  int id;
  MidiSplitter splitter;
  bool refused = false;
  RtMidiIn in;  // last, so that it stops calling before the rest goes
};

}  // namespace

std::unique_ptr<AlsaPorts> AlsaPorts::find(const std::string& clientName,
                                           const MidiReceiver& receiver) {
  // Opening a client where there is no sequencer would have ALSA print its own error.
  if (access("/dev/snd/seq", R_OK | W_OK) != 0) return nullptr;
  try {
    return std::unique_ptr<AlsaPorts>(new AlsaPorts(clientName, receiver));
  } catch (const RtMidiError&) {
    return nullptr;
  }
}

std::vector<std::string> AlsaPorts::list() {
  std::vector<std::string> names;
  const unsigned count = lister_.getPortCount();
  for (unsigned i = 0; i < count; ++i) names.push_back(lister_.getPortName(i));
  return names;
}

std::unique_ptr<MidiLink> AlsaPorts::listen(const std::optional<std::string>& source, int id) {
  try {
    auto link = std::make_unique<AlsaLink>(clientName_, receiver_, id);
    if (!source) {
      link->in.openVirtualPort(clientName_);
      if (link->refused) return nullptr;
      return link;
    }
    // Found again by name: the ports may have moved since they were listed.
    const unsigned count = link->in.getPortCount();
    for (unsigned i = 0; i < count; ++i) {
      if (link->in.getPortName(i) != *source) continue;
      // RtMidi counts only a connection to a source as an open port, not a port of its own.
      link->in.openPort(i, clientName_);
      if (link->refused || !link->in.isPortOpen()) return nullptr;
      return link;
    }
  } catch (const RtMidiError& error) {
    reportMidiProblem(error.getMessage());
  }
  return nullptr;
}

}  // namespace quavix
