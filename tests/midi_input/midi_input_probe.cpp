// The game's MIDI input on its own, for tests: looks for sources every 100 ms as the game does
// every second, prints "sources ID:NAME:CONNECTED..." whenever they change and "message ID HEX..."
// for each message, until it is stopped.
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/midi_input/rtmidi_input.h"

int main() {
  quavix::RtMidiInput input([](int source, std::vector<uint8_t> message) {
    std::string line = "message " + std::to_string(source);
    char hex[4];
    for (const uint8_t byte : message) {
      std::snprintf(hex, sizeof hex, " %02X", byte);
      line += hex;
    }
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  });
  std::string shown;
  for (;;) {
    input.refresh({});
    std::string line = "sources";
    for (const quavix::MidiSource& s : input.sources()) {
      line += ' ' + std::to_string(s.id) + ':' + s.name + ':' + (s.connected ? "on" : "off");
    }
    if (line != shown) std::printf("%s\n", (shown = line).c_str());
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}
