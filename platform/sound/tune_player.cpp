#include "platform/sound/tune_player.h"

#include <array>
#include <cstring>

#include "platform/sound/fluid_log.h"

namespace quavix {

namespace {

// Under the keyboard, which plays at 1.0: the tune's loudest passage stays about 10 dB below a
// key's note.
constexpr double kTuneGain = 0.4;

// FluidSynth renders and runs its sequencer in blocks of this many frames.
constexpr int kFluidBlockFrames = 64;

}  // namespace

std::unique_ptr<TunePlayer> TunePlayer::create(const Synthesizer& keyboard,
                                               std::span<const char> midiFile,
                                               std::string& problem) {
  // FluidSynth refuses other files without a word; say why here.
  if (midiFile.size() < 14 || std::memcmp(midiFile.data(), "MThd", 4) != 0) {
    problem = "it is not a Standard MIDI File";
    return nullptr;
  }
  auto synth = Synthesizer::create(keyboard, kTuneGain, problem);
  if (!synth) return nullptr;
  fluid_settings_t* settings = fluid_synth_get_settings(synth->get());
  // The player advances with the rendered frames, so it keeps time with the sound card.
  fluid_settings_setstr(settings, "player.timing-source", "sample");
  // No reset between rounds: it would cut the last notes short and make the synthesiser reload
  // the tune's instruments from disk inside the audio callback. The tune sets them up itself.
  fluid_settings_setint(settings, "player.reset-synth", 0);
  fluid_player_t* player = new_fluid_player(synth->get());
  if (player == nullptr) {
    problem = "FluidSynth could not make a MIDI player: " + takeFluidError();
    return nullptr;
  }
  std::unique_ptr<TunePlayer> tune{new TunePlayer(std::move(synth), player)};
  if (fluid_player_add_mem(player, midiFile.data(), midiFile.size()) != FLUID_OK ||
      fluid_player_play(player) != FLUID_OK) {
    problem = "FluidSynth could not queue the tune: " + takeFluidError();
    return nullptr;
  }
  // One block rendered here parses the file and loads the instruments chosen at its start, so
  // that neither happens in the audio callback. It plays a single round so far: a file that
  // lasts no time at all would be reloaded without end inside one block once it loops.
  std::array<float, kFluidBlockFrames * kOutputChannels> firstBlock{};
  tune->writeOver(firstBlock.data(), kFluidBlockFrames);
  if (fluid_player_get_status(player) != FLUID_PLAYER_PLAYING) {
    problem = "its tracks can't be read";
    return nullptr;
  }
  if (fluid_player_get_total_ticks(player) <= 0) {
    problem = "it lasts no time";
    return nullptr;
  }
  fluid_player_set_loop(player, -1);
  return tune;
}

TunePlayer::TunePlayer(std::unique_ptr<Synthesizer> synth, fluid_player_t* player)
    : synth_(std::move(synth)), player_(player) {}

TunePlayer::~TunePlayer() { delete_fluid_player(player_); }

void TunePlayer::stop() { fluid_player_stop(player_); }

}  // namespace quavix
