#include "core/key_marks.h"

#include "core/note_model.h"

namespace quavix {

void markKeyRed(Controls& controls, layout::KeyRef key) {
  (key.black ? controls.blackKeyColours.at(key.index) : controls.whiteKeyColours.at(key.index)) =
      kRed;
}

void clearKeyMarks(Controls& controls) {
  controls.whiteKeyColours.fill(kWhite);
  controls.blackKeyColours.fill(layout::kBlack);
}

void whitenAnswerKey(const GameState& state, Controls& controls) {
  controls.whiteKeyColours[answerKey(state.currentNote)] = kWhite;
}

}  // namespace quavix
