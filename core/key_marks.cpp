#include "core/key_marks.h"

#include "core/note_model.h"

namespace quavix {

void markAnswerKeyRed(const GameState& state, Controls& controls) {
  controls.whiteKeyColours[answerKey(state.currentNote)] = kRed;
}

void whitenAnswerKey(const GameState& state, Controls& controls) {
  controls.whiteKeyColours[answerKey(state.currentNote)] = kWhite;
}

}  // namespace quavix
