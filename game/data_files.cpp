#include "game/data_files.h"

#include <system_error>

namespace quavix {

std::filesystem::path findDataFile(std::string_view name) {
  const std::filesystem::path local{name};
  std::error_code ec;
  if (std::filesystem::exists(local, ec)) return local;
  for (const char* dir : {QUAVIX_DATA_DIR, QUAVIX_SOURCE_ASSETS}) {
    auto candidate = std::filesystem::path(dir) / local;
    if (std::filesystem::exists(candidate, ec)) return candidate;
  }
  return local;
}

}  // namespace quavix
