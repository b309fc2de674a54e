#pragma once

#include <pulse/pulseaudio.h>

#include <functional>
#include <string>

#include "platform/sound/audio_format.h"

namespace quavix {

// One playback stream to the desktop's PulseAudio server (PipeWire's PulseAudio service too), on
// a connection and a thread of its own, fed by a render function on that thread. A stream that
// closes when silent costs the server and the program nothing until wake() opens it again.
class PulseStream {
 public:
  // Writes the next `frames` interleaved stereo frames over `stereo`; false when all of them are
  // silence and nothing more is to come.
  using Render = std::function<bool(float* stereo, int frames)>;
  enum class WhenSilent { playOn, close };

  // `name` names the stream and its thread.
  PulseStream(const char* name, StreamBuffer buffer, WhenSilent whenSilent)
      : name_(name), buffer_(buffer), whenSilent_(whenSilent) {}
  ~PulseStream() { close(); }
  PulseStream(const PulseStream&) = delete;
  PulseStream& operator=(const PulseStream&) = delete;

  // Connects to the server and starts the stream (a stream that closes when silent waits for
  // wake()). False when no server answers; `problem` then says why.
  bool open(Render render, std::string& problem);
  // Opens the stream again if it has closed, so that what has just been started sounds. Not on
  // the stream's own thread.
  void wake();
  // Drops what the server holds of the stream but has not played yet.
  void dropWhatIsAhead();
  // Disconnects; `render` is not called any more once this returns.
  void close();
  bool isOpen() const { return mainloop_ != nullptr; }

  // Keeps `render` from running while it lives; a no-op when not connected.
  class Lock {
   public:
    explicit Lock(pa_threaded_mainloop* mainloop) : mainloop_(mainloop) {
      if (mainloop_ != nullptr) pa_threaded_mainloop_lock(mainloop_);
    }
    ~Lock() {
      if (mainloop_ != nullptr) pa_threaded_mainloop_unlock(mainloop_);
    }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    pa_threaded_mainloop* mainloop_;
  };
  Lock lock() const { return Lock(mainloop_); }

 private:
  // All of these run on the stream's thread, or with its lock held.
  bool connectStream(std::string& problem);
  void dropStream();
  static void onContextState(pa_context* context, void* self);
  static void onWritable(pa_stream* stream, size_t bytes, void* self);
  static void closeIfStillSilent(pa_mainloop_api*, void* self);
  bool onlySilenceLeft() const;

  const char* name_;
  StreamBuffer buffer_;
  WhenSilent whenSilent_;
  Render render_;
  pa_threaded_mainloop* mainloop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  // Written since the last sound; wake() clears it, so that a stream woken meanwhile stays open.
  size_t silentFrames_ = 0;
};

}  // namespace quavix
