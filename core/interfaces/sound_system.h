#pragma once

#include "core/interfaces/note_sample_player.h"

namespace quavix {

// The background tune and the note-name samples.
class SoundSystem : public NoteSamplePlayer {
 public:
  // Starts the looping tune. False when a step failed; the program goes on without it.
  virtual bool setUpAudio() = 0;
  // Pauses the tune where it is, or goes on from there; it holds for a tune started later too.
  virtual void setMusicOn(bool on) = 0;
};

}  // namespace quavix
