#include "platform/sound/sound_problem.h"

#include <cstdio>

namespace quavix {

std::string quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

void reportSoundProblem(std::string_view what) {
  std::fprintf(stderr, "quavix: %.*s\n", static_cast<int>(what.size()), what.data());
}

}  // namespace quavix
