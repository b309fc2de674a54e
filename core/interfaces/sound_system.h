#pragma once

#include "core/interfaces/note_sample_player.h"
#include "core/player_settings.h"

namespace quavix {

// The background tune and the note-name samples.
class SoundSystem : public NoteSamplePlayer {
 public:
  // Starts the looping tune. False when a step failed; the program goes on without it.
  virtual bool setUpAudio() = 0;
  // The note names are said in this language from the next sample on; a player's own file of a
  // sample's name in the working directory is played in every language.
  virtual void setNoteNameLanguage(Language language) = 0;
  // Pauses the tune where it is, or goes on from there; it holds for a tune started later too.
  virtual void setMusicOn(bool on) = 0;
};

}  // namespace quavix
