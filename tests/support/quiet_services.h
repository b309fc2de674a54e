#pragma once

#include "core/interfaces/game_recorder.h"
#include "core/interfaces/midi_input.h"

namespace quavix {

// For tests whose concern is not the game's record; the statistics tests follow it.
struct NoRecorder : GameRecorder {
  void opened() override {}
  void closed() override {}
  void gameStarted(PlayMode, int, int16_t) override {}
  void gameEnded(int16_t) override {}
  void cardShown(int, int) override {}
  void answered(int, int, int, bool) override {}
  void cardMissed(int, int) override {}
};

// A desktop with no MIDI keyboard.
struct NoMidiInput : MidiInput {
  void refresh(const std::vector<std::string>&) override {}
  std::vector<MidiSource> sources() const override { return {}; }
};

}  // namespace quavix
