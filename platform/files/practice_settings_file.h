#pragma once

#include <QSettings>

#include "core/practice_settings.h"

namespace quavix {

// The [practice] group of the settings file:
//   trebleRange=G3-D6, bassRange, altoRange, tenorRange: the lowest and highest natural note
//   mixedClefs=treble, bass: the clefs of the mixed option
//   accidentals=none | sharps-flats | keys
// A value that cannot be read keeps its default, with one line on stderr.
PracticeSettings readPracticeSettings(const QSettings& file);
void writePracticeSettings(QSettings& file, const PracticeSettings& practice);

}  // namespace quavix
