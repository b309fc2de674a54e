#include "platform/sound/sample.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/sound/audio_format.h"

namespace quavix {

namespace {

struct WavFree {
  void operator()(Uint8* data) const { SDL_FreeWAV(data); }
};

struct StreamFree {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

}  // namespace

std::unique_ptr<Sample> loadSample(const std::filesystem::path& path, std::string& problem) {
  // A file cut short is refused rather than played in part.
  SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
  SDL_AudioSpec spec{};
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(path.c_str(), &spec, &data, &length) == nullptr) {
    problem = SDL_GetError();
    return nullptr;
  }
  const std::unique_ptr<Uint8, WavFree> wav{data};
  const std::unique_ptr<SDL_AudioStream, StreamFree> stream{SDL_NewAudioStream(
      spec.format, spec.channels, spec.freq, AUDIO_F32SYS, kOutputChannels, kOutputRate)};
  // SDL 2's resampler holds its last frames back even through a flush: silence is pushed after
  // the sound, and only the frames that the sound itself makes are kept.
  const Uint32 frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
  const std::vector<Uint8> silence(frameBytes * (spec.freq / 10 + 1),
                                   spec.format == AUDIO_U8 ? 0x80 : 0);
  if (!stream || SDL_AudioStreamPut(stream.get(), data, static_cast<int>(length)) != 0 ||
      SDL_AudioStreamPut(stream.get(), silence.data(), static_cast<int>(silence.size())) != 0 ||
      SDL_AudioStreamFlush(stream.get()) != 0) {
    problem = SDL_GetError();
    return nullptr;
  }
  const auto frames = static_cast<size_t>(uint64_t{length / frameBytes} * kOutputRate / spec.freq);
  auto sample = std::make_unique<Sample>();
  sample->stereo.resize(frames * kOutputChannels);
  const int got = SDL_AudioStreamGet(stream.get(), sample->stereo.data(),
                                     static_cast<int>(sample->stereo.size() * sizeof(float)));
  sample->stereo.resize(static_cast<size_t>(std::max(got, 0)) / sizeof(float));
  if (sample->stereo.empty()) {
    problem = "it holds no sound";
    return nullptr;
  }
  return sample;
}

}  // namespace quavix
