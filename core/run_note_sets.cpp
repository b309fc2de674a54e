#include "core/run_note_sets.h"

#include "core/translatable.h"

namespace quavix {

namespace {

struct SetInfo {
  std::string_view code;
  const char* name;
  Clef clef;
  const char* lowest;
  const char* highest;
};

// D6 is as high as any card goes: the highest note the piano answers flat, natural or sharp.
constexpr std::array<SetInfo, kRunNoteSets.size()> kInfo = {{
    {"treble-staff", QUAVIX_TEXT("Velmora", "高音谱表内 (E4–F5)"), Clef::Treble, "E4", "F5"},
    {"treble-ledgers", QUAVIX_TEXT("Velmora", "高音谱加线 (C4–D6)"), Clef::Treble, "C4", "D6"},
    {"bass-staff", QUAVIX_TEXT("Velmora", "低音谱表内 (G2–A3)"), Clef::Bass, "G2", "A3"},
    {"bass-ledgers", QUAVIX_TEXT("Velmora", "低音谱加线 (E2–C4)"), Clef::Bass, "E2", "C4"},
    {"alto-staff", QUAVIX_TEXT("Velmora", "中音谱表内 (F3–G4)"), Clef::Alto, "F3", "G4"},
    {"practice", QUAVIX_TEXT("Velmora", "当前练习设置"), Clef::Treble, nullptr, nullptr},
}};

const SetInfo& infoOf(RunNoteSet set) { return kInfo.at(static_cast<size_t>(set)); }

int16_t heightOf(const char* name) {
  return static_cast<int16_t>(diatonicOf(*parseNoteName(name)));
}

}  // namespace

std::string_view runNoteSetCode(RunNoteSet set) { return infoOf(set).code; }

std::optional<RunNoteSet> runNoteSetOfCode(std::string_view code) {
  for (const RunNoteSet set : kRunNoteSets) {
    if (runNoteSetCode(set) == code) return set;
  }
  return std::nullopt;
}

const char* runNoteSetName(RunNoteSet set) { return infoOf(set).name; }

PracticeSettings runRules(RunNoteSet set, const PracticeSettings& own) {
  if (set == RunNoteSet::Practice) return own;
  const SetInfo& info = infoOf(set);
  PracticeSettings rules;
  rules.range(info.clef) = {heightOf(info.lowest), heightOf(info.highest)};
  rules.mixedClefs = {};
  rules.mixedClefs[static_cast<int>(info.clef)] = true;
  return rules;
}

}  // namespace quavix
