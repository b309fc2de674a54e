#include "platform/microphone/sdl_microphone.h"

#include <span>
#include <utility>

namespace quavix {

namespace {

constexpr int kRate = 44100;
// Small blocks: each waits this long before the listener hears it.
constexpr Uint16 kBlockFrames = 256;
// The room still rings with the game's own sound this long after it stops.
constexpr double kEchoSeconds = 0.25;

}  // namespace

SdlMicrophone::SdlMicrophone(Heard heard, OwnSound ownSound)
    : heard_(std::move(heard)), ownSound_(std::move(ownSound)) {}

std::vector<std::string> SdlMicrophone::devices() const {
  std::vector<std::string> names;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return names;
  const int count = SDL_GetNumAudioDevices(1);
  for (int i = 0; i < count; ++i) {
    if (const char* name = SDL_GetAudioDeviceName(i, 1)) names.emplace_back(name);
  }
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return names;
}

std::string SdlMicrophone::listen(const std::optional<std::string>& device) {
  stop();
  if (!device) return {};
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    return std::string("no microphone: ") + SDL_GetError();
  }
  SDL_AudioSpec wanted{}, got{};
  wanted.freq = kRate;
  wanted.format = AUDIO_F32SYS;
  wanted.channels = 1;
  wanted.samples = kBlockFrames;
  wanted.callback = &SdlMicrophone::callback;
  wanted.userdata = this;
  // Any rate the device has, so that SDL need not resample; format and channels are converted.
  device_ = SDL_OpenAudioDevice(device->empty() ? nullptr : device->c_str(), 1, &wanted, &got,
                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
  if (device_ == 0) {
    std::string problem = "no microphone" + (device->empty() ? "" : " \"" + *device + "\"") + " (" +
                          SDL_GetError() + "); playing without it";
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return problem;
  }
  rate_ = got.freq;
  deafFrames_ = 0;
  listener_ = std::make_unique<NoteListener>(
      rate_, [this](std::optional<int> note, int64_t) { heard_(note); });
  SDL_PauseAudioDevice(device_, 0);
  return {};
}

void SdlMicrophone::stop() {
  if (device_ == 0) return;
  // Returns once the callback has run for the last time.
  SDL_CloseAudioDevice(device_);
  device_ = 0;
  listener_.reset();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlMicrophone::callback(void* self, Uint8* stream, int bytes) {
  auto& microphone = *static_cast<SdlMicrophone*>(self);
  const std::span samples(reinterpret_cast<const float*>(stream), size_t(bytes) / sizeof(float));
  if (microphone.ownSound_()) microphone.deafFrames_ = int64_t(kEchoSeconds * microphone.rate_);
  microphone.listener_->setDeaf(microphone.deafFrames_ > 0);
  microphone.deafFrames_ -= int64_t(samples.size());
  microphone.listener_->feed(samples);
}

}  // namespace quavix
