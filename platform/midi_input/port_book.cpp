#include "platform/midi_input/port_book.h"

#include <algorithm>
#include <regex>

namespace quavix {

namespace {

bool contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

void MidiPortBook::refresh(MidiPorts& ports, const std::vector<std::string>& switchedOff) {
  if (!ownTried_) {
    ownTried_ = true;
    own_ = {nextId_++, ownName_, false, true};
    ownLink_ = ports.listen(std::nullopt, own_.id);
  }
  own_.connected = ownLink_ && !contains(switchedOff, ownName_);

  const std::vector<std::string> found = ports.list();
  std::erase_if(connections_, [&](const Connection& c) { return !contains(found, c.portName); });
  for (Connection& c : connections_) {
    if (!contains(switchedOff, c.source.name)) continue;
    c.link.reset();
    c.source.connected = false;
    c.refused = false;
  }
  for (const std::string& portName : found) {
    if (isOwnOrPassThrough(portName, ownName_)) continue;
    auto known = std::find_if(connections_.begin(), connections_.end(),
                              [&](const Connection& c) { return c.portName == portName; });
    if (known == connections_.end()) {
      connections_.push_back({{0, stableMidiSourceName(portName)}, portName, nullptr});
      known = connections_.end() - 1;
    }
    if (known->link || known->refused || contains(switchedOff, known->source.name)) continue;
    known->source.id = nextId_++;
    known->link = ports.listen(portName, known->source.id);
    known->source.connected = known->link != nullptr;
    known->refused = !known->source.connected;
  }
}

void MidiPortBook::clear() {
  connections_.clear();
  ownLink_.reset();
  ownTried_ = false;
}

std::vector<MidiSource> MidiPortBook::sources() const {
  std::vector<MidiSource> list;
  if (ownLink_) list.push_back(own_);
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
