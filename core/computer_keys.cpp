#include "core/computer_keys.h"

namespace quavix {

std::optional<int> computerKeyNote(char key, int octave) {
  const auto semitone = kComputerKeyRow.find(key);
  if (semitone == std::string_view::npos) return std::nullopt;
  return 12 * (octave + 1) + static_cast<int>(semitone);
}

int computerKeyOctaveStep(char key) {
  if (key == 'z') return -1;
  if (key == 'x') return 1;
  return 0;
}

bool isPianoComputerKey(char key) {
  return computerKeyOctaveStep(key) != 0 || computerKeyNote(key, kDefaultKeyOctave).has_value();
}

}  // namespace quavix
