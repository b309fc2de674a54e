#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/computer_keys.h"
#include "core/languages.h"
#include "core/note_naming.h"
#include "core/practice_settings.h"
#include "core/transposition.h"
#include "core/window_scale.h"

namespace quavix {

// What the player chose in the band's menu, kept between runs. The defaults leave the window
// exactly as it is without the menu.
struct PlayerSettings {
  bool backgroundMusic = true;
  Language language = Language::Chinese;
  // A note played on a MIDI keyboard also sounds through the game's synthesiser.
  bool midiEcho = true;
  // The C that the computer keys' lower row starts from.
  int computerKeyOctave = kDefaultKeyOctave;
  // Applies from the next game's start.
  PracticeSettings practice{};
  NoteNaming noteNames = NoteNaming::Letters;
  // Helps for beginners. The red answer key also shows the note's name:
  bool redKeyName = false;
  // every piano key its note's name, and the computer key that plays it;
  bool keyNames = false;
  bool keyLetters = false;
  // a missed card's answer key turns red and its name is said, before the next card comes;
  bool showMissedAnswer = false;
  // a test's time left follows the score;
  bool countdown = false;
  // clearing the scores asks first.
  bool askBeforeClearing = false;
  // MIDI sources, by name, that the game does not listen to.
  std::vector<std::string> switchedOffMidiInputs{};
  // Of the instrument played into a MIDI input or the microphone.
  Transposition transposition = Transposition::Concert;
  // Notes heard through the microphone answer the cards; the tune pauses meanwhile.
  bool microphoneOn = false;
  std::string microphoneDevice{};  // "" for the system's default
  // Percent of the layout's size, or layout::kFitScreen.
  int windowScale = layout::kNormalScale;

  bool operator==(const PlayerSettings&) const = default;
};

}  // namespace quavix
