#include "sound/synthesizer.h"

#include <algorithm>

#include "sound/fluid_log.h"
#include "sound/sound_problem.h"

namespace quavix {

std::unique_ptr<Synthesizer> Synthesizer::create(const std::filesystem::path& soundFont,
                                                 double gain, std::string& problem) {
  routeFluidLog();
  fluid_settings_t* settings = new_fluid_settings();
  if (settings == nullptr) {
    problem = "FluidSynth could not make its settings";
    return nullptr;
  }
  fluid_settings_setnum(settings, "synth.sample-rate", kOutputRate);
  fluid_settings_setnum(settings, "synth.gain", gain);
  // Only the samples of the instruments in use are read, so a large SoundFont starts quickly.
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  // Pinning them would fail under an ordinary user's small memory-lock limit.
  fluid_settings_setint(settings, "synth.lock-memory", 0);
  fluid_synth_t* synth = new_fluid_synth(settings);
  if (synth == nullptr) {
    problem = "FluidSynth could not make a synthesiser: " + takeFluidError();
    delete_fluid_settings(settings);
    return nullptr;
  }
  std::unique_ptr<Synthesizer> made{new Synthesizer(settings, synth)};
  if (fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) {
    problem = "cannot load the SoundFont " + quoted(soundFont) + ": " + takeFluidError();
    return nullptr;
  }
  return made;
}

Synthesizer::Synthesizer(fluid_settings_t* settings, fluid_synth_t* synth)
    : settings_(settings), synth_(synth) {}

Synthesizer::~Synthesizer() {
  delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
}

void Synthesizer::mixInto(float* stereo, int frames) {
  while (frames > 0) {
    const int chunk = std::min(frames, kChunkFrames);
    float* scratch = scratch_.data();
    fluid_synth_write_float(synth_, chunk, scratch, 0, 2, scratch, 1, 2);
    for (int i = 0; i < chunk * kOutputChannels; ++i) stereo[i] += scratch[i];
    stereo += chunk * kOutputChannels;
    frames -= chunk;
  }
}

}  // namespace quavix
