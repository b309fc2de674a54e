// A MIDI keyboard for tests: a JACK client with one MIDI output port that plays what it reads
// from stdin, one JACK event a line: "on NOTE", "off NOTE", or "raw HEX..." for any bytes, such as
// a broken SysEx. It prints "ready" once its port exists, and "written" once each event is in a
// process cycle's buffer.
//   jack_midi_source CLIENT_NAME
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <atomic>
#include <chrono>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace {

jack_port_t* out = nullptr;
jack_ringbuffer_t* pending = nullptr;  // events from stdin to the process cycle, each size first
std::atomic<int> writtenCount = 0;

int process(jack_nframes_t frames, void*) {
  void* buffer = jack_port_get_buffer(out, frames);
  jack_midi_clear_buffer(buffer);
  unsigned char size = 0, event[255];
  // Written whole by the other side, so a size is always followed by its bytes.
  while (jack_ringbuffer_read(pending, reinterpret_cast<char*>(&size), 1) == 1) {
    jack_ringbuffer_read(pending, reinterpret_cast<char*>(event), size);
    jack_midi_event_write(buffer, 0, event, size);
    ++writtenCount;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  jack_client_t* client = jack_client_open(argc > 1 ? argv[1] : "keys", JackNoStartServer, nullptr);
  pending = jack_ringbuffer_create(4096);
  out = client ? jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0)
               : nullptr;
  if (!out || jack_set_process_callback(client, process, nullptr) != 0 ||
      jack_activate(client) != 0) {
    std::cerr << "jack_midi_source: "
              << (client ? "cannot open a MIDI port\n" : "no JACK server\n");
    return 1;
  }
  std::cout << "ready" << std::endl;
  int sent = 0;
  for (std::string line; std::getline(std::cin, line);) {
    std::istringstream words(line);
    std::string what, event;
    unsigned number = 0;
    words >> what;
    while (what == "raw" && words >> std::hex >> number && event.size() < 255) {
      event += static_cast<char>(number);
    }
    if ((what == "on" || what == "off") && words >> number) {
      event = {what == "on" ? '\x90' : '\x80', static_cast<char>(number),
               what == "on" ? '\x64' : '\0'};
    }
    if (event.empty()) continue;
    jack_ringbuffer_write(pending, (static_cast<char>(event.size()) + event).data(),
                          event.size() + 1);
    for (++sent; writtenCount < sent;) std::this_thread::sleep_for(std::chrono::microseconds(200));
    std::cout << "written" << std::endl;
  }
  jack_client_close(client);
  return 0;
}
