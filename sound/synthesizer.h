#pragma once

#include <fluidsynth.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "sound/audio_format.h"

namespace quavix {

// One FluidSynth synthesiser with its own settings, rendering at the output format.
class Synthesizer {
 public:
  // Null when the synthesiser or its SoundFont can't be made; `problem` then says why. `gain`
  // scales its whole output (FluidSynth's synth.gain).
  static std::unique_ptr<Synthesizer> create(const std::filesystem::path& soundFont, double gain,
                                             std::string& problem);
  ~Synthesizer();
  Synthesizer(const Synthesizer&) = delete;
  Synthesizer& operator=(const Synthesizer&) = delete;

  fluid_synth_t* get() const { return synth_; }

  // Adds the next `frames` interleaved stereo frames of its sound to `stereo`. Audio thread.
  void mixInto(float* stereo, int frames);

 private:
  static constexpr int kChunkFrames = 256;

  Synthesizer(fluid_settings_t* settings, fluid_synth_t* synth);

  fluid_settings_t* settings_;
  fluid_synth_t* synth_;
  std::array<float, kChunkFrames * kOutputChannels> scratch_{};
};

}  // namespace quavix
