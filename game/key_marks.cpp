#include "game/key_marks.h"

#include "game/note_model.h"

namespace quavix {

void markAnswerKeyRed(const GameState& state, Controls& controls) {
  controls.whiteKeyColours[answerKey(state.currentNote)] = kRed;
}

void whitenAnswerKey(const GameState& state, Controls& controls) {
  controls.whiteKeyColours[answerKey(state.currentNote)] = kWhite;
}

}  // namespace quavix
