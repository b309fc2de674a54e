#pragma once

#include <cstdint>

#include "core/interfaces/midi_output.h"
#include "platform/sound/audio_engine.h"

namespace quavix {

// The MIDI output whose device 0 is the engine's keyboard synthesiser. It plays note-on and
// note-off messages on any channel; the keyboard uses channel 14 at velocity 100. Opening fails
// when the engine can't sound, so the keyboard is then silent. Closing releases the notes still
// held. UI thread only.
class KeyboardMidiOutput : public MidiOutput {
 public:
  explicit KeyboardMidiOutput(AudioEngine& engine) : engine_(engine) {}

  uint32_t midiOutOpen(uint32_t* handle, uint32_t deviceId) override;
  uint32_t midiOutShortMsg(uint32_t handle, uint32_t message) override;
  uint32_t midiOutClose(uint32_t handle) override;

 private:
  bool isOpenHandle(uint32_t handle) const { return handle != 0 && handle == openHandle_; }

  AudioEngine& engine_;
  uint32_t openHandle_ = 0;  // 0 while closed
  uint32_t lastHandle_ = 0;  // each open gets a new one, so a stale handle stays invalid
};

}  // namespace quavix
