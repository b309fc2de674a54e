#pragma once

#include <SDL.h>

#include <functional>
#include <string>

namespace quavix {

// The program's one audio output stream: the default sound card, in the output format, fed by
// a render function on SDL's audio thread.
class AudioDevice {
 public:
  using Render = std::function<void(float* stereo, int frames)>;

  AudioDevice() = default;
  ~AudioDevice() { close(); }
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // Opens the stream and starts calling `render`. False when there is no sound output; `problem`
  // then says why.
  bool open(Render render, std::string& problem);
  // Stops the stream; `render` is not called any more once this returns.
  void close();
  bool isOpen() const { return device_ != 0; }

  // Keeps `render` from running while it lives; a no-op when the stream is closed.
  class Lock {
   public:
    explicit Lock(SDL_AudioDeviceID device) : device_(device) {
      if (device_ != 0) SDL_LockAudioDevice(device_);
    }
    ~Lock() {
      if (device_ != 0) SDL_UnlockAudioDevice(device_);
    }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    SDL_AudioDeviceID device_;
  };
  Lock lock() const { return Lock(device_); }

 private:
  static void callback(void* self, Uint8* stream, int bytes);

  Render render_;
  SDL_AudioDeviceID device_ = 0;
};

}  // namespace quavix
