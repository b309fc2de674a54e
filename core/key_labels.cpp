#include "core/key_labels.h"

#include <cctype>

#include "core/key_signature.h"
#include "core/midi_notes.h"
#include "core/note_model.h"

namespace quavix {

namespace {

// The key's spelling of a pitch where the key has one, else as a sharp.
SpelledNote spellingInKey(int fifths, int pitch) {
  const SpelledNote plain = spellingOfPitch(pitch);
  for (int octave = plain.octave - 1; octave <= plain.octave + 1; ++octave) {
    for (int16_t letter = 0; letter < kLetterCount; ++letter) {
      const SpelledNote note = spellInKey(fifths, {letter, 0, static_cast<int16_t>(octave)});
      if (pitchOf(note) == pitch) return note;
    }
  }
  return plain;
}

KeyLabel& labelOf(KeyLabels& labels, layout::KeyRef key) {
  return key.black ? labels.black[key.index] : labels.white[key.index];
}

}  // namespace

KeyLabels keyLabels(const PlayerSettings& settings, int keyFifths) {
  KeyLabels labels;
  const NoteNaming naming = settings.noteNames;
  const int fifths = naming == NoteNaming::Numbers ? keyFifths : 0;
  const auto name = [&](int offset) {
    return nameIn(naming, namedNote(naming, fifths, spellingInKey(fifths, kMidiBaseNote + offset)));
  };
  if (settings.keyNames) {
    for (int i = 0; i < kWhiteKeyCount; ++i) labels.white[i].name = name(kWhiteKeyOffsets[i]);
    for (int i = 0; i < kBlackKeyCount; ++i) labels.black[i].name = name(kBlackKeyOffsets[i]);
  }
  if (settings.keyLetters) {
    for (const char computerKey : kComputerKeyRow) {
      const auto key = keyForNote(*computerKeyNote(computerKey, settings.computerKeyOctave));
      const char letter = static_cast<char>(std::toupper(computerKey));
      if (key) labelOf(labels, *key).letter = std::string(1, letter);
    }
  }
  return labels;
}

}  // namespace quavix
