#include "platform/sound/sample.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/files/regular_file.h"
#include "platform/sound/audio_format.h"

namespace quavix {

namespace {

// A spoken note name lasts about a second. These bounds hold any recording of one and keep a
// hostile file from taking the window's time and memory while it is converted.
constexpr std::uint64_t kMaxFileBytes = 32 * 1024 * 1024;
constexpr std::uint64_t kMaxSeconds = 10;
constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;
constexpr int kMaxChannels = 8;
// A recording is read afresh at every right answer, on the window's thread. Converting a million
// samples took it 20 to 30 ms; half of that keeps any accepted recording well within 20 ms and
// still holds 5 seconds of 48 kHz stereo.
constexpr std::uint64_t kMaxSamples = 1 << 19;

struct WavFree {
  void operator()(Uint8* data) const { SDL_FreeWAV(data); }
};

struct StreamFree {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

// Why the recording is refused, or empty.
std::string outOfBounds(const SDL_AudioSpec& spec, std::uint64_t frames) {
  if (spec.freq < kMinRate || spec.freq > kMaxRate) {
    return "its rate of " + std::to_string(spec.freq) + " Hz is outside " +
           std::to_string(kMinRate) + " to " + std::to_string(kMaxRate) + " Hz";
  }
  if (spec.channels < 1 || spec.channels > kMaxChannels) {
    return "it has " + std::to_string(spec.channels) + " channels, more than " +
           std::to_string(kMaxChannels);
  }
  if (frames > kMaxSeconds * static_cast<std::uint64_t>(spec.freq)) {
    return "it lasts longer than " + std::to_string(kMaxSeconds) + " seconds";
  }
  if (const std::uint64_t samples = frames * spec.channels; samples > kMaxSamples) {
    return "its " + std::to_string(samples) + " samples are more than " +
           std::to_string(kMaxSamples);
  }
  return {};
}

}  // namespace

void refuseTruncatedRecordings() {
  static std::once_flag set;
  std::call_once(set, [] { SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict"); });
}

std::unique_ptr<Sample> loadSample(const std::filesystem::path& path, std::string& problem) {
  std::vector<char> file;
  if (!readWholeFile(path, kMaxFileBytes, file, problem)) return nullptr;
  if (file.empty()) {
    problem = "it is empty";
    return nullptr;
  }
  refuseTruncatedRecordings();
  SDL_AudioSpec spec{};
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1, &spec,
                     &data, &length) == nullptr) {
    problem = SDL_GetError();
    return nullptr;
  }
  const std::unique_ptr<Uint8, WavFree> wav{data};
  const std::uint64_t frameBytes =
      std::uint64_t{SDL_AUDIO_BITSIZE(spec.format) / 8u} * spec.channels;
  const std::uint64_t inFrames = frameBytes == 0 ? 0 : length / frameBytes;
  problem = outOfBounds(spec, inFrames);
  if (!problem.empty()) return nullptr;
  const std::unique_ptr<SDL_AudioStream, StreamFree> stream{SDL_NewAudioStream(
      spec.format, spec.channels, spec.freq, AUDIO_F32SYS, kOutputChannels, kOutputRate)};
  // SDL 2's resampler holds its last frames back even through a flush: silence is pushed after
  // the sound, and only the frames that the sound itself makes are kept.
  const std::vector<Uint8> silence(frameBytes * (spec.freq / 10 + 1),
                                   spec.format == AUDIO_U8 ? 0x80 : 0);
  if (!stream || SDL_AudioStreamPut(stream.get(), data, static_cast<int>(length)) != 0 ||
      SDL_AudioStreamPut(stream.get(), silence.data(), static_cast<int>(silence.size())) != 0 ||
      SDL_AudioStreamFlush(stream.get()) != 0) {
    problem = SDL_GetError();
    return nullptr;
  }
  const std::uint64_t outFrames = inFrames * kOutputRate / static_cast<std::uint64_t>(spec.freq);
  auto sample = std::make_unique<Sample>();
  sample->stereo.resize(outFrames * kOutputChannels);
  const int got = SDL_AudioStreamGet(stream.get(), sample->stereo.data(),
                                     static_cast<int>(sample->stereo.size() * sizeof(float)));
  sample->stereo.resize(static_cast<size_t>(std::max(got, 0)) / sizeof(float));
  if (sample->stereo.empty()) {
    problem = got < 0 ? SDL_GetError() : "it holds no sound";
    return nullptr;
  }
  return sample;
}

}  // namespace quavix
