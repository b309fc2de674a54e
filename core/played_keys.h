#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/state.h"
#include "core/window_layout.h"

namespace quavix {

// Who plays a key besides the mouse: the computer's keys, or a MIDI input by its number (>= 1).
constexpr int kComputerKeys = 0;

// The on-screen key that sounds MIDI note `note`; none outside the keyboard's 33 to 88.
std::optional<layout::KeyRef> keyForNote(int note);

struct NotePlay {
  int note = 0;
  bool down = false;
  bool operator==(const NotePlay&) const = default;
};

// A note-on or note-off on any channel; a note-on at velocity 0 is a release. Anything else,
// including a message without its status byte, is no note.
std::optional<NotePlay> readNoteMessage(std::span<const uint8_t> message);

// Which sources hold each key. A key goes down with its first holder and up with its last, so
// two sources on one key make one press and one release, and a source letting go of a key it
// never held changes nothing.
class HeldKeys {
 public:
  // True when the key was up.
  bool press(int source, layout::KeyRef key);
  // True when `source` was the key's last holder.
  bool release(int source, layout::KeyRef key);
  // The keys that only `source` held, now up.
  std::vector<layout::KeyRef> releaseAll(int source);
  bool isHeld(layout::KeyRef key) const { return !holders(key).empty(); }

  bool operator==(const HeldKeys&) const = default;

 private:
  std::vector<int>& holders(layout::KeyRef key);
  const std::vector<int>& holders(layout::KeyRef key) const;

  std::array<std::vector<int>, kWhiteKeyCount> white_;
  std::array<std::vector<int>, kBlackKeyCount> black_;
};

}  // namespace quavix
