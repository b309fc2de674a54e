#pragma once

#include <string_view>

#include "core/controls_model.h"
#include "core/interfaces/note_sample_player.h"
#include "core/note_naming.h"
#include "core/state.h"
#include "core/window_layout.h"

namespace quavix {

enum class Judgement { NotJudged, Right, Wrong };

constexpr int16_t kWeightFloor = 2;
constexpr int16_t kWeightCeiling = 20;

// Only a running game is judged, and a test only until its time is up.
bool pressIsJudged(const GameState& state, const Controls& controls);
// A right answer to a note of this weight: its points, its lower weight, the score display.
void scoreRightAnswer(GameState& state, Controls& controls, int16_t& weight);
// A wrong one: the penalty, the red mark on the answer key in learning mode, the display.
void chargeWrongAnswer(GameState& state, Controls& controls, layout::KeyRef answer);

// Judges a press of a key; runs after its note-on. A right answer's name is said as `naming`
// names it.
Judgement judgeKey(GameState& state, Controls& controls, NoteSamplePlayer& samples,
                   layout::KeyRef key, NoteNaming naming = NoteNaming::Letters);
// The note that the game's note index n stands for.
SpelledNote spellingOfNote(int note);
// The recording that names white key Command1(key)'s pitch class.
std::string_view noteSampleFile(int key);
// The recording that names a natural note's letter, 0 (C) to 6 (B).
std::string_view naturalSampleFile(int letter);

}  // namespace quavix
