#include "platform/files/statistics_file.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>

#include "platform/files/score_file.h"
#include "platform/files/statistics_json.h"

namespace quavix {

namespace {

using Status = StoredStatistics::Status;

QString toQString(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

// The first of <name>.broken, <name>.broken.2, ... that is free, so no earlier one is lost.
std::filesystem::path brokenPlace(const std::filesystem::path& path) {
  std::filesystem::path place = path.string() + ".broken";
  for (int n = 2; std::filesystem::exists(place); ++n) {
    place = path.string() + ".broken." + std::to_string(n);
  }
  return place;
}

}  // namespace

StatisticsFile::StatisticsFile(std::filesystem::path path) : path_(std::move(path)) {}

StoredStatistics StatisticsFile::loadStatistics() {
  QFile file(toQString(path_));
  if (!file.exists()) {
    std::fprintf(stderr, "quavix: no statistics file %s yet, starting a fresh one\n",
                 path_.c_str());
    return {Status::Fresh, {}};
  }
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr,
                 "quavix: cannot read the statistics file %s (%s); nothing is recorded this run\n",
                 path_.c_str(), file.errorString().toLocal8Bit().constData());
    return {Status::Untouchable, {}};
  }
  ParsedStatistics parsed = statisticsFromJson(file.readAll());
  file.close();
  switch (parsed.result) {
    case ParsedStatistics::Result::Read:
      return {Status::Loaded, std::move(parsed.statistics)};
    case ParsedStatistics::Result::Newer:
      std::fprintf(stderr,
                   "quavix: the statistics file %s is of a newer version (%s); it is left as it "
                   "is and nothing is recorded this run\n",
                   path_.c_str(), parsed.problem.toLocal8Bit().constData());
      return {Status::Untouchable, {}};
    case ParsedStatistics::Result::Damaged:
      break;
  }
  const std::filesystem::path aside = brokenPlace(path_);
  std::error_code error;
  std::filesystem::rename(path_, aside, error);
  if (error) {
    std::fprintf(stderr,
                 "quavix: the statistics file %s is damaged (%s) and cannot be set aside (%s); "
                 "nothing is recorded this run\n",
                 path_.c_str(), parsed.problem.toLocal8Bit().constData(), error.message().c_str());
    return {Status::Untouchable, {}};
  }
  std::fprintf(stderr,
               "quavix: the statistics file %s is damaged (%s); set aside as %s, starting afresh\n",
               path_.c_str(), parsed.problem.toLocal8Bit().constData(), aside.c_str());
  return {Status::Fresh, {}};
}

bool StatisticsFile::saveStatistics(const Statistics& statistics) {
  auto unsaved = [this](const std::string& reason) {
    std::fprintf(stderr, "quavix: statistics not saved to %s: %s\n", path_.c_str(), reason.c_str());
    return false;
  };
  std::error_code error;
  if (path_.has_parent_path()) std::filesystem::create_directories(path_.parent_path(), error);
  if (error) return unsaved(error.message());
  // As with the scores: the old file stays whole until the new one is complete on disk, and
  // unbuffered so that a short write is seen before the commit.
  QSaveFile file(toQString(path_));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return unsaved(file.errorString().toStdString());
  }
  const QByteArray bytes = statisticsToJson(statistics);
  errno = 0;
  if (file.write(bytes) != bytes.size()) {
    const int writeError = errno;
    file.cancelWriting();
    return unsaved(writeError != 0 ? std::strerror(writeError) : "write cut short");
  }
  if (!file.commit()) return unsaved(file.errorString().toStdString());
  return true;
}

std::filesystem::path defaultStatisticsFilePath() {
  return defaultScoreFilePath().parent_path() / "stats.json";
}

}  // namespace quavix
