#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/card_face.h"
#include "core/key_labels.h"
#include "core/key_signature.h"
#include "core/midi_notes.h"
#include "core/practice_choice.h"
#include "core/practice_face.h"
#include "core/practice_judging.h"
#include "tests/core/game_doubles.h"

namespace quavix {
namespace {

float pick(int i, int n) { return (static_cast<float>(i) + 0.5f) / static_cast<float>(n); }

PracticeSettings inKeys(std::initializer_list<int> fifths) {
  PracticeSettings rules{.accidentals = Accidentals::Keys, .keys = {}};
  for (int f : fifths) rules.keys[f - kFewestFifths] = true;
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
  PracticeSettings cToG, high;
  cToG.range(Clef::Treble) = {28, 32};
  high.range(Clef::Treble) = {35, 43};
  const PracticeSettings altoTenor{.mixedClefs = {0, 0, 1, 1}};
  const PracticeSettings signs{.accidentals = Accidentals::SharpsFlats};
  const PracticeSettings keys = inKeys({-7, -6, -5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7});
  using Draws = std::vector<float>;
  const std::tuple<PracticeSettings, int, int16_t, Draws, Clef, const char*, int> cases[] = {
      {altoTenor, 2, 3300, {pick(1, 2), pick(9, 19), 0, 0}, Clef::Tenor, "A3", 0},
      {{.onlyClef = Clef::Alto}, 0, 3300, {pick(0, 19), 0, 0}, Clef::Alto, "E5", 0},
      {signs, 0, 3300, {pick(6, 19), 0, pick(1, 2), 0}, Clef::Treble, "E5", 0},  // never E#
      {keys, 0, 3300, {pick(12, 19), 0, pick(0, 15), 0}, Clef::Treble, "Fb4", -7},
      {keys, 0, 3300, {pick(16, 19), 0, pick(14, 15), 0}, Clef::Treble, "B#3", 7},
      {inKeys({-1, 2}), 0, 3300, {pick(15, 19), 0, pick(1, 2), 0}, Clef::Treble, "C#4", 2},
      // At score 0 only middle C may come, unless the range lies wholly away from it: then its
      // nearest note does.
      {high, 0, 0, {pick(0, 9), 0, 0, pick(8, 9), 0, 0}, Clef::Treble, "C5", 0}};
  for (const auto& [rules, option, score, draws, clef, note, fifths] : cases) {
    Practice game(rules, option);
    game.score() = score;
    game.draws = draws;
    game.choose();
    EXPECT_EQ(noteName(game.practice.card.note), note);
    EXPECT_EQ(game.practice.card.clef, clef) << note;
    EXPECT_EQ(game.practice.card.keyFifths, fifths) << note;
    EXPECT_EQ(game.state.staffStep, game.practice.card.step) << note;
    EXPECT_EQ(game.used, draws.size()) << note;
  }
  // Every note of the range comes, from the top down, and none beyond it.
  for (int i = 0; i < 5; ++i) {
    Practice game(cToG, 0);
    game.score() = 3300;
    game.draws = {i == 0 ? 0.0f : i == 4 ? 0.999f : pick(i, 5), 0, 0};
    game.choose();
    EXPECT_EQ(diatonicOf(game.practice.card.note), 32 - i);
  }
}

// Any key of the card's pitch answers it and says its name; any other raises its weight.
TEST(Practice, AnyKeyOfTheCardsPitchAnswersAndEveryWrongKeyRaisesItsWeight) {
  using Played = std::vector<std::string>;
  constexpr auto kLetters = NoteNaming::Letters;
  constexpr auto kRight = Judgement::Right;
  const std::tuple<const char*, int, bool, NoteNaming, Judgement, int, Played> cases[] = {
      {"F#4", 66, false, kLetters, kRight, 49, {"names/letters/f-sharp.wav"}},
      {"Cb4", 59, false, NoteNaming::German, kRight, 49, {"names/german/c-flat.wav"}},
      {"C4", 60, false, kLetters, kRight, 49, {"2.wav"}},
      {"F#4", 65, false, kLetters, Judgement::Wrong, 30, {}},
      {"F#4", 61, false, kLetters, Judgement::Wrong, 30, {}},  // a black key raises it too
      {"C4", 61, true, kLetters, Judgement::Wrong, 30, {}}};   // a test marks no key
  for (const auto& [card, pitch, test, naming, judgement, scoreAfter, played] : cases) {
    Practice game(PracticeSettings{}, 0, test);
    game.controls.gameRunning = true;
    game.state.noteFallY = 400;
    game.score() = 40;
    game.practice.card.note = *parseNoteName(card);
    game.practice.weight() = 19;
    EXPECT_EQ(game.answer(pitch, naming), judgement) << card << pitch;
    EXPECT_EQ(game.score(), scoreAfter) << card << pitch;
    EXPECT_EQ(game.practice.weight(), judgement == kRight ? 18 : 20) << card << pitch;
    EXPECT_EQ(game.state.noteFallY, judgement == kRight ? 0 : 400);
    EXPECT_EQ(game.played, played) << card;
    const layout::KeyRef key = *keyForNote(pitchOf(*parseNoteName(card)));
    const Colour colour = key.black ? game.controls.blackKeyColours[key.index]
                                    : game.controls.whiteKeyColours[key.index];
    EXPECT_EQ(colour == kRed, judgement != kRight && !test) << card << pitch;
  }
}

Controls facedCard(const PracticeCard& card, bool practice) {
  GameState state;
  state.staffStep = card.step;
  Controls controls = initialControls();
  layOutCard(state, controls);
  if (practice) facePracticeCard(card, controls);
  return controls;
}

// Each clef's sharps and flats on the steps a printed score puts them, 5 being the top line
// (at y 390, a step 45 high).
TEST(PracticeFace, KeySignaturesStandWhereEachClefWritesThem) {
  const std::tuple<Clef, int, std::vector<int>> cases[] = {
      {Clef::Treble, 7, {5, 8, 4, 7, 10, 6, 9}}, {Clef::Treble, -7, {9, 6, 10, 7, 11, 8, 12}},
      {Clef::Bass, 7, {7, 10, 6, 9, 12, 8, 11}}, {Clef::Bass, -7, {11, 8, 12, 9, 13, 10, 14}},
      {Clef::Alto, 7, {6, 9, 5, 8, 11, 7, 10}},  {Clef::Alto, -7, {10, 7, 11, 8, 12, 9, 13}},
      {Clef::Tenor, 7, {11, 7, 10, 6, 9, 5, 8}}, {Clef::Tenor, -7, {8, 5, 9, 6, 10, 7, 11}}};
  for (const auto& [clef, fifths, steps] : cases) {
    const SpelledNote note = spellInKey(fifths, naturalAt(diatonicOnStep(clef, 9)));
    const PracticeCard card{clef, 9, note, static_cast<int16_t>(fifths)};
    const std::vector<CardSymbol> symbols = facedCard(card, true).picture1.symbols;
    ASSERT_EQ(symbols.size(), hasClefPicture(clef) ? 7u : 8u);  // no sign of the note's own
    for (int i = 0; i < 7; ++i) {
      EXPECT_EQ(symbols[i].glyph, fifths > 0 ? CardGlyph::Sharp : CardGlyph::Flat);
      EXPECT_EQ((symbols[i].y - 390) / 45 + 5, steps[i]) << clefCode(clef) << fifths << i;
    }
  }
}

// A sign of the note's own or a signature moves the note right, ledger lines with it, and only
// a card that needs room grows, by whole pixels; a natural note on the treble or bass staff stays
// the game's own card, to the pixel.
TEST(PracticeFace, SignsMakeRoomAndOnlyCardsThatNeedItGrow) {
  using G = CardGlyph;
  using Ys = std::vector<int>;
  // clef, step, fifths, note, its last symbol, the note's shift, ledger lines, growth
  // clang-format off
  const std::tuple<Clef, int, int, const char*, CardSymbol, int, Ys, CardModel::Growth> cases[] = {
      {Clef::Alto, 9, 0, "C4", {G::CClef, 45, 570}, 0, {}, {}},
      {Clef::Treble, 15, 1, "C4", {G::Sharp, 345, 390}, 210, {845}, {}},
      {Clef::Bass, 17, 0, "C#2", {G::Sharp, 360, 930}, 135, {935, 845}, {}},
      {Clef::Alto, -4, 0, "B5", {G::CClef, 45, 570}, 0, {300, 210, 120, 30}, {0, 90, 0}},
      {Clef::Bass, -4, 0, "C#5", {G::Sharp, 360, -15}, 135, {300, 210, 120, 30}, {0, 180, 0}},
      {Clef::Tenor, 22, 0, "B1", {G::CClef, 45, 480}, 0, {1115, 1025, 935, 845}, {0, 0, 30}},
      {Clef::Treble, 9, 4, "B4", {G::Sharp, 795, 480}, 660, {}, {195, 0, 0}}};
  // clang-format on
  for (const auto& [clef, step, fifths, note, last, shift, ys, growth] : cases) {
    const PracticeCard card{clef, static_cast<int16_t>(step), *parseNoteName(note),
                            static_cast<int16_t>(fifths)};
    const CardModel face = facedCard(card, true).picture1;
    EXPECT_EQ(face.symbols.back(), last) << note;
    EXPECT_EQ(face.noteShift, shift) << note;
    Ys ledgers;
    for (const LedgerLine& line : face.lines) {
      if (line.x1 == 340 + shift) ledgers.push_back(line.y1);
    }
    EXPECT_EQ(ledgers, ys) << note;
    EXPECT_EQ(face.growth, growth) << note;
  }
  for (Clef clef : {Clef::Treble, Clef::Bass}) {
    for (int16_t step = 0; step < kStaffStepCount; ++step) {
      const PracticeCard card{clef, step, naturalAt(diatonicOnStep(clef, step)), 0};
      EXPECT_EQ(facedCard(card, true), facedCard(card, false)) << step;
    }
  }
}

// Names follow the naming, numbers the card's key; letters the computer keys' octave.
TEST(Helps, KeysBearTheirNamesAndTheirComputerKeys) {
  const auto label = [](const PlayerSettings& settings, int fifths, int pitch) {
    const KeyLabels labels = keyLabels(settings, fifths);
    const layout::KeyRef key = *keyForNote(pitch);
    return key.black ? labels.black[key.index] : labels.white[key.index];
  };
  const PlayerSettings solfege{
      .noteNames = NoteNaming::Solfege, .keyNames = true, .keyLetters = true};
  PlayerSettings numbers{
      .computerKeyOctave = 5, .noteNames = NoteNaming::Numbers, .keyNames = true};
  // clang-format off
  const std::tuple<PlayerSettings, int, int, KeyLabel> cases[] = {
      {solfege, 0, 60, {"A", "Do"}}, {solfege, 0, 61, {"W", "Do#"}}, {solfege, 0, 59, {"", "Si"}},
      {solfege, 2, 61, {"W", "Do#"}}, {numbers, 2, 61, {"", "7"}}, {numbers, 2, 62, {"", "1"}},
      {numbers, -1, 70, {"", "4"}}, {numbers, 2, 65, {"", "b3"}},
      {{.keyLetters = true}, 0, 62, {"S", ""}}, {{}, 0, 60, {}}};
  // clang-format on
  for (const auto& [settings, fifths, pitch, expected] : cases) {
    EXPECT_EQ(label(settings, fifths, pitch), expected) << pitch;
  }
}

// A missed card's answer turns red and is said, and holds the next card back a second; the red
// key and the voice name the note as chosen; a test counts its three minutes down by the second.
TEST(Helps, AMissedCardShowsItsAnswerAndATestCountsDown) {
  Window<> window({.noteNames = NoteNaming::Solfege,
                   .redKeyName = true,
                   .showMissedAnswer = true,
                   .countdown = true});
  Velmora& velmora = window.velmora;
  const auto saidDo = [&] {
    return std::ranges::count(window.services.log,
                              std::string("playNoteSample names/solfege/c.wav"));
  };
  velmora.Form_Load();
  velmora.Command3_Click();
  velmora.Timer1_Timer();  // at 50 points, middle C
  for (int tick = 0; tick < 2000 && velmora.state().noteFallY != 0; ++tick) velmora.Timer1_Timer();
  EXPECT_EQ(velmora.controls().whiteKeyColours[16], kRed);
  EXPECT_EQ(saidDo(), 1);
  for (int tick = 0; tick < 50; ++tick) velmora.Timer1_Timer();
  EXPECT_EQ(velmora.state().noteFallY, 0);
  velmora.Timer1_Timer();  // middle C again
  EXPECT_EQ(velmora.controls().whiteKeyColours[16], kWhite);
  velmora.Command1_MouseDown(17, 1, 0, 0, 0);
  EXPECT_EQ(velmora.controls().answerName, "Do");
  velmora.Command1_MouseDown(16, 1, 0, 0, 0);
  EXPECT_EQ(saidDo(), 2);
  EXPECT_FALSE(velmora.controls().secondsLeft);  // learning mode

  velmora.Command3_Click();
  velmora.Option2_Click(1);
  velmora.Command3_Click();
  EXPECT_EQ(velmora.controls().secondsLeft, 180);
  for (int tick = 0; tick < 100; ++tick) velmora.Timer1_Timer();
  EXPECT_EQ(velmora.controls().secondsLeft, 178);
  for (int minute = 1; minute <= 3; ++minute) {
    velmora.Timer2_Timer();
    EXPECT_EQ(velmora.controls().secondsLeft, 180 - 60 * minute);
  }
  velmora.Command3_Click();
  EXPECT_FALSE(velmora.controls().secondsLeft);
}

}  // namespace
}  // namespace quavix
