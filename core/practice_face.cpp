#include "core/practice_face.h"

#include <array>
#include <cstdlib>

#include "core/key_signature.h"

namespace quavix {

namespace {

// The staff lines of the clef pictures, steps 5 to 13, across the whole card.
constexpr int kStaffTop = 390;
constexpr int kStaffLineGap = 90;
constexpr int kStepHeight = kStaffLineGap / 2;
constexpr int kLineStep = 5;  // the top line
constexpr int kCardWidth = 1200;
constexpr int kClefLeft = 45;
constexpr int kSignatureLeft = 345;  // right of every clef
constexpr int kSignatureGap = 80;
constexpr int kNoteLeft = 360;  // the note image's usual place
constexpr int kAccidentalWidth = 135;

constexpr int natural(int letter, int octave) { return kLetterCount * octave + letter; }
constexpr int C = 0, D = 1, E = 2, F = 3, G = 4, A = 5, B = 6;

// Where each clef writes the signs of its signatures, in the order they are added.
// clang-format off
constexpr std::array<std::array<int, kLetterCount>, kClefKinds> kSharpPlaces = {{
    {natural(F, 5), natural(C, 5), natural(G, 5), natural(D, 5), natural(A, 4), natural(E, 5), natural(B, 4)},
    {natural(F, 3), natural(C, 3), natural(G, 3), natural(D, 3), natural(A, 2), natural(E, 3), natural(B, 2)},
    {natural(F, 4), natural(C, 4), natural(G, 4), natural(D, 4), natural(A, 3), natural(E, 4), natural(B, 3)},
    // The tenor clef starts low, so that no sharp climbs above its staff.
    {natural(F, 3), natural(C, 4), natural(G, 3), natural(D, 4), natural(A, 3), natural(E, 4), natural(B, 3)},
}};
constexpr std::array<std::array<int, kLetterCount>, kClefKinds> kFlatPlaces = {{
    {natural(B, 4), natural(E, 5), natural(A, 4), natural(D, 5), natural(G, 4), natural(C, 5), natural(F, 4)},
    {natural(B, 2), natural(E, 3), natural(A, 2), natural(D, 3), natural(G, 2), natural(C, 3), natural(F, 2)},
    {natural(B, 3), natural(E, 4), natural(A, 3), natural(D, 4), natural(G, 3), natural(C, 4), natural(F, 3)},
    {natural(B, 3), natural(E, 4), natural(A, 3), natural(D, 4), natural(G, 3), natural(C, 4), natural(F, 3)},
}};
// clang-format on

// The C clef's middle marks middle C: the alto's middle line, the tenor's fourth line.
constexpr int kCClefStep[kClefKinds] = {0, 0, 9, 7};

int stepY(int step) { return kStaffTop + kStepHeight * (step - kLineStep); }

int heightY(Clef clef, int diatonic) { return stepY(stepOfDiatonic(clef, diatonic)); }

}  // namespace

bool hasClefPicture(Clef clef) { return clef == Clef::Treble || clef == Clef::Bass; }

void facePracticeCard(const PracticeCard& card, Controls& controls) {
  CardModel& face = controls.picture1;
  const int clef = static_cast<int>(card.clef);
  int noteLeft = kNoteLeft;
  const int signs = std::abs(card.keyFifths);
  if (signs > 0) noteLeft = kSignatureLeft + kSignatureGap * signs + kSignatureGap / 2;
  for (int i = 0; i < signs; ++i) {
    const bool sharp = card.keyFifths > 0;
    const int place = (sharp ? kSharpPlaces : kFlatPlaces)[clef][i];
    face.symbols.push_back({sharp ? CardGlyph::Sharp : CardGlyph::Flat,
                            kSignatureLeft + kSignatureGap * i, heightY(card.clef, place)});
  }
  // A sign before the note only where the signature does not already say it.
  if (card.note.accidental != keyAccidental(card.keyFifths, card.note.letter)) {
    face.symbols.push_back({card.note.accidental > 0 ? CardGlyph::Sharp : CardGlyph::Flat, noteLeft,
                            stepY(card.step)});
    noteLeft += kAccidentalWidth;
  }
  face.noteShift = noteLeft - kNoteLeft;
  for (LedgerLine& line : face.lines) {
    line.x1 += face.noteShift;
    line.x2 += face.noteShift;
  }
  if (!hasClefPicture(card.clef)) {
    for (int line = 0; line < 5; ++line) {
      const int y = kStaffTop + kStaffLineGap * line;
      face.lines.push_back({0, y, kCardWidth, y});
    }
    face.symbols.push_back({CardGlyph::CClef, kClefLeft, stepY(kCClefStep[clef])});
  }
}

}  // namespace quavix
