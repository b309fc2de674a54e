#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "core/key_signature.h"
#include "core/note_naming.h"
#include "core/spelled_note.h"

namespace quavix {
namespace {

// Each clef's staff against the notes a musician reads there, and spellings across octaves.
TEST(Spelling, StaffStepsAndSpellingsGiveTheirPitch) {
  const std::tuple<Clef, int, const char*, int> cases[] = {
      {Clef::Treble, 15, "C4", 60}, {Clef::Treble, 0, "D6", 86}, {Clef::Treble, 11, "G4", 67},
      {Clef::Bass, 3, "C4", 60},    {Clef::Bass, 18, "B1", 35},  {Clef::Bass, 7, "F3", 53},
      {Clef::Alto, 9, "C4", 60},    {Clef::Alto, 13, "F3", 53},  {Clef::Alto, 0, "E5", 76},
      {Clef::Tenor, 7, "C4", 60},   {Clef::Tenor, 13, "D3", 50}, {Clef::Tenor, 18, "F2", 41}};
  for (const auto& [clef, step, name, pitch] : cases) {
    const SpelledNote note = naturalAt(diatonicOnStep(clef, step));
    EXPECT_EQ(noteName(note), name) << clefCode(clef) << step;
    EXPECT_EQ(pitchOf(note), pitch) << name;
    EXPECT_EQ(stepOfDiatonic(clef, diatonicOf(note)), step) << name;
  }
  const std::pair<const char*, int> spelled[] = {{"B#3", 60}, {"Cb4", 59}, {"Bb1", 34},
                                                 {"F#4", 66}, {"E#5", 77}, {"D#6", 87}};
  for (const auto& [name, pitch] : spelled) {
    const auto note = parseNoteName(name);
    ASSERT_TRUE(note) << name;
    EXPECT_EQ(pitchOf(*note), pitch) << name;
    EXPECT_EQ(noteName(*note), name);
  }
  for (const char* wrong : {"", "C", "H4", "c4", "C#", "Cx4", "C10", "C-1", "Db4 "}) {
    EXPECT_FALSE(parseNoteName(wrong)) << wrong;
  }
}

// The fifteen major keys, each as the accidentals it gives C D E F G A B.
TEST(Spelling, KeySignaturesAddSharpsAndFlatsInOrder) {
  const char* const kSigns[kKeySignatureCount] = {
      "Cb bbbbbbb", "Gb bbb.bbb", "Db .bb.bbb", "Ab .bb..bb", "Eb ..b..bb",
      "Bb ..b...b", "F ......b",  "C .......",  "G ...#...",  "D #..#...",
      "A #..##..",  "E ##.##..",  "B ##.###.",  "F# ######.", "C# #######"};
  for (int fifths = kFewestFifths; fifths <= kMostFifths; ++fifths) {
    std::string signs = keyName(fifths) + " ";
    for (int letter = 0; letter < kLetterCount; ++letter) {
      const int16_t accidental = keyAccidental(fifths, letter);
      signs += accidental > 0 ? '#' : accidental < 0 ? 'b' : '.';
      EXPECT_EQ(spellInKey(fifths, {static_cast<int16_t>(letter), 0, 4}).accidental, accidental);
    }
    EXPECT_EQ(signs, kSigns[fifths - kFewestFifths]) << fifths;
  }
}

TEST(Spelling, EveryNamingNamesEverySpelling) {
  struct Case {
    const char* spelled;
    std::array<const char*, 4> names;  // letters, solfege, german, numbers
    const char* heard;                 // the recording of its solfege name
  };
  const Case cases[] = {{"C4", {"C", "Do", "C", "1"}, "names/solfege/c.wav"},
                        {"F#4", {"F#", "Fa#", "Fis", "#4"}, "names/solfege/f-sharp.wav"},
                        {"Bb3", {"Bb", "Sib", "B", "b7"}, "names/solfege/b-flat.wav"},
                        {"B3", {"B", "Si", "H", "7"}, "names/solfege/b.wav"},
                        {"Eb4", {"Eb", "Mib", "Es", "b3"}, "names/solfege/e-flat.wav"},
                        {"Cb4", {"Cb", "Dob", "Ces", "b1"}, "names/solfege/c-flat.wav"},
                        {"B#3", {"B#", "Si#", "His", "#7"}, "names/solfege/b-sharp.wav"}};
  for (const Case& c : cases) {
    const SpelledNote note = *parseNoteName(c.spelled);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(nameIn(kNamings[i], note), c.names[i]) << c.spelled;
    EXPECT_EQ(spokenNameFile(NoteNaming::Solfege, note), c.heard);
  }
  // Numbers count from the card's tonic, the other namings stay fixed.
  const std::tuple<int, const char*, const char*, NoteNaming> inKeys[] = {
      {2, "C#5", "7", NoteNaming::Numbers},  {-1, "Bb3", "4", NoteNaming::Numbers},
      {-7, "Cb4", "1", NoteNaming::Numbers}, {-5, "Gb4", "4", NoteNaming::Numbers},
      {0, "F#4", "#4", NoteNaming::Numbers}, {2, "C#5", "Do#", NoteNaming::Solfege}};
  for (const auto& [fifths, spelled, name, naming] : inKeys) {
    EXPECT_EQ(nameIn(naming, namedNote(naming, fifths, *parseNoteName(spelled))), name) << spelled;
  }
  // The letters' natural names are the game's own recordings.
  EXPECT_EQ(spokenNameFile(NoteNaming::Letters, *parseNoteName("C4")), "2.wav");
  EXPECT_EQ(spokenNameFile(NoteNaming::Letters, *parseNoteName("B2")), "8.wav");
  EXPECT_EQ(nameWithOctave(NoteNaming::German, *parseNoteName("F#4")), "Fis\u2084");
  EXPECT_EQ(nameWithOctave(NoteNaming::Letters, spellingOfPitch(34)), "A#1");
}

}  // namespace
}  // namespace quavix
