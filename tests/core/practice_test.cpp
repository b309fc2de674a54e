#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/card_face.h"
#include "core/midi_notes.h"
#include "core/practice_choice.h"
#include "core/practice_face.h"
#include "core/practice_judging.h"
#include "tests/core/game_doubles.h"

namespace quavix {
namespace {

float pick(int i, int n) { return (static_cast<float>(i) + 0.5f) / static_cast<float>(n); }

template <class Change>
PracticeSettings rulesWith(Change change) {
  PracticeSettings rules;
  change(rules);
  return rules;
}

struct Practice : Game {
  Practice(const PracticeSettings& rules, int clef, bool test = false) : Game(clef, test) {
    startPractice(practice, rules, test ? 10 : 20);
  }
  void choose() { choosePracticeCard(state, practice, controls, *this); }
  Judgement answer(int pitch, NoteNaming naming) {
    return judgePracticeKey(state, practice, controls, *this, pitch, naming);
  }
  PracticeGame practice;
};

// Draws per attempt: the clef when the option mixes several, the step within the clef's range,
// the left edge, the spelling when accidentals are on, the weight test.
TEST(Practice, CardsComeFromTheChosenClefsRangesAndSpellings) {
  const auto cToG = rulesWith([](PracticeSettings& r) { r.range(Clef::Treble) = {28, 32}; });
  const auto altoTenor = rulesWith([](PracticeSettings& r) { r.mixedClefs = {0, 0, 1, 1}; });
  const auto signs =
      rulesWith([](PracticeSettings& r) { r.accidentals = Accidentals::SharpsFlats; });
  const auto keys = rulesWith([](PracticeSettings& r) { r.accidentals = Accidentals::Keys; });
  const auto high = rulesWith([](PracticeSettings& r) { r.range(Clef::Treble) = {35, 43}; });
  struct Case {
    PracticeSettings rules;
    int option;
    int16_t score;
    std::vector<float> draws;
    Clef clef;
    const char* note;
    int fifths;
  };
  const Case cases[] = {
      {cToG, 0, 3300, {pick(0, 5), 0, 0}, Clef::Treble, "G4", 0},
      {altoTenor, 2, 3300, {pick(1, 2), pick(9, 19), 0, 0}, Clef::Tenor, "A3", 0},
      {signs, 0, 3300, {pick(6, 19), 0, pick(1, 2), 0}, Clef::Treble, "E5", 0},  // never E#
      {keys, 0, 3300, {pick(12, 19), 0, pick(0, 15), 0}, Clef::Treble, "Fb4", -7},
      {keys, 0, 3300, {pick(16, 19), 0, pick(14, 15), 0}, Clef::Treble, "B#3", 7},
      // At score 0 only middle C may come, unless the range lies wholly away from it: then its
      // nearest note does.
      {high, 0, 0, {pick(0, 9), 0, 0, pick(8, 9), 0, 0}, Clef::Treble, "C5", 0}};
  for (const Case& c : cases) {
    Practice game(c.rules, c.option);
    game.score() = c.score;
    game.draws = c.draws;
    game.choose();
    const PracticeCard& card = game.practice.card;
    EXPECT_EQ(noteName(card.note), c.note);
    EXPECT_EQ(card.clef, c.clef) << c.note;
    EXPECT_EQ(card.keyFifths, c.fifths) << c.note;
    EXPECT_EQ(game.state.staffStep, card.step) << c.note;
    EXPECT_EQ(game.used, c.draws.size()) << c.note;
  }
}

// A weight at 2 fails a draw that one at 20 passes; weights belong to the written note.
TEST(Practice, WeightsAreKeptPerWrittenNote) {
  Practice game(rulesWith([](PracticeSettings& r) { r.accidentals = Accidentals::SharpsFlats; }),
                1);
  game.practice.weights[1][3][2] = 2;  // C#4 on the bass staff
  game.draws = {pick(3, 19), 0, pick(1, 2), 0.9f, pick(3, 19), 0, pick(0, 2), 0.9f};
  game.choose();
  EXPECT_EQ(noteName(game.practice.card.note), "C4");
  EXPECT_EQ(game.used, 8u);
}

TEST(Practice, AnyKeyOfTheCardsPitchAnswersAndEveryWrongKeyRaisesItsWeight) {
  struct Case {
    const char* card;
    int pitch;
    bool test;
    Judgement judgement;
    int scoreAfter, weightAfter;
    bool red;  // the card's pitch's key
    std::vector<std::string> samples;
    NoteNaming naming = NoteNaming::Letters;
  };
  // clang-format off
  const Case cases[] = {
      {"F#4", 66, false, Judgement::Right, 49, 18, false, {"names/letters/f-sharp.wav"}},
      {"Cb4", 59, false, Judgement::Right, 49, 18, false, {"names/german/c-flat.wav"}, NoteNaming::German},
      {"C4", 60, false, Judgement::Right, 49, 18, false, {"2.wav"}},
      {"F#4", 65, false, Judgement::Wrong, 30, 20, true, {}},
      {"F#4", 61, false, Judgement::Wrong, 30, 20, true, {}},  // a black key raises it too
      {"C4", 61, true, Judgement::Wrong, 30, 20, false, {}}};
  // clang-format on
  for (const Case& c : cases) {
    Practice game(PracticeSettings{}, 0, c.test);
    game.controls.gameRunning = true;
    game.state.noteFallY = 400;
    game.score() = 40;
    game.practice.card.note = *parseNoteName(c.card);
    game.practice.weight() = 19;
    EXPECT_EQ(game.answer(c.pitch, c.naming), c.judgement) << c.card << c.pitch;
    EXPECT_EQ(game.score(), c.scoreAfter) << c.card << c.pitch;
    EXPECT_EQ(game.practice.weight(), c.weightAfter) << c.card << c.pitch;
    EXPECT_EQ(game.state.noteFallY, c.judgement == Judgement::Right ? 0 : 400);
    EXPECT_EQ(game.played, c.samples) << c.card;
    const layout::KeyRef key = *keyForNote(pitchOf(*parseNoteName(c.card)));
    const Colour colour = key.black ? game.controls.blackKeyColours[key.index]
                                    : game.controls.whiteKeyColours[key.index];
    EXPECT_EQ(colour == kRed, c.red) << c.card << c.pitch;
  }
}

// The practice chosen in the menu starts with the next game; its cards on the clefs without a
// picture are drawn whole, and the red mark on a black key goes when the game stops.
TEST(Practice, TheWindowPlaysTheChosenPracticeFromTheNextGame) {
  const PracticeSettings altoInKeys = rulesWith([](PracticeSettings& r) {
    r.mixedClefs = {0, 0, 1, 0};
    r.accidentals = Accidentals::Keys;
  });
  Window<> window;
  Velmora& velmora = window.velmora;
  velmora.Option1_Click(2);
  velmora.Command3_Click();
  PlayerSettings chosen;
  chosen.practice = altoInKeys;
  velmora.changeSettings(chosen);
  EXPECT_FALSE(velmora.practice().active);
  velmora.Command3_Click();
  velmora.Command3_Click();
  ASSERT_TRUE(velmora.practice().active);
  for (int card = 0; card < 20 && velmora.practice().card.note.accidental == 0; ++card) {
    velmora.Timer1_Timer();
    velmora.Command1_MouseDown(0, 1, 0, 0, 0);  // A1 answers no alto note
    velmora.Command1_MouseUp(0, 1, 0, 0, 0);
    EXPECT_EQ(velmora.practice().card.clef, Clef::Alto);
    EXPECT_EQ(velmora.controls().picture1.picture, nullptr);
    EXPECT_GE(velmora.controls().picture1.lines.size(), 5u);
    while (velmora.state().noteFallY != 0) velmora.Timer1_Timer();
  }
  const layout::KeyRef answer = *keyForNote(pitchOf(velmora.practice().card.note));
  ASSERT_TRUE(answer.black);
  EXPECT_EQ(velmora.controls().blackKeyColours[answer.index], kRed);
  velmora.Command3_Click();
  EXPECT_EQ(velmora.controls().blackKeyColours, decltype(Controls::blackKeyColours){});
}

Controls facedCard(const PracticeCard& card, bool practice) {
  GameState state;
  state.staffStep = card.step;
  Controls controls = initialControls();
  layOutCard(state, controls);
  if (practice) facePracticeCard(card, controls);
  return controls;
}

// Signs stand where each clef writes them, and the note moves right to make room.
TEST(PracticeFace, CardsShowTheirClefSignatureAndSigns) {
  using G = CardGlyph;
  struct Case {
    Clef clef;
    int step, fifths;
    const char* note;
    std::vector<CardSymbol> symbols;
    int shift;
    size_t lines;  // ledger lines
  };
  const Case cases[] = {
      {Clef::Alto, 9, 0, "C4", {{G::CClef, 45, 570}}, 0, 0},
      {Clef::Tenor, 11, 1, "F#3", {{G::Sharp, 345, 660}, {G::CClef, 45, 480}}, 105, 0},
      {Clef::Treble, 15, 1, "C4", {{G::Sharp, 345, 390}}, 105, 1},
      {Clef::Treble, 12, 0, "F#4", {{G::Sharp, 360, 705}}, 135, 0},
      {Clef::Bass, 8, -2, "Eb3", {{G::Flat, 345, 660}, {G::Flat, 425, 525}}, 185, 0},
      {Clef::Bass, 17, 0, "C#2", {{G::Sharp, 360, 930}}, 135, 2}};
  for (const Case& c : cases) {
    const PracticeCard card{c.clef, static_cast<int16_t>(c.step), *parseNoteName(c.note),
                            static_cast<int16_t>(c.fifths)};
    const Controls controls = facedCard(card, true);
    const CardModel& face = controls.picture1;
    EXPECT_EQ(face.symbols, c.symbols) << c.note;
    EXPECT_EQ(face.noteShift, c.shift) << c.note;
    ASSERT_EQ(face.lines.size(), c.lines + (hasClefPicture(c.clef) ? 0 : 5)) << c.note;
    if (c.lines > 0) {
      EXPECT_EQ(face.lines.front().x1, 340 + c.shift) << c.note;
    }
  }
  // A natural note on the treble or bass staff stays the game's own card, to the pixel.
  for (Clef clef : {Clef::Treble, Clef::Bass}) {
    for (int16_t step = 0; step < kStaffStepCount; ++step) {
      const PracticeCard card{clef, step, naturalAt(diatonicOnStep(clef, step)), 0};
      EXPECT_EQ(facedCard(card, true), facedCard(card, false)) << step;
    }
  }
}

// The game's own cards in another naming: the red key bears the name when asked to, and a right
// answer says it.
TEST(Naming, TheRedKeyAndTheVoiceNameTheNoteAsChosen) {
  for (const bool named : {false, true}) {
    PlayerSettings kept;
    kept.noteNames = NoteNaming::Solfege;
    kept.redKeyName = named;
    Window<> window(kept);
    window.velmora.Form_Load();
    window.velmora.Command3_Click();
    window.velmora.Timer1_Timer();  // at 50 points, middle C
    window.velmora.Command1_MouseDown(17, 1, 0, 0, 0);
    EXPECT_EQ(window.velmora.controls().answerName, named ? "Do" : "");
    window.velmora.Command1_MouseDown(16, 1, 0, 0, 0);
    EXPECT_NE(window.services.log.back().find("names/solfege/c.wav"), std::string::npos);
  }
}

}  // namespace
}  // namespace quavix
