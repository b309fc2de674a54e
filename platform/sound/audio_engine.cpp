#include "platform/sound/audio_engine.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/sound/sound_problem.h"
#include "platform/sound/soundfont_choice.h"

namespace quavix {

namespace {

// FluidSynth's default of 0.2 leaves a single note of the keyboard near -30 dBFS.
constexpr double kKeyboardGain = 1.0;
// -50 dBFS, 36 dB under a key's peak: what a new sound cuts short of a tail this quiet is lost
// under its attack.
constexpr float kQuietTail = 0.00316f;

}  // namespace

AudioEngine::AudioEngine(Output output, Listener listener)
    : output_(output), listener_(std::move(listener)) {
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
  if (output_ == Output::soundCard) openSoundCard();
}

void AudioEngine::openSoundCard() {
  std::string problem;
  // Asked for another of SDL's drivers (a test's dummy one, say), SDL plays.
  const char* driver = std::getenv("SDL_AUDIODRIVER");
  if (driver == nullptr || std::string_view(driver) == "pulseaudio") {
    if (pulse_.open(problem) &&
        tuneStream_.open(
            [this](float* stereo, int frames) {
              renderTune(stereo, frames);
              return PulseStream::Rendered::sound;
            },
            problem) &&
        keyStream_.open([this](float* stereo, int frames) { return renderKeys(stereo, frames); },
                        problem)) {
      return;
    }
    tuneStream_.close();
    pulse_.close();
    problem = "PulseAudio: " + problem + "; SDL: ";
  }
  std::string sdlProblem;
  if (!device_.open([this](float* stereo, int frames) { render(stereo, frames); }, sdlProblem)) {
    reportSoundProblem("no sound output (" + problem + sdlProblem + "); the game runs silent");
  }
}

void AudioEngine::awaitLoad() const {
  if (loading_.valid()) loading_.wait();
}

bool AudioEngine::hasOutput() const {
  awaitLoad();
  return output_ == Output::caller || pulse_.isOpen() || device_.isOpen();
}

AudioEngine::~AudioEngine() {
  awaitLoad();
  if (tune_) tune_->stop();
  keyStream_.close();
  tuneStream_.close();
  pulse_.close();
  device_.close();
}

void AudioEngine::render(float* stereo, int frames) {
  renderTune(stereo, frames);
  mixKeysInto(stereo, frames);
  if (listener_) listener_(stereo, frames);
}

void AudioEngine::renderTune(float* stereo, int frames) {
  // The tune's player follows its own synthesiser's clock, so not rendering it holds it where it
  // is. It is written straight into the buffer, since a copy would cost every buffer.
  if (tune_ && !tunePaused_) {
    tune_->writeOver(stereo, frames);
  } else {
    std::fill_n(stereo, frames * kOutputChannels, 0.0f);
  }
}

PulseStream::Rendered AudioEngine::renderKeys(float* stereo, int frames) {
  std::fill_n(stereo, frames * kOutputChannels, 0.0f);
  const PulseStream::Rendered rendered = mixKeysInto(stereo, frames);
  if (listener_) listener_(stereo, frames);
  return rendered;
}

PulseStream::Rendered AudioEngine::mixKeysInto(float* stereo, int frames) {
  // The keyboard is silent most of the time.
  const std::optional<float> keys =
      keyboard_ ? keyboard_->mixIntoWhileSounding(stereo, frames) : std::nullopt;
  const bool sample = sample_.mixInto(stereo, frames);
  ownSound_ = keys || sample;
  const int count = frames * kOutputChannels;
  for (int i = 0; i < count; ++i) stereo[i] = std::clamp(stereo[i], -1.0f, 1.0f);
  // A tail is what sounds on after the last release; a sample's quiet moment is none.
  if (sample || (keys && (*keys >= kQuietTail || keyboard_->holdsANote()))) {
    return PulseStream::Rendered::sound;
  }
  return keys ? PulseStream::Rendered::quietTail : PulseStream::Rendered::silence;
}

void AudioEngine::setTunePaused(bool paused) {
  tunePaused_ = paused;
  // What the tune's stream holds ahead would sound on for a fifth of a second, into whatever
  // wanted it quiet.
  if (paused) {
    awaitLoad();
    tuneStream_.dropWhatIsAhead();
  }
}

bool AudioEngine::startTune(std::span<const char> midiFile, std::string& problem) {
  if (!canSynthesize()) {
    problem = "there is no synthesiser to play it";
    return false;
  }
  auto tune = TunePlayer::create(*keyboard_, midiFile, problem);
  if (!tune) return false;
  {
    const auto pulse = pulse_.lock();
    const auto sdl = device_.lock();
    std::swap(tune_, tune);
  }
  // Any tune replaced is deleted here, outside the lock; it is no longer rendered.
  return true;
}

void AudioEngine::startNote(int channel, int key, int velocity) {
  // The keys' stream may be waiting through a tail, to be replaced by wake(): held off meanwhile,
  // it cannot take the note's first frames with it.
  const auto pulse = pulse_.lock();
  fluid_synth_noteon(keyboard_->get(), channel, key, velocity);
  keyStream_.wake();
}

void AudioEngine::playSample(std::unique_ptr<Sample> sample) {
  awaitLoad();
  std::unique_ptr<Sample> old;
  {
    // As for a note.
    const auto pulse = pulse_.lock();
    const auto sdl = device_.lock();
    old = sample_.replace(std::move(sample));
    keyStream_.wake();
  }
  // The old one is freed here, outside the lock.
}

}  // namespace quavix
