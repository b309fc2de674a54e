#pragma once

#include <cstdint>
#include <string>

#include "core/spelled_note.h"

namespace quavix {

// A key signature by its count of sharps (1 to 7) or flats (-1 to -7); 0 is C major.
constexpr int kFewestFifths = -7;
constexpr int kMostFifths = 7;
constexpr int kKeySignatureCount = kMostFifths - kFewestFifths + 1;

// The accidental that the signature gives every note of this letter.
int16_t keyAccidental(int fifths, int letter);
// The natural note on a staff step as the signature spells it.
SpelledNote spellInKey(int fifths, SpelledNote natural);
// The letter of the major key's tonic.
int tonicLetter(int fifths);
// The major key's name: "C", "F#", "Bb", "Cb".
std::string keyName(int fifths);
// The letter of the signature's i-th sign, in the order in which signatures add them.
int signLetter(int fifths, int i);

}  // namespace quavix
