#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/practice_settings.h"

namespace quavix {

// The fixed note sets of the one-minute run, so that runs over one set compare; Practice is the
// player's own choice of the moment.
enum class RunNoteSet : int8_t {
  TrebleStaff,
  TrebleLedgers,
  BassStaff,
  BassLedgers,
  AltoStaff,
  Practice
};
constexpr std::array<RunNoteSet, 6> kRunNoteSets = {
    RunNoteSet::TrebleStaff, RunNoteSet::TrebleLedgers, RunNoteSet::BassStaff,
    RunNoteSet::BassLedgers, RunNoteSet::AltoStaff,     RunNoteSet::Practice};

// Its name in the statistics file and in exports: "treble-staff", ...
std::string_view runNoteSetCode(RunNoteSet set);
std::optional<RunNoteSet> runNoteSetOfCode(std::string_view code);
// Its name on the menu, in the core's source language.
const char* runNoteSetName(RunNoteSet set);
// The cards a run over the set shows: natural notes of one clef's range, or the player's own.
PracticeSettings runRules(RunNoteSet set, const PracticeSettings& own);

}  // namespace quavix
