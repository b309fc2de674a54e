#pragma once

#include "platform/sound/audio_engine.h"

namespace quavix::test {

// The SoundFont the sound is measured with; setup.sh installs it.
inline constexpr char kTimGM6mb[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

}  // namespace quavix::test
