#include "platform/files/statistics_file.h"

#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

#include "platform/files/atomic_write.h"
#include "platform/files/regular_file.h"
#include "platform/files/score_file.h"
#include "platform/files/statistics_json.h"

namespace quavix {

namespace {

using Status = StoredStatistics::Status;

// About 75,000 games, decades of daily play, read in about 150 ms. Start-up reads the file on
// the window's thread, and a larger one would keep the window from appearing for seconds.
constexpr std::size_t kMaxStatisticsBytes = 16 * 1024 * 1024;

// The first of <name><suffix>, <name><suffix>.2, ... that is free, so no earlier one is lost.
std::filesystem::path freePlace(const std::filesystem::path& path, const std::string& suffix) {
  std::filesystem::path place = path.string() + suffix;
  for (int n = 2; std::filesystem::exists(place); ++n) {
    place = path.string() + suffix + "." + std::to_string(n);
  }
  return place;
}

// An older version of the game cannot read the upgraded file; it finds its own copy beside it.
void keepOlderVersion(const std::filesystem::path& path, int version,
                      const std::vector<char>& bytes) {
  const std::filesystem::path copy = freePlace(path, ".v" + std::to_string(version));
  std::string problem;
  if (writeFileAtomically(copy, {bytes.data(), bytes.size()}, problem)) {
    std::fprintf(stderr, "quavix: the statistics file %s is upgraded; the old one is kept as %s\n",
                 path.c_str(), copy.c_str());
  } else {
    std::fprintf(stderr,
                 "quavix: the statistics file %s is upgraded without a copy of the old one: %s\n",
                 path.c_str(), problem.c_str());
  }
}

}  // namespace

StatisticsFile::StatisticsFile(std::filesystem::path path) : path_(std::move(path)) {}

StoredStatistics StatisticsFile::loadStatistics() {
  std::error_code error;
  if (!std::filesystem::exists(path_, error)) {
    std::fprintf(stderr, "quavix: no statistics file %s yet, starting a fresh one\n",
                 path_.c_str());
    return {Status::Fresh, {}};
  }
  std::vector<char> bytes;
  std::string problem;
  // One byte past the limit tells a file that is too large.
  if (!readFileStart(path_, kMaxStatisticsBytes + 1, bytes, problem)) {
    std::fprintf(stderr,
                 "quavix: cannot read the statistics file %s (%s); nothing is recorded this run\n",
                 path_.c_str(), problem.c_str());
    return {Status::Untouchable, {}};
  }
  if (bytes.size() > kMaxStatisticsBytes) {
    problem = "it is larger than " + std::to_string(kMaxStatisticsBytes >> 20) + " MB";
  } else {
    ParsedStatistics parsed = statisticsFromJson(
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    switch (parsed.result) {
      case ParsedStatistics::Result::Read:
        if (parsed.version == kStatisticsVersion) {
          return {Status::Loaded, std::move(parsed.statistics)};
        }
        keepOlderVersion(path_, parsed.version, bytes);
        return {Status::Upgraded, std::move(parsed.statistics)};
      case ParsedStatistics::Result::Newer:
        std::fprintf(stderr,
                     "quavix: the statistics file %s is of a newer version (%s); it is left as "
                     "it is and nothing is recorded this run\n",
                     path_.c_str(), parsed.problem.toLocal8Bit().constData());
        return {Status::Untouchable, {}};
      case ParsedStatistics::Result::Damaged:
        problem = parsed.problem.toStdString();
        break;
    }
  }
  const std::filesystem::path aside = freePlace(path_, ".broken");
  std::filesystem::rename(path_, aside, error);
  if (error) {
    std::fprintf(stderr,
                 "quavix: the statistics file %s can't be used (%s) nor set aside (%s); nothing "
                 "is recorded this run\n",
                 path_.c_str(), problem.c_str(), error.message().c_str());
    return {Status::Untouchable, {}};
  }
  std::fprintf(stderr,
               "quavix: the statistics file %s can't be used (%s); set aside as %s, starting "
               "afresh\n",
               path_.c_str(), problem.c_str(), aside.c_str());
  return {Status::Fresh, {}};
}

bool StatisticsFile::saveStatistics(const Statistics& statistics) {
  const QByteArray bytes = statisticsToJson(statistics);
  std::string problem;
  if (writeFileAtomically(path_, {bytes.constData(), static_cast<std::size_t>(bytes.size())},
                          problem)) {
    return true;
  }
  std::fprintf(stderr, "quavix: statistics not saved to %s: %s\n", path_.c_str(), problem.c_str());
  return false;
}

std::filesystem::path defaultStatisticsFilePath() {
  return defaultScoreFilePath().parent_path() / "stats.json";
}

}  // namespace quavix
