#include "platform/files/atomic_write.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "platform/files/regular_file.h"

namespace quavix {

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string& problem, ClosedFolder closedFolder) {
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  if (error) {
    problem = error.message();
    return false;
  }
  problem = unsafeWriteTarget(path);
  if (!problem.empty()) return false;
  // Unbuffered, because a buffered QSaveFile commits even when flushing its buffer fell short.
  QSaveFile file(QFile::decodeName(path.c_str()));
  file.setDirectWriteFallback(closedFolder == ClosedFolder::RewriteInPlace);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    problem = file.errorString().toStdString();
    return false;
  }
  errno = 0;
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    const int writeError = errno;
    file.cancelWriting();
    problem = writeError != 0 ? std::strerror(writeError) : "write cut short";
    return false;
  }
  if (!file.commit()) {
    problem = file.errorString().toStdString();
    return false;
  }
  return true;
}

}  // namespace quavix
