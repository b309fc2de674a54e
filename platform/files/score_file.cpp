#include "platform/files/score_file.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "core/score_line_format.h"
#include "platform/files/atomic_write.h"
#include "platform/files/regular_file.h"

namespace quavix {

namespace {

void reportUnsaved(const std::filesystem::path& path, const std::string& reason) {
  std::fprintf(stderr, "quavix: scores not saved to %s: %s\n", path.c_str(), reason.c_str());
}

// A file the player can't read gives nothing back at start-up and would never be replaced, as
// QSaveFile refuses files it can't write. Its folder decides whether it may go.
bool removeIfUnreadable(const std::filesystem::path& path, std::string& problem) {
  if (::access(path.c_str(), R_OK) == 0 || errno != EACCES) return true;
  std::error_code error;
  std::filesystem::remove(std::filesystem::canonical(path, error), error);
  if (error) problem = "it is unreadable and can't be replaced: " + error.message();
  return !error;
}

// Absolute, or nothing: the XDG rules ignore relative values.
std::filesystem::path absoluteFolder(const char* value) {
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

std::filesystem::path homeFolder() {
  if (auto home = absoluteFolder(std::getenv("HOME")); !home.empty()) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
    if (auto home = absoluteFolder(found->pw_dir); !home.empty()) return home;
  }
  return "/";
}

}  // namespace

ScoreFile::ScoreFile(std::filesystem::path path) : path_(std::move(path)) {}

void ScoreFile::loadScores(GameState& state) {
  std::vector<char> head;
  std::string problem;
  RestoredScores restored;
  if (readFileStart(path_, scoreRecordReadLength(), head, problem)) {
    restored = readScoreRecord(std::string_view(head.data(), head.size()));
  }
  for (int slot = 0; slot < restored.count; ++slot) state.scores[slot] = restored.values[slot];
  if (!restored.complete()) saveScores(state);
}

bool ScoreFile::saveScores(const GameState& state) {
  // The unreadable file is removed only when it is a regular one. In a folder the player can't
  // write, the file itself is rewritten in place, as the only way left.
  std::string problem = unsafeWriteTarget(path_);
  if (problem.empty() && removeIfUnreadable(path_, problem) &&
      writeFileAtomically(path_, formatScoreRecord(state.scores), problem,
                          ClosedFolder::RewriteInPlace)) {
    return true;
  }
  reportUnsaved(path_, problem);
  return false;
}

std::filesystem::path defaultScoreFilePath() {
  auto dataHome = absoluteFolder(std::getenv("XDG_DATA_HOME"));
  if (dataHome.empty()) dataHome = homeFolder() / ".local/share";
  return dataHome / "quavix" / "scores.txt";
}

}  // namespace quavix
