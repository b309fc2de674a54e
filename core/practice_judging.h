#pragma once

#include "core/controls_model.h"
#include "core/interfaces/note_sample_player.h"
#include "core/judging.h"
#include "core/practice_game.h"
#include "core/state.h"

namespace quavix {

// judgeKey for a practice card: any key whose pitch is the card's answers it, a black one too,
// and every wrong key raises the card's weight.
Judgement judgePracticeKey(GameState& state, PracticeGame& practice, Controls& controls,
                           NoteSamplePlayer& samples, int pressedPitch, NoteNaming naming);

}  // namespace quavix
