#pragma once

#include <fluidsynth.h>

#include <memory>
#include <span>
#include <string>

#include "platform/sound/synthesizer.h"

namespace quavix {

// A Standard MIDI File looped without end and without gap, on a synthesiser of its own.
class TunePlayer {
 public:
  // Starts the tune at its beginning, with the instruments of the SoundFont that `keyboard` has
  // loaded; `keyboard` must outlive it. Null when it can't be played; `problem` then says why.
  static std::unique_ptr<TunePlayer> create(const Synthesizer& keyboard,
                                            std::span<const char> midiFile, std::string& problem);
  // Deletes the player before its synthesiser; neither may be rendering any more.
  ~TunePlayer();
  TunePlayer(const TunePlayer&) = delete;
  TunePlayer& operator=(const TunePlayer&) = delete;

  // Stops the tune's notes; the first step of shutting down.
  void stop();

  // Writes the next `frames` interleaved stereo frames of the tune over `stereo`. Audio thread.
  void writeOver(float* stereo, int frames) { synth_->writeOver(stereo, frames); }

 private:
  TunePlayer(std::unique_ptr<Synthesizer> synth, fluid_player_t* player);

  std::unique_ptr<Synthesizer> synth_;
  fluid_player_t* player_;
};

}  // namespace quavix
