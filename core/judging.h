#pragma once

#include <string_view>

#include "core/controls_model.h"
#include "core/interfaces/note_sample_player.h"
#include "core/state.h"
#include "core/window_layout.h"

namespace quavix {

enum class Judgement { NotJudged, Right, Wrong };

// Judges a press of a key; runs after its note-on.
Judgement judgeKey(GameState& state, Controls& controls, NoteSamplePlayer& samples,
                   layout::KeyRef key);
// The recording that names white key Command1(key)'s pitch class.
std::string_view noteSampleFile(int key);

}  // namespace quavix
