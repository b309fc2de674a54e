#include "platform/sound/keyboard_midi_output.h"

#include "core/midi_message.h"

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
  const uint8_t status = midi::statusOf(message);
  const uint8_t key = midi::data1Of(message);
  const uint8_t velocity = midi::data2Of(message);
  if (!(status & midi::kStatusFlag) || key > midi::kDataMax || velocity > midi::kDataMax) {
    return kMidiInvalidParam;
  }
  const int channel = status & midi::kChannelMask;
  switch (status & midi::kKindMask) {
    case midi::kNoteOn:
      if (velocity > 0) {
        engine_.startNote(channel, key, velocity);
        return kMidiOk;
      }
      [[fallthrough]];  // a note-on at velocity 0 is a note-off
    case midi::kNoteOff:
      // Fails harmlessly when the note isn't sounding.
      fluid_synth_noteoff(engine_.keyboard(), channel, key);
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
