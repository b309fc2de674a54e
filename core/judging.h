#pragma once

#include <string_view>

#include "core/controls_model.h"
#include "core/interfaces/note_sample_player.h"
#include "core/state.h"

namespace quavix {

enum class Judgement { NotJudged, Right, Wrong };

// Judge a press of white key Command1(key) / black key Command2(key); runs after its note-on.
Judgement judgeWhiteKey(GameState& state, Controls& controls, NoteSamplePlayer& samples, int key);
Judgement judgeBlackKey(GameState& state, Controls& controls);
// The recording that names white key Command1(key)'s pitch class.
std::string_view noteSampleFile(int key);

}  // namespace quavix
