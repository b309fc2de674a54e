#include "platform/files/data_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <tuple>
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

TEST(DataFiles, ASetOfRecordingsComesFromItsSubfolderUnlessTheWorkingDirectoryHasOne) {
  const fs::path previous = fs::current_path();
  const fs::path root = fs::temp_directory_path() / ("quavix-data-" + std::to_string(::getpid()));
  // The set asked for, the folders holding the file, and the path it is read from: when none
  // has it, the name the caller's open fails on. A set is a subfolder of the data folders only.
  struct Case {
    const char* set;
    std::vector<const char*> holders;
    fs::path found;
  };
  const Case cases[] = {
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

}  // namespace quavix
