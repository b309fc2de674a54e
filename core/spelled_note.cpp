#include "core/spelled_note.h"

namespace quavix {

namespace {

constexpr std::array<int, kLetterCount> kLetterSemitones = {0, 2, 4, 5, 7, 9, 11};
constexpr std::string_view kLetters = "CDEFGAB";
constexpr std::array<std::string_view, kClefKinds> kClefCodes = {"treble", "bass", "alto", "tenor"};

}  // namespace

std::string_view clefCode(Clef clef) { return kClefCodes[static_cast<int>(clef)]; }

std::optional<Clef> clefOfCode(std::string_view code) {
  for (Clef clef : kAllClefs) {
    if (clefCode(clef) == code) return clef;
  }
  return std::nullopt;
}

int pitchOf(SpelledNote note) {
  return 12 * (note.octave + 1) + kLetterSemitones[note.letter] + note.accidental;
}

int diatonicOf(SpelledNote note) { return kLetterCount * note.octave + note.letter; }

SpelledNote naturalAt(int diatonic) {
  // Every staff's notes lie above C0, so the division needs no rounding down.
  return {static_cast<int16_t>(diatonic % kLetterCount), 0,
          static_cast<int16_t>(diatonic / kLetterCount)};
}

std::string noteName(SpelledNote note) {
  std::string name(1, kLetters[note.letter]);
  if (note.accidental > 0) name += '#';
  if (note.accidental < 0) name += 'b';
  return name + std::to_string(note.octave);
}

std::optional<SpelledNote> parseNoteName(std::string_view text) {
  if (text.size() < 2) return std::nullopt;
  const size_t letter = kLetters.find(text[0]);
  if (letter == std::string_view::npos) return std::nullopt;
  SpelledNote note{static_cast<int16_t>(letter), 0, 0};
  text.remove_prefix(1);
  if (text[0] == '#' || text[0] == 'b') {
    note.accidental = text[0] == '#' ? 1 : -1;
    text.remove_prefix(1);
  }
  // One digit: the keyboard spans octaves 1 to 6.
  if (text.size() != 1 || text[0] < '0' || text[0] > '9') return std::nullopt;
  note.octave = static_cast<int16_t>(text[0] - '0');
  return note;
}

}  // namespace quavix
