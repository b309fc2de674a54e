#include <gtest/gtest.h>

#include <string>

#include "core/key_signature.h"
#include "core/spelled_note.h"

namespace quavix {
namespace {

// Each clef's staff against the notes a musician reads there, and spellings across octaves.
TEST(Spelling, StaffStepsAndSpellingsGiveTheirPitch) {
  struct Case {
    Clef clef;
    int step;
    const char* name;
    int pitch;
  };
  const Case cases[] = {
      {Clef::Treble, 15, "C4", 60}, {Clef::Treble, 0, "D6", 86}, {Clef::Treble, 11, "G4", 67},
      {Clef::Bass, 3, "C4", 60},    {Clef::Bass, 18, "B1", 35},  {Clef::Bass, 7, "F3", 53},
      {Clef::Alto, 9, "C4", 60},    {Clef::Alto, 13, "F3", 53},  {Clef::Alto, 0, "E5", 76},
      {Clef::Tenor, 7, "C4", 60},   {Clef::Tenor, 13, "D3", 50}, {Clef::Tenor, 18, "F2", 41}};
  for (const Case& c : cases) {
    const SpelledNote note = naturalAt(diatonicOnStep(c.clef, c.step));
    EXPECT_EQ(noteName(note), c.name) << clefCode(c.clef) << c.step;
    EXPECT_EQ(pitchOf(note), c.pitch) << c.name;
    EXPECT_EQ(stepOfDiatonic(c.clef, diatonicOf(note)), c.step) << c.name;
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

// The fifteen signatures, each as the accidentals it gives C D E F G A B.
TEST(Spelling, KeySignaturesAddSharpsAndFlatsInOrder) {
  const char* const kSigns[kKeySignatureCount] = {
      "bbbbbbb", "bbb.bbb", ".bb.bbb", ".bb..bb", "..b..bb", "..b...b", "......b", ".......",
      "...#...", "#..#...", "#..##..", "##.##..", "##.###.", "######.", "#######"};
  for (int fifths = kFewestFifths; fifths <= kMostFifths; ++fifths) {
    std::string signs;
    for (int letter = 0; letter < kLetterCount; ++letter) {
      const int16_t accidental = keyAccidental(fifths, letter);
      signs += accidental > 0 ? '#' : accidental < 0 ? 'b' : '.';
      EXPECT_EQ(spellInKey(fifths, {static_cast<int16_t>(letter), 0, 4}).accidental, accidental);
    }
    EXPECT_EQ(signs, kSigns[fifths - kFewestFifths]) << fifths;
  }
}

}  // namespace
}  // namespace quavix
