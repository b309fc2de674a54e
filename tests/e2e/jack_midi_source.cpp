// A MIDI keyboard for tests: a JACK client with one MIDI output port that plays what it reads
// from stdin, one JACK event a line: "on NOTE", "off NOTE", or "raw HEX..." for any bytes, such as
// a broken SysEx. It prints "ready" once its port exists, and for each event written the
// steady-clock nanoseconds at which its process cycle wrote it.
//   jack_midi_source CLIENT_NAME
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

jack_port_t* out = nullptr;
jack_ringbuffer_t* pending = nullptr;  // events from stdin to the process cycle, each size first
jack_ringbuffer_t* written = nullptr;  // int64 times, from the process cycle to stdout

int process(jack_nframes_t frames, void*) {
  void* buffer = jack_port_get_buffer(out, frames);
  jack_midi_clear_buffer(buffer);
  uint8_t size = 0;
  unsigned char event[255];
  // Written whole by the other side, so a size is always followed by its bytes.
  while (jack_ringbuffer_read(pending, reinterpret_cast<char*>(&size), 1) == 1) {
    jack_ringbuffer_read(pending, reinterpret_cast<char*>(event), size);
    jack_midi_event_write(buffer, 0, event, size);
    const int64_t now = std::chrono::steady_clock::now().time_since_epoch().count();
    jack_ringbuffer_write(written, reinterpret_cast<const char*>(&now), sizeof now);
  }
  return 0;
}

std::vector<unsigned char> parse(const std::string& line) {
  std::istringstream words(line);
  std::string what;
  words >> what;
  std::vector<unsigned char> event;
  if (what == "raw") {
    unsigned byte = 0;
    while (words >> std::hex >> byte && event.size() < 255) event.push_back(byte);
    return event;
  }
  int note = 0;
  if ((what != "on" && what != "off") || !(words >> note)) return event;
  const bool on = what == "on";
  return {static_cast<unsigned char>(on ? 0x90 : 0x80), static_cast<unsigned char>(note),
          static_cast<unsigned char>(on ? 100 : 0)};
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
    const std::vector<unsigned char> event = parse(line);
    if (event.empty()) continue;
    std::vector<char> record{static_cast<char>(event.size())};
    record.insert(record.end(), event.begin(), event.end());
    jack_ringbuffer_write(pending, record.data(), record.size());
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
