#include "platform/sound/pulse_connection.h"

namespace quavix {

bool PulseConnection::open(std::string& problem) {
  close();
  mainloop_ = pa_threaded_mainloop_new();
  if (mainloop_ == nullptr) {
    problem = "PulseAudio could not make a main loop";
    return false;
  }
  pa_threaded_mainloop_set_name(mainloop_, "quavix-sound");
  context_ = pa_context_new(pa_threaded_mainloop_get_api(mainloop_), "Quavix");
  bool ready = false;
  if (context_ != nullptr) {
    pa_context_set_state_callback(context_, &PulseConnection::onContextState, this);
    // Where no server runs, none is started: SDL plays instead.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
        pa_threaded_mainloop_start(mainloop_) >= 0) {
      const auto held = lock();
      pa_context_state_t state = pa_context_get_state(context_);
      for (; PA_CONTEXT_IS_GOOD(state) && state != PA_CONTEXT_READY;
           state = pa_context_get_state(context_)) {
        pa_threaded_mainloop_wait(mainloop_);
      }
      ready = state == PA_CONTEXT_READY;
    }
    if (!ready) problem = pa_strerror(pa_context_errno(context_));
  } else {
    problem = "PulseAudio could not make a connection";
  }
  if (!ready) close();
  return ready;
}

void PulseConnection::close() {
  if (mainloop_ == nullptr) return;
  if (context_ != nullptr) {
    const auto held = lock();
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
  }
  pa_threaded_mainloop_stop(mainloop_);
  pa_threaded_mainloop_free(mainloop_);
  mainloop_ = nullptr;
}

void PulseConnection::onContextState(pa_context*, void* self) {
  pa_threaded_mainloop_signal(static_cast<PulseConnection*>(self)->mainloop_, 0);
}

}  // namespace quavix
