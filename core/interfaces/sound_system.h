#pragma once

#include "core/interfaces/note_sample_player.h"

namespace quavix {

// The background tune and the note-name samples.
class SoundSystem : public NoteSamplePlayer {
 public:
  // Starts the looping tune. False when a step failed; the program goes on without it.
  virtual bool setUpAudio() = 0;
};

}  // namespace quavix
