#include "core/key_signature.h"

#include <array>
#include <cstdlib>

namespace quavix {

namespace {

// F C G D A E B, and backwards for the flats.
constexpr std::array<int, kLetterCount> kSharpOrder = {3, 0, 4, 1, 5, 2, 6};

}  // namespace

int signLetter(int fifths, int i) {
  return fifths > 0 ? kSharpOrder[i] : kSharpOrder[kLetterCount - 1 - i];
}

int16_t keyAccidental(int fifths, int letter) {
  for (int i = 0; i < std::abs(fifths); ++i) {
    if (signLetter(fifths, i) == letter) return fifths > 0 ? 1 : -1;
  }
  return 0;
}

// Each fifth up moves the tonic four letters on.
int tonicLetter(int fifths) { return ((fifths * 4) % kLetterCount + kLetterCount) % kLetterCount; }

std::string keyName(int fifths) {
  const int letter = tonicLetter(fifths);
  std::string name(1, "CDEFGAB"[letter]);
  const int accidental = keyAccidental(fifths, letter);
  if (accidental != 0) name += accidental > 0 ? '#' : 'b';
  return name;
}

SpelledNote spellInKey(int fifths, SpelledNote natural) {
  natural.accidental = keyAccidental(fifths, natural.letter);
  return natural;
}

}  // namespace quavix
