#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QTemporaryDir>
#include <tuple>
#include <vector>

#include "platform/files/score_file.h"
#include "platform/files/settings_file.h"
#include "platform/files/statistics_file.h"
#include "tests/files/file_bytes.h"
#include "tests/support/fifo_guard.h"

namespace quavix {
namespace {

namespace fs = std::filesystem;
using Use = void (*)(const fs::path&);

void loadScores(const fs::path& path) {
  GameState state;
  ScoreFile(path).loadScores(state);
}

// The player's own files, loaded and saved as the game does.
const std::tuple<const char*, Use, Use> kPlayerFiles[] = {
    {"scores.txt", loadScores, [](const fs::path& path) { ScoreFile(path).saveScores({}); }},
    {"settings.ini", [](const fs::path& path) { SettingsFile(path).loadSettings(); },
     [](const fs::path& path) { SettingsFile(path).saveSettings({}); }},
    {"stats.json",
     [](const fs::path& path) {
       EXPECT_EQ(StatisticsFile(path).loadStatistics().status,
                 StoredStatistics::Status::Untouchable);
     },
     [](const fs::path& path) { StatisticsFile(path).saveStatistics({}); }}};

// Read, such a path would wait for a writer for good or read a device without end; written, the
// device or FIFO would be replaced (a link to /dev/zero once replaced the system's own) or
// written into. Each costs one line. A link to a regular file is written through and stays a
// link. Device nodes need root.
TEST(PlayerFiles, OnlyRegularFilesAreReadOrWrittenAndLinksToThemStay) {
  const QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString(), fifo = folder / "fifo",
                 device = folder / "null";
  test::makeFifo(fifo);
  std::vector<fs::path> targets = {fifo};
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) targets.push_back(device);
  for (const auto& [name, load, save] : kPlayerFiles) {
    const fs::path file = folder / name;
    for (const fs::path& target : targets) {
      for (const bool linked : {false, true}) {
        const fs::path path = linked ? file : target;
        SCOPED_TRACE(path.string() + (linked ? " -> " + target.string() : ""));
        if (linked) fs::create_symlink(target, file);
        for (const Use use : {load, save}) {
          EXPECT_TRUE(oneLineNaming(
              path, [&] { EXPECT_TRUE(test::returnsWithoutAWriter(target, [&] { use(path); })); }));
        }
        EXPECT_EQ(fs::status(target).type(),
                  target == fifo ? fs::file_type::fifo : fs::file_type::character);
        EXPECT_EQ(fs::is_symlink(file), linked);
        fs::remove(file);
      }
    }
    writeBytes(folder / "real", "");
    fs::create_symlink(folder / "real", file);
    save(file);
    EXPECT_TRUE(fs::is_symlink(file) && readBytes(folder / "real") != "") << name;
  }
}

}  // namespace
}  // namespace quavix
