#pragma once

#include <string_view>

namespace quavix {

// Tells the user, in one line on stderr, what the sound is missing.
void reportSoundProblem(std::string_view what);

}  // namespace quavix
