#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/player_settings.h"
#include "platform/files/settings_text.h"

namespace quavix {

// The [practice] group of the settings file:
//   clefs=treble,bass: the clefs of the mixed option
//   onlyClef=none | alto | tenor: that clef alone, whatever clef option the window shows
//   lowest.<clef>=G3, highest.<clef>=D6: the range of each clef's cards
//   accidentals=none | sharps-flats | keys
//   keys=C,G,D,A,E,B,F#,C#,F,Bb,Eb,Ab,Db,Gb,Cb: the key signatures that keys draws from
//   names=letters | solfege | german | numbers
//   redKeyName, keyNames, keyLetters, showMissedAnswer, countdown, askBeforeClearing=false | true:
//     the beginners' helps
// A value that cannot be used keeps its default, with one line on stderr.
void readPracticeSettings(const SettingsText& file, PlayerSettings& settings);
void addPracticeSettings(const PlayerSettings& settings,
                         std::vector<std::pair<std::string, std::string>>& values);

}  // namespace quavix
