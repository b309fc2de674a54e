#include "platform/sound/audio_engine.h"

#include <algorithm>
#include <utility>

#include "platform/sound/sound_problem.h"
#include "platform/sound/soundfont_choice.h"

namespace quavix {

namespace {

// FluidSynth's default of 0.2 leaves a single note of the keyboard near -30 dBFS.
constexpr double kKeyboardGain = 1.0;

}  // namespace

AudioEngine::AudioEngine(Output output) : output_(output) {
  if (output_ == Output::soundCard) {
    loading_ = std::async(std::launch::async, [this] { load(); });
  } else {
    load();
  }
}

void AudioEngine::load() {
  SoundFontChoice choice = chooseSoundFont();
  std::string problem = std::move(choice.problem);
  if (choice.path) keyboard_ = Synthesizer::create(*choice.path, kKeyboardGain, problem);
  if (!keyboard_) reportSoundProblem(problem + "; the keyboard and the background tune are silent");
  if (output_ == Output::soundCard &&
      !device_.open([this](float* stereo, int frames) { render(stereo, frames); }, problem)) {
    reportSoundProblem("no sound output (" + problem + "); the game runs silent");
  }
}

void AudioEngine::awaitLoad() const {
  if (loading_.valid()) loading_.wait();
}

bool AudioEngine::hasOutput() const {
  awaitLoad();
  return output_ == Output::caller || device_.isOpen();
}

AudioEngine::~AudioEngine() {
  awaitLoad();
  if (tune_) tune_->stop();
  device_.close();
}

void AudioEngine::render(float* stereo, int frames) {
  const int count = frames * kOutputChannels;
  // The tune's player follows its own synthesiser's clock, so not rendering it holds it where it
  // is. It is written straight into the buffer, since a copy would cost every buffer.
  if (tune_ && !tunePaused_) {
    tune_->writeOver(stereo, frames);
  } else {
    std::fill_n(stereo, count, 0.0f);
  }
  // The keyboard is silent most of the time.
  const bool keys = keyboard_ && keyboard_->mixIntoWhileSounding(stereo, frames);
  const bool sample = sample_.mixInto(stereo, frames);
  ownSound_ = keys || sample;
  for (int i = 0; i < count; ++i) stereo[i] = std::clamp(stereo[i], -1.0f, 1.0f);
}

bool AudioEngine::startTune(std::span<const char> midiFile, std::string& problem) {
  if (!canSynthesize()) {
    problem = "there is no synthesiser to play it";
    return false;
  }
  auto tune = TunePlayer::create(*keyboard_, midiFile, problem);
  if (!tune) return false;
  {
    const auto lock = device_.lock();
    std::swap(tune_, tune);
  }
  // Any tune replaced is deleted here, outside the lock; it is no longer rendered.
  return true;
}

void AudioEngine::playSample(std::unique_ptr<Sample> sample) {
  awaitLoad();
  std::unique_ptr<Sample> old;
  {
    const auto lock = device_.lock();
    old = sample_.replace(std::move(sample));
  }
  // The old one is freed here, outside the lock.
}

}  // namespace quavix
