#include "game/data_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

namespace quavix {
namespace {

namespace fs = std::filesystem;

class DataFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("quavix-data-" + std::to_string(::getpid()));
    for (const char* dir : {"cwd", "installed", "source"}) fs::create_directories(root_ / dir);
    previous_ = fs::current_path();
    fs::current_path(root_ / "cwd");
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(root_);
  }
  void put(const char* dir) { std::ofstream(root_ / dir / "wode.bmp") << "x"; }
  DataFolders folders() const { return {root_ / "installed", root_ / "source"}; }

  fs::path root_, previous_;
};

TEST_F(DataFilesTest, WorkingDirectoryComesFirst) {
  put("cwd");
  put("installed");
  put("source");
  EXPECT_EQ(findDataFile("wode.bmp", folders()), fs::path("wode.bmp"));
}

TEST_F(DataFilesTest, InstalledFolderBeforeSourceTree) {
  put("installed");
  put("source");
  EXPECT_EQ(findDataFile("wode.bmp", folders()), root_ / "installed" / "wode.bmp");
}

TEST_F(DataFilesTest, SourceTreeLast) {
  put("source");
  EXPECT_EQ(findDataFile("wode.bmp", folders()), root_ / "source" / "wode.bmp");
}

TEST_F(DataFilesTest, MissingEverywhereNamesTheWorkingDirectoryFile) {
  EXPECT_EQ(findDataFile("wode.bmp", folders()), fs::path("wode.bmp"));
  EXPECT_EQ(findDataFile("wode.bmp", {root_ / "installed", {}}), fs::path("wode.bmp"));
}

TEST(DefaultDataFolders, InstalledFolderIsBesideTheProgram) {
  const auto program = fs::read_symlink("/proc/self/exe");
  const auto installed = fs::weakly_canonical(defaultDataFolders().installed);
  EXPECT_EQ(installed.filename(), "quavix");
  EXPECT_EQ(installed.parent_path().filename(), "share");
  EXPECT_EQ(installed.parent_path().parent_path(),
            fs::weakly_canonical(program.parent_path() / ".."));
}

}  // namespace
}  // namespace quavix
