#include "platform/files/data_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <vector>

namespace quavix {

namespace fs = std::filesystem;

// The tune, the recordings and the clef pictures may be replaced from the working directory;
// the window's own pictures never are.
TEST(DataFiles, WorkingDirectoryOnlyForWhatThePlayerMayReplace) {
  const fs::path previous = fs::current_path();
  const fs::path root = fs::temp_directory_path() / ("quavix-data-" + std::to_string(::getpid()));
  // The folders holding the file, and the paths it is read from. When none has it, the path the
  // caller's open fails on.
  struct Case {
    std::vector<const char*> holders;
    fs::path data, builtIn;
  };
  const Case cases[] = {
      {{"cwd", "installed", "source"}, "x.bmp", root / "installed/x.bmp"},
      {{"installed", "source"}, root / "installed/x.bmp", root / "installed/x.bmp"},
      {{"cwd", "source"}, "x.bmp", root / "source/x.bmp"},
      {{"source"}, root / "source/x.bmp", root / "source/x.bmp"},
      {{"cwd"}, "x.bmp", root / "installed/x.bmp"},
      {{}, "x.bmp", root / "installed/x.bmp"}};
  for (const auto& [holders, data, builtIn] : cases) {
    fs::remove_all(root);
    for (const char* dir : {"cwd", "installed", "source"}) fs::create_directories(root / dir);
    for (const char* dir : holders) std::ofstream(root / dir / "x.bmp") << "x";
    fs::current_path(root / "cwd");
    const DataFolders folders{root / "installed", root / "source"};
    EXPECT_EQ(findDataFile("x.bmp", folders), data);
    EXPECT_EQ(findBuiltInFile("x.bmp", folders), builtIn);
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
