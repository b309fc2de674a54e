// The game's MIDI input on its own, for tests: looks for sources every 100 ms as the game does
// every second, prints "sources ID:NAME:CONNECTED..." whenever they change and "message ID HEX..."
// for each message, until it is stopped.
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/midi_input/rtmidi_input.h"

int main() {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  quavix::RtMidiInput input([](int source, std::vector<uint8_t> message) {
    std::string line = "message " + std::to_string(source);
    char hex[4];
    for (const uint8_t byte : message) line += (std::snprintf(hex, sizeof hex, " %02X", byte), hex);
    std::puts(line.c_str());
  });
  for (std::string shown;; std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
    input.refresh({});
    std::string line = "sources";
    for (const quavix::MidiSource& s : input.sources()) {
      line += ' ' + std::to_string(s.id) + ':' + s.name + ':' + (s.connected ? "on" : "off");
    }
    if (line != shown) std::puts((shown = line).c_str());
  }
}
