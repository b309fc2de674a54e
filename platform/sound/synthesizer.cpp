#include "platform/sound/synthesizer.h"

#include <algorithm>
#include <cmath>

#include "platform/files/regular_file.h"
#include "platform/sound/fluid_log.h"
#include "platform/sound/sound_problem.h"

namespace quavix {

namespace {

constexpr int kDrumChannel = 9;  // General MIDI's channel 10
constexpr int kPolyphony = 64;
// -120 dBFS: what is left of a reverb's tail below it is lost to no one.
constexpr float kSilence = 1e-6f;

fluid_sfont_t* lenderOf(fluid_sfont_t* loan) {
  return static_cast<fluid_sfont_t*>(fluid_sfont_get_data(loan));
}

// A SoundFont lent by another synthesiser. Its presets are the lender's own, so their samples are
// loaded and counted once for both; freeing the loan leaves the lender's SoundFont alone.
fluid_sfont_t* newLoan(fluid_sfont_t* lender) {
  fluid_sfont_t* loan =
      new_fluid_sfont([](fluid_sfont_t* s) { return fluid_sfont_get_name(lenderOf(s)); },
                      [](fluid_sfont_t* s, int bank, int program) {
                        return fluid_sfont_get_preset(lenderOf(s), bank, program);
                      },
                      nullptr, nullptr, delete_fluid_sfont);
  if (loan != nullptr) fluid_sfont_set_data(loan, lender);
  return loan;
}

}  // namespace

std::unique_ptr<Synthesizer> Synthesizer::createEmpty(double gain, std::string& problem) {
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
  // Neither the keyboard's nor the tune's instruments send anything to the chorus: the mix is
  // the same without it, and it costs time in every buffer, silent or not.
  fluid_settings_setint(settings, "synth.chorus.active", 0);
  // The keyboard and the tune each sound a handful of voices at a time; FluidSynth's default of
  // 256 would hold megabytes for nothing.
  fluid_settings_setint(settings, "synth.polyphony", kPolyphony);
  fluid_synth_t* synth = new_fluid_synth(settings);
  if (synth == nullptr) {
    problem = "FluidSynth could not make a synthesiser: " + takeFluidError();
    delete_fluid_settings(settings);
    return nullptr;
  }
  // Neither the keyboard nor the tune plays drums: an ordinary instrument on channel 10 keeps
  // the kit, the largest preset of a General MIDI SoundFont, from being loaded at all.
  fluid_synth_set_channel_type(synth, kDrumChannel, CHANNEL_TYPE_MELODIC);
  fluid_synth_bank_select(synth, kDrumChannel, 0);
  return std::unique_ptr<Synthesizer>{new Synthesizer(settings, synth)};
}

std::unique_ptr<Synthesizer> Synthesizer::create(const std::filesystem::path& soundFont,
                                                 double gain, std::string& problem) {
  // FluidSynth opens it as it is: a FIFO would hold it for good.
  if (const std::string why = notARegularFile(soundFont); !why.empty()) {
    problem = "cannot load the SoundFont " + quoted(soundFont) + ": " + why;
    return nullptr;
  }
  auto made = createEmpty(gain, problem);
  if (!made) return nullptr;
  if (fluid_synth_sfload(made->synth_, soundFont.c_str(), 1) == FLUID_FAILED) {
    problem = "cannot load the SoundFont " + quoted(soundFont) + ": " + takeFluidError();
    return nullptr;
  }
  return made;
}

std::unique_ptr<Synthesizer> Synthesizer::create(const Synthesizer& lender, double gain,
                                                 std::string& problem) {
  auto made = createEmpty(gain, problem);
  if (!made) return nullptr;
  fluid_sfont_t* lent = fluid_synth_get_sfont(lender.synth_, 0);
  fluid_sfont_t* loan = lent != nullptr ? newLoan(lent) : nullptr;
  if (loan == nullptr || fluid_synth_add_sfont(made->synth_, loan) == FLUID_FAILED) {
    problem = "FluidSynth could not share the SoundFont: " + takeFluidError();
    if (loan != nullptr) delete_fluid_sfont(loan);
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

void Synthesizer::writeOver(float* stereo, int frames) {
  fluid_synth_write_float(synth_, frames, stereo, 0, 2, stereo, 1, 2);
}

float Synthesizer::mixInto(float* stereo, int frames) {
  float peak = 0;
  while (frames > 0) {
    const int chunk = std::min(frames, kChunkFrames);
    float* scratch = scratch_.data();
    fluid_synth_write_float(synth_, chunk, scratch, 0, 2, scratch, 1, 2);
    for (int i = 0; i < chunk * kOutputChannels; ++i) {
      stereo[i] += scratch[i];
      peak = std::max(peak, std::abs(scratch[i]));
    }
    stereo += chunk * kOutputChannels;
    frames -= chunk;
  }
  return peak;
}

std::optional<float> Synthesizer::mixIntoWhileSounding(float* stereo, int frames) {
  // A note-on from the UI thread counts as a voice at once, so the next buffer carries it.
  const bool voices = fluid_synth_get_active_voice_count(synth_) > 0;
  if (silent_ && !voices) return std::nullopt;
  const float peak = mixInto(stereo, frames);
  silent_ = peak < kSilence && !voices;
  if (silent_) return std::nullopt;
  return peak;
}

bool Synthesizer::holdsANote() const {
  std::array<fluid_voice_t*, kPolyphony> voices{};
  fluid_synth_get_voicelist(synth_, voices.data(), kPolyphony, -1);
  return std::ranges::any_of(voices, [](fluid_voice_t* v) { return v && fluid_voice_is_on(v); });
}

}  // namespace quavix
