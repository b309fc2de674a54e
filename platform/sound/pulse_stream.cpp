#include "platform/sound/pulse_stream.h"

namespace quavix {

namespace {

constexpr size_t kFrameBytes = sizeof(float) * kOutputChannels;

}  // namespace

bool PulseStream::open(Render render, std::string& problem) {
  close();
  render_ = std::move(render);
  if (whenSilent_ == WhenSilent::close) return true;
  const auto held = connection_.lock();
  return connect(problem);
}

void PulseStream::wake() {
  if (!connection_.isOpen()) return;
  const auto held = connection_.lock();
  silentFrames_ = 0;
  if (stream_ != nullptr && PA_STREAM_IS_GOOD(pa_stream_get_state(stream_))) return;
  disconnect();
  std::string problem;
  // A server gone away leaves the game silent; it has nothing to say to the player here.
  if (connection_.isReady()) connect(problem);
}

void PulseStream::dropWhatIsAhead() {
  const auto held = connection_.lock();
  pa_operation* flush = stream_ != nullptr ? pa_stream_flush(stream_, nullptr, nullptr) : nullptr;
  if (flush != nullptr) pa_operation_unref(flush);
}

void PulseStream::close() {
  const auto held = connection_.lock();
  disconnect();
}

void PulseStream::disconnect() {
  if (stream_ == nullptr) return;
  pa_stream_set_write_callback(stream_, nullptr, nullptr);
  pa_stream_disconnect(stream_);
  pa_stream_unref(stream_);
  stream_ = nullptr;
}

bool PulseStream::connect(std::string& problem) {
  const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, kOutputRate, kOutputChannels};
  stream_ = pa_stream_new(connection_.context(), name_, &spec, nullptr);
  if (stream_ == nullptr) {
    problem = pa_strerror(pa_context_errno(connection_.context()));
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
    problem = pa_strerror(pa_context_errno(connection_.context()));
    disconnect();
    return false;
  }
  silentFrames_ = 0;
  return true;
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
    pa_mainloop_api_once(me.connection_.api(), &PulseStream::closeIfStillSilent, &me);
  }
}

void PulseStream::closeIfStillSilent(pa_mainloop_api*, void* self) {
  auto& me = *static_cast<PulseStream*>(self);
  if (me.onlySilenceLeft()) me.disconnect();
}

// Once the server holds nothing but silence, the last sound has been heard to its end.
bool PulseStream::onlySilenceLeft() const {
  if (stream_ == nullptr || silentFrames_ == 0) return false;
  const pa_buffer_attr* attr = pa_stream_get_buffer_attr(stream_);
  return attr == nullptr || silentFrames_ * kFrameBytes >= attr->tlength;
}

}  // namespace quavix
