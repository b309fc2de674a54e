#pragma once

#include <string>

namespace quavix {

// Keeps FluidSynth's own messages off stderr: the sound system reports each failure itself, in
// one line, and takes FluidSynth's reason from here. Safe to call any number of times.
void routeFluidLog();

// FluidSynth's first error on this thread since the last call, for a message.
std::string takeFluidError();

}  // namespace quavix
