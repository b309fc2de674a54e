#include "platform/sound/audio_device.h"

#include <alsa/asoundlib.h>

#include "platform/sound/audio_format.h"
#include "platform/sound/sample.h"

namespace quavix {

namespace {

// ALSA describes a missing sound card in many lines of its own; the failure is reported once.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

bool AudioDevice::open(Render render, std::string& problem) {
  close();
  snd_lib_error_set_handler(quietAlsa);
  refuseTruncatedRecordings();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    problem = SDL_GetError();
    return false;
  }
  render_ = std::move(render);
  SDL_AudioSpec wanted{};
  wanted.freq = kOutputRate;
  wanted.format = AUDIO_F32SYS;
  wanted.channels = kOutputChannels;
  wanted.samples = kDeviceBufferFrames;
  wanted.callback = &AudioDevice::callback;
  wanted.userdata = this;
  // No changes allowed: SDL converts to whatever the card wants, the mix stays in one format.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (device_ == 0) {
    problem = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void AudioDevice::close() {
  if (device_ == 0) return;
  SDL_CloseAudioDevice(device_);
  device_ = 0;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void AudioDevice::callback(void* self, Uint8* stream, int bytes) {
  const int frames = bytes / static_cast<int>(sizeof(float) * kOutputChannels);
  static_cast<AudioDevice*>(self)->render_(reinterpret_cast<float*>(stream), frames);
}

}  // namespace quavix
