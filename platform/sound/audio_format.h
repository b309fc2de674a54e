#pragma once

namespace quavix {

// The one format everything is mixed in and sent to the sound card: interleaved float stereo.
inline constexpr int kOutputRate = 48000;
inline constexpr int kOutputChannels = 2;
// At most this many frames per device buffer, about 5 ms, so a key sounds when it is pressed.
inline constexpr int kDeviceBufferFrames = 256;

}  // namespace quavix
