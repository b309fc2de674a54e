#include "core/note_naming.h"

#include <array>

#include "core/judging.h"
#include "core/key_signature.h"

namespace quavix {

namespace {

constexpr std::array<std::string_view, 4> kCodes = {"letters", "solfege", "german", "numbers"};
constexpr std::array<std::string_view, kLetterCount> kLetterNames = {"C", "D", "E", "F",
                                                                     "G", "A", "B"};
constexpr std::array<std::string_view, kLetterCount> kSolfege = {"Do",  "Re", "Mi", "Fa",
                                                                 "Sol", "La", "Si"};
constexpr std::array<std::string_view, kLetterCount> kFileLetters = {"c", "d", "e", "f",
                                                                     "g", "a", "b"};
constexpr int kE = 2, kA = 5, kB = 6;

std::string germanName(SpelledNote note) {
  if (note.letter == kB && note.accidental < 0) return "B";
  if (note.accidental < 0 && (note.letter == kE || note.letter == kA)) {
    return std::string(kLetterNames[note.letter]) + "s";
  }
  std::string name(note.letter == kB ? "H" : kLetterNames[note.letter]);
  if (note.accidental > 0) name += "is";
  if (note.accidental < 0) name += "es";
  return name;
}

std::string_view sign(SpelledNote note) {
  return note.accidental > 0 ? "#" : note.accidental < 0 ? "b" : "";
}

}  // namespace

std::string_view namingCode(NoteNaming naming) { return kCodes[static_cast<size_t>(naming)]; }

std::optional<NoteNaming> namingOfCode(std::string_view code) {
  for (NoteNaming naming : kNamings) {
    if (namingCode(naming) == code) return naming;
  }
  return std::nullopt;
}

std::string nameIn(NoteNaming naming, SpelledNote note) {
  switch (naming) {
    case NoteNaming::Letters:
      return std::string(kLetterNames[note.letter]) + std::string(sign(note));
    case NoteNaming::Solfege:
      return std::string(kSolfege[note.letter]) + std::string(sign(note));
    case NoteNaming::German:
      return germanName(note);
    case NoteNaming::Numbers:
      return std::string(sign(note)) + std::to_string(note.letter + 1);
  }
  return {};
}

std::string nameWithOctave(NoteNaming naming, SpelledNote note) {
  if (naming == NoteNaming::Letters) return noteName(note);
  // U+2080 SUBSCRIPT ZERO and the digits after it, in UTF-8.
  const std::string subscript = {'\xE2', '\x82', static_cast<char>('\x80' + note.octave)};
  return nameIn(naming, note) + subscript;
}

SpelledNote namedNote(NoteNaming naming, int keyFifths, SpelledNote note) {
  if (naming != NoteNaming::Numbers) return note;
  const int degree = (note.letter - tonicLetter(keyFifths) + kLetterCount) % kLetterCount;
  return {static_cast<int16_t>(degree),
          static_cast<int16_t>(note.accidental - keyAccidental(keyFifths, note.letter)),
          note.octave};
}

SpelledNote spellingOfPitch(int midiNote) {
  // C, C#, D, D#, E, F, F#, G, G#, A, A#, B
  static constexpr std::array<int16_t, 12> kLetters = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
  static constexpr std::array<int16_t, 12> kSharps = {0, 1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0};
  const int pitchClass = midiNote % 12;
  return {kLetters[pitchClass], kSharps[pitchClass], static_cast<int16_t>(midiNote / 12 - 1)};
}

std::string spokenNameFile(NoteNaming naming, SpelledNote note) {
  if (naming == NoteNaming::Letters && note.accidental == 0) {
    return std::string(naturalSampleFile(note.letter));
  }
  std::string file =
      "names/" + std::string(namingCode(naming)) + "/" + std::string(kFileLetters[note.letter]);
  if (note.accidental > 0) file += "-sharp";
  if (note.accidental < 0) file += "-flat";
  return file + ".wav";
}

std::optional<std::string_view> playersOwnRecording(std::string_view spokenFile) {
  for (NoteNaming naming : kNamings) {
    for (int16_t letter = 0; letter < kLetterCount; ++letter) {
      if (spokenNameFile(naming, {letter, 0, 4}) == spokenFile) return naturalSampleFile(letter);
    }
  }
  return std::nullopt;
}

}  // namespace quavix
