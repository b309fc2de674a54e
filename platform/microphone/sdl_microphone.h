#pragma once

#include <SDL.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/interfaces/microphone.h"
#include "platform/microphone/note_listener.h"

namespace quavix {

// Captures through SDL, on SDL's own capture thread, and hears notes there. Open it only after
// the sound output's start-up: SDL's audio set-up is not safe from two threads at once.
class SdlMicrophone : public Microphone {
 public:
  // A change of the note heard, on the capture's thread.
  using Heard = std::function<void(std::optional<int> note)>;
  // Whether the game's own keys or samples sound, which the microphone must not take for the
  // player's. Called on the capture's thread.
  using OwnSound = std::function<bool()>;

  SdlMicrophone(Heard heard, OwnSound ownSound);
  ~SdlMicrophone() override { stop(); }
  SdlMicrophone(const SdlMicrophone&) = delete;
  SdlMicrophone& operator=(const SdlMicrophone&) = delete;

  std::vector<std::string> devices() const override;
  std::string listen(const std::optional<std::string>& device) override;

 private:
  static void callback(void* self, Uint8* stream, int bytes);
  void stop();

  Heard heard_;
  OwnSound ownSound_;
  std::unique_ptr<NoteListener> listener_;
  SDL_AudioDeviceID device_ = 0;
  int rate_ = 0;
  int64_t deafFrames_ = 0;  // left of the game's own sound's echo
};

}  // namespace quavix
