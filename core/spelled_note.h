#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quavix {

// The clefs a card can carry. Treble and bass keep the game's clef numbers 0 and 1.
enum class Clef : int16_t { Treble, Bass, Alto, Tenor };
constexpr int kClefKinds = 4;
constexpr std::array<Clef, kClefKinds> kAllClefs = {Clef::Treble, Clef::Bass, Clef::Alto,
                                                    Clef::Tenor};
std::string_view clefCode(Clef clef);  // "treble", "bass", "alto", "tenor"
std::optional<Clef> clefOfCode(std::string_view code);

// A note as it is written: letter 0 (C) to 6 (B), accidental -1 (flat), 0 or 1 (sharp), and the
// octave in which MIDI 60 is C4. B#3 and C4 are two spellings of one pitch.
struct SpelledNote {
  int16_t letter = 0;
  int16_t accidental = 0;
  int16_t octave = 4;
  auto operator<=>(const SpelledNote&) const = default;
};

// A note as a card writes it: on a clef's staff, with its spelling.
struct WrittenNote {
  Clef clef = Clef::Treble;
  SpelledNote note;
  auto operator<=>(const WrittenNote&) const = default;
};

constexpr int kLetterCount = 7;
constexpr int kAccidentalKinds = 3;  // flat, natural, sharp
// Natural notes counted upwards, C4 being 28: the height of a note on any staff.
constexpr int kMiddleCDiatonic = 28;

int pitchOf(SpelledNote note);
int diatonicOf(SpelledNote note);
SpelledNote naturalAt(int diatonic);

// The natural note on step 0 of each clef's staff: D6, F4, E5 and C5. Middle C then lies on
// treble step 15, bass step 3, alto step 9 (the middle line) and tenor step 7 (the fourth line).
constexpr std::array<int, kClefKinds> kTopDiatonic = {43, 31, 37, 35};

// Staff steps count downwards from 0 (above the second ledger line above) to 18. Practice cards
// reach two ledger lines further each way, from -4 to 22.
constexpr int kHighestPracticeStep = -4;
constexpr int kLowestPracticeStep = 22;
constexpr int kPracticeStepCount = kLowestPracticeStep - kHighestPracticeStep + 1;
constexpr int diatonicOnStep(Clef clef, int step) {
  return kTopDiatonic[static_cast<int>(clef)] - step;
}
constexpr int stepOfDiatonic(Clef clef, int diatonic) {
  return kTopDiatonic[static_cast<int>(clef)] - diatonic;
}

// "C4", "F#4", "Bb3".
std::string noteName(SpelledNote note);
std::optional<SpelledNote> parseNoteName(std::string_view text);

}  // namespace quavix
