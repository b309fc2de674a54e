#include "platform/files/data_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <tuple>
#include <vector>

#include "tests/files/file_bytes.h"

namespace quavix {

namespace fs = std::filesystem;

// The tune, the recordings and the clef pictures may be replaced from the working directory,
// a set of recordings only from its subfolder of the data folders; the window's own pictures
// never are. When no folder has the file, the path the caller's open fails on.
TEST(DataFiles, WorkingDirectoryOnlyForWhatThePlayerMayReplace) {
  const fs::path previous = fs::current_path();
  const fs::path root = fs::temp_directory_path() / ("quavix-data-" + std::to_string(::getpid()));
  // The set, the folders holding the file, what is found; without a set, the built-in file too.
  const std::tuple<const char*, std::vector<const char*>, fs::path, fs::path> cases[] = {
      {"", {"cwd", "installed", "source"}, "x.wav", root / "installed/x.wav"},
      {"", {"installed", "source"}, root / "installed/x.wav", root / "installed/x.wav"},
      {"", {"cwd", "source"}, "x.wav", root / "source/x.wav"},
      {"", {"source"}, root / "source/x.wav", root / "source/x.wav"},
      {"", {"cwd"}, "x.wav", root / "installed/x.wav"},
      {"", {}, "x.wav", root / "installed/x.wav"},
      {"en", {"cwd", "installed/en"}, "x.wav", {}},
      {"en", {"installed", "installed/en", "source/en"}, root / "installed/en/x.wav", {}},
      {"en", {"installed", "source/en"}, root / "source/en/x.wav", {}},
      {"en", {"installed", "source", "cwd/en"}, "x.wav", {}}};
  for (const auto& [set, holders, data, builtIn] : cases) {
    fs::remove_all(root);
    for (const char* dir : {"cwd", "installed", "source"}) fs::create_directories(root / dir);
    for (const char* dir : holders) writeBytes(root / dir / "x.wav", "x");
    fs::current_path(root / "cwd");
    const DataFolders folders{root / "installed", root / "source"};
    EXPECT_EQ(findDataFile("x.wav", set, folders), data) << set;
    if (!builtIn.empty()) {
      EXPECT_EQ(findDataFile("x.wav", folders), data);
      EXPECT_EQ(findBuiltInFile("x.wav", folders), builtIn);
    }
    fs::current_path(previous);
  }
  fs::remove_all(root);
}

}  // namespace quavix
