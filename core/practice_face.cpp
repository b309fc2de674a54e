#include "core/practice_face.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/key_signature.h"
#include "core/window_layout.h"

namespace quavix {

namespace {

// The staff lines of the clef pictures, steps 5 to 13, across the whole card.
constexpr int kStaffTop = 390;
constexpr int kStaffLineGap = 90;
constexpr int kStepHeight = kStaffLineGap / 2;
constexpr int kLineStep = 5;  // the top line
constexpr int kCardWidth = 1190;
constexpr int kCardHeight = 1200;
constexpr int kClefLeft = 45;
constexpr int kSignatureLeft = 345;  // right of every clef
// A sign of the signature and the small gap after it, by the music font's widths.
constexpr int kSharpAdvance = 150;
constexpr int kFlatAdvance = 105;
constexpr int kSignatureToNote = 75;
constexpr int kNoteLeft = 360;  // the note image's usual place
constexpr int kAccidentalWidth = 135;
// From the note image's left edge to the card's right edge, when a signature widens the card.
constexpr int kNoteToRight = 360;
// How far above and below its line or space a note reaches: its head one step, a sign of its own
// as far as the music font draws it (a sharp centred on it, a flat with its bowl on it).
struct Reach {
  int above, below;
};
constexpr Reach kHeadReach = {kStepHeight, kStepHeight};
constexpr Reach kSharpReach = {125, 125};
constexpr Reach kFlatReach = {165, 55};
// Kept clear between the note and the card's edge.
constexpr int kEdgeMargin = 2 * layout::kTwipsPerPixel;

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

// In whole pixels, so that the card's drawing moves by whole pixels.
int roundUpToPixel(int twips) {
  return std::max(0, (twips + layout::kTwipsPerPixel - 1) / layout::kTwipsPerPixel) *
         layout::kTwipsPerPixel;
}

CardModel::Growth growthFor(int step, int noteLeft, Reach reach) {
  return {roundUpToPixel(noteLeft + kNoteToRight - kCardWidth),
          roundUpToPixel(reach.above + kEdgeMargin - stepY(step)),
          roundUpToPixel(stepY(step) + reach.below + kEdgeMargin - kCardHeight)};
}

}  // namespace

bool hasClefPicture(Clef clef) { return clef == Clef::Treble || clef == Clef::Bass; }

void facePracticeCard(const PracticeCard& card, Controls& controls) {
  CardModel& face = controls.picture1;
  const int clef = static_cast<int>(card.clef);
  const bool sharps = card.keyFifths > 0;
  const int advance = sharps ? kSharpAdvance : kFlatAdvance;
  const int signs = std::abs(card.keyFifths);
  int noteLeft = signs > 0 ? kSignatureLeft + advance * signs + kSignatureToNote : kNoteLeft;
  for (int i = 0; i < signs; ++i) {
    const int place = (sharps ? kSharpPlaces : kFlatPlaces)[clef][i];
    face.symbols.push_back({sharps ? CardGlyph::Sharp : CardGlyph::Flat,
                            kSignatureLeft + advance * i, heightY(card.clef, place)});
  }
  // A sign before the note only where the signature does not already say it.
  Reach reach = kHeadReach;
  if (card.note.accidental != keyAccidental(card.keyFifths, card.note.letter)) {
    const bool sharp = card.note.accidental > 0;
    face.symbols.push_back(
        {sharp ? CardGlyph::Sharp : CardGlyph::Flat, noteLeft, stepY(card.step)});
    noteLeft += kAccidentalWidth;
    const Reach sign = sharp ? kSharpReach : kFlatReach;
    reach = {std::max(reach.above, sign.above), std::max(reach.below, sign.below)};
  }
  face.noteShift = noteLeft - kNoteLeft;
  for (LedgerLine& line : face.lines) {
    line.x1 += face.noteShift;
    line.x2 += face.noteShift;
  }
  face.growth = growthFor(card.step, noteLeft, reach);
  // The staff goes on where the clef picture ends.
  const int staffLeft = hasClefPicture(card.clef) ? kCardWidth : 0;
  if (staffLeft < kCardWidth + face.growth.right) {
    for (int line = 0; line < 5; ++line) {
      const int y = kStaffTop + kStaffLineGap * line;
      face.lines.push_back({staffLeft, y, kCardWidth + face.growth.right, y});
    }
  }
  if (!hasClefPicture(card.clef)) {
    face.symbols.push_back({CardGlyph::CClef, kClefLeft, stepY(kCClefStep[clef])});
  }
}

}  // namespace quavix
