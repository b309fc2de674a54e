#pragma once

#include <filesystem>

#include "core/interfaces/score_storage.h"

namespace quavix {

// The scores on disk, one record line in one file.
//
// Use: ScoreFile scores(defaultScoreFilePath()); then scores.loadScores(state) as the first step
// of start-up and scores.saveScores(state) at shut-down, after the MIDI device is closed.
// A file that can't be written costs one line on stderr and a false from saveScores; the game
// goes on. The folder is created when missing, and a write replaces the file whole or not at all,
// unless the folder is closed to the player and only the file itself can be rewritten. A path
// that leads to anything but a regular file is neither read nor written.
class ScoreFile : public ScoreStorage {
 public:
  explicit ScoreFile(std::filesystem::path path);

  void loadScores(GameState& state) override;
  bool saveScores(const GameState& state) override;

 private:
  std::filesystem::path path_;
};

// <data home>/quavix/scores.txt: XDG_DATA_HOME when it is an absolute path, else
// ~/.local/share, with the home folder from the user database when HOME is unset.
std::filesystem::path defaultScoreFilePath();

}  // namespace quavix
