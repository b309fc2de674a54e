#pragma once

namespace quavix {

// The one format everything is mixed in and sent to the sound card: interleaved float stereo.
inline constexpr int kOutputRate = 48000;
inline constexpr int kOutputChannels = 2;
// Through SDL, at most this many frames per device buffer, about 5 ms, so a key sounds when it is
// pressed.
inline constexpr int kDeviceBufferFrames = 256;

// What a PulseAudio stream asks of the server: the frames it holds ahead and those it asks for at
// a time. The server runs the sound card at the first less twice the second, and the cost to both
// sides grows with how often that comes round.
struct StreamBuffer {
  int frames;
  int requestFrames;
};
// The keys: 8 ms ahead, the card at 4 ms. Measured beside 5.3 ms buffers with the server's own
// choice of the rest, this took a quarter of the server's time, with the key still heard within
// 10 ms.
inline constexpr StreamBuffer kKeyBuffer{384, 96};
// The tune: 200 ms ahead, the card at 100 ms, so that the server and the program wake for it
// about 20 times a second.
inline constexpr StreamBuffer kTuneBuffer{kOutputRate / 5, kOutputRate / 20};
// The keys through the quiet tail of their last note: as the tune, so the card's pace is the
// tune's. A piano note is quiet 0.3 s after its release and silent only a second later.
inline constexpr StreamBuffer kQuietBuffer = kTuneBuffer;

}  // namespace quavix
