#pragma once

#include <fluidsynth.h>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <span>
#include <string>

#include "platform/sound/audio_device.h"
#include "platform/sound/pulse_connection.h"
#include "platform/sound/pulse_stream.h"
#include "platform/sound/sample.h"
#include "platform/sound/sample_voice.h"
#include "platform/sound/synthesizer.h"
#include "platform/sound/tune_player.h"

namespace quavix {

// Everything the program sounds: the keyboard's synthesiser, the background tune on a
// synthesiser of its own, and the latest note-name sample.
//
// On a PulseAudio server the tune goes to a stream with a long buffer, rendered well ahead, and
// the keys and samples to a stream with a short one, which is open only while they sound. Without
// a server (or with SDL_AUDIODRIVER naming another of SDL's drivers) all of it is mixed into one
// short SDL stream.
//
// Construction finds the SoundFont, loads it into the keyboard's synthesiser (only the samples
// in use are read) and opens the sound card. For the sound card this happens on a thread of its
// own, so that the window can be built meanwhile; every call waits for it to finish. What is
// missing is said in one line on stderr each, and the engine then runs silent. Not copyable; one
// per program.
class AudioEngine {
 public:
  enum class Output {
    soundCard,  // the default sound card, fed from threads of the sound library's own
    caller,     // nothing is opened; the owner calls render() itself (tests, offline rendering)
  };
  // Hears each buffer of the keys and samples as it leaves (of the whole mix through SDL), on the
  // sound's thread: for measurements.
  using Listener = std::function<void(const float* stereo, int frames)>;

  explicit AudioEngine(Output output, Listener listener = {});
  // Stops the tune, closes the sound card, then deletes the player, the synthesisers and their
  // settings, in this order.
  ~AudioEngine();
  AudioEngine(const AudioEngine&) = delete;
  AudioEngine& operator=(const AudioEngine&) = delete;

  // Mixes the next `frames` interleaved stereo frames at kOutputRate into `stereo`: all of it,
  // the tune alone, or the keys and samples alone.
  void render(float* stereo, int frames);
  void renderTune(float* stereo, int frames);
  PulseStream::Rendered renderKeys(float* stereo, int frames);

  // True when a SoundFont is loaded and the sound goes somewhere (sound card or caller).
  // hasOutput() comes first: it waits for the loading.
  bool canSynthesize() const { return hasOutput() && keyboard_ != nullptr; }
  bool hasOutput() const;

  // The keyboard's synthesiser; null when it can't sound. Its API is thread-safe, but a note is
  // started with startNote(), which lets it be heard.
  fluid_synth_t* keyboard() const { return canSynthesize() ? keyboard_->get() : nullptr; }
  void startNote(int channel, int key, int velocity);

  // Starts `midiFile` looping from its beginning, in the place of any tune before. False when it
  // can't be played; `problem` then says why. Needs canSynthesize().
  bool startTune(std::span<const char> midiFile, std::string& problem);

  // Pauses the tune where it is, or lets it go on from there; before a tune starts too.
  void setTunePaused(bool paused);

  // Plays `sample` once from its start, in the place of the sample before, which stops at once.
  void playSample(std::unique_ptr<Sample> sample);

  // Whether the keys or a sample sounded in the last buffer rendered. Any thread.
  bool ownSoundPlaying() const { return ownSound_; }

 private:
  void load();
  void openSoundCard();
  void awaitLoad() const;
  // Adds the keyboard and the sample to `stereo` and keeps it within full scale.
  PulseStream::Rendered mixKeysInto(float* stereo, int frames);

  Output output_;
  Listener listener_;
  std::unique_ptr<Synthesizer> keyboard_;
  // After the keyboard, which lends it the SoundFont, so that it goes first.
  std::unique_ptr<TunePlayer> tune_;
  SampleVoice sample_;
  std::atomic<bool> tunePaused_{false};
  std::atomic<bool> ownSound_{false};
  // Last, so that they stop before anything they render goes away. At most one of the two
  // outputs, PulseAudio's streams or SDL's device, is open, and the lock of the other does nothing.
  PulseConnection pulse_;
  PulseStream tuneStream_{pulse_, "quavix-tune", kTuneBuffer, PulseStream::WhenSilent::playOn};
  PulseStream keyStream_{pulse_, "quavix-keys", kKeyBuffer, PulseStream::WhenSilent::close};
  AudioDevice device_;
  // Very last: it is destroyed first, and that waits for the loading to end.
  std::future<void> loading_;
};

}  // namespace quavix
