#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quavix {

// A path in double quotes, as the messages name files.
std::string quoted(const std::filesystem::path& path);

// Tells the user, in one line on stderr, what the sound is missing.
void reportSoundProblem(std::string_view what);

}  // namespace quavix
