#include "platform/files/score_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>
#include <utility>

#include "core/score_line_format.h"

namespace quavix {

namespace {

QString toQString(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

void reportUnsaved(const std::filesystem::path& path, const std::string& reason) {
  std::fprintf(stderr, "quavix: scores not saved to %s: %s\n", path.c_str(), reason.c_str());
}

}  // namespace

ScoreFile::ScoreFile(std::filesystem::path path) : path_(std::move(path)) {}

void ScoreFile::loadScores(GameState& state) {
  QFile file(toQString(path_));
  RestoredScores restored;
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray head = file.read(scoreRecordReadLength());
    restored = readScoreRecord(std::string_view(head.constData(), head.size()));
    file.close();
  }
  for (int slot = 0; slot < restored.count; ++slot) state.scores[slot] = restored.values[slot];
  if (!restored.complete()) saveScores(state);
}

bool ScoreFile::saveScores(const GameState& state) {
  std::error_code error;
  if (path_.has_parent_path()) std::filesystem::create_directories(path_.parent_path(), error);
  if (error) {
    reportUnsaved(path_, error.message());
    return false;
  }
  // The old file stays whole until the new one is complete on disk. Unbuffered, because a
  // buffered QSaveFile commits even when flushing its buffer fell short (a full disk).
  QSaveFile file(toQString(path_));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    reportUnsaved(path_, file.errorString().toStdString());
    return false;
  }
  const std::string record = formatScoreRecord(state.scores);
  errno = 0;
  const qint64 written = file.write(record.data(), static_cast<qint64>(record.size()));
  if (written != static_cast<qint64>(record.size())) {
    const int writeError = errno;
    file.cancelWriting();
    reportUnsaved(path_, writeError != 0 ? std::strerror(writeError) : "write cut short");
    return false;
  }
  if (!file.commit()) {
    reportUnsaved(path_, file.errorString().toStdString());
    return false;
  }
  return true;
}

std::filesystem::path defaultScoreFilePath() {
  QCoreApplication::setOrganizationName(QString());
  QCoreApplication::setApplicationName(QStringLiteral("quavix"));
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return std::filesystem::path(QFile::encodeName(folder).toStdString()) / "scores.txt";
}

}  // namespace quavix
