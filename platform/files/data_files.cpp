#include "platform/files/data_files.h"

#include <system_error>

#include "core/note_naming.h"

namespace quavix {

namespace {

const DataFolders& folders() {
  static const DataFolders found = defaultDataFolders();
  return found;
}

}  // namespace

DataFolders defaultDataFolders() {
  // Relative to the program, so an installed copy finds its files under any prefix.
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  const auto installed = ec ? std::filesystem::path(QUAVIX_INSTALL_DATA_DIR)
                            : program.parent_path() / QUAVIX_DATA_FROM_BIN;
  return {installed, QUAVIX_SOURCE_ASSETS};
}

std::filesystem::path findDataFile(std::string_view name, std::string_view set,
                                   const DataFolders& folders) {
  const std::filesystem::path local{name};
  std::error_code ec;
  if (std::filesystem::exists(local, ec)) return local;
  const auto builtIn = findBuiltInFile((std::filesystem::path(set) / local).string(), folders);
  return std::filesystem::exists(builtIn, ec) ? builtIn : local;
}

std::filesystem::path findDataFile(std::string_view name, std::string_view set) {
  return findDataFile(name, set, folders());
}

std::filesystem::path findSpokenName(std::string_view name, std::string_view set) {
  const auto own = playersOwnRecording(name);
  std::error_code ec;
  if (own && std::filesystem::exists(*own, ec)) return *own;
  return findDataFile(name, set);
}

std::filesystem::path findDataFile(std::string_view name, const DataFolders& folders) {
  return findDataFile(name, std::string_view{}, folders);
}

std::filesystem::path findDataFile(std::string_view name) { return findDataFile(name, folders()); }

std::filesystem::path findBuiltInFile(std::string_view name, const DataFolders& folders) {
  std::error_code ec;
  for (const auto* dir : {&folders.installed, &folders.source}) {
    if (dir->empty()) continue;
    auto candidate = *dir / name;
    if (std::filesystem::exists(candidate, ec)) return candidate;
  }
  return folders.installed / name;
}

std::filesystem::path findBuiltInFile(std::string_view name) {
  return findBuiltInFile(name, folders());
}

}  // namespace quavix
