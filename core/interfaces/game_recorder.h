#pragma once

#include <cstdint>
#include <optional>

#include "core/game_record.h"
#include "core/spelled_note.h"

namespace quavix {

// What happens in the game, told by the window's handlers as it happens.
class GameRecorder {
 public:
  virtual ~GameRecorder() = default;
  // At the window's load and unload; a game still running at the unload has ended before.
  virtual void opened() = 0;
  virtual void closed() = 0;
  // clefChoice as the clef options: 0 treble, 1 bass, 2 mixed; a run says its note set.
  virtual void gameStarted(PlayMode mode, int clefChoice, int16_t score,
                           std::optional<RunNoteSet> noteSet) = 0;
  // Ignored when no game is running, so every way a game can end may call it. Returns the game
  // that ended, with its figures, also when nothing is being kept.
  virtual std::optional<GameRecord> gameEnded(int16_t score) = 0;
  virtual void cardShown(int clef, int note) = 0;
  // A judged press on the current card; pressedPitch is the MIDI note of the key.
  virtual void answered(int clef, int note, int pressedPitch, bool right) = 0;
  virtual void cardMissed(int clef, int note) = 0;
  // The same for a practice card that is none of the game's own notes (see cardIsGameNote).
  virtual void writtenCardShown(const WrittenNote& card) = 0;
  virtual void writtenAnswered(const WrittenNote& card, int pressedPitch, bool right) = 0;
  virtual void writtenCardMissed(const WrittenNote& card) = 0;
};

}  // namespace quavix
