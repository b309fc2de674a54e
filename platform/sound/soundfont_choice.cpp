#include "platform/sound/soundfont_choice.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/files/regular_file.h"
#include "platform/sound/sound_problem.h"

namespace quavix {

namespace {

// A RIFF file of form "sfbk" (SF2 and SF3). Anything else is refused before FluidSynth sees it,
// as its other loaders are loud about files they do not understand.
bool isSoundFont(const std::filesystem::path& path) {
  constexpr size_t kHeadBytes = 12;
  std::vector<char> head;
  std::string problem;
  if (!readFileStart(path, kHeadBytes, head, problem) || head.size() < kHeadBytes) return false;
  return std::memcmp(head.data(), "RIFF", 4) == 0 && std::memcmp(head.data() + 8, "sfbk", 4) == 0;
}

}  // namespace

SoundFontChoice chooseSoundFont(const char* override,
                                std::span<const std::filesystem::path> standard) {
  if (override != nullptr && *override != '\0') {
    const std::filesystem::path path{override};
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
      return {std::nullopt, "QUAVIX_SOUNDFONT names " + quoted(path) + ", which does not exist"};
    }
    if (!isSoundFont(path)) {
      return {std::nullopt,
              "QUAVIX_SOUNDFONT names " + quoted(path) + ", which is not a readable SoundFont"};
    }
    return {path, {}};
  }
  std::string looked;
  for (const auto& path : standard) {
    if (isSoundFont(path)) return {path, {}};
    looked += (looked.empty() ? "" : ", ") + path.string();
  }
  return {std::nullopt, "no SoundFont found (looked for " + looked +
                            "); install timgm6mb-soundfont or set QUAVIX_SOUNDFONT"};
}

SoundFontChoice chooseSoundFont() {
  static const std::array<std::filesystem::path, 3> kDebianSoundFonts = {
      "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
      "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
  return chooseSoundFont(std::getenv("QUAVIX_SOUNDFONT"), kDebianSoundFonts);
}

}  // namespace quavix
