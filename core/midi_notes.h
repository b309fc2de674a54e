#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/state.h"
#include "core/window_layout.h"

namespace quavix {

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

}  // namespace quavix
