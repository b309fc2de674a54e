// A MIDI keyboard for tests: a JACK client with one MIDI output port that plays what it reads
// from stdin, one command a line: "on NOTE", "off NOTE". It prints "ready" once its port exists,
// and for each note written the steady-clock nanoseconds at which its process cycle wrote it.
//   jack_midi_source CLIENT_NAME
#include <jack/jack.h>
#include <jack/midiport.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace {

jack_port_t* out = nullptr;
// One note at a time, from stdin to the process cycle: its three bytes from the low one up, or
// 0 once written.
std::atomic<uint32_t> pending{0};
std::atomic<int64_t> writtenAt{0};  // steady-clock nanoseconds

int process(jack_nframes_t frames, void*) {
  void* buffer = jack_port_get_buffer(out, frames);
  jack_midi_clear_buffer(buffer);
  if (const uint32_t word = pending.load(); word != 0) {
    const unsigned char message[] = {static_cast<unsigned char>(word),
                                     static_cast<unsigned char>(word >> 8),
                                     static_cast<unsigned char>(word >> 16)};
    jack_midi_event_write(buffer, 0, message, 3);
    writtenAt = std::chrono::steady_clock::now().time_since_epoch().count();
    pending = 0;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  jack_client_t* client = jack_client_open(argc > 1 ? argv[1] : "keys", JackNoStartServer, nullptr);
  if (!client) {
    std::cerr << "jack_midi_source: no JACK server\n";
    return 1;
  }
  out = jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
  jack_set_process_callback(client, process, nullptr);
  if (!out || jack_activate(client) != 0) {
    std::cerr << "jack_midi_source: cannot open a MIDI port\n";
    return 1;
  }
  std::cout << "ready" << std::endl;
  std::string line, what;
  for (uint32_t note = 0; std::getline(std::cin, line);) {
    if (!(std::istringstream(line) >> what >> note)) continue;
    pending = what == "on" ? 0x90 | (note & 0x7F) << 8 | 100 << 16 : 0x80 | (note & 0x7F) << 8;
    while (pending != 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
    std::cout << "written " << writtenAt << std::endl;
  }
  jack_client_close(client);
  return 0;
}
