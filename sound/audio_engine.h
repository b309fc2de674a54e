#pragma once

#include <fluidsynth.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "sound/audio_device.h"
#include "sound/sample.h"
#include "sound/sample_voice.h"
#include "sound/synthesizer.h"
#include "sound/tune_player.h"

namespace quavix {

// Everything the program sounds, mixed into one stream: the keyboard's synthesiser, the
// background tune on a synthesiser of its own, and the latest note-name sample.
//
// Construction finds the SoundFont, loads it into the keyboard's synthesiser (only the samples
// in use are read) and opens the sound card. What is missing is said in one line on stderr each,
// and the engine then runs silent. Not copyable; one per program.
class AudioEngine {
 public:
  enum class Output {
    soundCard,  // the default sound card through SDL, fed from SDL's audio thread
    caller,     // nothing is opened; the owner calls render() itself (tests, offline rendering)
  };

  explicit AudioEngine(Output output);
  // Stops the tune, closes the sound card, then deletes the player, the synthesisers and their
  // settings, in this order.
  ~AudioEngine();
  AudioEngine(const AudioEngine&) = delete;
  AudioEngine& operator=(const AudioEngine&) = delete;

  // Mixes the next `frames` interleaved stereo frames at kOutputRate into `stereo`.
  void render(float* stereo, int frames);

  // True when a SoundFont is loaded and the sound goes somewhere (sound card or caller).
  bool canSynthesize() const { return keyboard_ != nullptr && hasOutput(); }
  bool hasOutput() const { return output_ == Output::caller || device_.isOpen(); }

  // The keyboard's synthesiser; null when it can't sound. Its API is thread-safe.
  fluid_synth_t* keyboard() const { return canSynthesize() ? keyboard_->get() : nullptr; }

  // Starts `midiFile` looping from its beginning, in the place of any tune before. False when it
  // can't be played; `problem` then says why. Needs canSynthesize().
  bool startTune(std::span<const char> midiFile, std::string& problem);

  // Plays `sample` once from its start, in the place of the sample before, which stops at once.
  void playSample(std::unique_ptr<Sample> sample);

 private:
  Output output_;
  std::optional<std::filesystem::path> soundFont_;
  std::unique_ptr<Synthesizer> keyboard_;
  std::unique_ptr<TunePlayer> tune_;
  SampleVoice sample_;
  // Last, so that it stops before anything it renders goes away.
  AudioDevice device_;
};

}  // namespace quavix
