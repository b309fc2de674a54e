#pragma once

#include <pulse/pulseaudio.h>

#include <functional>
#include <string>

#include "platform/sound/audio_format.h"
#include "platform/sound/pulse_connection.h"

namespace quavix {

// One playback stream on a PulseAudio connection, fed by a render function on the connection's
// thread. A stream that closes when silent costs the server and the program nothing until wake()
// opens it again; through a quiet tail it waits with kQuietBuffer, since nothing in a tail needs
// to be heard at once. Close the connection before
// destroying it: a close that it has left pending on the connection's thread looks at it.
class PulseStream {
 public:
  // What a rendered buffer held: silence with nothing more to come, the quiet end of a sound,
  // which may be cut short by the next one, or sound.
  enum class Rendered { silence, quietTail, sound };
  // Writes the next `frames` interleaved stereo frames over `stereo`.
  using Render = std::function<Rendered(float* stereo, int frames)>;
  enum class WhenSilent { playOn, close };

  PulseStream(PulseConnection& connection, const char* name, StreamBuffer buffer,
              WhenSilent whenSilent)
      : connection_(connection), name_(name), buffer_(buffer), whenSilent_(whenSilent) {}
  ~PulseStream() { close(); }
  PulseStream(const PulseStream&) = delete;
  PulseStream& operator=(const PulseStream&) = delete;

  // Starts the stream on the open connection (a stream that closes when silent waits for wake()).
  // False when the server refuses it; `problem` then says why.
  bool open(Render render, std::string& problem);
  // Opens the stream again if it has closed or waits through a quiet tail, so that what has just
  // been started sounds at once.
  void wake();
  // Drops what the server holds of the stream but has not played yet.
  void dropWhatIsAhead();
  // Disconnects; `render` is not called any more once this returns.
  void close();

 private:
  // These hold the connection's lock, or run on its thread.
  bool connect(std::string& problem);
  void disconnect();
  static void onWritable(pa_stream* stream, size_t bytes, void* self);
  static void closeIfStillSilent(pa_mainloop_api*, void* self);
  bool onlySilenceLeft() const;
  void relax();

  PulseConnection& connection_;
  const char* name_;
  StreamBuffer buffer_;
  WhenSilent whenSilent_;
  Render render_;
  pa_stream* stream_ = nullptr;
  // Written since the last sound; wake() clears it, so that a stream woken meanwhile stays open.
  size_t silentFrames_ = 0;
  // Written since the last sound louder than a quiet tail.
  size_t quietFrames_ = 0;
  bool relaxed_ = false;  // on kQuietBuffer
};

}  // namespace quavix
