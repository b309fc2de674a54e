#pragma once

#include <utility>

#include "core/interfaces/midi_output.h"
#include "core/interfaces/sound_system.h"
#include "platform/sound/audio_engine.h"
#include "platform/sound/engine_sound_system.h"
#include "platform/sound/keyboard_midi_output.h"

namespace quavix {

// All of the program's sound, for the main window to own from start-up to exit.
//
//   SoundServices sound;                 // finds the SoundFont, opens the sound output
//   uint32_t handle = 0;
//   sound.midi().midiOutOpen(&handle, 0);                 // device 0: the keyboard synthesiser
//   sound.midi().midiOutShortMsg(handle, noteOnWord(7));  // middle C
//   sound.sound().setUpAudio();                           // the looping background tune
//   sound.sound().playNoteSample("2.wav");
//   sound.midi().midiOutClose(handle);
//
// Construction returns at once: the SoundFont loads (only the samples in use are read) and the
// sound card opens on a thread of their own, and the first call waits for them. Without a
// SoundFont or a sound card it prints one line on stderr for each and everything goes on
// silently. The SoundFont is QUAVIX_SOUNDFONT when set, else Debian's default-GM.sf2,
// TimGM6mb.sf2 or FluidR3_GM.sf2 in /usr/share/sounds/sf2/.
//
// Destruction is the safe shut-down: the tune stops, the sound output closes, then the player,
// synthesisers and settings are deleted. Destroy it after the last MIDI call. UI thread only.
class SoundServices {
 public:
  explicit SoundServices(AudioEngine::Output output = AudioEngine::Output::soundCard,
                         AudioEngine::Listener listener = {})
      : engine_(output, std::move(listener)) {}

  MidiOutput& midi() { return midi_; }
  SoundSystem& sound() { return sound_; }
  // The mix; with Output::caller, render() it to hear anything.
  AudioEngine& engine() { return engine_; }

 private:
  AudioEngine engine_;
  KeyboardMidiOutput midi_{engine_};
  EngineSoundSystem sound_{engine_};
};

}  // namespace quavix
