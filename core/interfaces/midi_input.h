#pragma once

#include <string>
#include <vector>

namespace quavix {

// A MIDI source found on the system: a keyboard, a digital piano, another program's port.
struct MidiSource {
  int id = 0;  // what its messages come with; >= 1, never reused while the program runs
  std::string name;
  bool connected = false;  // false while the player has switched it off
  bool ownPort = false;    // the game's own port, which other programs send to
  bool operator==(const MidiSource&) const = default;
};

// The MIDI inputs the game listens to. The messages themselves reach the game by a way the
// real input is built with, on the game's own thread.
class MidiInput {
 public:
  virtual ~MidiInput() = default;
  // Looks for sources that came or went: connects to each new one unless its name is in
  // `switchedOff`, and lets go of those gone or switched off.
  virtual void refresh(const std::vector<std::string>& switchedOff) = 0;
  // The sources found by the last refresh.
  virtual std::vector<MidiSource> sources() const = 0;
};

}  // namespace quavix
