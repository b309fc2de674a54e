#pragma once

#include <pulse/pulseaudio.h>

#include <string>

namespace quavix {

// A connection to the desktop's PulseAudio server (PipeWire's PulseAudio service too) with a
// thread of its own, on which the callbacks of its streams run.
class PulseConnection {
 public:
  PulseConnection() = default;
  ~PulseConnection() { close(); }
  PulseConnection(const PulseConnection&) = delete;
  PulseConnection& operator=(const PulseConnection&) = delete;

  // False when no server answers; `problem` then says why.
  bool open(std::string& problem);
  // Its streams must be closed first.
  void close();
  bool isOpen() const { return mainloop_ != nullptr; }
  bool isReady() const {
    return context_ != nullptr && pa_context_get_state(context_) == PA_CONTEXT_READY;
  }

  pa_context* context() const { return context_; }
  pa_mainloop_api* api() const { return pa_threaded_mainloop_get_api(mainloop_); }

  // Keeps the callbacks from running while it lives; a no-op when not connected.
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
  static void onContextState(pa_context* context, void* self);

  pa_threaded_mainloop* mainloop_ = nullptr;
  pa_context* context_ = nullptr;
};

}  // namespace quavix
