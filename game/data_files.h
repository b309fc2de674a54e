#pragma once

#include <filesystem>
#include <string_view>

namespace quavix {

// Where a data file is read from: the working directory first, then the installed data
// folder, then the source tree's assets. When none has it, the working-directory path, so that
// the caller's open fails and names the file.
std::filesystem::path findDataFile(std::string_view name);

}  // namespace quavix
