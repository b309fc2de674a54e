#include "platform/files/data_files.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <tuple>
#include <vector>

#include "tests/files/file_bytes.h"

namespace quavix {

namespace fs = std::filesystem;

// A file the player may replace comes from the working directory first, then from its set's
// subfolder of the installed, then the source data folder, never from another set's. When no
// folder has it, the path the caller's open fails on. The clef pictures' test covers the
// window's own pictures, which the working directory never replaces.
TEST(DataFiles, WorkingDirectoryThenTheSetsFolderInstalledFirst) {
  const fs::path previous = fs::current_path();
  const QTemporaryDir dir;
  const fs::path root = dir.path().toStdString();
  // The set, the folders holding the file, what is found.
  const std::tuple<const char*, std::vector<const char*>, fs::path> cases[] = {
      {"", {"source"}, root / "source/x.wav"},
      {"en", {"cwd", "installed/en"}, "x.wav"},
      {"en", {"installed", "installed/en", "source/en"}, root / "installed/en/x.wav"},
      {"en", {"installed", "source/en"}, root / "source/en/x.wav"},
      {"en", {"installed", "source", "cwd/en"}, "x.wav"}};
  for (const auto& [set, holders, found] : cases) {
    fs::remove_all(root);
    for (const char* dir : {"cwd", "installed", "source"}) fs::create_directories(root / dir);
    for (const char* dir : holders) writeBytes(root / dir / "x.wav", "x");
    fs::current_path(root / "cwd");
    EXPECT_EQ(findDataFile("x.wav", set, {root / "installed", root / "source"}), found) << set;
    fs::current_path(previous);
  }
}

}  // namespace quavix
