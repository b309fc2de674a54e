#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/spelled_note.h"

namespace quavix {

// How notes are named to the player: in the middle-C hint, on the red key, in the statistics
// and aloud.
enum class NoteNaming : uint8_t {
  Letters,  // C D E F G A B, C#, Bb
  Solfege,  // fixed do: Do Re Mi Fa Sol La Si, Fa#, Sib
  German,   // C D E F G A H, Fis, B, Es
  Numbers,  // 1 2 3 4 5 6 7 from C, #4, b7
};
constexpr NoteNaming kNamings[] = {NoteNaming::Letters, NoteNaming::Solfege, NoteNaming::German,
                                   NoteNaming::Numbers};

std::string_view namingCode(NoteNaming naming);  // "letters", "solfege", "german", "numbers"
std::optional<NoteNaming> namingOfCode(std::string_view code);

// A note's name without its octave.
std::string nameIn(NoteNaming naming, SpelledNote note);
// With its octave: "C#4" in letters, the octave as a subscript digit in the others.
std::string nameWithOctave(NoteNaming naming, SpelledNote note);
// The note that a naming says for a card in the key of `keyFifths`: numbers count from the key's
// tonic (1 = C without a signature), given as the note in C major that has the same degree and
// the sign that the note carries beyond its key's; the other namings say the note itself.
SpelledNote namedNote(NoteNaming naming, int keyFifths, SpelledNote note);
// A key's pitch, a black key named as a sharp.
SpelledNote spellingOfPitch(int midiNote);

// The recording that says the note's name: the game's own 2.wav to 8.wav for the natural
// letters, names/<naming>/<letter>[-sharp|-flat].wav beside them for the rest.
std::string spokenNameFile(NoteNaming naming, SpelledNote note);
// The player's own recording that a spoken name gives way to: 2.wav to 8.wav for a natural's
// name in every naming.
std::optional<std::string_view> playersOwnRecording(std::string_view spokenFile);

}  // namespace quavix
