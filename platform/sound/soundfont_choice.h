#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace quavix {

struct SoundFontChoice {
  std::optional<std::filesystem::path> path;
  std::string problem;  // why there is none, for the user
};

// The SoundFont the synthesisers load: the file that QUAVIX_SOUNDFONT names when it is set
// (and no other, so that a wrong setting is noticed), else the first SoundFont in `standard`.
SoundFontChoice chooseSoundFont(const char* override,
                                std::span<const std::filesystem::path> standard);

// The same with the environment's override and Debian's standard files.
SoundFontChoice chooseSoundFont();

}  // namespace quavix
