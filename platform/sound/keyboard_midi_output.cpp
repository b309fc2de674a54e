#include "platform/sound/keyboard_midi_output.h"

namespace quavix {

uint32_t KeyboardMidiOutput::midiOutOpen(uint32_t* handle, uint32_t deviceId) {
  if (handle == nullptr) return kMidiInvalidParam;
  if (deviceId != 0) return kMidiBadDeviceId;
  if (openHandle_ != 0) return kMidiAllocated;
  if (engine_.keyboard() == nullptr) return kMidiNoDriver;
  openHandle_ = ++lastHandle_;
  *handle = openHandle_;
  return kMidiOk;
}

uint32_t KeyboardMidiOutput::midiOutShortMsg(uint32_t handle, uint32_t message) {
  if (!isOpenHandle(handle)) return kMidiInvalidHandle;
  const uint32_t status = message & 0xFF;
  const int key = static_cast<int>((message >> 8) & 0xFF);
  const int velocity = static_cast<int>((message >> 16) & 0xFF);
  if (status < 0x80 || key > 0x7F || velocity > 0x7F) return kMidiInvalidParam;
  const int channel = static_cast<int>(status & 0x0F);
  fluid_synth_t* synth = engine_.keyboard();
  switch (status & 0xF0) {
    case 0x90:
      if (velocity > 0) {
        fluid_synth_noteon(synth, channel, key, velocity);
        return kMidiOk;
      }
      [[fallthrough]];  // a note-on at velocity 0 is a note-off
    case 0x80:
      // Fails harmlessly when the note isn't sounding.
      fluid_synth_noteoff(synth, channel, key);
      return kMidiOk;
    default:
      return kMidiNotSupported;
  }
}

uint32_t KeyboardMidiOutput::midiOutClose(uint32_t handle) {
  if (!isOpenHandle(handle)) return kMidiInvalidHandle;
  fluid_synth_all_notes_off(engine_.keyboard(), -1);
  openHandle_ = 0;
  return kMidiOk;
}

}  // namespace quavix
