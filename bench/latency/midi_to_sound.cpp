// MIDI-in to sound on the default sound output: from a note-on written into a JACK MIDI port to
// the end of the first audio callback whose frames carry the note, plus one callback's buffer,
// measured as press_to_sound measures the mouse. The note goes the game's way: RtMidi's thread,
// a queued call to the Qt thread, the note's key, the keyboard's synthesiser. Needs a running
// JACK server (JACK_DEFAULT_SERVER) and no ALSA sequencer, or one without other sources.
//   midi_to_sound [NOTES]
// prints "notes N buffer-ms B midi-to-sound-ms median M worst W".
#include <jack/jack.h>
#include <jack/midiport.h>

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/latency/heard_output.h"
#include "core/midi_notes.h"
#include "core/midi_words.h"
#include "core/note_model.h"
#include "platform/midi_input/rtmidi_input.h"
#include "platform/sound/audio_device.h"
#include "platform/sound/audio_format.h"
#include "platform/sound/sound_services.h"

namespace {

using namespace latency;

constexpr uint8_t kMiddleC = 60;

// The keyboard being played: one note-on or note-off per request, written in its next cycle.
struct Writer {
  jack_client_t* client = nullptr;
  jack_port_t* port = nullptr;
  std::atomic<int> request{0};  // 0 none, else the status byte to send
  Heard* heard = nullptr;

  static int process(jack_nframes_t frames, void* self) {
    auto& w = *static_cast<Writer*>(self);
    void* buffer = jack_port_get_buffer(w.port, frames);
    jack_midi_clear_buffer(buffer);
    const int status = w.request.exchange(0);
    if (status == 0) return 0;
    const std::array<unsigned char, 3> message{
        static_cast<unsigned char>(status), kMiddleC,
        static_cast<unsigned char>(status == 0x90 ? 100 : 0)};
    jack_midi_event_write(buffer, 0, message.data(), message.size());
    if (status == 0x90) w.heard->sentAt = nowNs();
    return 0;
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int notes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  QCoreApplication app(argc, argv);
  HeardKeyboard keys;
  if (!keys.open("midi_to_sound")) return 1;
  auto& sound = keys.sound;
  auto& heard = keys.heard;
  const uint32_t handle = keys.handle;

  auto play = [&](const std::vector<uint8_t>& message) {
    const auto note = quavix::readNoteMessage(message);
    const auto key = note ? quavix::keyForNote(note->note) : std::nullopt;
    if (!key) return;
    const int16_t offset =
        key->black ? quavix::kBlackKeyOffsets[key->index] : quavix::kWhiteKeyOffsets[key->index];
    sound.midi().midiOutShortMsg(
        handle, note->down ? quavix::noteOnWord(offset) : quavix::noteOffWord(offset));
  };
  quavix::RtMidiInput input([&](int, std::vector<uint8_t> message) {
    QMetaObject::invokeMethod(
        &app, [&play, message = std::move(message)] { play(message); }, Qt::QueuedConnection);
  });

  Writer writer;
  writer.heard = &heard;
  writer.client = jack_client_open("midi-to-sound", JackNoStartServer, nullptr);
  if (!writer.client) {
    std::fprintf(stderr, "midi_to_sound: no JACK server\n");
    return 1;
  }
  writer.port =
      jack_port_register(writer.client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
  jack_set_process_callback(writer.client, &Writer::process, &writer);
  jack_activate(writer.client);
  input.refresh({});

  std::vector<double> delays;
  int failure = 0;
  std::thread measuring([&] {
    std::mt19937 phase(12345);
    for (int i = 0; i < notes && failure == 0; ++i) {
      if (!waitForSilence(heard)) {
        failure = 1;
        break;
      }
      std::this_thread::sleep_for(std::chrono::microseconds(phase() % 20000));
      heard.audibleAt = 0;
      heard.sentAt = 0;
      writer.request = 0x90;
      const bool carried = waitFor([&] { return heard.audibleAt != 0; }, milliseconds(2000));
      writer.request = 0x80;
      if (!carried) {
        failure = 2;
        break;
      }
      delays.push_back(heard.delayMs());
      std::this_thread::sleep_for(milliseconds(20));
    }
    QMetaObject::invokeMethod(
        &app, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
  });
  app.exec();
  measuring.join();
  jack_client_close(writer.client);
  keys.device.close();
  if (failure == 1) std::fprintf(stderr, "midi_to_sound: the output does not fall silent\n");
  if (failure == 2) std::fprintf(stderr, "midi_to_sound: no note reached the sound within 2 s\n");
  if (failure != 0) return 1;

  const auto [median, worst] = spreadOf(delays);
  const double bufferMs = heard.bufferMs();
  std::printf("notes %d buffer-ms %.2f midi-to-sound-ms median %.2f worst %.2f\n", notes, bufferMs,
              median + bufferMs, worst + bufferMs);
  return 0;
}
