#include "platform/files/data_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <tuple>
#include <vector>

namespace quavix {

namespace fs = std::filesystem;

TEST(DataFiles, WorkingDirectoryThenInstalledFolderThenSourceTree) {
  const fs::path previous = fs::current_path();
  const fs::path root = fs::temp_directory_path() / ("quavix-data-" + std::to_string(::getpid()));
  // The set asked for, the folders holding the file, and the path it is read from: when none
  // has it, the name the caller's open fails on. A set is a subfolder of the data folders only.
  const std::tuple<const char*, std::vector<const char*>, fs::path> cases[] = {
      {"", {"cwd", "installed", "source"}, "2.wav"},
      {"", {"installed", "source"}, root / "installed/2.wav"},
      {"", {"cwd", "source"}, "2.wav"},
      {"", {"source"}, root / "source/2.wav"},
      {"", {}, "2.wav"},
      {"en", {"cwd", "installed/en"}, "2.wav"},
      {"en", {"installed", "installed/en", "source/en"}, root / "installed/en/2.wav"},
      {"en", {"installed", "source/en"}, root / "source/en/2.wav"},
      {"en", {"installed", "source", "cwd/en"}, "2.wav"}};
  for (const auto& [set, holders, found] : cases) {
    fs::remove_all(root);
    for (const char* dir : {"cwd", "installed", "source"}) fs::create_directories(root / dir);
    for (const char* dir : holders) {
      fs::create_directories(root / dir);
      std::ofstream(root / dir / "2.wav") << "x";
    }
    fs::current_path(root / "cwd");
    EXPECT_EQ(findDataFile("2.wav", set, {root / "installed", root / "source"}), found) << set;
    fs::current_path(previous);
  }
  fs::remove_all(root);
}

TEST(DataFiles, InstalledFolderIsBesideTheProgram) {
  const auto program = fs::read_symlink("/proc/self/exe");
  EXPECT_EQ(fs::weakly_canonical(defaultDataFolders().installed),
            fs::weakly_canonical(program.parent_path() / "../share/quavix"));
}

}  // namespace quavix
