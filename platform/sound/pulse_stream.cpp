#include "platform/sound/pulse_stream.h"

namespace quavix {

namespace {

constexpr size_t kFrameBytes = sizeof(float) * kOutputChannels;

uint32_t bytesOf(int frames) { return static_cast<uint32_t>(frames * kFrameBytes); }

// Playback starts with the first request's frames, and after a shortfall with the next ones.
pa_buffer_attr attributesOf(StreamBuffer buffer) {
  return {.maxlength = static_cast<uint32_t>(-1),
          .tlength = bytesOf(buffer.frames),
          .prebuf = bytesOf(buffer.requestFrames),
          .minreq = bytesOf(buffer.requestFrames),
          .fragsize = static_cast<uint32_t>(-1)};
}

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
  quietFrames_ = 0;
  // Through a quiet tail the stream holds a long buffer of it ahead of what has just started; a
  // new stream carries that at once, and the tail it cuts short is lost under its attack.
  if (stream_ != nullptr && PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)) && !relaxed_) return;
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

void PulseStream::relax() {
  relaxed_ = true;
  const pa_buffer_attr attr = attributesOf(kQuietBuffer);
  pa_operation* change = pa_stream_set_buffer_attr(stream_, &attr, nullptr, nullptr);
  if (change != nullptr) pa_operation_unref(change);
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
  const pa_buffer_attr attr = attributesOf(buffer_);
  if (pa_stream_connect_playback(stream_, nullptr, &attr, PA_STREAM_NOFLAGS, nullptr, nullptr) <
      0) {
    problem = pa_strerror(pa_context_errno(connection_.context()));
    disconnect();
    return false;
  }
  silentFrames_ = 0;
  quietFrames_ = 0;
  relaxed_ = false;
  return true;
}

void PulseStream::onWritable(pa_stream* stream, size_t bytes, void* self) {
  auto& me = *static_cast<PulseStream*>(self);
  void* data = nullptr;
  if (pa_stream_begin_write(stream, &data, &bytes) < 0 || data == nullptr) return;
  const int frames = static_cast<int>(bytes / kFrameBytes);
  const Rendered rendered = me.render_(static_cast<float*>(data), frames);
  pa_stream_write(stream, data, frames * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE);
  if (me.whenSilent_ == WhenSilent::playOn) return;
  me.silentFrames_ = rendered == Rendered::silence ? me.silentFrames_ + frames : 0;
  me.quietFrames_ = rendered == Rendered::sound ? 0 : me.quietFrames_ + frames;
  if (me.onlySilenceLeft()) {
    // Not from inside the stream's own callback.
    pa_mainloop_api_once(me.connection_.api(), &PulseStream::closeIfStillSilent, &me);
  } else if (!me.relaxed_ && me.quietFrames_ >= size_t(me.buffer_.frames)) {
    // All the server holds is quiet, and a tail only fades: until wake(), nothing needs the
    // short buffer again.
    me.relax();
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
