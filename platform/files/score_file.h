#pragma once

#include <filesystem>

#include "core/interfaces/score_storage.h"

namespace quavix {

// The scores on disk, one record line in one file.
//
// Use: ScoreFile scores(defaultScoreFilePath()); then scores.loadScores(state) as the first step
// of start-up and scores.saveScores(state) at shut-down, after the MIDI device is closed.
// A file that can't be written costs one line on stderr and a false from saveScores; the game
// goes on. The folder is created when missing, and a write replaces the file whole or not at all.
class ScoreFile : public ScoreStorage {
 public:
  explicit ScoreFile(std::filesystem::path path);

  void loadScores(GameState& state) override;
  bool saveScores(const GameState& state) override;

 private:
  std::filesystem::path path_;
};

// <data home>/quavix/scores.txt, ~/.local/share/quavix/scores.txt unless XDG_DATA_HOME says
// otherwise. Sets the application name to "quavix" (and clears the organisation) because those
// name the folder; call it after constructing the QApplication, which would otherwise take the
// name from the executable.
std::filesystem::path defaultScoreFilePath();

}  // namespace quavix
