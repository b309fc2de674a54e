#include "platform/sound/pulse_stream.h"

#include "platform/sound/audio_format.h"

namespace quavix {

namespace {

constexpr size_t kFrameBytes = sizeof(float) * kOutputChannels;

}  // namespace

bool PulseStream::open(Render render, std::string& problem) {
  close();
  render_ = std::move(render);
  mainloop_ = pa_threaded_mainloop_new();
  if (mainloop_ == nullptr) {
    problem = "PulseAudio could not make a main loop";
    return false;
  }
  pa_threaded_mainloop_set_name(mainloop_, name_);
  context_ = pa_context_new(pa_threaded_mainloop_get_api(mainloop_), "Quavix");
  bool ready = false;
  if (context_ != nullptr) {
    pa_context_set_state_callback(context_, &PulseStream::onContextState, this);
    // Where no server runs, none is started: SDL plays instead.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
        pa_threaded_mainloop_start(mainloop_) >= 0) {
      const auto held = lock();
      pa_context_state_t state = pa_context_get_state(context_);
      for (; PA_CONTEXT_IS_GOOD(state) && state != PA_CONTEXT_READY;
           state = pa_context_get_state(context_)) {
        pa_threaded_mainloop_wait(mainloop_);
      }
      ready =
          state == PA_CONTEXT_READY && (whenSilent_ == WhenSilent::close || connectStream(problem));
    }
    if (!ready && problem.empty()) problem = pa_strerror(pa_context_errno(context_));
  }
  if (!ready) {
    if (problem.empty()) problem = "PulseAudio could not make a connection";
    close();
  }
  return ready;
}

void PulseStream::wake() {
  if (!isOpen()) return;
  const auto held = lock();
  silentFrames_ = 0;
  if (stream_ != nullptr && PA_STREAM_IS_GOOD(pa_stream_get_state(stream_))) return;
  dropStream();
  std::string problem;
  // A server gone away leaves the game silent; it has nothing to say to the player here.
  if (pa_context_get_state(context_) == PA_CONTEXT_READY) connectStream(problem);
}

void PulseStream::dropWhatIsAhead() {
  const auto held = lock();
  pa_operation* flush = stream_ != nullptr ? pa_stream_flush(stream_, nullptr, nullptr) : nullptr;
  if (flush != nullptr) pa_operation_unref(flush);
}

void PulseStream::close() {
  if (mainloop_ == nullptr) return;
  {
    const auto held = lock();
    dropStream();
    if (context_ != nullptr) {
      pa_context_set_state_callback(context_, nullptr, nullptr);
      pa_context_disconnect(context_);
      pa_context_unref(context_);
      context_ = nullptr;
    }
  }
  pa_threaded_mainloop_stop(mainloop_);
  pa_threaded_mainloop_free(mainloop_);
  mainloop_ = nullptr;
}

bool PulseStream::connectStream(std::string& problem) {
  const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, kOutputRate, kOutputChannels};
  stream_ = pa_stream_new(context_, name_, &spec, nullptr);
  if (stream_ == nullptr) {
    problem = pa_strerror(pa_context_errno(context_));
    return false;
  }
  pa_stream_set_write_callback(stream_, &PulseStream::onWritable, this);
  const auto bytes = [](int frames) { return static_cast<uint32_t>(frames * kFrameBytes); };
  // Playback starts with the first request's frames, and after a shortfall with the next ones.
  const pa_buffer_attr attr{.maxlength = static_cast<uint32_t>(-1),
                            .tlength = bytes(buffer_.frames),
                            .prebuf = bytes(buffer_.requestFrames),
                            .minreq = bytes(buffer_.requestFrames),
                            .fragsize = static_cast<uint32_t>(-1)};
  if (pa_stream_connect_playback(stream_, nullptr, &attr, PA_STREAM_NOFLAGS, nullptr, nullptr) <
      0) {
    problem = pa_strerror(pa_context_errno(context_));
    dropStream();
    return false;
  }
  silentFrames_ = 0;
  return true;
}

void PulseStream::dropStream() {
  if (stream_ == nullptr) return;
  pa_stream_set_write_callback(stream_, nullptr, nullptr);
  pa_stream_disconnect(stream_);
  pa_stream_unref(stream_);
  stream_ = nullptr;
}

void PulseStream::onContextState(pa_context*, void* self) {
  pa_threaded_mainloop_signal(static_cast<PulseStream*>(self)->mainloop_, 0);
}

void PulseStream::onWritable(pa_stream* stream, size_t bytes, void* self) {
  auto& me = *static_cast<PulseStream*>(self);
  void* data = nullptr;
  if (pa_stream_begin_write(stream, &data, &bytes) < 0 || data == nullptr) return;
  const int frames = static_cast<int>(bytes / kFrameBytes);
  const bool sounding = me.render_(static_cast<float*>(data), frames);
  pa_stream_write(stream, data, frames * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE);
  if (me.whenSilent_ == WhenSilent::playOn) return;
  me.silentFrames_ = sounding ? 0 : me.silentFrames_ + frames;
  if (me.onlySilenceLeft()) {
    // Not from inside the stream's own callback.
    pa_mainloop_api_once(pa_threaded_mainloop_get_api(me.mainloop_),
                         &PulseStream::closeIfStillSilent, &me);
  }
}

void PulseStream::closeIfStillSilent(pa_mainloop_api*, void* self) {
  auto& me = *static_cast<PulseStream*>(self);
  if (me.onlySilenceLeft()) me.dropStream();
}

// Once the server holds nothing but silence, the last sound has been heard to its end.
bool PulseStream::onlySilenceLeft() const {
  if (stream_ == nullptr || silentFrames_ == 0) return false;
  const pa_buffer_attr* attr = pa_stream_get_buffer_attr(stream_);
  return attr == nullptr || silentFrames_ * kFrameBytes >= attr->tlength;
}

}  // namespace quavix
