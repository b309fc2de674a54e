#include "platform/files/data_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <vector>

namespace quavix {

namespace fs = std::filesystem;

TEST(DataFiles, WorkingDirectoryThenInstalledFolderThenSourceTree) {
  const fs::path previous = fs::current_path();
  const fs::path root = fs::temp_directory_path() / ("quavix-data-" + std::to_string(::getpid()));
  // The folders holding the file, and the path it is read from: when none has it, the name the
  // caller's open fails on.
  const std::pair<std::vector<const char*>, fs::path> cases[] = {
      {{"cwd", "installed", "source"}, "wode.bmp"},
      {{"installed", "source"}, root / "installed/wode.bmp"},
      {{"cwd", "source"}, "wode.bmp"},
      {{"source"}, root / "source/wode.bmp"},
      {{}, "wode.bmp"}};
  for (const auto& [holders, found] : cases) {
    fs::remove_all(root);
    for (const char* dir : {"cwd", "installed", "source"}) fs::create_directories(root / dir);
    for (const char* dir : holders) std::ofstream(root / dir / "wode.bmp") << "x";
    fs::current_path(root / "cwd");
    EXPECT_EQ(findDataFile("wode.bmp", {root / "installed", root / "source"}), found);
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
