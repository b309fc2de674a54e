#pragma once

#include <array>
#include <string>

#include "core/player_settings.h"
#include "core/state.h"

namespace quavix {

// What the beginners' helps write on a piano key: the computer key that plays it and its note's
// name. Empty where the help is off or no computer key reaches.
struct KeyLabel {
  std::string letter;
  std::string name;
  bool operator==(const KeyLabel&) const = default;
};

struct KeyLabels {
  std::array<KeyLabel, kWhiteKeyCount> white;
  std::array<KeyLabel, kBlackKeyCount> black;
  bool operator==(const KeyLabels&) const = default;
};

// The labels as the settings ask. Numbers name the keys from the tonic of the card's key
// signature `keyFifths`, as the card's own number is read; the other namings stay fixed.
KeyLabels keyLabels(const PlayerSettings& settings, int keyFifths);

}  // namespace quavix
