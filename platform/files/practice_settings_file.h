#pragma once

#include <QSettings>

#include "core/player_settings.h"

namespace quavix {

// The [practice] group of the settings file:
//   trebleRange=G3-D6, bassRange, altoRange, tenorRange: the lowest and highest natural note
//   mixedClefs=treble, bass: the clefs of the mixed option
//   accidentals=none | sharps-flats | keys
//   noteNames=letters | solfege | german | numbers
//   redKeyName=false | true
// A value that cannot be read keeps its default, with one line on stderr.
void readPracticeSettings(const QSettings& file, PlayerSettings& settings);
void writePracticeSettings(QSettings& file, const PlayerSettings& settings);

}  // namespace quavix
