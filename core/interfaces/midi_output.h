#pragma once

#include <cstdint>

namespace quavix {

// Result codes of the MIDI output calls, with the values of the multimedia API they stand for.
enum MidiResult : uint32_t {
  kMidiOk = 0,
  kMidiBadDeviceId = 2,
  kMidiAllocated = 4,  // the device is open already
  kMidiInvalidHandle = 5,
  kMidiNoDriver = 6,  // the device can't sound
  kMidiNotSupported = 8,
  kMidiInvalidParam = 11,
};

// A MIDI output device driven by packed short-message words (status, data1, data2 from the
// low byte up). Result codes are 0 on success; the keyboard ignores them.
class MidiOutput {
 public:
  virtual ~MidiOutput() = default;
  virtual uint32_t midiOutOpen(uint32_t* handle, uint32_t deviceId) = 0;
  virtual uint32_t midiOutShortMsg(uint32_t handle, uint32_t message) = 0;
  virtual uint32_t midiOutClose(uint32_t handle) = 0;
};

}  // namespace quavix
