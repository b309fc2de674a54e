#pragma once

#include <fluidsynth.h>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/sound/audio_format.h"

namespace quavix {

// One FluidSynth synthesiser with its own settings, rendering at the output format.
class Synthesizer {
 public:
  // Null when the synthesiser or its SoundFont can't be made; `problem` then says why. `gain`
  // scales its whole output (FluidSynth's synth.gain).
  static std::unique_ptr<Synthesizer> create(const std::filesystem::path& soundFont, double gain,
                                             std::string& problem);
  // Plays from the SoundFont that `lender` has loaded, without reading the file again: the
  // instruments both use are held in memory once. `lender` must outlive it.
  static std::unique_ptr<Synthesizer> create(const Synthesizer& lender, double gain,
                                             std::string& problem);
  ~Synthesizer();
  Synthesizer(const Synthesizer&) = delete;
  Synthesizer& operator=(const Synthesizer&) = delete;

  fluid_synth_t* get() const { return synth_; }

  // Writes the next `frames` interleaved stereo frames of its sound over `stereo`. Audio thread.
  void writeOver(float* stereo, int frames);
  // Adds the next `frames` interleaved stereo frames of its sound to `stereo` and returns the
  // largest of the values added. Audio thread.
  float mixInto(float* stereo, int frames);
  // The same, but no work at all once it has fallen silent: no voice sounding and nothing left
  // of the reverb. Only where nothing follows the synthesiser's clock, as a MIDI player does.
  // Returns the largest value added while it still sounds, nothing once it is silent.
  std::optional<float> mixIntoWhileSounding(float* stereo, int frames);
  // Whether a note sounds that has not been released. Audio thread.
  bool holdsANote() const;

 private:
  static constexpr int kChunkFrames = 256;

  static std::unique_ptr<Synthesizer> createEmpty(double gain, std::string& problem);
  Synthesizer(fluid_settings_t* settings, fluid_synth_t* synth);

  fluid_settings_t* settings_;
  fluid_synth_t* synth_;
  bool silent_ = false;
  std::array<float, kChunkFrames * kOutputChannels> scratch_{};
};

}  // namespace quavix
