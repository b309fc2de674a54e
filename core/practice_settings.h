#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "core/key_signature.h"
#include "core/spelled_note.h"
#include "core/state.h"

namespace quavix {

enum class Accidentals : uint8_t {
  None,         // natural notes only
  SharpsFlats,  // any note may carry a sharp or a flat before it
  Keys,         // a key signature of the fifteen, and the notes as it spells them
};

// The natural notes a clef's cards may show, as heights (see diatonicOf), both ends included.
struct NoteRange {
  int16_t lowest = 0;
  int16_t highest = 0;
  bool operator==(const NoteRange&) const = default;
};

// The game's own range of every clef: from below the second ledger line below to above the
// second ledger line above.
constexpr NoteRange gameRange(Clef clef) {
  return {static_cast<int16_t>(diatonicOnStep(clef, kStaffStepCount - 1)),
          static_cast<int16_t>(diatonicOnStep(clef, 0))};
}

// A place of the game's own cards, which has a note index.
constexpr bool isGameStep(Clef clef, int step) {
  return (clef == Clef::Treble || clef == Clef::Bass) && step >= 0 && step < kStaffStepCount;
}

// B1 and D6: the piano answers each of them, flat, natural or sharp.
constexpr int kLowestAnswerable = 13;
constexpr int kHighestAnswerable = 43;

// What a clef's cards may show: four ledger lines either side of its staff, as far as the piano
// reaches.
constexpr NoteRange widestRange(Clef clef) {
  return {
      static_cast<int16_t>(std::max(diatonicOnStep(clef, kLowestPracticeStep), kLowestAnswerable)),
      static_cast<int16_t>(
          std::min(diatonicOnStep(clef, kHighestPracticeStep), kHighestAnswerable))};
}

// A range the clef's cards can show, lowest not above highest.
constexpr bool fitsStaff(Clef clef, NoteRange range) {
  const NoteRange widest = widestRange(clef);
  return range.lowest <= range.highest && range.lowest >= widest.lowest &&
         range.highest <= widest.highest;
}

constexpr std::array<bool, kKeySignatureCount> allKeys() {
  std::array<bool, kKeySignatureCount> keys{};
  keys.fill(true);
  return keys;
}

// Which notes the cards show. The defaults are the game's own cards, chosen by its own rules.
struct PracticeSettings {
  std::array<NoteRange, kClefKinds> ranges = {gameRange(Clef::Treble), gameRange(Clef::Bass),
                                              gameRange(Clef::Alto), gameRange(Clef::Tenor)};
  // The clefs that the mixed option draws from, indexed by Clef.
  std::array<bool, kClefKinds> mixedClefs = {true, true, false, false};
  // Alto or tenor alone, whichever clef option the window shows; none leaves the choice to it.
  std::optional<Clef> onlyClef{};
  Accidentals accidentals = Accidentals::None;
  // The key signatures that Keys draws from, indexed by fifths - kFewestFifths.
  std::array<bool, kKeySignatureCount> keys = allKeys();

  NoteRange& range(Clef clef) { return ranges[static_cast<int>(clef)]; }
  NoteRange range(Clef clef) const { return ranges[static_cast<int>(clef)]; }
  bool hasKey(int fifths) const { return keys[fifths - kFewestFifths]; }
  bool operator==(const PracticeSettings&) const = default;
};

}  // namespace quavix
