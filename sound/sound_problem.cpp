#include "sound/sound_problem.h"

#include <cstdio>

namespace quavix {

void reportSoundProblem(std::string_view what) {
  std::fprintf(stderr, "quavix: %.*s\n", static_cast<int>(what.size()), what.data());
}

}  // namespace quavix
