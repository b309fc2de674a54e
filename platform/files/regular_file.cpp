#include "platform/files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace quavix {

namespace {

std::string kindProblem(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return "it is a folder";
  if (S_ISFIFO(mode)) return "it is a FIFO, not a regular file";
  return "it is not a regular file";
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Looked at before opening, since opening a device can have effects of its own; checked again
// on the open file in case the path changed in between. O_NONBLOCK keeps a FIFO put there in the
// meantime from blocking the open.
int openRegular(const std::filesystem::path& path, struct stat& info, std::string& problem) {
  problem = notARegularFile(path);
  if (!problem.empty()) return -1;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    problem = std::strerror(errno);
    return -1;
  }
  if (::fstat(fd, &info) != 0) {
    problem = std::strerror(errno);
  } else {
    problem = kindProblem(info.st_mode);
  }
  if (!problem.empty()) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Up to `count` bytes, in steps sized by what the file said it holds; a file that grows while
// it is read gets no further than `count`.
bool readUpTo(int fd, std::size_t count, std::size_t expected, std::vector<char>& bytes,
              std::string& problem) {
  bytes.resize(std::min(count, expected + 1));
  std::size_t got = 0;
  while (got < count) {
    if (got == bytes.size()) bytes.resize(std::min(count, 2 * bytes.size()));
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      problem = std::strerror(errno);
      return false;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return true;
}

std::string tooLarge(std::uint64_t maxBytes) {
  constexpr std::uint64_t kMegabyte = 1024 * 1024;
  return "it is larger than " + (maxBytes % kMegabyte == 0
                                     ? std::to_string(maxBytes / kMegabyte) + " MB"
                                     : std::to_string(maxBytes) + " bytes");
}

}  // namespace

std::string notARegularFile(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::strerror(errno);
  return kindProblem(info.st_mode);
}

std::string unsafeWriteTarget(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0)
    return errno == ENOENT ? std::string() : std::strerror(errno);
  return kindProblem(info.st_mode);
}

bool readFileStart(const std::filesystem::path& path, std::size_t count, std::vector<char>& bytes,
                   std::string& problem) {
  struct stat info {};
  const Descriptor file{openRegular(path, info, problem)};
  return file.get() >= 0 &&
         readUpTo(file.get(), count, static_cast<std::size_t>(info.st_size), bytes, problem);
}

bool readWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                   std::vector<char>& bytes, std::string& problem) {
  struct stat info {};
  const Descriptor file{openRegular(path, info, problem)};
  if (file.get() < 0) return false;
  if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
    problem = tooLarge(maxBytes);
    return false;
  }
  // One byte past the limit tells a file that grew since fstat.
  if (!readUpTo(file.get(), static_cast<std::size_t>(maxBytes) + 1,
                static_cast<std::size_t>(info.st_size), bytes, problem)) {
    return false;
  }
  if (bytes.size() > maxBytes) {
    problem = tooLarge(maxBytes);
    return false;
  }
  return true;
}

}  // namespace quavix
