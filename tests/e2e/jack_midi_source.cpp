// A MIDI keyboard for tests: a JACK client with one MIDI output port that plays what it reads
// from stdin, one command a line: "on NOTE", "off NOTE". It prints "ready" once its port exists,
// and for each note written the steady-clock nanoseconds at which its process cycle wrote it.
//   jack_midi_source CLIENT_NAME
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace {

jack_port_t* out = nullptr;
jack_ringbuffer_t* pending = nullptr;  // 3-byte messages, from stdin to the process cycle
jack_ringbuffer_t* written = nullptr;  // int64 times, from the process cycle to stdout

int process(jack_nframes_t frames, void*) {
  void* buffer = jack_port_get_buffer(out, frames);
  jack_midi_clear_buffer(buffer);
  std::array<unsigned char, 3> message{};
  while (jack_ringbuffer_read_space(pending) >= message.size()) {
    jack_ringbuffer_read(pending, reinterpret_cast<char*>(message.data()), message.size());
    jack_midi_event_write(buffer, 0, message.data(), message.size());
    const int64_t now = std::chrono::steady_clock::now().time_since_epoch().count();
    jack_ringbuffer_write(written, reinterpret_cast<const char*>(&now), sizeof now);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const char* name = argc > 1 ? argv[1] : "keys";
  jack_client_t* client = jack_client_open(name, JackNoStartServer, nullptr);
  if (!client) {
    std::cerr << "jack_midi_source: no JACK server\n";
    return 1;
  }
  pending = jack_ringbuffer_create(4096);
  written = jack_ringbuffer_create(4096);
  out = jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
  jack_set_process_callback(client, process, nullptr);
  if (!out || jack_activate(client) != 0) {
    std::cerr << "jack_midi_source: cannot open a MIDI port\n";
    return 1;
  }
  std::cout << "ready" << std::endl;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string what;
    int note = 0;
    if (!(words >> what >> note)) continue;
    const std::array<unsigned char, 3> message{
        static_cast<unsigned char>(what == "on" ? 0x90 : 0x80), static_cast<unsigned char>(note),
        static_cast<unsigned char>(what == "on" ? 100 : 0)};
    jack_ringbuffer_write(pending, reinterpret_cast<const char*>(message.data()), message.size());
    int64_t at = 0;
    while (jack_ringbuffer_read_space(written) < sizeof at) {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    jack_ringbuffer_read(written, reinterpret_cast<char*>(&at), sizeof at);
    std::cout << "written " << at << std::endl;
  }
  jack_client_close(client);
  return 0;
}
