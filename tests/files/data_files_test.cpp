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
  struct Case {
    std::vector<const char*> holders;  // the folders holding the file
    fs::path found;                    // when none has it, the name the caller's open fails on
  };
  const Case cases[] = {{.holders = {"cwd", "installed", "source"}, .found = "wode.bmp"},
                        {.holders = {"installed", "source"}, .found = root / "installed/wode.bmp"},
                        {.holders = {"cwd", "source"}, .found = "wode.bmp"},
                        {.holders = {"source"}, .found = root / "source/wode.bmp"},
                        {.holders = {}, .found = "wode.bmp"}};
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

}  // namespace quavix
