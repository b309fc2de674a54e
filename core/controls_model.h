#pragma once

// The window's controls keep their plain names, which the handlers carry too
// (Command3_Click, Timer1_Timer, ...):
//   Command1(0..32)   the white piano keys, lowest first
//   Command2(0..22)   the black keys
//   Command3          the start/stop button ("游戏开始" / "游戏结束")
//   Command4          clears the scores
//   Frame2, Option1   the clef: treble, bass, mixed
//   Frame1, Option2   the mode: learning, test
//   Picture1          the falling card: staff, clef and ledger lines
//   Image1(0..1)      the card's note, stem up and stem down
//   Picture2          the black band above the keys
//   Label1            the middle-C hint on the band
//   Label2            the score display on the band
//   Text1, Text2      the title and the information line
//   Timer1            every 20 ms: moves the card
//   Timer2            every 60 s: times a test

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/fluency.h"
#include "core/interfaces/picture_files.h"
#include "core/key_labels.h"
#include "core/state.h"
#include "core/translatable.h"

namespace quavix {

// 0x00BBGGRR, red in the low byte.
using Colour = uint32_t;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;

// A straight line drawn onto the card's own image, in the card's twips.
struct LedgerLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const LedgerLine&) const = default;
};

// A music symbol drawn onto the card, from the music font: its left edge and the staff height
// (twips, in the card) of the line or space it marks.
enum class CardGlyph : uint8_t { CClef, Sharp, Flat };
struct CardSymbol {
  CardGlyph glyph = CardGlyph::Sharp;
  int left = 0, y = 0;
  bool operator==(const CardSymbol&) const = default;
};

struct ImageModel {
  int left = 0, top = 0;  // twips, in the card
  bool visible = true;
  bool operator==(const ImageModel&) const = default;
};

struct CardModel {
  int left = 0, top = 0;  // twips, in the window
  std::shared_ptr<const Picture> picture;
  // Bumped whenever picture or lines change, so a view redraws the card only then.
  uint64_t revision = 0;
  std::vector<LedgerLine> lines;
  // Bumped with revision too; a card of natural notes on its clef picture has none.
  std::vector<CardSymbol> symbols;
  // How far right of its usual place the note stands, making room for the signs before it.
  int noteShift = 0;
  // Room beyond the card's own size that a practice card needs: on the right for a long key
  // signature, above and below for notes far off the staff. Everything on the card, the note
  // images too, stands `above` lower, and the card's top edge as much higher.
  struct Growth {
    int right = 0, above = 0, below = 0;
    bool operator==(const Growth&) const = default;
  } growth;
  bool operator==(const CardModel&) const = default;
};

// The properties of the window's controls that change at run time. Handlers write it; the Qt
// window mirrors it onto its widgets.
struct Controls {
  // A game runs, or a test whose time is up waits to be closed: Command3 offers to stop.
  bool gameRunning = false;
  bool command4Enabled = false;
  std::array<Colour, kWhiteKeyCount> whiteKeyColours{};
  // Black unless a practice game marks its answer on a black key.
  std::array<Colour, kBlackKeyCount> blackKeyColours{};
  // Written on the red key when the player asked for it; empty otherwise.
  std::string answerName;
  KeyLabels keyLabels;
  bool frame1Enabled = true;
  bool frame2Enabled = true;
  std::array<bool, 3> option1Selected{};
  std::array<bool, 2> option2Selected{};
  bool text1Visible = true;
  bool text2Visible = true;
  bool label1Visible = false;
  std::optional<int16_t> label2Score;  // blank until a score is shown
  // A running test's time left, after the score, when the player asked for it.
  std::optional<int> secondsLeft;
  // A one-minute run's figures, shown in the score's place until the next game.
  std::optional<Fluency> runResult;
  CardModel picture1;
  std::array<ImageModel, 2> image1;
  bool timer1Enabled = false;
  bool timer2Enabled = false;
  bool operator==(const Controls&) const = default;
};

inline const char* const kCaptionStart = QUAVIX_TEXT("Velmora", "游戏开始");
inline const char* const kCaptionStop = QUAVIX_TEXT("Velmora", "游戏结束");

// The caption follows the running state; nothing reads the state back from it.
const char* command3Caption(const Controls& controls);

}  // namespace quavix

namespace quavix {

// The controls as the window opens.
Controls initialControls();

}  // namespace quavix
