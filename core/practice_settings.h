#pragma once

#include <array>
#include <cstdint>

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

// Every step of the clef's staff, from below the second ledger line below to above the second
// ledger line above.
constexpr NoteRange wholeStaff(Clef clef) {
  return {static_cast<int16_t>(diatonicOnStep(clef, kStaffStepCount - 1)),
          static_cast<int16_t>(diatonicOnStep(clef, 0))};
}

// A range the clef's card can show, lowest not above highest.
constexpr bool fitsStaff(Clef clef, NoteRange range) {
  const NoteRange staff = wholeStaff(clef);
  return range.lowest <= range.highest && range.lowest >= staff.lowest &&
         range.highest <= staff.highest;
}

constexpr std::array<bool, kKeySignatureCount> allKeys() {
  std::array<bool, kKeySignatureCount> keys{};
  keys.fill(true);
  return keys;
}

// Which notes the cards show. The defaults are the game's own cards, chosen by its own rules.
struct PracticeSettings {
  std::array<NoteRange, kClefKinds> ranges = {wholeStaff(Clef::Treble), wholeStaff(Clef::Bass),
                                              wholeStaff(Clef::Alto), wholeStaff(Clef::Tenor)};
  // The clefs that the mixed option draws from, indexed by Clef.
  std::array<bool, kClefKinds> mixedClefs = {true, true, false, false};
  Accidentals accidentals = Accidentals::None;
  // The key signatures that Keys draws from, indexed by fifths - kFewestFifths.
  std::array<bool, kKeySignatureCount> keys = allKeys();

  NoteRange& range(Clef clef) { return ranges[static_cast<int>(clef)]; }
  NoteRange range(Clef clef) const { return ranges[static_cast<int>(clef)]; }
  bool hasKey(int fifths) const { return keys[fifths - kFewestFifths]; }
  bool operator==(const PracticeSettings&) const = default;
};

}  // namespace quavix
