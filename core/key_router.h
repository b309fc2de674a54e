#pragma once

#include <array>
#include <limits>
#include <optional>
#include <vector>

#include "core/state.h"
#include "core/window_layout.h"

namespace quavix {

// Who holds a key: a mouse button (see mouseSource), the computer's keys, the microphone, or a
// MIDI input by its number (>= 1, counted up from there).
constexpr int kComputerKeys = 0;
constexpr int kMicrophone = std::numeric_limits<int>::max();
constexpr int mouseSource(int button) { return -1 - button; }
constexpr bool isMouseSource(int source) { return source < 0; }
constexpr bool isMidiSource(int source) { return source > kComputerKeys && source != kMicrophone; }

// What a key's handler does for one press or release: nothing, or run with or without its
// MIDI message.
struct KeyAction {
  bool run = false;
  bool sound = false;
  bool operator==(const KeyAction&) const = default;
};

struct KeyRelease {
  layout::KeyRef key;
  bool sound = false;
  bool operator==(const KeyRelease&) const = default;
};

// Which sources hold each key, and so when a key goes down, sounds and comes up. A key sounds
// from its first holder's press to its last holder's release and is judged once, however many
// sources play it. The mouse alone keeps the plain button's rule: every press of a button
// presses the key and every release releases it, as several buttons may hold one key.
class KeyRouter {
 public:
  // `sounds`: whether this source's notes go through the game's synthesiser.
  KeyAction press(int source, layout::KeyRef key, bool sounds);
  KeyAction release(int source, layout::KeyRef key);
  // Lets go of every key `source` holds; the releases that run a handler.
  std::vector<KeyRelease> releaseAll(int source);

  bool isHeld(layout::KeyRef key) const { return !slot(key).holders.empty(); }
  bool holds(int source, layout::KeyRef key) const;
  // The key the mouse holds: a press of another button goes to it, wherever the pointer is.
  std::optional<layout::KeyRef> mouseKey() const;

 private:
  struct Slot {
    std::vector<int> holders;
    bool sounding = false;  // its press sent a note-on that no note-off has ended
  };
  Slot& slot(layout::KeyRef key) { return key.black ? black_.at(key.index) : white_.at(key.index); }
  const Slot& slot(layout::KeyRef key) const {
    return key.black ? black_.at(key.index) : white_.at(key.index);
  }
  // Whether a holder other than `source`'s own device holds the key.
  static bool heldElsewhere(const Slot& slot, int source);

  std::array<Slot, kWhiteKeyCount> white_;
  std::array<Slot, kBlackKeyCount> black_;
};

}  // namespace quavix
